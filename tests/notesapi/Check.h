/* The checks of the plain C test programs: each failure is named on stderr
 * and counted in `failures`; the program's exit status tells whether any. */
#ifndef ZEMBRIK_TESTS_NOTESAPI_CHECK_H
#define ZEMBRIK_TESTS_NOTESAPI_CHECK_H

#include <stdio.h>

static int failures = 0;

#define CHECK(cond)                                                                        \
    do {                                                                                   \
        if (!(cond)) {                                                                     \
            fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #cond);       \
            ++failures;                                                                    \
        }                                                                                  \
    } while (0)

#endif
