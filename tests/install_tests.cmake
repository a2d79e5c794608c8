if(MOUSECFG_GUI)
    # Scripts over the finished build: they install and package into temporary folders of their own.
    # cmake --install still rewrites the build's install_manifest.txt, so they take turns.
    add_test(NAME InstallTree COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/install_tree.sh
        ${CMAKE_BINARY_DIR} ${CMAKE_SOURCE_DIR} mousecfg mousecfg-cli $<$<TARGET_EXISTS:OSD>:OSD>)
    add_test(NAME DebianPackage COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/debian_package.sh
        ${CMAKE_BINARY_DIR} ${PROJECT_VERSION})
    add_test(NAME DesktopMetadata COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/desktop_metadata.sh
        ${CMAKE_SOURCE_DIR} ${PROJECT_VERSION})
    set_tests_properties(InstallTree DebianPackage DesktopMetadata PROPERTIES LABELS unit TIMEOUT 300
        ENVIRONMENT "LANG=C.UTF-8;LC_ALL=C.UTF-8")
    set_tests_properties(InstallTree DebianPackage PROPERTIES RESOURCE_LOCK mousecfg_install_manifest)
endif()
