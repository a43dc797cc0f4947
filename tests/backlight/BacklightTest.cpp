// The backlight's rules without a window: which picture and colour a state gives, how the
// user's picture files are read and refused, and how a picture sits on the board.
#include "backlight/Backlight.h"

#include "platform/core/K41Error.h"
#include "settings/Settings.h"
#include "tests/backlight/PictureFiles.h"
#include "tests/common/TestUtil.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using Picture = Backlight::Outcome::Picture;

const QSize Board(543, 333);

// Settings that choose the user's picture for every state, each from its own file.
Settings eachFromFiles(const QString& off, const QString& on1, const QString& on2) {
    Settings s;
    s.PanelAssignAuto = false;
    s.PanelAssignEach = true;
    s.PanelOffBuiltin = s.PanelOn1Builtin = s.PanelOn2Builtin = false;
    s.PanelOffUser = s.PanelOn1User = s.PanelOn2User = true;
    s.PanelOffFile = off;
    s.PanelOn1File = on1;
    s.PanelOn2File = on2;
    return s;
}

QColor at(const QImage& image, int x, int y) {
    return image.pixelColor(x, y);
}

} // namespace

TEST(Backlight, EachButtonIndexGivesItsStateAndNumberColour) {
    Settings s;
    s.SeiriNumColorOff = Colour::rgb(1, 2, 3);
    s.SeiriNumColorOn1 = Colour::rgb(4, 5, 6);
    s.SeiriNumColorOn2 = Colour::rgb(7, 8, 9);
    const struct {
        int index;
        Backlight::State state;
        OleColor colour;
    } cases[] = {{0, Backlight::Off, Colour::rgb(1, 2, 3)},
                 {1, Backlight::On1, Colour::rgb(4, 5, 6)},
                 {2, Backlight::On2, Colour::rgb(7, 8, 9)},
                 {-1, Backlight::On2, Colour::rgb(7, 8, 9)},
                 {3, Backlight::On2, Colour::rgb(7, 8, 9)}};
    for (const auto& c : cases) {
        const Backlight::Outcome o = Backlight::decide(s, c.index, Board);
        EXPECT_EQ(o.state, c.state) << c.index;
        EXPECT_EQ(o.numberColour, c.colour) << c.index;
        EXPECT_EQ(o.picture, Picture::Builtin) << c.index;
    }
}

TEST(Backlight, OnlyAStateSetOnItsOwnWithItsUserButtonTakesTheFile) {
    QTemporaryDir dir;
    const QString file = dir.filePath("panel.bmp");
    ASSERT_TRUE(PictureFiles::write(
        file, PictureFiles::encoded(PictureFiles::plain({40, 30}, Qt::red), "BMP")));

    // Set on their own, only ON1 chooses its user picture here.
    Settings each = eachFromFiles(file, file, file);
    each.PanelOffUser = false;
    each.PanelOffBuiltin = true;
    each.PanelOn2User = false;
    each.PanelOn2Builtin = true;
    EXPECT_EQ(Backlight::decide(each, 0, Board).picture, Picture::Builtin);
    EXPECT_EQ(Backlight::decide(each, 2, Board).picture, Picture::Builtin);
    const Backlight::Outcome on1 = Backlight::decide(each, 1, Board);
    ASSERT_EQ(on1.picture, Picture::User);
    EXPECT_EQ(on1.userPicture.size(), QSize(40, 30));
    EXPECT_EQ(at(on1.userPicture, 0, 0), QColor(Qt::red));

    // Each state reads its own file.
    const QString other = dir.filePath("other.bmp");
    ASSERT_TRUE(PictureFiles::write(
        other, PictureFiles::encoded(PictureFiles::plain({20, 10}, Qt::blue), "BMP")));
    const Settings own = eachFromFiles(file, other, file);
    EXPECT_EQ(Backlight::decide(own, 1, Board).userPicture.size(), QSize(20, 10));
    EXPECT_EQ(Backlight::decide(own, 2, Board).userPicture.size(), QSize(40, 30));
}

