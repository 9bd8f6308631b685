# Building for the browser with Debian's emscripten: its own toolchain file, with the programs built here
# run under node, as the suites are (Node 20 would otherwise offer a fetch() that the runtime then tries).
set(CMAKE_CROSSCOMPILING_EMULATOR "node;--no-experimental-fetch" CACHE STRING "How programs built here are run")
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)
# C++ exceptions are off by default in emscripten, and the dispatch boundary catches what leaves an action.
set(CMAKE_CXX_FLAGS_INIT "-fexceptions")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fexceptions")
