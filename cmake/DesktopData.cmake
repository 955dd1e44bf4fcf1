# What a desktop needs to offer Tagomat: the desktop entry, the icon at the
# sizes of the hicolor icon theme, the MIME type of XML Spreadsheet 2003 (the
# other formats have standard types) and the AppStream data.

set(TAGOMAT_APP_ID de.tagomat.Tagomat)
set(TAGOMAT_ICON_SIZES 16 22 24 32 48 64 96 128 256)
# The date of the release project() names, for AppStream and the Debian changelog.
set(TAGOMAT_RELEASE_DATE 2026-12-09)

# The PNG icons are rendered from the SVG source while building, by Qt's own
# SVG renderer, so they never go stale and need no tool beyond the build's.
set(icon_source ${PROJECT_SOURCE_DIR}/resources/images/src/program.svg)
set(icon_dir ${PROJECT_BINARY_DIR}/icons)
add_executable(tagomat_render_icon ${PROJECT_SOURCE_DIR}/resources/icon/render-icon.cpp)
target_link_libraries(tagomat_render_icon PRIVATE Qt6::Gui Qt6::Svg)
set(icon_files)
foreach(size IN LISTS TAGOMAT_ICON_SIZES)
    list(APPEND icon_files ${icon_dir}/${size}x${size}/tagomat.png)
    install(FILES ${icon_dir}/${size}x${size}/tagomat.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_command(OUTPUT ${icon_files}
    COMMAND tagomat_render_icon ${icon_source} ${icon_dir} ${TAGOMAT_ICON_SIZES}
    DEPENDS tagomat_render_icon ${icon_source}
    COMMENT "Rendering the program icon")
add_custom_target(tagomat_icons ALL DEPENDS ${icon_files})
install(FILES ${icon_source}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME tagomat.svg)

install(FILES ${PROJECT_SOURCE_DIR}/resources/${TAGOMAT_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/resources/${TAGOMAT_APP_ID}.mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME tagomat.xml)
configure_file(${PROJECT_SOURCE_DIR}/resources/${TAGOMAT_APP_ID}.metainfo.xml.in
               ${PROJECT_BINARY_DIR}/${TAGOMAT_APP_ID}.metainfo.xml @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/${TAGOMAT_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
