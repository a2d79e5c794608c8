if(MOUSECFG_GUI)
    mousecfg_add_test(NAME TestButtonPage
        SOURCES test_button_page.cpp storage_sandbox.cpp storage_sandbox.h LIBS mousecfg_ui LABEL gui)
endif()
