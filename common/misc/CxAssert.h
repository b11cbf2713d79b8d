// A check that stays in release builds: a broken invariant ends the program.
#pragma once

[[noreturn]] void CxAssertFailed(const char* expression, const char* file, int line);

// `text` is the expression as the message shows it.
#define CX_ASSERT(condition, text)                                                                 \
    do {                                                                                           \
        if (!(condition))                                                                          \
            CxAssertFailed(text, __FILE__, __LINE__);                                              \
    } while (0)
