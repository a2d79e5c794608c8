# A full upload of a configuration with 20 macros to the virtual mouse, against the protocol's
# fixed waits. Borrows the tests' sandbox so that it runs in its own temporary directories.
add_executable(upload_bench upload_bench.cpp
    ${CMAKE_SOURCE_DIR}/tests/upload_sandbox.cpp ${CMAKE_SOURCE_DIR}/tests/upload_sandbox.h
    ${CMAKE_SOURCE_DIR}/tests/device_sandbox.cpp ${CMAKE_SOURCE_DIR}/tests/device_sandbox.h)
target_include_directories(upload_bench PRIVATE ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(upload_bench PRIVATE mousecfg_settings mousecfg_sim Qt5::Test)
add_dependencies(upload_bench mousecfg_data)
