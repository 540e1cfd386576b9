# Run by cpack once the package's files are staged (CPACK_PRE_BUILD_SCRIPTS): Debian keeps the
# programs of a game in /usr/games, so the package moves them there from /usr/bin. They find
# their data the same way from either folder (../share/yukora-shogi).
set(staged ${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX})
if(NOT IS_DIRECTORY ${staged}/bin)
    message(FATAL_ERROR "games_dir.cmake: no staged bin folder in ${staged}")
endif()
file(RENAME ${staged}/bin ${staged}/games)
