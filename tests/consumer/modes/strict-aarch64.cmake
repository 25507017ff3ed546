# A strict project built by Clang for 64-bit ARM with a plain toolchain file
# of the user's own, its programs run under qemu-aarch64.
need_tool(STRICT_CXX clang++ clang)
need_tool(STRICT_CC clang clang)
need_tool(STRICT_QEMU qemu-aarch64 qemu-user)
need_tool(STRICT_CROSS_LD aarch64-linux-gnu-ld binutils-aarch64-linux-gnu)
if(NOT EXISTS /usr/lib/gcc-cross/aarch64-linux-gnu/12/libstdc++.so)
    not_installed("the C++ library for 64-bit ARM" libstdc++-12-dev-arm64-cross)
endif()
build_strict("-DCMAKE_TOOLCHAIN_FILE=${consumer_dir}/aarch64-plain.cmake")
