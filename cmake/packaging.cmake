# Ready-made packages (make package): a Debian package of the native build and
# a zip of the Windows build, both from what `cmake --install` puts in place.
set(CPACK_PACKAGE_NAME zyl)
set(CPACK_PACKAGE_VENDOR "zyl maintainers")
set(CPACK_PACKAGE_CONTACT "zyl maintainers <maintainers@users.noreply.c-seed-056bab9b.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "general-purpose C++20 base library and the zyl tool")
set(CPACK_PACKAGE_DESCRIPTION
  "zyl offers strings and number text, streams, HTML templates, data structures,\n\
checksums and encodings, colours, file system, system and CPU information and\n\
canvas helpers. The package holds the shared library, the zyl command-line\n\
tool, the headers, a CMake package (find_package(zyl)) and a pkg-config file.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR}/packages)
set(CPACK_STRIP_FILES ON)

if(WIN32)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_SYSTEM_NAME win32)
  set(CPACK_PACKAGE_FILE_NAME zyl-${PROJECT_VERSION}-win32)
else()
  set(CPACK_GENERATOR DEB)
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION libs)
  set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
  set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://users.noreply.c-seed-056bab9b.example/zyl")
  # Run-time dependencies from the linked libraries; the shlibs file and the
  # ldconfig trigger for the shared library.
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
  set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
  # The library's directory is one ldconfig knows: rebuild its cache through the
  # trigger rather than only from the maintainer scripts.
  set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_CURRENT_LIST_DIR}/debian/triggers)
  set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
  # The save dialog loads GTK 3 only when it is shown.
  set(CPACK_DEBIAN_PACKAGE_SUGGESTS "libgtk-3-0")
  # Debian's documentation files: the copyright notice and a compressed changelog.
  set(ZYL_DEB_DOC ${CMAKE_INSTALL_DATAROOTDIR}/doc/zyl)
  install(FILES ${CMAKE_CURRENT_LIST_DIR}/debian/copyright DESTINATION ${ZYL_DEB_DOC} EXCLUDE_FROM_ALL COMPONENT debian)
  set(ZYL_DEB_CHANGELOG ${CMAKE_BINARY_DIR}/changelog.gz)
  add_custom_command(OUTPUT ${ZYL_DEB_CHANGELOG}
    COMMAND gzip -9nc ${CMAKE_CURRENT_LIST_DIR}/debian/changelog > ${ZYL_DEB_CHANGELOG}
    DEPENDS ${CMAKE_CURRENT_LIST_DIR}/debian/changelog)
  add_custom_target(zyl_deb_changelog ALL DEPENDS ${ZYL_DEB_CHANGELOG})
  # Everything `cmake --install` puts in place, plus these two files.
  set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};zyl;ALL;/;${CMAKE_BINARY_DIR};zyl;debian;/")
  install(FILES ${ZYL_DEB_CHANGELOG} DESTINATION ${ZYL_DEB_DOC} EXCLUDE_FROM_ALL COMPONENT debian)
endif()

include(CPack)
