# Cross build for 32-bit Windows with MinGW-w64. 32-bit Wine is not available on the build
# machines, so nothing built here runs: the programs that write files at build time come from a
# 64-bit build of the same sources (KOVRA_GENERATOR_TOOLCHAIN names its toolchain).
set(CMAKE_SYSTEM_PROCESSOR x86)
set(KOVRA_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
set(KOVRA_GENERATOR_TOOLCHAIN ${CMAKE_CURRENT_LIST_DIR}/mingw64.cmake)
