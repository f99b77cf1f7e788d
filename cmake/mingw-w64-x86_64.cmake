# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (g++-mingw-w64-x86-64).
#   cmake -S . -B build-win --toolchain cmake/mingw-w64-x86_64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KELVAD_MINGW_TRIPLE x86_64-w64-mingw32)
# The POSIX thread model gives the full standard thread library; the Win32
# one of this compiler lacks std::thread and std::mutex.
set(CMAKE_C_COMPILER ${KELVAD_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KELVAD_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${KELVAD_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${KELVAD_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# One self-contained .exe: no libstdc++, libgcc or winpthread DLLs to ship
# beside it or to find under Wine.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Tests and other programs run at build or test time go through Wine.
find_program(KELVAD_WINE NAMES wine wine64)
if(KELVAD_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${KELVAD_WINE})
endif()

# Release at -O2 rather than -O3: at -O3 this GCC 12 warns falsely
# (-Wrestrict) about joining strings, and the extra level buys nothing here.
set(CMAKE_CXX_FLAGS_RELEASE "-O2 -DNDEBUG" CACHE STRING "Flags for Release builds")
