// The conformance program of Conformance.c, compiled as C++98 as the
// toolkit's makefiles compile their samples.
#include "Conformance.c"
