# Desktop integration and the Debian package (cpack -G DEB, or the `package` target).

# corvane_install_link(TARGET LINK) - a symbolic link LINK -> TARGET, both relative to the
# install prefix, honouring DESTDIR (CPack stages through it).
function(corvane_install_link target link)
  install(CODE "
    get_filename_component(_dir \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${link}\" DIRECTORY)
    file(MAKE_DIRECTORY \"\${_dir}\")
    file(CREATE_LINK \"\${CMAKE_INSTALL_PREFIX}/${target}\"
         \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${link}\" SYMBOLIC)")
endfunction()

set(CORVANE_APP_ID com.corvane.ammocatalog)
configure_file(${PROJECT_SOURCE_DIR}/packaging/${CORVANE_APP_ID}.desktop.in
               ${CMAKE_BINARY_DIR}/${CORVANE_APP_ID}.desktop @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/${CORVANE_APP_ID}.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/${CORVANE_APP_ID}.metainfo.xml @ONLY)
if(CORVANE_BUILD_UI)
  install(FILES ${CMAKE_BINARY_DIR}/${CORVANE_APP_ID}.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${CMAKE_BINARY_DIR}/${CORVANE_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/corvane-catalog.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME corvane-catalog)
set(CPACK_PACKAGE_VENDOR "Corvane")
set(CPACK_PACKAGE_CONTACT "Corvane catalog developers <catalog@corvane.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Ammunition catalog with ballistics tables for your own conditions")
set(CPACK_PACKAGE_DESCRIPTION
    "Browse one maker's ammunition by section, brand, usage, caliber and bullet style, and read\n"
    "every load's factory data with a ballistics table computed for your own conditions. Includes\n"
    "corvane-catalog-tool, the command-line companion.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Not libraries the program links: the interface font and the metric-compatible families that
# the grid, the dialogs and the report ask fontconfig for by name.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fontconfig, fonts-liberation2")
include(CPack)
