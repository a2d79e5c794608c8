mousecfg_add_test(NAME TestProfileCommands SOURCES test_profile_commands.cpp storage_sandbox.cpp storage_sandbox.h
    LIBS mousecfg_core)
if(TARGET mousecfg_translations)
    # Shows the new message texts in German when the catalogues are built.
    add_dependencies(TestProfileCommands mousecfg_translations)
endif()
mousecfg_add_test(NAME TestRecordGate SOURCES test_record_gate.cpp storage_sandbox.cpp storage_sandbox.h random_config.cpp
    random_config.h LIBS mousecfg_core)
mousecfg_add_test(NAME TestAppProfileSwitcher SOURCES test_app_profile_switcher.cpp storage_sandbox.cpp storage_sandbox.h
    LIBS mousecfg_core)
