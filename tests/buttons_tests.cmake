# SPDX-License-Identifier: GPL-3.0-or-later
mousecfg_add_test(NAME TestFunctionSummary SOURCES test_function_summary.cpp storage_sandbox.cpp storage_sandbox.h
    LIBS mousecfg_core)
if(MOUSECFG_GUI)
    mousecfg_add_test(NAME TestButtonPage
        SOURCES test_button_page.cpp storage_sandbox.cpp storage_sandbox.h LIBS mousecfg_ui LABEL gui)
endif()
if(MOUSECFG_GUI)
    # The button page in the window: its views, what reaches the mouse, and screenshots to look at.
    mousecfg_add_test(NAME TestWindowButtons
        SOURCES test_window_buttons.cpp window_sandbox.cpp window_sandbox.h storage_sandbox.cpp storage_sandbox.h
        LIBS mousecfg_ui mousecfg_sim LABEL gui)
    add_dependencies(TestWindowButtons mousecfg_skin mousecfg_translations)
endif()
if(MOUSECFG_GUI AND UNIX AND NOT APPLE)
    # Real keys through the X server, read back from the dialogs.
    mousecfg_add_test(NAME TestKeyCaptureDialogs SOURCES test_key_capture_dialogs.cpp x11_keys.h
        LIBS mousecfg_ui PkgConfig::X11 LABEL x11)
endif()
if(MOUSECFG_GUI AND UNIX AND NOT APPLE)
    # The CUSTOMIZE page from the keyboard alone: real keys through the X server.
    mousecfg_add_test(NAME TestCustomizeByKeyboard
        SOURCES test_customize_by_keyboard.cpp x11_keys.h window_sandbox.cpp window_sandbox.h
                storage_sandbox.cpp storage_sandbox.h
        LIBS mousecfg_ui mousecfg_sim PkgConfig::X11 LABEL x11)
    add_dependencies(TestCustomizeByKeyboard mousecfg_skin mousecfg_translations)
endif()
