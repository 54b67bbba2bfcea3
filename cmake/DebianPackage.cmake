# velmora_<version>_<arch>.deb: what `cmake --install` lays out, under /usr, its program
# stripped. tools/package.sh builds it as Debian builds its own packages: hardened with the
# release's dpkg-buildflags, and the same bytes from every build of one commit (CPack takes
# every time in it from SOURCE_DATE_EPOCH, and files are owned by root).
#   cpack -G DEB --config BUILD/CPackConfig.cmake
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VERSION ${VELMORA_VERSION_TEXT})  # the version the program shows
set(CPACK_PACKAGE_VENDOR "Velmora")
set(CPACK_PACKAGE_CONTACT "Velmora maintainers <maintainers@velmora.example.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "character designer for 8-pin dot-matrix printers")
set(CPACK_PACKAGE_DESCRIPTION [=[Velmora designs one character for a dot-matrix printer whose head has
a vertical row of eight pins. Click the cells of an 8 x 8 matrix in an ink
chosen from 48 colours: after every click the eight column values, 0 to 255,
show how the printer encodes the character. The program speaks Bulgarian.]=])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_VELMORA_STRIP ${CMAKE_STRIP})
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/StripAsDebian.cmake)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.velmora.example.com")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)  # Depends from dpkg-shlibdeps, and:
# the metric twins of the window's fonts, Times New Roman and Arial (for MS Sans Serif):
# without them the texts are set in wider faces and clipped; and Qt's own texts in Bulgarian.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, qt6-translations-l10n")
# Qt's Wayland plugin, for a window of its own in a Wayland session rather than through
# XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)
include(CPack)
