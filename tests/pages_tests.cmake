if(MOUSECFG_GUI)
    mousecfg_add_test(NAME TestSettingsPages SOURCES test_settings_pages.cpp random_config.cpp random_config.h
        LIBS mousecfg_ui LABEL gui)
    mousecfg_add_test(NAME TestColorEditor SOURCES test_color_editor.cpp LIBS mousecfg_ui LABEL gui)
    # The screenshots land in the build's screens/ folder, to be looked at.
    mousecfg_add_test(NAME TestLightingPage
        SOURCES test_lighting_page.cpp storage_sandbox.cpp storage_sandbox.h LIBS mousecfg_ui LABEL gui)
    add_dependencies(TestLightingPage mousecfg_skin mousecfg_translations)
endif()
