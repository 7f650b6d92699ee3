# Cross-compiling for 32-bit Windows with the i686 mingw-w64 compiler
# (posix-threads variant, which std::thread and std::mutex need).
#
#   cmake -S . -B build/win32 -G Ninja \
#     -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-i686.cmake
#
# libstdc++ is linked statically. libgcc is not: this compiler unwinds
# exceptions with DWARF tables, and a statically linked unwinder in zyl.dll
# only knows the DLL's own frames, so an exception thrown by the library and
# caught by a program would end the process. The one shared unwinder
# (libgcc_s_dw2-1.dll, which needs libwinpthread-1.dll) lets exceptions cross
# the DLL boundary; the build copies both beside the programs and installs
# them with zyl.dll.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)

set(ZYL_MINGW_TRIPLE i686-w64-mingw32)
set(CMAKE_C_COMPILER ${ZYL_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZYL_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${ZYL_MINGW_TRIPLE}-windres)
set(CMAKE_AR ${ZYL_MINGW_TRIPLE}-ar CACHE FILEPATH "")
set(CMAKE_RANLIB ${ZYL_MINGW_TRIPLE}-ranlib CACHE FILEPATH "")

set(CMAKE_FIND_ROOT_PATH /usr/${ZYL_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-shared-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-shared-libgcc -static-libstdc++")

# Test programs run under Wine, in a prefix inside the build tree.
if(NOT DEFINED ZYL_TEST_LAUNCHER AND CMAKE_BINARY_DIR)
  get_filename_component(_zyl_source_dir "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)
  set(ZYL_TEST_LAUNCHER "${_zyl_source_dir}/scripts/wine-run.sh;${CMAKE_BINARY_DIR}/wineprefix"
      CACHE STRING "Command that runs a test program")
endif()
