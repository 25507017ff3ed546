# A project built by Clang with every warning there is, but for those that no
# C++17 project keeps (which also covers a strict project's list).
need_tool(STRICT_CXX clang++ clang)
need_tool(STRICT_CC clang clang)
build_strict("${STRICT_CC}" "${STRICT_CXX}" "-Weverything;-Wno-c++98-compat;-Wno-c++98-compat-pedantic;-Wno-padded")
