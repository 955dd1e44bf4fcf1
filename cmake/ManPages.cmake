# The manual pages, made from each program's --help text when it is built:
# English under man1, German under de/man1 (xlsdump's help is English only).
set(tagomat_man_pages "")
function(tagomat_man_page target language locale)
    if(language STREQUAL "de")
        set(german ON)
    else()
        set(german OFF)
    endif()
    set(page ${CMAKE_BINARY_DIR}/man/${language}/${target}.1)
    add_custom_command(OUTPUT ${page}
        COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:${target}> -DNAME=${target}
                -DLOCALE=${locale} -DGERMAN=${german} -DVERSION=${PROJECT_VERSION}
                -DOUTPUT=${page} -P ${PROJECT_SOURCE_DIR}/cmake/HelpToMan.cmake
        DEPENDS ${target} ${PROJECT_SOURCE_DIR}/cmake/HelpToMan.cmake
        COMMENT "Manual page ${language}/${target}.1 from ${target} --help")
    if(german)
        set(destination ${CMAKE_INSTALL_MANDIR}/de/man1)
    else()
        set(destination ${CMAKE_INSTALL_MANDIR}/man1)
    endif()
    # Installed compressed, as Debian policy asks, where the package rules are loaded.
    if(COMMAND tagomat_install_gzipped)
        tagomat_install_gzipped(${page} ${destination} ${target}.1)
    else()
        install(FILES ${page} DESTINATION ${destination})
    endif()
    if(TAGOMAT_BUILD_TESTS)
        # man --warnings has nothing to say about the page; skipped without man.
        add_test(NAME man_${language}_${target}
            COMMAND sh -c "command -v man >/dev/null || exit 77
                warnings=$(man --warnings -l \"$1\" 2>&1 >/dev/null)
                [ -z \"$warnings\" ] || { echo \"$warnings\"; exit 1; }" sh ${page})
        set_tests_properties(man_${language}_${target} PROPERTIES SKIP_RETURN_CODE 77
            LABELS man)
    endif()
    set(tagomat_man_pages ${tagomat_man_pages} ${page} PARENT_SCOPE)
endfunction()

# A program built with the sanitizers is no program to install.
if(NOT TAGOMAT_SANITIZE)
    tagomat_man_page(xlsdump en C.UTF-8)
    if(TAGOMAT_GUI)
        tagomat_man_page(tagomat en en_US.UTF-8)
        tagomat_man_page(tagomat de de_DE.UTF-8)
    endif()
    add_custom_target(man_pages ALL DEPENDS ${tagomat_man_pages})
endif()
