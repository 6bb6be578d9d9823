# Installed layout. The program and its help file share a private folder, because the help is
# looked for beside the real executable; bin/ holds only a relative link to it, so the tree can
# be moved (DESTDIR, packaging) without breaking the link.
set(ANGULOR_APP_ID example.quevrin_systems.Angulor)
set(ANGULOR_PRIVATE_DIR lib/angulor)

install(TARGETS angulor RUNTIME DESTINATION ${ANGULOR_PRIVATE_DIR})
# Stripping leaves the compilers' notes in .comment; a stripped install drops them too, as
# Debian's packaging tools do.
install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
        execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment
            \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${ANGULOR_PRIVATE_DIR}/angulor\"
            COMMAND_ERROR_IS_FATAL ANY)
    endif()
")
install(FILES ${ANGULOR_HELP_FILES} DESTINATION ${ANGULOR_PRIVATE_DIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/icons/hicolor DESTINATION share/icons)
install(FILES ${PROJECT_SOURCE_DIR}/data/${ANGULOR_APP_ID}.metainfo.xml DESTINATION share/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/data/package/copyright DESTINATION share/doc/angulor)

# The manual page and the package's change log are kept compressed, as Debian's tools leave them;
# -n keeps the name and time out, so the same sources give the same bytes.
set(compressed)
foreach(pair "docs/angulor.1:angulor.1.gz" "data/package/changelog:changelog.gz")
    string(REPLACE ":" ";" pair "${pair}")
    list(GET pair 0 source)
    list(GET pair 1 target)
    add_custom_command(
        OUTPUT ${CMAKE_BINARY_DIR}/${target}
        COMMAND gzip -9n -c ${PROJECT_SOURCE_DIR}/${source} > ${CMAKE_BINARY_DIR}/${target}
        DEPENDS ${PROJECT_SOURCE_DIR}/${source})
    list(APPEND compressed ${CMAKE_BINARY_DIR}/${target})
endforeach()
add_custom_target(compressed_docs ALL DEPENDS ${compressed})
install(FILES ${CMAKE_BINARY_DIR}/angulor.1.gz DESTINATION share/man/man1)
install(FILES ${CMAKE_BINARY_DIR}/changelog.gz DESTINATION share/doc/angulor)
# lintian's overrides, with their reasons, belong to the system package only.
install(CODE "
    if(CMAKE_INSTALL_PREFIX STREQUAL \"/usr\")
        file(INSTALL \"${PROJECT_SOURCE_DIR}/data/package/lintian-overrides\"
            DESTINATION /usr/share/lintian/overrides RENAME angulor)
    endif()
")

install(CODE "
    set(ANGULOR_APP_ID \"${ANGULOR_APP_ID}\")
    set(ANGULOR_PRIVATE_DIR \"${ANGULOR_PRIVATE_DIR}\")
    set(ANGULOR_DESKTOP_TEMPLATE \"${PROJECT_SOURCE_DIR}/data/${ANGULOR_APP_ID}.desktop.in\")
")
install(SCRIPT ${CMAKE_CURRENT_LIST_DIR}/InstallEntryPoints.cmake)

include(${CMAKE_CURRENT_LIST_DIR}/Packaging.cmake)
