# Cross-builds for 64-bit Windows on Debian with mingw-w64 (scripts/install-deps windows).
#
#   cmake --preset windows    (or: cmake -DCMAKE_TOOLCHAIN_FILE=<this file> ...)
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

# The -posix flavour of the compilers: its C++ library has std::thread and std::mutex, which
# GoogleTest needs and the -win32 flavour lacks.
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

# Libraries and headers come from the Windows side only; programs (the build's tools) from here.
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Linked statically, the C++ and threads runtimes included: a program needs no DLL beyond
# Windows' own, so the zip and the installer carry one executable.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
