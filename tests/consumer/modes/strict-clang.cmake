# A strict project built by Clang.
need_tool(STRICT_CXX clang++ clang)
need_tool(STRICT_CC clang clang)
build_strict()
