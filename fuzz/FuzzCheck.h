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
