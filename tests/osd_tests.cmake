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
if(MOUSECFG_GUI AND UNIX AND NOT APPLE)
    # The companion program itself: its socket, its single instance, and its notifications on a
    # session bus of the test's own.
    mousecfg_add_test(NAME TestOsdCompanion
        SOURCES test_osd_companion.cpp osd_companion_process.h private_session_bus.cpp private_session_bus.h
        fake_notification_service.cpp fake_notification_service.h
        LIBS mousecfg_ui Qt5::DBus LABEL gui)
    add_dependencies(TestOsdCompanion OSD)
    # The overlay over the window on a real X server, and its screenshot.
    mousecfg_add_test(NAME TestOsdScreen
        SOURCES test_osd_screen.cpp osd_companion_process.h window_sandbox.cpp window_sandbox.h
        storage_sandbox.cpp storage_sandbox.h
        LIBS mousecfg_ui mousecfg_sim_panel LABEL x11)
    add_dependencies(TestOsdScreen OSD mousecfg_skin mousecfg_translations)
endif()
