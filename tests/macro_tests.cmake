# SPDX-License-Identifier: GPL-3.0-or-later
mousecfg_add_test(NAME TestGunPattern SOURCES test_gun_pattern.cpp LIBS mousecfg_core)
mousecfg_add_test(NAME TestMacroRecorder SOURCES test_macro_recorder.cpp LIBS mousecfg_core)
mousecfg_add_test(NAME TestMacroFit SOURCES test_macro_fit.cpp macro_event_printing.h LIBS mousecfg_core)
if(MOUSECFG_GUI)
    mousecfg_add_test(NAME TestGunDialogs
        SOURCES test_gun_dialogs.cpp storage_sandbox.cpp storage_sandbox.h LIBS mousecfg_ui LABEL gui)
    mousecfg_add_test(NAME TestMacroDialog
        SOURCES test_macro_dialog.cpp macro_page_driver.h window_sandbox.cpp window_sandbox.h
                storage_sandbox.cpp storage_sandbox.h
        LIBS mousecfg_ui mousecfg_sim LABEL gui)
    add_dependencies(TestMacroDialog mousecfg_skin mousecfg_translations)
endif()
if(MOUSECFG_GUI AND UNIX AND NOT APPLE)
    # Keys typed through the X server, recorded by the macro page.
    mousecfg_add_test(NAME TestMacroRecording
        SOURCES test_macro_recording.cpp x11_keys.h window_sandbox.cpp window_sandbox.h
                storage_sandbox.cpp storage_sandbox.h
        LIBS mousecfg_ui mousecfg_sim PkgConfig::X11 LABEL x11)
endif()