TEST(Backlight, NoPlainFileAtThePathKeepsThePictureWithoutAMessage) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.bmp"));
    const QString fifo = dir.filePath("pipe.jpg");
    ASSERT_EQ(mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    // A pipe is never opened: that would wait for a writer for good.
    for (const QString& path : {dir.filePath("missing.gif"), dir.filePath("nowhere/x.jpg"),
                                QString(), dir.filePath("folder.bmp"), fifo}) {
        Settings each = eachFromFiles(path, path, path);
        each.SeiriNumColorOn1 = Colour::rgb(9, 9, 9);
        const Backlight::Outcome o = Backlight::decide(each, 1, Board);
        EXPECT_EQ(o.picture, Picture::Unchanged) << path.toStdString();
        EXPECT_FALSE(o.errorNumber) << path.toStdString();
        EXPECT_EQ(o.numberColour, Colour::rgb(9, 9, 9));
        EXPECT_FALSE(Backlight::FileExists(path)) << path.toStdString();
    }
}

TEST(Backlight, PicturesAreReadByTheirContentInEachFormatFromWindowsPaths) {
    QTemporaryDir dir;
    const QImage picture = PictureFiles::plain({60, 40}, QColor(0, 128, 255), Qt::yellow);
    QFile sampleGif(QStringLiteral(K41_SOURCE_DIR "/samples/panels/evening-green.gif"));
    ASSERT_TRUE(sampleGif.open(QIODevice::ReadOnly));
    const struct {
        const char* name;
        QByteArray bytes;
        QSize size;
        QColor colour;
        bool exact; // JPEG is lossy: compare loosely
    } files[] = {
        {"Panel.BMP", PictureFiles::encoded(picture, "BMP"), {60, 40}, {0, 128, 255}, true},
        {"panel.jpg", PictureFiles::encoded(picture, "JPG"), {60, 40}, {0, 128, 255}, false},
        {"jpeg-named.bmp", PictureFiles::encoded(picture, "JPG"), {60, 40}, {0, 128, 255}, false},
        // 544 × 335, one column and two rows more than the board shows.
        {"panel.gif", sampleGif.readAll(), Board, {0x14, 0x3a, 0x2a}, true}};
    for (const auto& f : files) {
        ASSERT_TRUE(
            PictureFiles::write(QDir(dir.path()).filePath("Pics/" + QString(f.name)), f.bytes));
        // As written on Windows: backslashes, another case.
        const QString windows =
            QString(dir.path() + "/PICS/" + QString::fromLatin1(f.name).toUpper())
                .replace('/', '\\');
        ASSERT_TRUE(Backlight::FileExists(windows)) << f.name;
        const QImage got = Backlight::loadPicture(windows, Board);
        ASSERT_EQ(got.size(), f.size) << f.name;
        const QColor seen = at(got, 20, 20);
        if (f.exact) {
            EXPECT_EQ(seen, f.colour) << f.name;
        } else {
            EXPECT_NEAR(seen.red(), f.colour.red(), 8) << f.name;
            EXPECT_NEAR(seen.green(), f.colour.green(), 8) << f.name;
            EXPECT_NEAR(seen.blue(), f.colour.blue(), 8) << f.name;
        }
    }
}

TEST(Backlight, AFileThatIsNoPictureGives481AndKeepsThePicture) {
    QTemporaryDir dir;
    const QByteArray bmp = PictureFiles::encoded(PictureFiles::plain({300, 200}, Qt::green), "BMP");
    // A header that claims 50000 × 50000 pixels, with no pixels after it.
    QByteArray huge = bmp.left(54);
    qToLittleEndian<qint32>(50000, huge.data() + 18);
    qToLittleEndian<qint32>(50000, huge.data() + 22);
    const struct {
        const char* name;
        QByteArray bytes;
    } files[] = {{"notes.jpg", "This is a text file, not a picture.\r\n"},
                 {"empty.bmp", QByteArray()},
                 {"cut.bmp", bmp.left(40)},
                 {"garbage.gif", QByteArray("GIF89a") + QByteArray(32, '\xff')},
                 {"huge.bmp", huge}};
    for (const auto& f : files) {
        const QString path = dir.filePath(f.name);
        ASSERT_TRUE(PictureFiles::write(path, f.bytes));
        const Backlight::Outcome o = Backlight::decide(eachFromFiles(path, path, path), 2, Board);
        EXPECT_EQ(o.picture, Picture::Unchanged) << f.name;
        ASSERT_TRUE(o.errorNumber) << f.name;
        EXPECT_EQ(*o.errorNumber, 481) << f.name;
        EXPECT_EQ(o.numberColour, Settings().SeiriNumColorOn2);
    }
}

