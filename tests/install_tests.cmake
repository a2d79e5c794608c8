# SPDX-License-Identifier: GPL-3.0-or-later
if(MOUSECFG_GUI)
    # Scripts over the finished build: they install into temporary folders of their own.
    add_test(NAME InstallTree COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/install_tree.sh
        ${CMAKE_BINARY_DIR} ${CMAKE_SOURCE_DIR} mousecfg mousecfg-cli $<$<TARGET_EXISTS:OSD>:OSD>)
    add_test(NAME DesktopMetadata COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/desktop_metadata.sh
        ${CMAKE_SOURCE_DIR} ${PROJECT_VERSION})
    set_tests_properties(InstallTree DesktopMetadata PROPERTIES LABELS unit TIMEOUT 300
        ENVIRONMENT "LANG=C.UTF-8;LC_ALL=C.UTF-8")
    # The whole package built from a copy of the sources: minutes of compiling, so a label of its own.
    add_test(NAME DebianPackage COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/debian_package.sh
        ${CMAKE_SOURCE_DIR} ${PROJECT_VERSION})
    set_tests_properties(DebianPackage PROPERTIES LABELS package TIMEOUT 1500
        ENVIRONMENT "LANG=C.UTF-8;LC_ALL=C.UTF-8")
endif()
