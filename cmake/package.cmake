# The Debian package (scripts/package.sh builds it): everything cmake --install puts in place,
# under /usr, with the libraries it needs found by dpkg-shlibdeps and the run-time packages the
# game needs beyond them.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME yukora-shogi)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Yukora project")
set(CPACK_PACKAGE_CONTACT "The Yukora project <yukora@yukora.example>" CACHE STRING
    "Maintainer of the Debian package")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "shogi (Japanese chess) against the computer")
set(CPACK_PACKAGE_DESCRIPTION
    "Yukora 将棋Ⅰ shows the shogi board in one window: play the bottom side
against the computer at three strength levels and with handicaps, or let two
people share the board. Games are saved as records and stepped through; there
are clocks, move guidance, five backgrounds, sound effects and music. All text
is Japanese.
.
The package also holds yukora-usi, the computer player as a USI engine for
other shogi programs.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${YUKORA_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so no binary names them: the window's typeface, Qt's own Japanese
# texts of the standard buttons; the browser for the help page is welcome.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-mincho, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/cpack_project.cmake)

include(CPack)
