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

# roundoff_bounds_plain_writer(EXPECTED OUTPUT): writes OUTPUT, the C source
# of the start-up cost's yardstick: the plainest program that writes the
# expected header EXPECTED, its banner with puts and each line with printf in
# the number format its value shows (%f for the splitter's fixed point,
# %.16g for the rest).
function(roundoff_bounds_plain_writer expected output)
    file(READ "${expected}" text)
    string(FIND "${text}" "\n\n" banner_end)
    string(SUBSTRING "${text}" 0 ${banner_end} banner)
    math(EXPR rest_start "${banner_end} + 2")
    string(SUBSTRING "${text}" ${rest_start} -1 rest)
    string(REPLACE "\n" "\\n\"\n         \"" banner "${banner}")
    set(lines "")
    string(REGEX MATCHALL "static double [A-Za-z0-9_]+ = [^;\n]+" constants "${rest}")
    foreach(constant IN LISTS constants)
        string(REGEX REPLACE "^(static double [A-Za-z0-9_]+ = )(.+)$" "\\1;\\2" parts "${constant}")
        list(GET parts 0 start)
        list(GET parts 1 value)
        set(format "%.16g")
        if(value MATCHES "^[0-9]+\\.[0-9]+$")
            set(format "%f")
        endif()
        string(APPEND lines "    printf(\"${start}${format};\\n\", ${value});\n")
    endforeach()
    file(CONFIGURE OUTPUT "${output}" CONTENT "/* Made from the expected header: the yardstick for the program's start-up
 * cost, the same text written by the plainest C program. */
#include <stdio.h>

int main(void)
{
    puts(\"${banner}\\n\");
${lines}    return 0;
}
" @ONLY)
endfunction()
