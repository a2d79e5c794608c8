# Start-up time, memory and idle load of the application against a plain toolkit window of the
# same size built here with the same flags. Needs an X server; see the README.
if(MOUSECFG_GUI)
    add_executable(minimal_window minimal_window.cpp)
    target_link_libraries(minimal_window PRIVATE mousecfg_settings Qt5::Widgets)
    add_executable(startup_bench startup_bench.cpp)
    target_link_libraries(startup_bench PRIVATE mousecfg_settings Qt5::Core PkgConfig::X11)
    add_dependencies(startup_bench mousecfg minimal_window)
endif()
