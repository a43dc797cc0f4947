// A route made from a feed on the real panel: the dialog is reached from the panel, reads the
// feed without blocking, writes the route into the data folders, and the route is ridden at
// once with "リセット" and the announcement buttons.
#include "tests/app/AppFixture.h"

#include "panel/GtfsImportDialog.h"
#include "panel/TapeGroup.h"
#include "panel/frmCtl.h"
#include "tape/NullSpeechEngine.h"
#include "tests/common/ModalUtil.h"
#include "tests/common/TestUtil.h"
#include "tests/gtfs/SmallFeed.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTreeWidget>

namespace {

// The dialog with its messages recorded instead of shown.
class RecordingImport : public GtfsImportDialog {
  public:
    using GtfsImportDialog::GtfsImportDialog;
    QStringList shown;
    bool replace = true;

  protected:
    void showMessage(const QString& text, bool) override { shown << text; }
    bool confirmReplace(const QString&) override { return replace; }
};

} // namespace

class GtfsImportPanel : public AppFixture {
  protected:
    void SetUp() override {
        useSilentSpeech();
        In4File file = sampleSettings();
        file.options.FareDataDir = dir.filePath("fare");
        file.options.TapeDataDir = dir.filePath("tape");
        startWith(file);
    }

    void load(RecordingImport& dialog, const QString& path) {
        QSignalSpy loaded(&dialog, &GtfsImportDialog::feedLoaded);
        dialog.openFeed(path);
        ASSERT_TRUE(loaded.wait(30000));
    }
    void forward() { click(panel().tapeGroup->tapeButtons[1]); }
};

TEST_F(GtfsImportPanel, ReachedFromThePanelByItsShortcut) {
    auto* action = panel().findChild<QAction*>("actGtfsImport");
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_G));
    EXPECT_TRUE(panel().actions().contains(action)) << "in the panel's context menu";
    bool opened = false;
    TestUtil::onNextModal([&](QWidget* w) {
        opened = qobject_cast<GtfsImportDialog*>(w) != nullptr;
        w->close();
    });
    action->trigger();
    EXPECT_TRUE(opened);
}

TEST_F(GtfsImportPanel, AnImportedRouteIsRiddenWithItsFaresAndAnnouncements) {
    TestUtil::writeFile(dir.filePath("six.zip"), SmallFeed::sixStops().zip());
    RecordingImport dialog(k41->settings, &panel());
    load(dialog, dir.filePath("six.zip"));
    ASSERT_EQ(dialog.patternList->topLevelItemCount(), 2);
    EXPECT_EQ(dialog.patternList->topLevelItem(0)->text(3), QStringLiteral("駅前"));
    EXPECT_FALSE(dialog.importButton->isEnabled()) << "no route number yet";
    dialog.routeNumber->setText("5");
    ASSERT_TRUE(dialog.importButton->isEnabled());
    click(dialog.importButton);
    ASSERT_EQ(dialog.shown.size(), 1);
    EXPECT_TRUE(dialog.shown[0].contains(QStringLiteral("系統 5")))
        << dialog.shown[0].toStdString();

    loadFromKeypad("5", "1");
    ASSERT_TRUE(messages.isEmpty()) << messages.join(u'|').toStdString();
    forward(); // the headsign, at the first stop
    forward(); // the next stop comes with its fares
    ASSERT_TRUE(speech);
    EXPECT_EQ(speech->spoken, (QStringList{QStringLiteral("この バスは 森の家 行きです。"),
                                           QStringLiteral("次は、市役所です。")}));
    EXPECT_EQ(fareShown(1), fareText(100));
    for (int i = 0; i < 3; ++i)
        forward();
    EXPECT_EQ(fareShown(1), fareText(250));
    EXPECT_EQ(fareShown(2), fareText(150));

    // The same number again asks first; a "no" keeps the route as it is.
    dialog.replace = false;
    EXPECT_FALSE(dialog.importSelected());
}

TEST_F(GtfsImportPanel, ABrokenFeedIsAMessageNamingTheFile) {
    TestUtil::writeFile(dir.filePath("broken.zip"), "PK\x03\x04 not really a zip");
    RecordingImport dialog(k41->settings, &panel());
    load(dialog, dir.filePath("broken.zip"));
    ASSERT_EQ(dialog.shown.size(), 1);
    EXPECT_TRUE(dialog.shown[0].contains("broken.zip")) << dialog.shown[0].toStdString();
    EXPECT_EQ(dialog.patternList->topLevelItemCount(), 0);
    dialog.routeNumber->setText("5");
    EXPECT_FALSE(dialog.importButton->isEnabled());
}
