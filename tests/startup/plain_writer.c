/* The yardstick for the program's start-up cost: the same text written by
 * the plainest C program, with constants instead of a measurement. */
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
    printf("static double splitter = %f;\n", 134217729.0);
    printf("static double resulterrbound = %.16g;\n", 0x1.8000000000002p-52);
    printf("static double ccwerrboundA = %.16g;\n", 0x1.8000000000004p-52);
    printf("static double ccwerrboundB = %.16g;\n", 0x1.0000000000003p-52);
    printf("static double ccwerrboundC = %.16g;\n", 0x1.2000000000004p-103);
    printf("static double o3derrboundA = %.16g;\n", 0x1.c000000000007p-51);
    printf("static double o3derrboundB = %.16g;\n", 0x1.8000000000007p-52);
    printf("static double o3derrboundC = %.16g;\n", 0x1.a000000000009p-102);
    printf("static double iccerrboundA = %.16g;\n", 0x1.4000000000006p-50);
    printf("static double iccerrboundB = %.16g;\n", 0x1.0000000000006p-51);
    printf("static double iccerrboundC = %.16g;\n", 0x1.6000000000009p-101);
    printf("static double isperrboundA = %.16g;\n", 0x1.0000000000007p-49);
    printf("static double isperrboundB = %.16g;\n", 0x1.4000000000009p-51);
    printf("static double isperrboundC = %.16g;\n", 0x1.1c0000000000bp-100);
    return 0;
}
