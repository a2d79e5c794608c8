# Install rules that span folders: the executables into the application directory, the commands on
# the PATH, and the desktop's entry for the window. Included after every add_subdirectory, so that
# the targets a build option leaves out are simply skipped.

foreach(program IN ITEMS mousecfg mousecfg-cli OSD)
    if(TARGET ${program})
        install(TARGETS ${program} RUNTIME DESTINATION ${MOUSECFG_INSTALL_APPDIR})
    endif()
endforeach()

# The programs find their data beside their real path (applicationDirPath() resolves symlinks), so
# the PATH gets relative symlinks into the application directory, which survive DESTDIR and a
# package that moves the whole tree.
function(mousecfg_install_command_link program)
    set(code [[
        set(appdir "@MOUSECFG_INSTALL_APPDIR@")
        set(bindir "@CMAKE_INSTALL_BINDIR@")
        foreach(dir IN ITEMS appdir bindir)
            if(NOT IS_ABSOLUTE "${${dir}}")
                set(${dir} "${CMAKE_INSTALL_PREFIX}/${${dir}}")
            endif()
        endforeach()
        file(RELATIVE_PATH target "${bindir}" "${appdir}/@program@")
        set(link "$ENV{DESTDIR}${bindir}/@program@")
        message(STATUS "Installing: ${link} -> ${target}")
        file(MAKE_DIRECTORY "$ENV{DESTDIR}${bindir}")
        file(CREATE_LINK "${target}" "${link}" SYMBOLIC)
        list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${link}")
    ]])
    string(CONFIGURE "${code}" code @ONLY)
    install(CODE "${code}")
endfunction()

foreach(program IN ITEMS mousecfg mousecfg-cli)
    if(TARGET ${program})
        mousecfg_install_command_link(${program})
    endif()
endforeach()

if(TARGET mousecfg)
    install(FILES ${CMAKE_SOURCE_DIR}/data/${MOUSECFG_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${CMAKE_SOURCE_DIR}/data/${MOUSECFG_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    if(UNIX AND NOT APPLE)
        # The running window's session-bus interface, where D-Bus tools look for descriptions.
        install(FILES ${CMAKE_SOURCE_DIR}/data/dbus/org.mousecfg.Mouse1.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/dbus-1/interfaces)
    endif()
endif()
