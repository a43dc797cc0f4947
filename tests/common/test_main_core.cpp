// Entry point of the test programs of the rule libraries: a QCoreApplication, since those
// libraries and their tests use no window.
#include <gtest/gtest.h>

#include <QCoreApplication>

extern "C" const char* __asan_default_options() {
    return "detect_leaks=0";
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
