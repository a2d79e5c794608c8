if(MOUSECFG_GUI AND UNIX AND NOT APPLE)
    # The tray test docks the program's icon in a tray of its own, since Xvfb runs no panel.
    add_executable(tray_host tray_host.cpp)
    target_link_libraries(tray_host PRIVATE mousecfg_settings PkgConfig::X11)
    mousecfg_add_test(NAME TestTray SOURCES test_tray.cpp LIBS PkgConfig::X11 LABEL x11)
    target_include_directories(TestTray PRIVATE ${CMAKE_SOURCE_DIR}/src)
    add_dependencies(TestTray mousecfg tray_host)
endif()
