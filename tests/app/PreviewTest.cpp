// The ticket preview on the real panel: drawn by the sample plug-in at every display update
// while the preview feature is on, blank while it is off.
#include "tests/app/AppFixture.h"

#include "panel/PreviewArea.h"
#include "panel/PreviewPicture.h"
#include "panel/frmCtl.h"
#include "tests/app/PreviewWait.h"

#include <QComboBox>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

bool allWhite(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255)) return false;
    return true;
}

// Boxes of the sample plug-in's items, in preview pixels (twips / 15).
const QRect CompanyBox(6, 3, 140, 19);
const QRect NumberBox(6, 26, 84, 56);
const QRect StopNameBox(96, 26, 118, 22);

} // namespace

class PreviewTest : public AppFixture {
  protected:
    void startWithPlugin(qint16 useSeiriPrev) {
        In4File file = sampleSettings();
        file.options.UseSeiriPrev = useSeiriPrev;
        file.options.SeiriPlgFile = QStringLiteral(K41_SOURCE_DIR "/samples/plugins/yamabato.4SP");
        file.ctrl.PreviewOpen = 1;
        startWith(file);
    }
    // What the preview shows once it has caught up with the last display update.
    QImage preview() const {
        PreviewPicture& picture = *panel().previewArea->picSeirikenPrev;
        EXPECT_TRUE(previewSettled(picture));
        return picture.image();
    }
};

TEST_F(PreviewTest, EveryStopPrintsItsOwnTicket) {
    startWithPlugin(1);
    EXPECT_TRUE(allWhite(preview())) << "nothing is drawn before a route is set";
    loadFromKeypad("1", "1");
    const QImage first = preview();
    EXPECT_FALSE(allWhite(first.copy(NumberBox)));
    EXPECT_FALSE(allWhite(first.copy(StopNameBox)));
    EXPECT_EQ(panel().previewArea->picSeirikenPrev->accessibleDescription(),
              QStringLiteral("整理券 1 山鳩駅前"));

    click(panel().Command2[1]); // データ送り
    const QImage second = preview();
    EXPECT_NE(second.copy(NumberBox), first.copy(NumberBox));
    EXPECT_NE(second.copy(StopNameBox), first.copy(StopNameBox));
    EXPECT_EQ(panel().previewArea->picSeirikenPrev->accessibleDescription(),
              QStringLiteral("整理券 2 本町一丁目"));

    click(panel().Command2[0]); // データ戻し: the first ticket again, same stop and number
    EXPECT_EQ(preview().copy(NumberBox), first.copy(NumberBox));
    EXPECT_EQ(preview().copy(StopNameBox), first.copy(StopNameBox));
}

TEST_F(PreviewTest, StaysBlankWithThePreviewFeatureOff) {
    startWithPlugin(0);
    loadFromKeypad("1", "1");
    EXPECT_TRUE(allWhite(preview()));
    click(panel().Command2[1]);
    EXPECT_TRUE(allWhite(preview()));

    k41->settings.UseSeiriPrev = 1; // switched on: drawn from the next update on
    click(panel().Command2[1]);
    EXPECT_FALSE(allWhite(preview()));
    k41->settings.UseSeiriPrev = 0; // and off again: cleared at the next update
    click(panel().Command2[0]);
    EXPECT_TRUE(allWhite(preview()));
}

TEST_F(PreviewTest, CompanyChosenOnThePanelShowsAtTheNextUpdate) {
    startWithPlugin(1);
    QComboBox* companies = panel().Combo1;
    companies->clear(); // no company list: index -1, the plug-in prints its first company
    loadFromKeypad("1", "1");
    const QImage none = preview();

    companies->addItems({"山鳩市営バス", "みさき観光バス", "緑ヶ丘交通"});
    companies->setCurrentIndex(0);
    click(panel().Command2[1]);
    click(panel().Command2[0]);
    EXPECT_EQ(preview(), none) << "the first company is the default";

    companies->setCurrentIndex(2);
    EXPECT_EQ(preview(), none) << "a new choice waits for the next display update";
    click(panel().Command2[1]);
    click(panel().Command2[0]);
    EXPECT_NE(preview().copy(CompanyBox), none.copy(CompanyBox));
    EXPECT_EQ(preview().copy(NumberBox), none.copy(NumberBox));
}
