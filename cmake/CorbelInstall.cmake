# The installation: the programs in bin, the shared libraries and the two modules in
# lib/corbel (found through the programs' run path), the support files in
# share/corbel/Support, where the host looks for them next to its bin folder. Nothing is
# registered: the programs find each other by these places alone.
set(CORBEL_INSTALL_MODULE_DIR lib/corbel)
set(CORBEL_INSTALL_LIBRARIES corbel_win corbel_mfc corbel_mfcui corbel_acad corbelkit corbeldraw)
install(TARGETS cadhost corbeldesk RUNTIME DESTINATION bin)
install(TARGETS ${CORBEL_INSTALL_LIBRARIES} LIBRARY DESTINATION ${CORBEL_INSTALL_MODULE_DIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/Support/ DESTINATION share/corbel/Support)
set_target_properties(cadhost corbeldesk PROPERTIES INSTALL_RPATH "$ORIGIN/../${CORBEL_INSTALL_MODULE_DIR}")
set_target_properties(${CORBEL_INSTALL_LIBRARIES} PROPERTIES INSTALL_RPATH "$ORIGIN")
