# Times the profile file writes and reads against plain file I/O of the same bytes.
add_executable(storage_bench storage_bench.cpp
    ${CMAKE_SOURCE_DIR}/tests/random_config.cpp ${CMAKE_SOURCE_DIR}/tests/storage_sandbox.cpp)
target_include_directories(storage_bench PRIVATE ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(storage_bench PRIVATE mousecfg_settings mousecfg_core)
add_dependencies(storage_bench mousecfg_data)
