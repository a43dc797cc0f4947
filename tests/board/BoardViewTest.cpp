// The board shown larger, in full screen and with a key colour: every control drawn anew for
// the size, the designed size unchanged, the key colour only outside the board's face.
#include "app/BoardPicture.h"
#include "app/BoardViewMenu.h"
#include "app/Form1.h"
#include "backlight/Backlight.h"
#include "controls/digit/M_Degit.h"
#include "controls/stopname/ChimeiCtl_DX.h"
#include "settings/Settings.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QTest>

namespace {

int countColour(const QImage& img, QRgb colour) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += (img.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
    return n;
}

// A board with fares and a stop name that fits in the frame.
void fill(Form1& board) {
    board.setPicture(board.builtinPicture(0));
    // As start-up does: every fare digit drawn once, blank.
    board.clearDisplay();
    board.showFare(5, 230);
    board.showFare(24, 1870);
    board.ChimeiCtl->setForeColor(0x00FFFF); // yellow
    board.ChimeiCtl->SetChimei(QStringLiteral("市役所前"));
}

void trigger(QMenu* menu, const QString& name) {
    QAction* a = menu->findChild<QAction*>(name);
    ASSERT_NE(a, nullptr) << name.toStdString();
    a->trigger();
}

} // namespace

TEST(BoardView, TwiceTheSizeDrawsEveryControlAnewAndOneTimesIsUnchanged) {
    Settings settings;
    Form1 board(settings);
    fill(board);
    const QImage before = board.grab().toImage();
    const QImage digitBefore = board.Degit[5]->backBuffer();
    const QImage stripBefore = board.ChimeiCtl->strip();
    const QRect degitBefore = board.Degit[5]->geometry();
    const qreal labelPoints = board.lblSeiriNum[3]->font().pointSizeF();

    board.setView(BoardView::windowed(2.0, {}, {}));
    EXPECT_EQ(board.size(), QSize(1086, 666));
    EXPECT_EQ(board.Degit[5]->geometry(), QRect(degitBefore.topLeft() * 2, degitBefore.size() * 2));
    EXPECT_EQ(board.ChimeiCtl->size(), QSize(864, 112));
    EXPECT_DOUBLE_EQ(board.lblSeiriNum[3]->font().pointSizeF(), 2 * labelPoints);
    EXPECT_EQ(board.pictureArea(), QSize(543, 333));

    // Segments: drawn for the size, every lit pixel of the small digit is lit in the middle of
    // its 2 × 2 block of the large one.
    const QImage digit = board.Degit[5]->backBuffer();
    ASSERT_EQ(digit.size(), digitBefore.size() * 2);
    const QRgb lit = digitBefore.pixel(digitBefore.width() - 10, 3);
    int litSmall = 0, litLarge = 0;
    for (int y = 0; y < digitBefore.height(); ++y)
        for (int x = 0; x < digitBefore.width(); ++x)
            if (digitBefore.pixel(x, y) == lit) {
                ++litSmall;
                litLarge += digit.pixel(2 * x + 1, 2 * y + 1) == lit;
            }
    ASSERT_GT(litSmall, 20);
    EXPECT_GT(litLarge, litSmall * 9 / 10);
    // Dots: 4 × 4 squares where there were 2 × 2 ones.
    const QImage strip = board.ChimeiCtl->strip();
    EXPECT_EQ(strip.size(), stripBefore.size() * 2);
    const int dots = countColour(stripBefore, qRgb(255, 255, 0));
    ASSERT_GT(dots, 100);
    EXPECT_EQ(countColour(strip, qRgb(255, 255, 0)), 4 * dots);
    // The background is the built-in picture drawn at the size.
    EXPECT_EQ(board.backBuffer().pixel(700, 20), BoardPicture::image(0, 2.0).pixel(700, 20));

    // A fare written while large shows, and the way back gives the board pixel for pixel.
    board.showFare(5, 310);
    EXPECT_EQ(board.Degit[5]->shownText(), "310");
    board.showFare(5, 230);
    board.setView(BoardView());
    EXPECT_EQ(board.size(), QSize(543, 333));
    const QImage after = board.grab().toImage();
    ASSERT_EQ(after.size(), before.size());
    for (int y = 0; y < after.height(); ++y)
        for (int x = 0; x < after.width(); ++x)
            ASSERT_EQ(after.pixel(x, y), before.pixel(x, y)) << x << "," << y;
}

