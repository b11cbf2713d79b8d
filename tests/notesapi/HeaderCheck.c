/* The Notes C API headers as a C99 program of the toolkit compiles them. */
#include "HeaderChecks.h"
