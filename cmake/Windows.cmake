# Velloran for Windows: the program file's name, icon and version information, the Qt and MinGW
# runtime beside it, and the 64-bit NSIS setup program. Nothing here applies elsewhere.
if(NOT WIN32)
  return()
endif()

# The settings store (HKEY_CURRENT_USER\Software\Velloran) is named after the program file.
set_target_properties(velloran PROPERTIES OUTPUT_NAME Velloran)
# Without the link's time in its header, the same sources give the same program file.
target_link_options(velloran PRIVATE -Wl,--no-insert-timestamp)

# The icon file holds the drawn sizes of the program icon; the largest stays PNG inside.
enable_language(RC)
find_program(VELLORAN_ICOTOOL icotool REQUIRED)
set(VELLORAN_ICO ${CMAKE_BINARY_DIR}/velloran.ico)
set(icon_dir ${CMAKE_SOURCE_DIR}/assets/icons/hicolor)
# Explorer, the Start menu and the taskbar take 16, 32 and 48 pixels at 100 %, and
# those times 1.25 to 2 on a scaled screen.
set(ico_pngs)
foreach(size 16 20 24 28 32 40 48 56 64)
  list(APPEND ico_pngs ${icon_dir}/${size}x${size}/velloran.png)
endforeach()
add_custom_command(OUTPUT ${VELLORAN_ICO}
    COMMAND ${VELLORAN_ICOTOOL} --create --output=${VELLORAN_ICO}
            ${ico_pngs} --raw=${icon_dir}/256x256/velloran.png
    DEPENDS ${ico_pngs} ${icon_dir}/256x256/velloran.png
    VERBATIM)
set(rc_file ${CMAKE_BINARY_DIR}/velloran.rc)
# Written once the whole project is read, when the vendor's name is known.
cmake_language(DEFER CALL configure_file ${CMAKE_SOURCE_DIR}/packaging/windows/velloran.rc.in
               ${rc_file} @ONLY)
target_sources(velloran PRIVATE ${rc_file})
set_source_files_properties(${rc_file} PROPERTIES OBJECT_DEPENDS ${VELLORAN_ICO})

# There is no windeployqt for a cross build. The libraries the program loads are copied
# stripped beside it, as the setup program installs them, so that the built program runs too.
function(velloran_runtime_file source subfolder)
  get_filename_component(name ${source} NAME)
  set(copy ${CMAKE_BINARY_DIR}/${subfolder}/${name})
  add_custom_command(OUTPUT ${copy}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/${subfolder}
      COMMAND ${CMAKE_STRIP} --strip-unneeded -o ${copy} ${source}
      DEPENDS ${source} VERBATIM)
  set_property(DIRECTORY APPEND PROPERTY velloran_runtime ${copy})
  install(FILES ${copy} DESTINATION ${subfolder})
endfunction()

foreach(module Core Gui Widgets)
  get_target_property(dll Qt6::${module} IMPORTED_LOCATION_RELEASE)
  velloran_runtime_file(${dll} .)
endforeach()
# The program draws in Fusion on every platform, so no Windows style is shipped; the reference
# pictures are JPEG.
foreach(plugin QWindowsIntegrationPlugin:platforms QJpegPlugin:imageformats)
  string(REPLACE ":" ";" plugin ${plugin})
  list(GET plugin 0 target)
  list(GET plugin 1 folder)
  get_target_property(dll Qt6::${target} IMPORTED_LOCATION_RELEASE)
  velloran_runtime_file(${dll} ${folder})
