# The README's Meson recipe followed with GCC for x86-64-v3, which contracts
# into fused multiply-adds by default: the check passes and the orientation
# is right.
x86_64_v3_runner(runner)
if(runner)
    meson_setup(MESON C_ARGS -march=x86-64-v3 WRAPPER ${runner}
        MACHINE "system = 'linux'\ncpu_family = 'x86_64'\ncpu = 'x86-64-v3'\nendian = 'little'\n")
else()
    meson_setup(MESON C_ARGS -march=x86-64-v3)
endif()
expect_meson_build("${MESON}")
