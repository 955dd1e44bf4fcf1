# The Debian package (cpack -G DEB, run by scripts/package): the control
# fields, the files Debian policy asks for in /usr/share/doc/tagomat, and the
# dependencies, which dpkg-shlibdeps finds from the libraries linked.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tagomat)
set(CPACK_PACKAGE_VENDOR "Tagomat-Projekt")
set(CPACK_PACKAGE_CONTACT "Tagomat-Projekt <info@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "print name labels and badges from spreadsheet lists")
# The extended description, under the summary; CPack indents it as the control
# file wants.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Tagomat reads lists of names from Excel workbooks (.xls from Excel 2.x to
2003, .xlsx), OpenDocument spreadsheets, XML Spreadsheet 2003 and CSV files
and prints them as name labels and badges on label sheets and label printer
rolls, with fonts, colours, logos and QR codes or barcodes. It also prints
to PDF from the command line. The user interface is in German.")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PROJECT_HOMEPAGE_URL})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded as plugins, so dpkg-shlibdeps cannot see them: the window needs a
# platform plugin; Qt's dialogs are German with Qt's translations.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# Installs FILE compressed with gzip -9n (as Debian wants changelogs and manual
# pages) into DESTINATION, named NAME.gz.
function(tagomat_install_gzipped file destination name)
    set(gzipped ${PROJECT_BINARY_DIR}/gzipped/${destination}/${name}.gz)
    get_filename_component(folder ${gzipped} DIRECTORY)
    add_custom_command(OUTPUT ${gzipped}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
        COMMAND gzip -9nc ${file} > ${gzipped}
        DEPENDS ${file})
    string(MAKE_C_IDENTIFIER "gzip_${destination}_${name}" target)
    add_custom_target(${target} ALL DEPENDS ${gzipped})
    install(FILES ${gzipped} DESTINATION ${destination})
endfunction()

set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/tagomat)
install(FILES ${PROJECT_SOURCE_DIR}/resources/debian/copyright DESTINATION ${doc_dir})
execute_process(COMMAND date -R -u -d "${TAGOMAT_RELEASE_DATE} 12:00"
                OUTPUT_VARIABLE TAGOMAT_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
configure_file(${PROJECT_SOURCE_DIR}/resources/debian/changelog.in
               ${PROJECT_BINARY_DIR}/debian/changelog @ONLY)
# A native package (its version has no Debian revision) names it changelog.gz.
tagomat_install_gzipped(${PROJECT_BINARY_DIR}/debian/changelog ${doc_dir} changelog)

include(CPack)
