# Installation and the downloads (CPack): the Debian package; the Linux tarball
# figcalc-<version>-linux-<processor>.tar.gz, with the README and the license at its top (the
# component `download`) and without the menu entry; the Windows zip figcalc-<version>-win64.zip.
if(WIN32)
  install(TARGETS figcalc RUNTIME DESTINATION .)
  set(CPACK_SYSTEM_NAME win64)
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
endif()
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${summary}")
set(CPACK_PACKAGE_DESCRIPTION "${description}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${maintainer}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
include(CPack)
