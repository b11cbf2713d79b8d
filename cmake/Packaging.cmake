# The links in bin/ to the programs a user starts, and the Debian package.
set(ZEMBRIK_USER_PROGRAMS vxln-batch notesdb)
if(ZEMBRIK_BUILD_GUI)
  list(APPEND ZEMBRIK_USER_PROGRAMS VXLN)
endif()
foreach(program ${ZEMBRIK_USER_PROGRAMS})
  # Relative, so the tree can move (a package root, a temporary prefix).
  install(CODE "
    file(RELATIVE_PATH target \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\"
         \"\${CMAKE_INSTALL_PREFIX}/${ZEMBRIK_INSTALL_PROGDIR}/${program}\")
    file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
    file(CREATE_LINK \"\${target}\"
         \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${program}\" SYMBOLIC)
    message(STATUS \"Installing: \${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${program}\")
  ")
endforeach()

set(CPACK_PACKAGE_NAME corvane-notes)
set(CPACK_PACKAGE_VENDOR "Zembrik")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Batch field updates of Lotus Notes contacts, calendar entries and tasks")
set(CPACK_PACKAGE_CONTACT "support@zembrik.com")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libc6, libstdc++6, libsqlite3-0, libssl3, libcsv3")
if(ZEMBRIK_BUILD_GUI)
  string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", libqt6core6, libqt6gui6, libqt6widgets6, libqt6svg6, xdg-utils")
endif()
include(CPack)
