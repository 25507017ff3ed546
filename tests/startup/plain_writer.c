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
    return 0;
}
