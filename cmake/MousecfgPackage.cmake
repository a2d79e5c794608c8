# The Debian package: `cpack -G DEB` in the build directory. It holds exactly what `cmake --install`
# installs, under /usr; dpkg-shlibdeps works out the Depends line from the executables.
set(CPACK_PACKAGE_NAME mousecfg)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The mousecfg team")
set(CPACK_PACKAGE_CONTACT "The mousecfg team <team@mousecfg.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configuration tool for a wireless gaming mouse")
set(CPACK_PACKAGE_DESCRIPTION "mousecfg sets the DPI stages, report rate, lighting, button functions, macros
and on-board profiles of a wireless gaming mouse through its USB receiver or its
cable, and shows its battery. mousecfg-cli sends the stored configuration from
the command line. A udev rule gives the user at the seat access to the mouse.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://mousecfg.org/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_SOURCE_DIR}/cmake/debian/postinst)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
