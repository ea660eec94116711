# The part of the MinGW-w64 cross builds that both targets share; the toolchain files set
# KOVRA_MINGW_TRIPLE and include this. Compilers are the posix-thread ones (GoogleTest needs
# them). Windows programs run under Wine in a private prefix inside the build directory, made on
# first use by scripts/wine-run.sh: the programs that write files at build time and the tests.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${KOVRA_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KOVRA_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${KOVRA_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${KOVRA_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR
    "${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh;${CMAKE_BINARY_DIR}/wine-prefix")
# Executables import only system DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
