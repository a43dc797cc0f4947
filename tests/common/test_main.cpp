// Entry point of every test program: a QApplication on the offscreen platform and SDL's
// dummy audio driver, so that tests run without a display or a sound card, and the build's
// back-end modules.
#include "tests/common/ModalUtil.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QtGlobal>

extern "C" const char* __asan_default_options() {
    // Qt and fontconfig keep caches alive until exit; leak reports would be noise.
    return "detect_leaks=0";
}

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER")) qputenv("SDL_AUDIODRIVER", "dummy");
    // The back-end modules as this build made them.
    if (qEnvironmentVariableIsEmpty("K41_MODULE_DIR")) qputenv("K41_MODULE_DIR", K41_MODULE_DIR);
    QApplication app(argc, argv);
    TestUtil::failOnUnexpectedModals();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
