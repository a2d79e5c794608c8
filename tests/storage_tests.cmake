mousecfg_add_test(NAME TestPaths SOURCES test_paths.cpp LIBS mousecfg_core)
