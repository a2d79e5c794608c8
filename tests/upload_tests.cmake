mousecfg_add_test(NAME TestMacroFiles SOURCES test_macro_files.cpp LIBS mousecfg_core)
if(TARGET mousecfg_platform)
    mousecfg_add_test(NAME TestKeyNames SOURCES test_key_names.cpp LIBS mousecfg_core mousecfg_platform)
endif()
