# Installation and the downloads (CPack): the Debian package; figcalc-<version>-linux-<processor>
# .tar.gz, the README and license at its top (component `download`), no menu entry; the .zip, .msi.
set(FIGCALC_WEB "" CACHE PATH "The web build (make web), whose page each download holds as figcalc.html")
set(page ${FIGCALC_WEB}/figcalc-${PROJECT_VERSION}-web.html)
set(page_name "figcalc in a browser") # the page's entry in a menu
set(page_name_ru "figcalc в браузере")
if(WIN32)
  install(TARGETS figcalc RUNTIME DESTINATION .)
  install(FILES ${page} DESTINATION . RENAME figcalc.html)
  set(CPACK_SYSTEM_NAME win64)
  set(CPACK_WIX_UPGRADE_GUID 3E6ECBE6-B949-4F2D-A250-2C9319D35FD2) # every version's, for good
  string(UUID product_code NAMESPACE ${CPACK_WIX_UPGRADE_GUID} NAME ${PROJECT_VERSION} TYPE SHA1)
  string(REGEX REPLACE "^[0-9, -]+(the )?" "" CPACK_PACKAGE_VENDOR "${copyright}")
  configure_file(src/figcalc.wxs.in ${gen}/figcalc.wxs @ONLY)
  set(CPACK_FIGCALC_GENERATED ${gen}) # the WiX source and the icon, for cmake/msi.cmake
  set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/msi.cmake)
else()
  install(TARGETS figcalc RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  # The compilers' identification strings, of no use in a program.
  add_custom_command(TARGET figcalc POST_BUILD
                     COMMAND ${CMAKE_OBJCOPY} --remove-section=.comment $<TARGET_FILE:figcalc>)
  set(CPACK_STRIP_FILES ON)
  set(CPACK_SYSTEM_NAME linux-${CMAKE_SYSTEM_PROCESSOR})
  set(CPACK_ARCHIVE_COMPONENT_INSTALL ON)
  set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
  set(CPACK_COMPONENTS_ALL Unspecified download)
  set(CPACK_COMPONENT_INCLUDE_TOPLEVEL_DIRECTORY ON)
  if(FIGCALC_WEB)
    install(FILES ${page} DESTINATION . RENAME figcalc.html COMPONENT download EXCLUDE_FROM_ALL)
  endif()
  include(cmake/desktop.cmake)
endif()
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${summary}")
set(CPACK_PACKAGE_DESCRIPTION "${description}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${maintainer}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS xdg-utils) # xdg-open, which opens the page
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
include(CPack)
