#include "platform/core/LazyLibrary.h"

#include <gtest/gtest.h>

// A library that is not installed, or lacks a function the program calls, stops the program
// with a message naming what is missing instead of a call through a null pointer.
TEST(LazyLibraryDeathTest, AMissingLibraryOrFunctionIsNamed) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    LazyLibrary missing("libk41-not-installed.so.7");
    EXPECT_DEATH(missing.symbol("anything"), "libk41-not-installed\\.so\\.7");
    LazyLibrary c("libc.so.6");
    EXPECT_NE(c.symbol("getpid"), nullptr);
    EXPECT_DEATH(c.symbol("k41_no_such_function"), "libc\\.so\\.6 has no function "
                                                   "k41_no_such_function");
}
