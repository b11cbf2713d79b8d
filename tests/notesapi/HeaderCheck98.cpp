// The Notes C API headers as a C++98 program of the toolkit compiles them.
#include "HeaderChecks.h"