TEST(Backlight, AFileThatCannotBeOpenedIsAPathError) {
    QTemporaryDir dir;
    // Gone between the check and the read: the file or its folder.
    try {
        Backlight::loadPicture(dir.filePath("gone.bmp"), Board);
        ADD_FAILURE() << "no error";
    } catch (const K41Error& e) {
        EXPECT_EQ(e.number(), 53);
    }
    try {
        Backlight::loadPicture(dir.filePath("gone/gone.bmp"), Board);
        ADD_FAILURE() << "no error";
    } catch (const K41Error& e) {
        EXPECT_EQ(e.number(), 76);
    }
}

TEST(Backlight, APictureTheUserMayNotReadIsAPathFileAccessError) {
    QTemporaryDir dir;
    // The folder is open to all; the file to nobody but its owner (root reads anything, so
    // the case runs as an ordinary user).
    ASSERT_EQ(chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
    const QString locked = dir.filePath("locked.bmp");
    ASSERT_TRUE(PictureFiles::write(
        locked, PictureFiles::encoded(PictureFiles::plain({8, 8}, Qt::red), "BMP")));
    ASSERT_EQ(chmod(QFile::encodeName(locked).constData(), 0), 0);
    const int result = TestUtil::asNobody([&] {
        const Backlight::Outcome o =
            Backlight::decide(eachFromFiles(locked, locked, locked), 0, Board);
        if (o.picture != Picture::Unchanged) return 1;
        return o.errorNumber.value_or(0);
    });
    EXPECT_EQ(result, 75);
}

TEST(Backlight, OnlyThePartOfAPictureThatCanShowIsKept) {
    QTemporaryDir dir;
    QImage big = PictureFiles::plain({3000, 2000}, Qt::darkBlue);
    // A white block ending at the board's bottom-right corner.
    for (int y = Board.height() - 16; y < Board.height(); ++y)
        for (int x = Board.width() - 16; x < Board.width(); ++x)
            big.setPixelColor(x, y, Qt::white);
    for (const char* format : {"BMP", "JPG"}) {
        const QString path = dir.filePath(QStringLiteral("big.") + format);
        ASSERT_TRUE(PictureFiles::write(path, PictureFiles::encoded(big, format)));
        const QImage got = Backlight::loadPicture(path, Board);
        EXPECT_EQ(got.size(), Board) << format;
        // The bottom-right corner of what shows is the board's, not the picture's.
        EXPECT_GT(at(got, Board.width() - 8, Board.height() - 8).lightness(), 200) << format;
        EXPECT_LT(at(got, 5, 5).lightness(), 100) << format;
    }
    // Wider but not as tall: cut at the right only.
    const QString wide = dir.filePath("wide.bmp");
    ASSERT_TRUE(PictureFiles::write(
        wide, PictureFiles::encoded(PictureFiles::plain({800, 100}, Qt::red), "BMP")));
    EXPECT_EQ(Backlight::loadPicture(wide, Board).size(), QSize(543, 100));
}

TEST(Backlight, TheErrorBoxNamesTheNumberAndWhatItMeans) {
    EXPECT_EQ(Backlight::errorText(481),
              QStringLiteral("エラーです。\r\n\r\nエラーコード：481"
                             "　指定した画像の内容が不正です。この部分では扱えません。"));
    for (int n : {53, 75, 76})
        EXPECT_EQ(Backlight::errorText(n),
                  QStringLiteral("エラーです。\r\n\r\nエラーコード：%1"
                                 "　画像ファイルが見つからないか、指定している場所が不正です。")
                      .arg(n));
    for (int n : {57, 68})
        EXPECT_TRUE(Backlight::errorText(n).endsWith(
            QStringLiteral("%1　デバイスエラーもしくは準備が出来ていません。").arg(n)));
    for (int n : {7, 28, 51})
        EXPECT_TRUE(Backlight::errorText(n).endsWith(
            QStringLiteral("%1　内部的なエラーです。しろくま工房へ報告してください。"
                           "エラー場所：frmCtl.Option4_Click()")
                .arg(n)));
    EXPECT_EQ(Backlight::errorText(52), QStringLiteral("エラーです。\r\n\r\nエラーコード：52"));
}
