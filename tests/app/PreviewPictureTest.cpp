#include "panel/PreviewPicture.h"

#include "tests/app/PreviewWait.h"
#include "tests/common/TestUtil.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

QString sample(const char* name) {
    return TestUtil::samplesDir() + QStringLiteral("/plugins/") + QLatin1String(name);
}

bool allWhite(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255)) return false;
    return true;
}

// The menu that a click on the picture pops up, or null.
QMenu* menuAfterClick(PreviewPicture& picture, Qt::MouseButton button) {
    QTest::mouseClick(&picture, button, {}, QPoint(10, 10));
    QApplication::processEvents();
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

} // namespace

TEST(PreviewPicture, RightClickOffersCopyEvenWhenBlankLeftClickNothing) {
    PreviewPicture picture;
    picture.show();
    EXPECT_EQ(menuAfterClick(picture, Qt::LeftButton), nullptr);
    QMenu* menu = menuAfterClick(picture, Qt::RightButton);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->objectName(), QStringLiteral("MnuHide"));
    ASSERT_EQ(menu->actions().size(), 1);
    EXPECT_EQ(menu->actions().front()->text(), QStringLiteral("コピー(&C)"));

    QGuiApplication::clipboard()->setText(QStringLiteral("something else"));
    menu->actions().front()->trigger();
    menu->close();
    const QImage copied = QGuiApplication::clipboard()->image();
    EXPECT_EQ(copied.size(), QSize(220, 93)) << "the box's size, 3300 × 1395 twips";
    EXPECT_TRUE(allWhite(copied));
}

TEST(PreviewPicture, KeepsAndCopiesTheDrawnTicket) {
    PreviewPicture picture;
    picture.setSizeTwips(3300, 1680);
    EXPECT_EQ(picture.size(), QSize(220, 112));
    picture.drawTicket(sample("yamabato.4SP"), ticket(QStringLiteral("本町一丁目"), 5), 0);
    ASSERT_TRUE(previewSettled(picture));
    const QImage first = picture.image();
    EXPECT_FALSE(allWhite(first));
    EXPECT_EQ(picture.accessibleDescription(), QStringLiteral("整理券 5 本町一丁目"));

    picture.MnuHideCopy_Click();
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), first);
    // What the widget shows is the persistent image.
    EXPECT_EQ(picture.grab().toImage().convertToFormat(QImage::Format_RGB32), first);

    picture.clear();
    picture.drawTicket(sample("yamabato.4SP"), ticket(QStringLiteral("市役所前"), 6), 0);
    ASSERT_TRUE(previewSettled(picture));
    EXPECT_NE(picture.image(), first);

    picture.clear();
    ASSERT_TRUE(previewSettled(picture));
    EXPECT_TRUE(allWhite(picture.image()));
    EXPECT_EQ(picture.accessibleDescription(), QString());
    picture.drawTicket(sample("nowhere.4SP"), ticket(QStringLiteral("本町一丁目"), 5), 0);
    ASSERT_TRUE(previewSettled(picture));
    EXPECT_TRUE(allWhite(picture.image()));
    EXPECT_EQ(picture.accessibleDescription(), QString());
}
