# Cross-compiling for Windows with Debian's mingw-w64 posix compilers; RINGCALC_WINDOWS_ARCH is x86_64 or
# i686. Always the *-posix names: with both thread models installed, the unsuffixed ones point at either.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_VERSION 6.1) # Windows 7
if(NOT RINGCALC_WINDOWS_ARCH)
    set(RINGCALC_WINDOWS_ARCH x86_64)
endif()
set(CMAKE_SYSTEM_PROCESSOR ${RINGCALC_WINDOWS_ARCH})
set(triplet ${RINGCALC_WINDOWS_ARCH}-w64-mingw32)
set(CMAKE_C_COMPILER ${triplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triplet}-g++-posix)
set(CMAKE_RC_COMPILER ${triplet}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# By default the i686 compiler computes on the x87 unit at extended precision, which rounds twice; every
# step must round to a double once, as on x86_64.
if(RINGCALC_WINDOWS_ARCH STREQUAL "i686")
    set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
endif()
# One self-contained .exe: the C++ runtime and threads linked in, no DLL beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
# Programs built here run under Wine, in a prefix of the build's own.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../../tools/wine-run)
