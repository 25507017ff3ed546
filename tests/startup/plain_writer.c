/* The yardstick for the program's start-up cost: the same text written by
 * the plainest C program, with the expected constants instead of a
 * measurement. */
#include "expected_constants.h"

#include <stdio.h>

int main(void)
{
    puts("/* This file was generated automatically by roundoff_bounds\n"
         " *\n"
         " \n"
         " \n"
         " \n"
         " \n"
         " *\n"
         " \n"
         " \n"
         " \n"
         " */\n");
    printf("static double splitter = %f;\n", expected_splitter);
    printf("static double resulterrbound = %.16g;\n", expected_resulterrbound);
    printf("static double ccwerrboundA = %.16g;\n", expected_ccwerrboundA);
    printf("static double ccwerrboundB = %.16g;\n", expected_ccwerrboundB);
    printf("static double ccwerrboundC = %.16g;\n", expected_ccwerrboundC);
    printf("static double o3derrboundA = %.16g;\n", expected_o3derrboundA);
    printf("static double o3derrboundB = %.16g;\n", expected_o3derrboundB);
    printf("static double o3derrboundC = %.16g;\n", expected_o3derrboundC);
    printf("static double iccerrboundA = %.16g;\n", expected_iccerrboundA);
    printf("static double iccerrboundB = %.16g;\n", expected_iccerrboundB);
    printf("static double iccerrboundC = %.16g;\n", expected_iccerrboundC);
    printf("static double isperrboundA = %.16g;\n", expected_isperrboundA);
    printf("static double isperrboundB = %.16g;\n", expected_isperrboundB);
    printf("static double isperrboundC = %.16g;\n", expected_isperrboundC);
    return 0;
}
