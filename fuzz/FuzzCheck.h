#pragma once
// A broken promise found while fuzzing: print it and abort, so libFuzzer keeps the input.
#include <cstdio>
#include <cstdlib>

#define K41_FUZZ_CHECK(condition)                                                                  \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);     \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)

// Under libFuzzer a target may keep its costliest checks to a share of the inputs (`chosen`,
// usually by size), so that it tries many inputs a second; replaying saved inputs under ctest
// runs every check on every input.
inline bool fuzzSampled(bool chosen) {
#ifdef K41_FUZZ_REPLAY
    (void)chosen;
    return true;
#else
    return chosen;
#endif
}
