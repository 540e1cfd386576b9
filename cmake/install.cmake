# cmake --install: the programs in bin/, the sounds and the help page in the data folder, the
# sound library in a private library folder, and what a desktop needs to show the game in its
# menu (desktop entry, icons, AppStream metainfo, man pages). The program finds its data from
# its own executable's folder, so any prefix works.
include(GNUInstallDirs)

set(YUKORA_APP_ID "org.yukora.shogi")
set(YUKORA_HOMEPAGE "https://yukora.example/shogi/" CACHE STRING
    "Home page named in the AppStream metainfo (its screenshots are looked for below it)")
set(YUKORA_DATA_DIR ${CMAKE_INSTALL_DATADIR}/yukora-shogi)
set(YUKORA_LIBRARY_DIR ${CMAKE_INSTALL_LIBDIR}/yukora-shogi)

# Programs for bin/: whichever of them this build has.
set(YUKORA_PROGRAMS yukora-shogi yukora-usi yukora-kifu)

# Everything installed, so that packaging can build just these.
add_custom_target(yukora_installables)

foreach(program ${YUKORA_PROGRAMS})
    if(TARGET ${program})
        install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
        add_dependencies(yukora_installables ${program})
    endif()
endforeach()

# Data: the four synthesised sounds and the help page, as the run folder has them.
if(TARGET yukora_sounds)
    foreach(sound その他.wav 禁止.wav 駒打音.wav BGM.wav)
        install(FILES ${RUN_DIR}/${sound} DESTINATION ${YUKORA_DATA_DIR})
    endforeach()
    add_dependencies(yukora_installables yukora_sounds)
endif()
if(TARGET yukora_help_page)
    install(FILES ${CMAKE_SOURCE_DIR}/help/Yukora将棋1.htm DESTINATION ${YUKORA_DATA_DIR})
    add_dependencies(yukora_installables yukora_help_page)
endif()

# The sound library is opened by file name, never linked: no symlinks, not executable.
if(TARGET yukora_sound_library)
    install(TARGETS yukora_sound_library LIBRARY DESTINATION ${YUKORA_LIBRARY_DIR}
            PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
    add_dependencies(yukora_installables yukora_sound_library)
endif()

# Where the installed program looks, relative to its own folder.
if(TARGET yukora_window)
    file(RELATIVE_PATH data_from_bin ${CMAKE_INSTALL_FULL_BINDIR}
         ${CMAKE_INSTALL_FULL_DATADIR}/yukora-shogi)
    file(RELATIVE_PATH library_from_bin ${CMAKE_INSTALL_FULL_BINDIR}
         ${CMAKE_INSTALL_FULL_LIBDIR}/yukora-shogi)
    target_compile_definitions(yukora_window PRIVATE
        YUKORA_APP_ID="${YUKORA_APP_ID}"
        YUKORA_DATA_FROM_BIN="${data_from_bin}"
        YUKORA_LIBRARY_FROM_BIN="${library_from_bin}")
endif()

include(${CMAKE_CURRENT_LIST_DIR}/desktop.cmake)
