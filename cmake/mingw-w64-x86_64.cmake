# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (posix threads, for std::thread and
# friends). Used both for the Qt build and for Velloran itself.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(mingw_triplet x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${mingw_triplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_triplet}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_triplet}-windres)
set(CMAKE_STRIP /usr/bin/${mingw_triplet}-strip CACHE FILEPATH "Strips Windows binaries")

# Look for target libraries and headers only in the MinGW tree and the cross Qt, never on the host;
# programs (moc, uic, rcc come through QT_HOST_PATH) are the host's.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${mingw_triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Wine runs the cross-built tests and Qt's own try-runs.
find_program(VELLORAN_WINE wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(VELLORAN_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${VELLORAN_WINE})
endif()
