# SPDX-License-Identifier: GPL-3.0-or-later
# Each manual page is checked against the --help of the programs this build makes.
set(man_page_programs --cli $<TARGET_FILE:mousecfg-cli>)
if(TARGET mousecfg)
    list(APPEND man_page_programs --window $<TARGET_FILE:mousecfg>)
endif()
if(TARGET OSD)
    list(APPEND man_page_programs --osd $<TARGET_FILE:OSD>)
endif()
add_test(NAME ManPages COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/man_pages.sh
    ${CMAKE_SOURCE_DIR}/data/man ${PROJECT_VERSION} ${MOUSECFG_INSTALL_APPDIR} ${MOUSECFG_INSTALL_DATADIR}
    ${man_page_programs})
set_tests_properties(ManPages PROPERTIES LABELS unit TIMEOUT 60 ENVIRONMENT "LANG=C.UTF-8;LC_ALL=C.UTF-8")
