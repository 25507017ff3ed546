// The same checks compiled as C++: the header must serve both languages.
#include "check_constants.c"