endforeach()
# The MinGW-w64 runtime; each library's Debian package names its source and licence for the
# third-party notices.
foreach(library GCC_RUNTIME:libstdc++-6.dll GCC_RUNTIME:libgcc_s_seh-1.dll
                WINPTHREAD:libwinpthread-1.dll)
  string(REPLACE ":" ";" library ${library})
  list(GET library 0 part)
  list(GET library 1 name)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${name}
                  OUTPUT_VARIABLE dll OUTPUT_STRIP_TRAILING_WHITESPACE)
  file(REAL_PATH ${dll} dll)
  velloran_runtime_file(${dll} .)
  execute_process(COMMAND dpkg-query -S ${dll} OUTPUT_VARIABLE owner COMMAND_ERROR_IS_FATAL ANY)
  string(REGEX REPLACE "[:,].*" "" package "${owner}")
  execute_process(COMMAND dpkg-query -W "-f=\${source:Package};\${source:Version};\${Version}"
                          ${package}
                  OUTPUT_VARIABLE source COMMAND_ERROR_IS_FATAL ANY)
  list(GET source 0 VELLORAN_${part}_SOURCE_PACKAGE)
  list(GET source 1 source_version)
  list(GET source 2 version)
  set(VELLORAN_${part}_SOURCE "${VELLORAN_${part}_SOURCE_PACKAGE} ${source_version}")
  set(VELLORAN_${part}_BINARY "${package} ${version}")
  set(VELLORAN_${part}_COPYRIGHT /usr/share/doc/${package}/copyright)
endforeach()

# What the program folder tells of the libraries beside the program (the setup program and the
# archive carry it; the About window does not): a notice, Debian's copyright files of the
# packages the libraries come from, and the licence texts those name. Text files get Windows'
# line ends. scripts/build-windows.sh tells which Qt source was built and how.
set(VELLORAN_QT_SOURCE_PACKAGE qt6-base)
set(VELLORAN_QT_SOURCE_VERSION "" CACHE STRING "Debian version of the qt6-base source built")
set(VELLORAN_QT_CONFIGURE "" CACHE STRING "Options the Windows Qt was configured with")
if(NOT VELLORAN_QT_SOURCE_VERSION OR NOT VELLORAN_QT_CONFIGURE)
  message(FATAL_ERROR "Configure the Windows build through scripts/build-windows.sh")
endif()
set(VELLORAN_QT_VERSION ${Qt6_VERSION})
set(VELLORAN_QT_SOURCE "${VELLORAN_QT_SOURCE_PACKAGE} ${VELLORAN_QT_SOURCE_VERSION}")
string(REPLACE "+" "%2B" VELLORAN_QT_SOURCE_VERSION_URL ${VELLORAN_QT_SOURCE_VERSION})
string(REPLACE " -" "\n  -" VELLORAN_QT_CONFIGURE_LINES "${VELLORAN_QT_CONFIGURE}")
configure_file(packaging/windows/THIRD-PARTY-NOTICES.txt.in
               ${CMAKE_BINARY_DIR}/notices/THIRD-PARTY-NOTICES.txt @ONLY)
function(velloran_text_file source destination)
  get_filename_component(name ${destination} NAME)
  get_filename_component(folder ${destination} DIRECTORY)
  if(NOT folder)
    set(folder .)
  endif()
  set(copy ${CMAKE_BINARY_DIR}/${destination})
  add_custom_command(OUTPUT ${copy}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/${folder}
      COMMAND sed "s/$/\\r/" ${source} > ${copy}
      DEPENDS ${source} VERBATIM)
  set_property(DIRECTORY APPEND PROPERTY velloran_runtime ${copy})
  install(FILES ${copy} DESTINATION ${folder})
endfunction()
velloran_text_file(${CMAKE_BINARY_DIR}/notices/THIRD-PARTY-NOTICES.txt THIRD-PARTY-NOTICES.txt)
velloran_text_file(/usr/share/common-licenses/LGPL-3 licenses/LGPL-3.txt)
velloran_text_file(/usr/share/common-licenses/GPL-3 licenses/GPL-3.txt)
velloran_text_file(/usr/share/doc/libqt6core6/copyright licenses/qt6-base-copyright.txt)
velloran_text_file(${VELLORAN_GCC_RUNTIME_COPYRIGHT} licenses/gcc-runtime-copyright.txt)
velloran_text_file(${VELLORAN_WINPTHREAD_COPYRIGHT} licenses/winpthreads-copyright.txt)

get_directory_property(runtime velloran_runtime)
add_custom_target(velloran_runtime ALL DEPENDS ${runtime})

