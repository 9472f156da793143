# Installation, as the Debian package (debian/) and `cmake --install` place it. One application
# id names the desktop entry, the icon and the metainfo, and is the desktop file name the
# program sets.
set(VELLORAN_APP_ID "org.tarrowmoor.Velloran")
include(GNUInstallDirs)

install(TARGETS velloran RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

if(UNIX AND NOT APPLE)
  install(FILES packaging/${VELLORAN_APP_ID}.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES packaging/${VELLORAN_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  foreach(size 16 24 32 48 64 96 128 256)
    install(FILES assets/icons/hicolor/${size}x${size}/velloran.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${VELLORAN_APP_ID}.png)
  endforeach()
  install(FILES assets/icons/hicolor/scalable/velloran.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
          RENAME ${VELLORAN_APP_ID}.svg)

  # The manual page, compressed at most and without gzip's timestamp, so that the package's
  # bytes do not change with the time of the build. The copyright file and the changelog come
  # from debian/.
  set(man_gz ${CMAKE_BINARY_DIR}/velloran.1.gz)
  add_custom_command(OUTPUT ${man_gz}
      COMMAND gzip -9n -c ${CMAKE_SOURCE_DIR}/packaging/velloran.1 > ${man_gz}
      DEPENDS packaging/velloran.1 VERBATIM)
  add_custom_target(velloran_docs ALL DEPENDS ${man_gz})
  install(FILES ${man_gz} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

# CPack makes the Windows setup program and archive (cmake/Windows.cmake); the Debian package is
# built from debian/ with dpkg-buildpackage.
set(CPACK_PACKAGE_NAME "velloran")
set(CPACK_PACKAGE_VENDOR "Tarrowmoor")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "pagan festivals of 2006 to 2008 and reference pages on the pagan year")
set(CPACK_PACKAGE_CONTACT "Velloran maintainers <velloran@tarrowmoor.com>")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Velloran")
set(CPACK_STRIP_FILES ON)
# CPack gets every value as written here (the setup program's script is full of \ and $).
set(CPACK_VERBATIM_VARIABLES ON)
include(CPack)
