# The README's Meson recipe followed with GCC for x86-64-v3, which contracts
# into fused multiply-adds by default: the orientation is right.
set(meson_c_args -march=x86-64-v3)
x86_64_v3_runner(EMULATOR)
if(EMULATOR)
    set(meson_target_args "")
    string(CONCAT meson_machine "system = 'linux'\ncpu_family = 'x86_64'\ncpu = 'x86-64-v3'\nendian = 'little'\n"
        "[properties]\nneeds_exe_wrapper = true\n")
endif()
include("${CMAKE_CURRENT_LIST_DIR}/meson.cmake")
