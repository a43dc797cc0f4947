// The backlight buttons on the real panel: what the board shows and how its ticket numbers
// are coloured after each click, with built-in pictures and the user's own files.
#include "tests/app/AppFixture.h"

#include "app/BoardPicture.h"
#include "app/Form1.h"
#include "app/WindowsIniHost.h"
#include "backlight/Backlight.h"
#include "panel/BacklightFrame.h"
#include "panel/frmCtl.h"
#include "platform/QtColour.h"
#include "settings/mdlIniIoEx.h"
#include "tests/backlight/PictureFiles.h"
#include "tests/common/ModalUtil.h"
#include "tests/common/TestUtil.h"

#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

namespace {

const OleColor OffColour = Colour::rgb(250, 250, 250);
const OleColor On1Colour = Colour::rgb(255, 200, 0);
const OleColor On2Colour = Colour::rgb(0, 220, 255);

} // namespace

class BacklightPanelTest : public AppFixture {
  protected:
    // Sample settings with a number colour of its own for each state; with `each`, every
    // state shows the user's file given for it.
    static In4File withPictures(bool each, const QString& off = {}, const QString& on1 = {},
                                const QString& on2 = {}) {
        In4File file = sampleSettings();
        Settings& s = file.options;
        s.SeiriNumColorOff = OffColour;
        s.SeiriNumColorOn1 = On1Colour;
        s.SeiriNumColorOn2 = On2Colour;
        s.PanelAssignAuto = !each;
        s.PanelAssignEach = each;
        s.PanelOffBuiltin = s.PanelOn1Builtin = s.PanelOn2Builtin = false;
        s.PanelOffUser = s.PanelOn1User = s.PanelOn2User = true;
        s.PanelOffFile = off;
        s.PanelOn1File = on1;
        s.PanelOn2File = on2;
        return file;
    }

    void clickBacklight(int i) { click(panel().Option4[size_t(i)]); }

    // Whether the board shows `picture` as it places every picture: at the top-left corner.
    bool boardShows(const QImage& picture) const {
        return board().backBuffer() == Backlight::compose(picture, board().size());
    }

    // The colour of every ticket number, when all 24 agree.
    std::optional<OleColor> numberColour() const {
        const QColor first = board().lblSeiriNum[1]->palette().color(QPalette::WindowText);
        for (int i = 2; i <= 24; ++i)
            if (board().lblSeiriNum[i]->palette().color(QPalette::WindowText) != first)
                return std::nullopt;
        return Colour::fromQColor(first);
    }

    QString picture(const char* name, const QImage& image, const char* format = "BMP") {
        const QString path = dir.filePath(QString::fromLatin1(name));
        EXPECT_TRUE(PictureFiles::write(path, PictureFiles::encoded(image, format)));
        return path;
    }
};

