# SPDX-FileCopyrightText: The Quorlin developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Cross-builds for 64-bit Windows with Debian's mingw-w64, the variant with POSIX threads (the
# one whose C++ library has std::thread and std::mutex). The C and C++ run-times and winpthread
# are linked statically, so that every program is one .exe that needs no DLL of the compiler.
# Qt for Windows comes from CMAKE_PREFIX_PATH (scripts/build-windows builds and caches it); its
# code generators (moc, rcc, uic) are the build machine's Qt of the same version, under /usr.
# Programs built here run on the build machine through Wine.

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Libraries, headers and packages come from the mingw-w64 tree and the prefixes named in
# CMAKE_PREFIX_PATH (the Windows Qt) alone, never from the build machine's /usr; Qt finds its
# tools there itself, through QT_HOST_PATH.
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 ${CMAKE_PREFIX_PATH})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)

set(CMAKE_CROSSCOMPILING_EMULATOR wine)
