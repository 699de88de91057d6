# Cross-compiles for 64-bit ARM Linux (a Raspberry Pi's Debian) with Debian's
# g++-12-aarch64-linux-gnu, against the arm64 libraries Debian's multiarch
# installs beside the machine's own (scripts/install-deps arm64), and runs what
# it builds (the tests) under Debian's qemu-aarch64, with those libraries.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc-12)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++-12)
set(CMAKE_LIBRARY_ARCHITECTURE aarch64-linux-gnu)
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-aarch64 -L /)
