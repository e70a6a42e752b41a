# Cross-building the Windows program on Debian with MinGW-w64. Qt 6 needs the POSIX-threads
# variant of the compiler (the plain x86_64-w64-mingw32-g++ is the win32-threads one).
#   cmake -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_PREFIX_PATH=<Qt kit>
#         -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake ...
# scripts/build-windows.sh does all of it.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# The Qt kit lives wherever it was unpacked, named by CMAKE_PREFIX_PATH, outside the root.
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)
# One self-contained executable: the C++ runtime, libgcc and winpthread linked in, so that
# no DLL of the compiler has to travel beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
