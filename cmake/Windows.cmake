# Velloran for Windows: the program file's name, icon and version information, the Qt and MinGW
# runtime beside it, and the 64-bit NSIS setup program. Nothing here applies elsewhere.
if(NOT WIN32)
  return()
endif()

# The settings store (HKEY_CURRENT_USER\Software\Velloran) is named after the program file.
set_target_properties(velloran PROPERTIES OUTPUT_NAME Velloran)

# The icon file holds the drawn sizes of the program icon; the largest stays PNG inside.
enable_language(RC)
find_program(VELLORAN_ICOTOOL icotool REQUIRED)
set(VELLORAN_ICO ${CMAKE_BINARY_DIR}/velloran.ico)
set(icon_dir ${CMAKE_SOURCE_DIR}/assets/icons/hicolor)
add_custom_command(OUTPUT ${VELLORAN_ICO}
    COMMAND ${VELLORAN_ICOTOOL} --create --output=${VELLORAN_ICO}
            ${icon_dir}/16x16/velloran.png ${icon_dir}/32x32/velloran.png
            ${icon_dir}/48x48/velloran.png --raw=${icon_dir}/256x256/velloran.png
    DEPENDS ${icon_dir}/16x16/velloran.png ${icon_dir}/32x32/velloran.png
            ${icon_dir}/48x48/velloran.png ${icon_dir}/256x256/velloran.png
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
foreach(name libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${name}
                  OUTPUT_VARIABLE dll OUTPUT_STRIP_TRAILING_WHITESPACE)
  velloran_runtime_file(${dll} .)
endforeach()
get_directory_property(runtime velloran_runtime)
add_custom_target(velloran_runtime ALL DEPENDS ${runtime})

# The setup program: 64-bit (a 32-bit one would need 32-bit Windows support to install anything),
# into Program Files\Velloran, with a Start-menu shortcut and an uninstaller. The uninstaller
# leaves the user's settings in the registry alone.
set(CMAKE_INSTALL_BINDIR .) # the program file at the top, beside its libraries
set(CPACK_GENERATOR NSIS)
set(VELLORAN_SETUP_NAME Velloran-${PROJECT_VERSION}-win64) # the tests install it
set(CPACK_PACKAGE_FILE_NAME ${VELLORAN_SETUP_NAME})
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_PACKAGE_NAME Velloran)
set(CPACK_NSIS_DISPLAY_NAME Velloran)
set(CPACK_PACKAGE_EXECUTABLES Velloran Velloran)
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_INSTALLED_ICON_NAME Velloran.exe)
set(CPACK_NSIS_MUI_ICON ${VELLORAN_ICO})
set(CPACK_NSIS_MUI_UNIICON ${VELLORAN_ICO})
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/packaging/copyright)
