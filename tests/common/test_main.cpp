// Entry point of every test program: a QApplication on the offscreen platform and SDL's
// dummy audio driver, so that tests run without a display or a sound card.
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
    QApplication app(argc, argv);
    TestUtil::failOnUnexpectedModals();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
