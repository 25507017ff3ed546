# roundoff_bounds_expected_constants(EXPECTED OUTPUT): writes OUTPUT, a C
# header that defines expected_<name> for every constant of the expected
# header EXPECTED, with the same decimal text, so that every check compares
# against that one copy. Rewritten only when its text changes.
function(roundoff_bounds_expected_constants expected output)
    file(READ "${expected}" text)
    string(REGEX REPLACE "\nstatic double ([A-Za-z0-9_]+) = " "\nstatic const double expected_\\1 = "
        text "${text}")
    file(CONFIGURE OUTPUT "${output}" CONTENT "${text}" @ONLY)
endfunction()
