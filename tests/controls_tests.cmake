# SPDX-License-Identifier: GPL-3.0-or-later
if(MOUSECFG_GUI)
    mousecfg_add_test(NAME TestDisplayScale SOURCES test_display_scale.cpp LIBS mousecfg_ui LABEL gui)
    mousecfg_add_test(NAME TestPushButton SOURCES test_push_button.cpp LIBS mousecfg_ui LABEL gui)
    mousecfg_add_test(NAME TestMessageBox SOURCES test_message_box.cpp LIBS mousecfg_ui LABEL gui)
    mousecfg_add_test(NAME TestProgress SOURCES test_progress.cpp LIBS mousecfg_ui LABEL gui)
    mousecfg_add_test(NAME TestLabelsMenus SOURCES test_labels_menus.cpp LIBS mousecfg_ui LABEL gui)
    mousecfg_add_test(NAME TestSliders SOURCES test_sliders.cpp LIBS mousecfg_ui LABEL gui)
    mousecfg_add_test(NAME TestLanguages SOURCES test_languages.cpp LIBS mousecfg_ui LABEL gui)
    mousecfg_add_test(NAME TestControlFonts
        SOURCES test_control_fonts.cpp storage_sandbox.cpp storage_sandbox.h visible_texts.cpp visible_texts.h
        LIBS mousecfg_ui LABEL gui)
    add_dependencies(TestControlFonts mousecfg_translations)
    add_dependencies(TestLanguages mousecfg_translations)
    add_dependencies(TestMessageBox mousecfg_translations mousecfg_skin)
    add_dependencies(TestProgress mousecfg_translations mousecfg_skin)
    mousecfg_add_test(NAME TestSkin
        SOURCES test_skin.cpp ${CMAKE_SOURCE_DIR}/tools/skingen/gif_encoder.cpp
        LIBS mousecfg_ui LABEL gui)
    target_include_directories(TestSkin PRIVATE ${CMAKE_SOURCE_DIR}/tools/skingen)
    add_dependencies(TestSkin mousecfg_skin)

    # The gallery screenshots land in the build directory's root.
    add_test(NAME Gallery COMMAND gallery --out ${CMAKE_BINARY_DIR} WORKING_DIRECTORY ${MOUSECFG_BIN_DIR})
    set_tests_properties(Gallery PROPERTIES LABELS gui TIMEOUT 120
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=C.UTF-8;LC_ALL=C.UTF-8")
endif()
if(MOUSECFG_GUI)
    mousecfg_add_test(NAME TestMainWindow
        SOURCES test_main_window.cpp window_sandbox.cpp window_sandbox.h storage_sandbox.cpp storage_sandbox.h
        LIBS mousecfg_ui mousecfg_sim LABEL gui TIMEOUT 600)
    add_dependencies(TestMainWindow mousecfg mousecfg_skin mousecfg_translations)
    mousecfg_add_test(NAME TestSettingsApply
        SOURCES test_settings_apply.cpp window_sandbox.cpp window_sandbox.h storage_sandbox.cpp storage_sandbox.h
        LIBS mousecfg_ui mousecfg_sim LABEL gui)
    add_dependencies(TestSettingsApply mousecfg_skin mousecfg_translations)
    mousecfg_add_test(NAME TestWindowGates
        SOURCES test_window_gates.cpp window_sandbox.cpp window_sandbox.h storage_sandbox.cpp storage_sandbox.h
                random_config.cpp random_config.h
        LIBS mousecfg_ui mousecfg_sim LABEL gui)
    add_dependencies(TestWindowGates mousecfg_skin mousecfg_translations)
    mousecfg_add_test(NAME TestUnsentEdits
        SOURCES test_unsent_edits.cpp window_sandbox.cpp window_sandbox.h storage_sandbox.cpp storage_sandbox.h
        LIBS mousecfg_ui mousecfg_sim LABEL gui)
    add_dependencies(TestUnsentEdits mousecfg_skin mousecfg_translations)
    mousecfg_add_test(NAME TestWindowPointerSpeed
        SOURCES test_window_pointer_speed.cpp window_sandbox.cpp window_sandbox.h storage_sandbox.cpp storage_sandbox.h
        LIBS mousecfg_ui mousecfg_sim mousecfg_platform LABEL gui)
    add_dependencies(TestWindowPointerSpeed mousecfg_skin mousecfg_translations)
    mousecfg_add_test(NAME TestSlotButtons
        SOURCES test_slot_buttons.cpp window_sandbox.cpp window_sandbox.h storage_sandbox.cpp storage_sandbox.h
        LIBS mousecfg_ui mousecfg_sim mousecfg_platform LABEL gui)
    add_dependencies(TestSlotButtons mousecfg_skin mousecfg_translations)
    mousecfg_add_test(NAME TestQuitWhileSending
        SOURCES test_quit_while_sending.cpp window_sandbox.cpp window_sandbox.h storage_sandbox.cpp storage_sandbox.h
        LIBS mousecfg_ui mousecfg_sim LABEL gui)
    add_dependencies(TestQuitWhileSending mousecfg_skin mousecfg_translations)
endif()
if(MOUSECFG_GUI)
    # Screenshots of the window land in the build's screens/ folder, to be looked at.
    mousecfg_add_test(NAME TestWindowScreens
        SOURCES test_window_screens.cpp window_sandbox.cpp window_sandbox.h storage_sandbox.cpp storage_sandbox.h
            visible_texts.cpp visible_texts.h
        LIBS mousecfg_ui mousecfg_sim LABEL gui TIMEOUT 600)
    add_dependencies(TestWindowScreens mousecfg_skin mousecfg_translations)
endif()
