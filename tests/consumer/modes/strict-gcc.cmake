# A strict project built by GCC.
need_tool(STRICT_CXX g++ g++)
need_tool(STRICT_CC gcc gcc)
build_strict("${STRICT_CC}" "${STRICT_CXX}" "${strict}")
