mousecfg_add_test(NAME TestOsdMessage SOURCES test_osd_message.cpp LIBS mousecfg_platform)
if(MOUSECFG_GUI)
    mousecfg_add_test(NAME TestOsdLink
        SOURCES test_osd_link.cpp fake_osd_server.h window_sandbox.cpp window_sandbox.h
        storage_sandbox.cpp storage_sandbox.h
        LIBS mousecfg_ui mousecfg_sim LABEL gui)
    add_dependencies(TestOsdLink mousecfg_skin mousecfg_translations)
    mousecfg_add_test(NAME TestFirmwareUpdate
        SOURCES test_firmware_update.cpp window_sandbox.cpp window_sandbox.h storage_sandbox.cpp storage_sandbox.h
        LIBS mousecfg_ui mousecfg_sim LABEL gui)
    add_dependencies(TestFirmwareUpdate mousecfg_skin mousecfg_translations)
endif()
