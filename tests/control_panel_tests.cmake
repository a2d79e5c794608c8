if(MOUSECFG_GUI)
    mousecfg_add_test(NAME TestControlPanel SOURCES test_control_panel.cpp upload_sandbox.cpp upload_sandbox.h
        device_sandbox.cpp device_sandbox.h LIBS mousecfg_sim_panel LABEL gui)
endif()
