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
people share the board. Games are saved and loaded as records (KIF, KIFU, CSA
and the game's own .棋譜 files) and stepped through. A hint (ヒント) shows the
computer's own choice for your move; the influence view (勢力表示) tints every
square by the side that reaches it more often. The window zooms from 100 % to
300 % or fits itself to its size. There are clocks, move guidance, five
backgrounds, sound effects and music. All text is Japanese.
.
The package also holds yukora-usi, the computer player as a USI engine for
other shogi programs, and yukora-kifu, which converts records between the
formats and prints their positions as SFEN.")
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
# The programs in /usr/games, as Debian has it for the games section.
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/games_dir.cmake)

# What Debian asks of every package: the copyright (DEP-5) and the changelog, compressed.
set(YUKORA_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/yukora-shogi)
configure_file(${CMAKE_SOURCE_DIR}/dist/copyright.in ${CMAKE_BINARY_DIR}/dist/copyright @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/dist/changelog.in ${CMAKE_BINARY_DIR}/dist/changelog @ONLY)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/dist/changelog.gz
    COMMAND gzip -9nf -k ${CMAKE_BINARY_DIR}/dist/changelog
    DEPENDS ${CMAKE_BINARY_DIR}/dist/changelog
    VERBATIM)
add_custom_target(yukora_package_docs ALL DEPENDS ${CMAKE_BINARY_DIR}/dist/changelog.gz)
add_dependencies(yukora_installables yukora_package_docs)
install(FILES ${CMAKE_BINARY_DIR}/dist/copyright ${CMAKE_BINARY_DIR}/dist/changelog.gz
        DESTINATION ${YUKORA_DOC_DIR})

include(CPack)
