# Running the steps of a consumer mode, and what a step must have done:
# passed, configured without a warning, or stopped with one message. Each
# helper takes what it needs as arguments, and gives back what it finds in
# variables that its caller names.

function(fail text) # one argument, taken whole: output may hold semicolons
    message(FATAL_ERROR "FAIL (${MODE}): ${text}")
endfunction()

# run_step(STATUS OUTPUT COMMAND...): runs a step that may fail, and gives
# its exit status and its output, both streams, in STATUS and OUTPUT.
function(run_step status_var output_var)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
    set(${status_var} "${status}" PARENT_SCOPE)
    set(${output_var} "${out}" PARENT_SCOPE)
endfunction()

# must_pass(WHAT COMMAND...): runs a step that must succeed, and fails with
# its output if not.
function(must_pass what)
    run_step(status out ${ARGN})
    if(NOT status EQUAL 0)
        fail("${what} failed:\n${out}")
    endif()
endfunction()

# expect_configured(WHAT STATUS OUTPUT WARNING): a configuration step that
# ended with STATUS and printed OUTPUT succeeded, and printed nothing that
# matches the regular expression WARNING.
function(expect_configured what status out warning)
    if(NOT status EQUAL 0)
        fail("${what} failed:\n${out}")
    endif()
    if(out MATCHES "${warning}")
        fail("${what} warned:\n${out}")
    endif()
endfunction()

# expect_stopped(WHAT STATUS OUTPUT SAYS): a step that ended with STATUS and
# printed OUTPUT stopped with one CMake error, whose text (its lines joined)
# matches the regular expression SAYS.
function(expect_stopped what status out says)
    string(REGEX MATCHALL "CMake Error" errors "${out}")
    string(REGEX REPLACE "[ \n]+" " " said "${out}")
    list(LENGTH errors count)
    if(status EQUAL 0 OR NOT count EQUAL 1 OR NOT said MATCHES "${says}")
        fail("${what} did not stop with one message that says so:\n${out}")
    endif()
endfunction()
