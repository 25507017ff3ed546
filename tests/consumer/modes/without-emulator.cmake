# A cross build without an emulator stops, with a message that says what to
# do instead.
run_step(status out ${configure} -DROUNDOFF_BOUNDS_FROM=subdirectory -DCMAKE_CROSSCOMPILING_EMULATOR=)
if(status EQUAL 0)
    fail("a cross build without an emulator configured")
endif()
if(NOT out MATCHES "-DROUNDOFF_BOUNDS_HEADER=<file>" OR NOT out MATCHES "CMAKE_CROSSCOMPILING_EMULATOR")
    fail("the message does not say what to do:\n${out}")
endif()
