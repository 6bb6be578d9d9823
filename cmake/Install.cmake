# Installed layout. The program and its help file share a private folder, because the help is
# looked for beside the real executable; bin/ holds only a relative link to it, so the tree can
# be moved (DESTDIR, packaging) without breaking the link.
set(ANGULOR_APP_ID example.quevrin_systems.Angulor)
set(ANGULOR_PRIVATE_DIR lib/angulor)

install(TARGETS angulor RUNTIME DESTINATION ${ANGULOR_PRIVATE_DIR})
install(FILES ${PROJECT_SOURCE_DIR}/data/ang_help.txt DESTINATION ${ANGULOR_PRIVATE_DIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/icons/hicolor DESTINATION share/icons)
install(FILES ${PROJECT_SOURCE_DIR}/data/${ANGULOR_APP_ID}.metainfo.xml DESTINATION share/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION share/doc/angulor RENAME copyright)

install(CODE "
    set(ANGULOR_APP_ID \"${ANGULOR_APP_ID}\")
    set(ANGULOR_PRIVATE_DIR \"${ANGULOR_PRIVATE_DIR}\")
    set(ANGULOR_DESKTOP_TEMPLATE \"${PROJECT_SOURCE_DIR}/data/${ANGULOR_APP_ID}.desktop.in\")
")
install(SCRIPT ${CMAKE_CURRENT_LIST_DIR}/InstallEntryPoints.cmake)

include(${CMAKE_CURRENT_LIST_DIR}/Packaging.cmake)
