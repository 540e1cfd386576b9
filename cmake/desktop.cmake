# The desktop's side of the installed game: the menu entry, the record types, the icon in the
# hicolor theme (drawn by the window's own icon code at build time), the AppStream metainfo,
# man pages.
set(YUKORA_DIST ${CMAKE_SOURCE_DIR}/dist)
set(YUKORA_GENERATED ${CMAKE_BINARY_DIR}/dist)
set(YUKORA_ICON_SIZES 16 22 24 32 48 64 128 256)

configure_file(${YUKORA_DIST}/yukora-shogi.desktop.in
               ${YUKORA_GENERATED}/${YUKORA_APP_ID}.desktop @ONLY)
configure_file(${YUKORA_DIST}/yukora-shogi.metainfo.xml.in
               ${YUKORA_GENERATED}/${YUKORA_APP_ID}.metainfo.xml @ONLY)
install(FILES ${YUKORA_GENERATED}/${YUKORA_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${YUKORA_GENERATED}/${YUKORA_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The record types, so that a file manager offers the game for them (the entry's MimeType).
install(FILES ${YUKORA_DIST}/yukora-shogi.mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME ${YUKORA_APP_ID}.xml)

# Man pages, one for each program this build has, compressed as Debian keeps them (man reads
# either).
set(man_pages)
foreach(page yukora-shogi.6 yukora-usi.6 yukora-kifu.1)
    string(REGEX REPLACE "\\.[0-9]$" "" program ${page})
    string(REGEX REPLACE "^.*\\." "" section ${page})
    if(NOT TARGET ${program})
        continue()
    endif()
    configure_file(${YUKORA_DIST}/${page}.in ${YUKORA_GENERATED}/${page} @ONLY)
    add_custom_command(OUTPUT ${YUKORA_GENERATED}/${page}.gz
        COMMAND gzip -9nf -k ${YUKORA_GENERATED}/${page}
        DEPENDS ${YUKORA_GENERATED}/${page}
        VERBATIM)
    list(APPEND man_pages ${YUKORA_GENERATED}/${page}.gz)
    install(FILES ${YUKORA_GENERATED}/${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man${section})
endforeach()
add_custom_target(yukora_man_pages ALL DEPENDS ${man_pages})
add_dependencies(yukora_installables yukora_man_pages)

if(NOT TARGET yukora_window)
    return()
endif()

add_executable(yukora_icons ${CMAKE_SOURCE_DIR}/src/window/icons/make_icons.cpp)
target_link_libraries(yukora_icons PRIVATE yukora_window)
set(icon_files)
foreach(size ${YUKORA_ICON_SIZES})
    list(APPEND icon_files
         ${YUKORA_GENERATED}/icons/hicolor/${size}x${size}/apps/${YUKORA_APP_ID}.png)
endforeach()
add_custom_command(OUTPUT ${icon_files}
    COMMAND yukora_icons ${YUKORA_GENERATED}/icons/hicolor ${YUKORA_APP_ID} ${YUKORA_ICON_SIZES}
    DEPENDS yukora_icons
    COMMENT "Drawing the icons"
    VERBATIM)
add_custom_target(yukora_icon_files ALL DEPENDS ${icon_files})
add_dependencies(yukora_installables yukora_icon_files)
install(DIRECTORY ${YUKORA_GENERATED}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
