# SPDX-License-Identifier: GPL-3.0-or-later
# mousecfg-cli through the running window's session-bus service against opening the mouse itself.
# Borrows the tests' private session bus.
if(UNIX AND NOT APPLE AND TARGET mousecfg)
    add_executable(cli_bus_bench cli_bus_bench.cpp
        ${CMAKE_SOURCE_DIR}/tests/private_session_bus.cpp ${CMAKE_SOURCE_DIR}/tests/private_session_bus.h)
    target_include_directories(cli_bus_bench PRIVATE ${CMAKE_SOURCE_DIR}/tests)
    target_link_libraries(cli_bus_bench PRIVATE mousecfg_settings Qt5::Core)
    add_dependencies(cli_bus_bench mousecfg mousecfg-cli)
endif()