TEST(BoardView, KeyColourFillsOnlyWhatLiesOutsideTheBoardsFace) {
    Settings settings;
    Form1 board(settings);
    QImage small(100, 50, QImage::Format_RGB32);
    small.fill(Qt::red);
    board.setPicture(small);
    // Drawn unscaled from the top-left corner, on the plain background.
    EXPECT_EQ(board.backBuffer().pixelColor(99, 49), QColor(Qt::red));
    EXPECT_EQ(board.backBuffer().pixelColor(100, 49), Backlight::PlainGrey);
    EXPECT_EQ(board.backBuffer().pixelColor(300, 200), Backlight::PlainGrey);

    const QColor green(0, 255, 0);
    board.setView(BoardView::windowed(1.0, {}, green));
    EXPECT_EQ(board.backBuffer().pixelColor(10, 10), QColor(Qt::red));
    EXPECT_EQ(board.backBuffer().pixelColor(300, 200), green);

    // Full screen: the face in the middle, the key colour around it; a user's picture grows
    // smoothly with the face.
    board.setPicture(board.builtinPicture(1));
    const BoardView full = BoardView::filling(0, QSize(1920, 1080), green);
    EXPECT_EQ(full.origin, QPoint(79, 0)); // 543 × 1080 / 333 = 1761 wide
    board.setView(full);
    EXPECT_EQ(board.size(), QSize(1920, 1080));
    const QImage& shown = board.backBuffer();
    EXPECT_EQ(shown.pixelColor(5, 500), green);
    EXPECT_EQ(shown.pixelColor(1915, 500), green);
    const QImage face = BoardPicture::image(1, full.scale);
    EXPECT_EQ(shown.pixel(79 + 300, 200), face.pixel(300, 200));
    EXPECT_EQ(board.Degit[24]->pos(), QPoint(79, 0) + QPoint(453, 276) * full.scale);

    // Without a key colour the surround is black, never green.
    board.setView(BoardView::filling(0, QSize(1920, 1080), {}));
    EXPECT_EQ(board.backBuffer().pixelColor(5, 500), QColor(Qt::black));
}

TEST(BoardView, TheContextMenuScalesGoesFullScreenAndBack) {
    Settings settings;
    Form1 board(settings);
    fill(board);
    board.show();
    BoardViewMenu& view = *board.viewMenu();
    QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);

    std::unique_ptr<QMenu> menu(view.buildMenu(&board));
    // 1.5 × where the screen's free area is large enough, else as large as it allows.
    const QRect area = screen->availableGeometry();
    const qreal scale = std::min(1.5, BoardView::fitScale(area.size()));
    const QSize windowed = BoardView::designedSize() * scale;
    trigger(menu.get(), QStringLiteral("viewScale(1)"));
    EXPECT_EQ(board.size(), windowed);
    EXPECT_TRUE(area.contains(board.geometry()));
    menu.reset(view.buildMenu(&board));
    EXPECT_TRUE(menu->findChild<QAction*>(QStringLiteral("viewScale(1)"))->isChecked());
    trigger(menu.get(), QStringLiteral("viewFullScreen"));
    EXPECT_TRUE(view.fullScreen());
    EXPECT_EQ(board.view().window, screen->geometry().size());
    EXPECT_EQ(board.view().scale, std::min(1.5, BoardView::fitScale(screen->geometry().size())));
    trigger(menu.get(), QStringLiteral("viewKey"));
    EXPECT_EQ(board.backBuffer().pixelColor(0, 0), QColor(0, 255, 0));

    // F11 on the board leaves full screen again, as the menu's entry would.
    QApplication::setActiveWindow(&board);
    QTest::keyClick(&board, Qt::Key_F11);
    EXPECT_FALSE(view.fullScreen());
    EXPECT_EQ(board.size(), windowed);
    QTest::keyClick(&board, Qt::Key_F11);
    EXPECT_TRUE(view.fullScreen());
    QTest::keyClick(&board, Qt::Key_Escape);
    EXPECT_FALSE(view.fullScreen());
    view.setKeyed(false);
    view.setScaleChoice(1.0);
    EXPECT_TRUE(board.view().isPlain());
    EXPECT_EQ(board.Degit[5]->shownText(), "230");

    // Fit to screen: as large as the screen's free area allows, whole and on it.
    view.setScaleChoice(0);
    EXPECT_TRUE(board.width() == area.width() || board.height() == area.height());
    EXPECT_TRUE(area.contains(board.geometry()));
}

TEST(BoardView, AScrollingNameKeepsItsPlaceWhenTheScaleChanges) {
    ChimeiCtl_DX line;
    qint64 now = 0;
    line.setClock([&now] { return now; });
    line.setForeColor(0xFFFFFF);
    line.SetChimei(QStringLiteral("とても長い名前の停留所前通り三丁目"));
    ASSERT_TRUE(line.scrolling());
    now = 2000;
    line.advanceScroll();
    const int x = line.stripX();
    const int width = line.stripWidth();
    line.setRenderScale(3.0);
    EXPECT_TRUE(line.scrolling());
    EXPECT_EQ(line.stripX(), x);
    EXPECT_EQ(line.stripWidth(), width);
    EXPECT_EQ(line.strip().width(), 3 * width);
    now = 4000;
    line.advanceScroll();
    EXPECT_LT(line.stripX(), x);
}
