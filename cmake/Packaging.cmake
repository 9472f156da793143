# Installation and the Debian package. One application id names the desktop
# entry, the icon and the metainfo, and is the desktop file name the program sets.
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

  # The manual page, and the changelog under the name Debian gives a native package's, both
  # compressed at most and without gzip's timestamp, so that the package's bytes do not change
  # with the time of the build.
  set(doc_gz ${CMAKE_BINARY_DIR}/changelog.gz)
  set(man_gz ${CMAKE_BINARY_DIR}/velloran.1.gz)
  add_custom_command(OUTPUT ${doc_gz} ${man_gz}
      COMMAND gzip -9n -c ${CMAKE_SOURCE_DIR}/packaging/changelog > ${doc_gz}
      COMMAND gzip -9n -c ${CMAKE_SOURCE_DIR}/packaging/velloran.1 > ${man_gz}
      DEPENDS packaging/changelog packaging/velloran.1 VERBATIM)
  add_custom_target(velloran_docs ALL DEPENDS ${doc_gz} ${man_gz})
  install(FILES packaging/copyright ${doc_gz} DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/velloran)
  install(FILES ${man_gz} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

set(CPACK_PACKAGE_NAME "velloran")
set(CPACK_PACKAGE_VENDOR "Tarrowmoor")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
# Debian's synopsis: no article, no full stop; the lines below it at most 80 characters.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "pagan festivals of 2006 to 2008 and reference pages on the pagan year")
set(CPACK_PACKAGE_DESCRIPTION
    "Velloran shows the pagan festivals of a chosen month of 2006, 2007 or 2008\n\
beside a month calendar, and offers reference pages on the festive seasons,\n\
the elements, the gods and the goddesses.")
set(CPACK_PACKAGE_CONTACT "Velloran maintainers <velloran@tarrowmoor.com>")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Velloran")
if(NOT WIN32) # Windows.cmake chose the setup program
  set(CPACK_GENERATOR "DEB")
endif()
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "misc")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core")
# qt6-wayland lets Qt run natively on a Wayland session (GNOME's default):
# measured, it starts as fast as on Xwayland and draws crisply when scaled.
# Without it Qt falls back to Xwayland, which works as well.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PROJECT_HOMEPAGE_URL})
set(CPACK_STRIP_FILES ON)
# CPack gets every value as written here (the setup program's script is full of \ and $).
set(CPACK_VERBATIM_VARIABLES ON)
include(CPack)
