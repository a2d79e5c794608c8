# SPDX-License-Identifier: GPL-3.0-or-later
if(MOUSECFG_GUI)
    mousecfg_add_test(NAME TestWindowShape SOURCES test_window_shape.cpp LIBS mousecfg_ui LABEL gui)
    add_dependencies(TestWindowShape mousecfg_skin)
endif()
if(MOUSECFG_GUI AND UNIX AND NOT APPLE)
    # The program on an X desktop of the test's own: Xvfb, openbox and trayer.
    mousecfg_add_test(NAME TestTray SOURCES test_tray.cpp private_x_session.cpp private_x_session.h x11_keys.h x11_properties.h
        private_session_bus.cpp private_session_bus.h LIBS PkgConfig::X11 LABEL x11)
    target_include_directories(TestTray PRIVATE ${CMAKE_SOURCE_DIR}/src)
    add_dependencies(TestTray mousecfg)
endif()
if(MOUSECFG_GUI AND UNIX AND NOT APPLE)
    # The desktop's notification service, played by a fake on a session bus of the test's own.
    mousecfg_add_test(NAME TestBatteryNotifications
        SOURCES test_battery_notifications.cpp private_session_bus.cpp private_session_bus.h
        fake_notification_service.cpp fake_notification_service.h
        window_sandbox.cpp window_sandbox.h storage_sandbox.cpp storage_sandbox.h
        LIBS mousecfg_ui mousecfg_sim Qt5::DBus LABEL gui)
    add_dependencies(TestBatteryNotifications mousecfg_skin mousecfg_translations)
endif()

if(MOUSECFG_GUI AND UNIX AND NOT APPLE)
    # The window as a screen reader meets it, through AT-SPI on a private session bus.
    add_test(NAME AccessibilityTree COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/accessibility_tree.sh
        $<TARGET_FILE:mousecfg> ${CMAKE_CURRENT_SOURCE_DIR}/accessibility_tree.py)
    set_tests_properties(AccessibilityTree PROPERTIES LABELS x11 TIMEOUT 180)
endif()
if(MOUSECFG_GUI)
    mousecfg_add_test(NAME TestWindowKeyboard
        SOURCES test_window_keyboard.cpp window_sandbox.cpp window_sandbox.h storage_sandbox.cpp storage_sandbox.h
        LIBS mousecfg_ui mousecfg_sim LABEL gui)
    add_dependencies(TestWindowKeyboard mousecfg_skin mousecfg_translations)
endif()
if(MOUSECFG_GUI AND UNIX AND NOT APPLE)
    # The window's questions answered with real keys through the X server.
    mousecfg_add_test(NAME TestWindowMessageKeys
        SOURCES test_window_message_keys.cpp x11_keys.h window_sandbox.cpp window_sandbox.h
                storage_sandbox.cpp storage_sandbox.h
        LIBS mousecfg_ui mousecfg_sim PkgConfig::X11 LABEL x11)
    add_dependencies(TestWindowMessageKeys mousecfg_skin mousecfg_translations)
    # The application profiles on a desktop of the test's own, with openbox.
    mousecfg_add_test(NAME TestAppProfilesX11
        SOURCES test_app_profiles_x11.cpp private_x_session.cpp private_x_session.h x11_properties.h window_sandbox.cpp
                window_sandbox.h storage_sandbox.cpp storage_sandbox.h
        LIBS mousecfg_ui mousecfg_sim PkgConfig::X11 LABEL x11)
    add_dependencies(TestAppProfilesX11 mousecfg_skin mousecfg_translations)
endif()
if(MOUSECFG_GUI)
    # A first run under a German desktop; the test sets the locale variables itself.
    mousecfg_add_test(NAME TestFirstRunLanguage
        SOURCES test_first_run_language.cpp window_sandbox.cpp window_sandbox.h storage_sandbox.cpp storage_sandbox.h
        LIBS mousecfg_ui mousecfg_sim LABEL gui)
    add_dependencies(TestFirstRunLanguage mousecfg_skin mousecfg_translations)
endif()
if(MOUSECFG_GUI)
    # The window's file dialogs and menus; their screenshots land in the build's screens/ folder.
    mousecfg_add_test(NAME TestFileDialogs
        SOURCES test_file_dialogs.cpp window_sandbox.cpp window_sandbox.h storage_sandbox.cpp storage_sandbox.h
        LIBS mousecfg_ui mousecfg_sim LABEL gui)
    add_dependencies(TestFileDialogs mousecfg_skin mousecfg_translations)
    mousecfg_add_test(NAME TestWindowMenus
        SOURCES test_window_menus.cpp window_sandbox.cpp window_sandbox.h storage_sandbox.cpp storage_sandbox.h
        LIBS mousecfg_ui mousecfg_sim LABEL gui)
    add_dependencies(TestWindowMenus mousecfg_skin mousecfg_translations)
endif()
if(MOUSECFG_GUI AND UNIX AND NOT APPLE)
    # The window's service and the command line through it, on a session bus of the test's own.
    mousecfg_add_test(NAME TestMouseBus
        SOURCES test_mouse_bus.cpp private_session_bus.cpp private_session_bus.h
        window_sandbox.cpp window_sandbox.h storage_sandbox.cpp storage_sandbox.h
        LIBS mousecfg_ui mousecfg_sim Qt5::DBus LABEL gui)
    add_dependencies(TestMouseBus mousecfg_skin mousecfg_translations mousecfg-cli)
    mousecfg_add_test(NAME TestAppProfilesDialog
        SOURCES test_app_profiles_dialog.cpp window_sandbox.cpp window_sandbox.h storage_sandbox.cpp
                storage_sandbox.h visible_texts.cpp visible_texts.h
        LIBS mousecfg_ui mousecfg_sim LABEL gui TIMEOUT 300)
    add_dependencies(TestAppProfilesDialog mousecfg_skin mousecfg_translations)
endif()
