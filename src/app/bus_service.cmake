# SPDX-License-Identifier: GPL-3.0-or-later
# The window's session-bus service, with its adaptor made from the interface's description. Kept
# in the directory of mousecfg_ui, which is the only one that sees the generated files.
if(UNIX AND NOT APPLE)
    qt5_add_dbus_adaptor(MOUSECFG_BUS_ADAPTOR ${CMAKE_SOURCE_DIR}/data/dbus/org.mousecfg.Mouse1.xml
        app/mouse_bus_service.h MouseBusService mouse1_adaptor Mouse1Adaptor)
    target_sources(mousecfg_ui PRIVATE app/mouse_bus_service.cpp app/mouse_bus_service.h ${MOUSECFG_BUS_ADAPTOR})
    target_include_directories(mousecfg_ui PRIVATE ${CMAKE_CURRENT_BINARY_DIR})
    target_link_libraries(mousecfg_ui PUBLIC Qt5::DBus)
    target_compile_definitions(mousecfg_ui PUBLIC MOUSECFG_BUS_SERVICE=1)
endif()
