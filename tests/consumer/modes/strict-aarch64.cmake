# A strict project built by Clang for 64-bit ARM with a plain toolchain file
# of the user's own, its programs run under qemu-aarch64.
need_tool(STRICT_CXX clang++ clang)
need_tool(STRICT_CC clang clang)
need_tool(STRICT_QEMU qemu-aarch64 qemu-user)
# Clang links with the C++ library of Debian's GCC cross compiler.
need_tool(STRICT_CROSS_GXX aarch64-linux-gnu-g++ g++-aarch64-linux-gnu)
build_strict("${STRICT_CC}" "${STRICT_CXX}" "${strict}" "-DCMAKE_TOOLCHAIN_FILE=${consumer_dir}/aarch64-plain.cmake")
