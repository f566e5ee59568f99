# SPDX-License-Identifier: MIT
# Cross build for a 64-bit ARM pendant with Debian's cross compiler and the
# multiarch arm64 development packages (qtbase5-dev:arm64, libpugixml-dev:arm64,
# ...). Host tools such as Qt's rcc stay the build machine's own. Programs of
# the build, the tests among them, run under qemu-user.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)
# Packages and libraries come from /usr/lib/aarch64-linux-gnu.
set(CMAKE_LIBRARY_ARCHITECTURE aarch64-linux-gnu)
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-aarch64)
set(ENV{PKG_CONFIG_LIBDIR} /usr/lib/aarch64-linux-gnu/pkgconfig:/usr/share/pkgconfig)
