# Meson with a generator that fails halfway through: the build fails, leaves
# no header, and fails again on the next build. This machine under another
# name, so that Meson runs the generator through the stand-in emulator.
meson_setup(MESON
    MACHINE "system = 'linux'\ncpu_family = 'x86_64'\ncpu = 'stand-in'\nendian = 'little'\n"
    WRAPPER "${consumer_dir}/fail_halfway.sh")
foreach(attempt IN ITEMS first next)
    run_step(status out "${MESON}" compile -C "${build}")
    if(status EQUAL 0)
        fail("the ${attempt} build succeeded with a failing generator:\n${out}")
    endif()
    if(NOT out MATCHES "Generating roundoff_bounds.h")
        fail("the ${attempt} build did not run the generator:\n${out}")
    endif()
    if(EXISTS "${build}/roundoff_bounds.h")
        fail("the ${attempt} failed build left a header behind")
    endif()
endforeach()
