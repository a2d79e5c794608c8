mousecfg_add_test(NAME TestGunPattern SOURCES test_gun_pattern.cpp LIBS mousecfg_core)
