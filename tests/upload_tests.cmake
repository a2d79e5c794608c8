mousecfg_add_test(NAME TestKeyNames SOURCES test_key_names.cpp LIBS mousecfg_core mousecfg_platform)
mousecfg_add_test(NAME TestMacroFiles SOURCES test_macro_files.cpp storage_sandbox.cpp storage_sandbox.h LIBS mousecfg_core)
mousecfg_add_test(NAME TestFunctionCatalogue SOURCES test_function_catalogue.cpp storage_sandbox.cpp storage_sandbox.h
    LIBS mousecfg_core)
set(MOUSECFG_UPLOAD_TEST_SUPPORT upload_sandbox.cpp upload_sandbox.h device_sandbox.cpp device_sandbox.h)
mousecfg_add_test(NAME TestUpload SOURCES test_upload.cpp ${MOUSECFG_UPLOAD_TEST_SUPPORT} LIBS mousecfg_sim)
mousecfg_add_test(NAME TestMonitor SOURCES test_monitor.cpp ${MOUSECFG_UPLOAD_TEST_SUPPORT} LIBS mousecfg_sim)
mousecfg_add_test(NAME TestUploadStress SOURCES test_upload_stress.cpp ${MOUSECFG_UPLOAD_TEST_SUPPORT} LIBS mousecfg_sim
    TIMEOUT 900)
mousecfg_add_test(NAME TestUploadCli SOURCES test_upload_cli.cpp device_sandbox.cpp device_sandbox.h LIBS mousecfg_sim)
add_dependencies(TestUploadCli mousecfg-cli)
mousecfg_add_test(NAME TestKeyboardLayout SOURCES test_keyboard_layout.cpp LIBS mousecfg_core mousecfg_platform LABEL x11)
mousecfg_add_test(NAME TestSession SOURCES test_session.cpp storage_sandbox.cpp storage_sandbox.h random_config.cpp random_config.h
    ${MOUSECFG_UPLOAD_TEST_SUPPORT} LIBS mousecfg_sim Qt5::Network)
if(TARGET mousecfg_translations)
    add_dependencies(TestSession mousecfg_translations)
endif()
mousecfg_add_test(NAME TestKeyCaptureState SOURCES test_key_capture_state.cpp LIBS mousecfg_core)
