# SPDX-License-Identifier: GPL-3.0-or-later
if(MOUSECFG_GUI)
    # The three programs from a terminal without a display.
    mousecfg_add_test(NAME TestTerminalOptions SOURCES test_terminal_options.cpp LIBS Qt5::Core)
    add_dependencies(TestTerminalOptions mousecfg OSD mousecfg-cli)
endif()
if(MOUSECFG_GUI AND UNIX AND NOT APPLE)
    # The built program started twice by the same user.
    mousecfg_add_test(NAME TestInstanceStart SOURCES test_instance_start.cpp LIBS mousecfg_platform LABEL gui)
    add_dependencies(TestInstanceStart mousecfg)
    # The window's event loop through a plug-in of the virtual mouse.
    mousecfg_add_test(NAME TestHotplugResponsiveness
        SOURCES test_hotplug_responsiveness.cpp window_sandbox.cpp window_sandbox.h
        storage_sandbox.cpp storage_sandbox.h
        LIBS mousecfg_ui mousecfg_sim LABEL gui)
    add_dependencies(TestHotplugResponsiveness mousecfg_skin mousecfg_translations)
endif()