# The setup program: 64-bit (a 32-bit one would need 32-bit Windows support to install anything),
# for everyone into Program Files\Velloran or for the current user alone into the user's own
# programs folder, without an administrator's rights (packaging/windows/NSIS.template.in), with a
# Start-menu folder holding the program, the third-party notices and the uninstaller. The
# uninstaller leaves the user's settings in the registry alone.
# Beside it the portable archive: the same folder in a zip, for those who may not install.
set(CMAKE_INSTALL_BINDIR .) # the program file at the top, beside its libraries
set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_MODULE_PATH ${CMAKE_SOURCE_DIR}/packaging/windows) # where CPack finds the template
set(VELLORAN_SETUP_NAME Velloran-${PROJECT_VERSION}-win64) # the tests install it
set(CPACK_PACKAGE_FILE_NAME ${VELLORAN_SETUP_NAME})
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_PACKAGE_NAME Velloran)
set(CPACK_NSIS_DISPLAY_NAME Velloran)
set(CPACK_PACKAGE_EXECUTABLES Velloran Velloran)
set(CPACK_NSIS_MENU_LINKS THIRD-PARTY-NOTICES.txt "Third-party notices" licenses "Licences")
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_INSTALLED_ICON_NAME Velloran.exe)
set(CPACK_NSIS_MUI_ICON ${VELLORAN_ICO})
set(CPACK_NSIS_MUI_UNIICON ${VELLORAN_ICO})
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/packaging/copyright)
set(CPACK_NSIS_URL_INFO_ABOUT ${PROJECT_HOMEPAGE_URL})
# One entry in "Apps & features" whatever the version: the setup program replaces an installed
# copy in place, after that copy's own uninstaller has run (see below; CPack's own way of doing
# this comes before the check for a running program, and stops a silent setup with a message box).
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Velloran)
set(uninstall_key "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Velloran")

# A running Velloran holds its program file open, and Windows then refuses to open it for
# writing. Before the setup program or the uninstaller changes a file, it asks the user to close
# the program; a silent one, or a user who cancels, ends with status 2 and nothing changed.
# Files are installed with the time of the installation: a time kept from the build would make
# two builds of the same sources differ.
set(CPACK_NSIS_DEFINES "Target amd64-unicode
SetDateSave off
!include FileFunc.nsh
!macro VELLORAN_REFUSE_WHILE_RUNNING
  velloran_check:
  IfFileExists \"$INSTDIR\\Velloran.exe\" 0 velloran_closed
  ClearErrors
  FileOpen $R0 \"$INSTDIR\\Velloran.exe\" a
  IfErrors velloran_running
  FileClose $R0
  Goto velloran_closed
  velloran_running:
  MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \"Velloran is running. Close it, then choose Retry.$\\n$\\nCancel leaves Velloran as it is.\" /SD IDCANCEL IDRETRY velloran_check
  Abort \"Velloran is running: nothing was changed.\"
  velloran_closed:
!macroend")
set(CPACK_NSIS_EXTRA_PREINSTALL_COMMANDS "!insertmacro VELLORAN_REFUSE_WHILE_RUNNING
  ReadRegStr $R0 SHCTX \"${uninstall_key}\" \"UninstallString\"
  StrCmp $R0 \"\" velloran_uninstalled
  StrCpy $R1 $R0 -15 1 ; the folder: without the quotes and \\Uninstall.exe
  ExecWait '$R0 /S _?=$R1' $R2
  IntCmp $R2 0 velloran_uninstalled
  Abort \"The installed Velloran could not be removed: nothing was changed.\"
  velloran_uninstalled:")
set(CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS "!insertmacro VELLORAN_REFUSE_WHILE_RUNNING")
# The size "Apps & features" shows, in KiB, of the folder as installed.
set(CPACK_NSIS_EXTRA_INSTALL_COMMANDS "\${GetSize} \"$INSTDIR\" \"/S=0K\" $0 $1 $2
  IntFmt $0 \"0x%08X\" $0
  WriteRegDWORD SHCTX \"${uninstall_key}\" \"EstimatedSize\" \"$0\"")
