# The Debian package: `make package`, or `cpack -G DEB` in a build folder. It holds what the
# install rules put under /usr and declares only what the program needs at run time.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillmark)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Quillmark developers")
set(CPACK_PACKAGE_CONTACT "Quillmark developers <quillmark@users.noreply.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# The long description: lines under 80 columns; CPack puts the leading space of each
# continuation line into the control file itself.
set(CPACK_PACKAGE_DESCRIPTION
    "Quillmark builds player characters for the Vestrine tabletop role-playing
game: it checks every step against the game's limits, saves and opens
character files and prints the character sheet.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps finds the packages of the libraries the program links. The platform plugins
# (X11, Wayland) are loaded at run time, so no linked library names their package.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own translations: its buttons and dialogs in the program's language.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n")

include(CPack)
