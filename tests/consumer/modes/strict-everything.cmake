# A project built by Clang with every warning there is, but for those that no
# C++17 project keeps.
need_tool(STRICT_CXX clang++ clang)
need_tool(STRICT_CC clang clang)
set(strict -Weverything -Wno-c++98-compat -Wno-c++98-compat-pedantic -Wno-padded)
build_strict()