TEST_F(BacklightPanelTest, EachButtonShowsItsBuiltInPictureAndColoursTheNumbers) {
    startWith(withPictures(false));
    EXPECT_TRUE(panel().Option4[0]->isChecked());
    EXPECT_TRUE(boardShows(BoardPicture::image(0)));
    EXPECT_EQ(numberColour(), OffColour);

    const std::pair<int, OleColor> steps[] = {{1, On1Colour}, {2, On2Colour}, {0, OffColour}};
    for (const auto& [button, colour] : steps) {
        clickBacklight(button);
        EXPECT_TRUE(panel().Option4[size_t(button)]->isChecked()) << button;
        EXPECT_TRUE(boardShows(BoardPicture::image(button))) << button;
        EXPECT_EQ(numberColour(), colour) << button;
    }
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(BacklightPanelTest, AMissingOrUnnamedFileKeepsThePictureSilentlyAndStillRecolours) {
    // OFF's user file is not named at all, ON1's is gone; ON2 is built in.
    In4File file = withPictures(true, QString(), dir.filePath("gone.bmp"));
    file.options.PanelOn2User = false;
    file.options.PanelOn2Builtin = true;
    startWith(file);
    EXPECT_TRUE(boardShows(BoardPicture::image(0))) << "an empty path leaves the start picture";

    clickBacklight(2);
    ASSERT_TRUE(boardShows(BoardPicture::image(2)));
    clickBacklight(1);
    EXPECT_TRUE(boardShows(BoardPicture::image(2)));
    EXPECT_EQ(numberColour(), On1Colour);
    clickBacklight(0);
    EXPECT_TRUE(boardShows(BoardPicture::image(2)));
    EXPECT_EQ(numberColour(), OffColour);
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(BacklightPanelTest, ATextFileNamedJpgGivesError481KeepsThePictureAndRecolours) {
    const QString notes = dir.filePath("notes.jpg");
    TestUtil::writeFile(notes, "Not a picture at all.\r\n");
    In4File file = withPictures(true, QString(), QString(), notes);
    file.options.PanelOn1User = false;
    file.options.PanelOn1Builtin = true;
    startWith(file);
    clickBacklight(1);
    ASSERT_TRUE(boardShows(BoardPicture::image(1)));

    panel().backlightFrame->showErrorBox = nullptr; // the real box
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    std::optional<OleColor> colourDuringBox;
    TestUtil::onNextModal([&](QWidget* w) {
        if (auto* box = qobject_cast<QMessageBox*>(w)) {
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
        }
        colourDuringBox = numberColour();
        QTest::keyClick(w, Qt::Key_Return);
    });
    clickBacklight(2);
    EXPECT_EQ(title, "エラー");
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_EQ(text, Backlight::errorText(481) + "\r\n" + QDir::toNativeSeparators(notes))
        << "the file on a line of its own";
    EXPECT_EQ(colourDuringBox, On1Colour) << "the numbers change once the box is closed";
    EXPECT_TRUE(boardShows(BoardPicture::image(1)));
    EXPECT_EQ(numberColour(), On2Colour);
    EXPECT_TRUE(panel().Option4[2]->isChecked());
}

TEST_F(BacklightPanelTest, ABadPictureForOffIsToldOnceAtStartAndAtEveryClick) {
    const QString notes = dir.filePath("off.bmp");
    TestUtil::writeFile(notes, "Not a picture at all.\r\n");
    startWith(withPictures(true, notes, QString(), QString()));
    ASSERT_EQ(errors.size(), 1) << errors.join("\n---\n").toStdString();
    EXPECT_TRUE(errors[0].endsWith(QDir::toNativeSeparators(notes)));
    clickBacklight(0);
    clickBacklight(0);
    EXPECT_EQ(errors.size(), 3) << "a click always tells";
}

TEST_F(BacklightPanelTest, AssigningBuiltInPicturesIgnoresValidUserFiles) {
    const QString red = picture("red.bmp", PictureFiles::plain({100, 100}, Qt::red));
    startWith(withPictures(false, red, red, red));
    for (int button : {1, 2, 0}) {
        clickBacklight(button);
        EXPECT_TRUE(boardShows(BoardPicture::image(button))) << button;
    }
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(BacklightPanelTest, APictureChangedOnDiskShowsItsNewContentAtTheNextClick) {
    const QImage red = PictureFiles::plain({200, 120}, Qt::red);
    const QString path = picture("Panel.bmp", red);
    // Written the Windows way, in another case.
    In4File file = withPictures(true, QString(), QString(path).replace("Panel.bmp", "PANEL.BMP"));
    startWith(file);
    clickBacklight(1);
    EXPECT_TRUE(boardShows(red));

    const QImage blue = PictureFiles::plain({300, 90}, Qt::blue);
    picture("Panel.bmp", blue);
    clickBacklight(1); // the button already down reads the file again
    EXPECT_TRUE(boardShows(blue));
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(BacklightPanelTest, ASmallerPictureLeavesGreyAtTheRightAndBottomALargerOneIsCut) {
    const QString panels = QStringLiteral(K41_SOURCE_DIR "/samples/panels/");
    startWith(
        withPictures(true, QString(), panels + "evening-green.gif", panels + "small-maroon.bmp"));
    const QImage& shown = board().backBuffer();

    clickBacklight(2); // 480 × 300 on a board of 543 × 333
    const QColor maroon(0x4a, 0x14, 0x1c);
    EXPECT_EQ(shown.pixelColor(20, 100), maroon);
    EXPECT_EQ(shown.pixelColor(479, 5), maroon);
    EXPECT_EQ(shown.pixelColor(480, 5), Backlight::PlainGrey);
    EXPECT_EQ(shown.pixelColor(20, 300), Backlight::PlainGrey);
    EXPECT_EQ(shown.pixelColor(542, 332), Backlight::PlainGrey);

    clickBacklight(1); // 544 × 335: one column and two rows do not fit
    const QImage green(panels + "evening-green.gif");
    EXPECT_EQ(shown.pixelColor(20, 100), QColor(0x14, 0x3a, 0x2a));
    EXPECT_EQ(shown.pixelColor(542, 332), green.pixelColor(542, 332));
    EXPECT_TRUE(boardShows(green));
}

TEST_F(BacklightPanelTest, LoadingSettingsAppliesTheirPictureAndEveryStartIsUnlit) {
    const QImage red = PictureFiles::plain({150, 150}, Qt::red);
    const QString path = picture("off.bmp", red);
    startWith(withPictures(true, path));
    EXPECT_TRUE(boardShows(red)) << "the loaded OFF picture";
    EXPECT_EQ(numberColour(), OffColour);

    clickBacklight(2);
    mdlIniIoEx::SaveIniFile(settingsPath(), *k41->iniHost);
    stop();
    start();
    EXPECT_TRUE(panel().Option4[0]->isChecked());
    EXPECT_TRUE(boardShows(red));
    EXPECT_EQ(numberColour(), OffColour);
}

TEST_F(BacklightPanelTest, APictureIsAppliedAsSoonAsThePanelSettingsAreLoaded) {
    // A later setting is refused with a box; the backlight has taken the loaded panel
    // settings all the same.
    const QImage red = PictureFiles::plain({150, 150}, Qt::red);
    In4File file = withPictures(true, picture("off.bmp", red));
    file.options.InfoOrderPos = 30;
    QString shown;
    TestUtil::onNextModal([&](QWidget* w) {
        if (auto* box = qobject_cast<QMessageBox*>(w)) shown = box->text();
        QTest::keyClick(w, Qt::Key_Return);
    });
    startWith(file);
    EXPECT_TRUE(shown.startsWith("エラー Code:380")) << shown.toStdString();
    EXPECT_TRUE(boardShows(red));
    EXPECT_EQ(numberColour(), OffColour);
}
