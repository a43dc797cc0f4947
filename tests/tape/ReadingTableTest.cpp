// The user's reading tables: how a file's lines become readings, and which file wins.
#include "tape/ReadingTable.h"
#include "platform/core/K41Error.h"
#include "tape/NullSpeechEngine.h"
#include "tape/mdlM_Tape.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

} // namespace

TEST(ReadingTable, ReadsNamesAndReadingsInAnyKana) {
    const ReadingTable t = ReadingTable::parse("\xEF\xBB\xBFname,reading\r\n"
                                               "# a comment,コメント\n"
                                               "\n"
                                               "上条,じょうじょう\n"
                                               " 山鳩 , ﾔﾏﾊﾞﾄ \r"
                                               "\"市場, 北口\",\"イチバ キタグチ\"\n"
                                               "\"二行\n目\",ニギョウメ\n"
                                               "ＪＲ駅,ジェイアールエキ\n"
                                               "逆,ギャク\n逆,サカ\n"
                                               "壊れ,kowa\n"
                                               "空,\n"
                                               "一列だけ\n"
                                               "\"閉じない,ヒラキ");
    EXPECT_EQ(t.reading(QStringLiteral("上条")), QStringLiteral("ジョウジョウ"));
    EXPECT_EQ(t.reading(QStringLiteral("山鳩")), QStringLiteral("ヤマバト"));
    EXPECT_EQ(t.reading(QStringLiteral("市場, 北口")), QStringLiteral("イチバキタグチ"));
    EXPECT_EQ(t.reading(QStringLiteral("二行\n目")), QStringLiteral("ニギョウメ"));
    // Names are matched as the text is read: full-width letters are the same letters.
    EXPECT_EQ(t.reading(QStringLiteral("JR駅")), QStringLiteral("ジェイアールエキ"));
    EXPECT_EQ(t.reading(QStringLiteral("逆")), QStringLiteral("サカ"));
    // Header, comment, a reading that is not kana, an empty one, a line of one column and a
    // quote left open are no entries.
    EXPECT_EQ(t.size(), 6);
    EXPECT_TRUE(t.reading(QStringLiteral("name")).isEmpty());
    EXPECT_TRUE(t.reading(QStringLiteral("壊れ")).isEmpty());
    EXPECT_EQ(t.longestName(), 6);
}

TEST(ReadingTable, TheRoutesTableWinsOverTheCommonOne) {
    QTemporaryDir dir;
    const QString folder = dir.path() + u'/';
    write(folder + "READINGS.CSV", "本町,ホンマチ\n上条,ジョウジョウ\n");
    write(folder + "7readings.csv", "本町,モトマチ\n");
    const ReadingTable seven = ReadingTable::load(folder, QStringLiteral("7"));
    EXPECT_EQ(seven.reading(QStringLiteral("本町")), QStringLiteral("モトマチ"));
    EXPECT_EQ(seven.reading(QStringLiteral("上条")), QStringLiteral("ジョウジョウ"));
    EXPECT_EQ(ReadingTable::load(folder, QStringLiteral("12")).reading(QStringLiteral("本町")),
              QStringLiteral("ホンマチ"));
    EXPECT_TRUE(ReadingTable::load(folder + "missing/", QStringLiteral("7")).isEmpty());

    // A table that cannot be read is an error naming it, not an empty table.
    ASSERT_TRUE(QDir(folder).mkdir(QStringLiteral("9readings.csv")));
    EXPECT_THROW(ReadingTable::load(folder, QStringLiteral("9")), K41Error);
    QFile big(folder + "8readings.csv");
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    ASSERT_TRUE(big.resize(ReadingTable::MaxBytes + 1));
    big.close();
    EXPECT_THROW(ReadingTable::load(folder, QStringLiteral("8")), K41Error);
}

// The speech is given the readings of the route set last; a damaged table leaves none.
TEST(ReadingTable, EachRouteLoadHandsItsReadingsToTheSpeech) {
    class Panel : public TapeHost {
      public:
        NullSpeechEngine* speech = nullptr;
        QString osInfo() const override { return QStringLiteral("Debian"); }
        std::unique_ptr<SpeechEngine> createSpeech() override {
            auto engine = std::make_unique<NullSpeechEngine>();
            speech = engine.get();
            return engine;
        }
        void setGroupCaption(const QString&) override {}
        void setGroupEnabled(bool) override {}
        void setButtonsEnabled(bool) override {}
        QWidget* ownerWindow() override { return nullptr; }
        TapePreSound preSound() const override { return {}; }
        void playSound(const QString&, const QString&, qint16) override {}
        void dataForward() override {}
        void dataBack() override {}
    } panel;
    QTemporaryDir dir;
    const QString folder = dir.path() + u'/';
    write(folder + "1tp.csv", "次は上条です。,0,0\n");
    write(folder + "2tp.csv", "次は本町です。,0,0\n");
    write(folder + "readings.csv", "上条,ジョウジョウ\n");
    write(folder + "2readings.csv", "本町,ホンマチ\n");
    mdlM_Tape tape(panel);
    tape.TapeInit();
    ASSERT_TRUE(panel.speech);
    tape.TapeLoad(folder, QStringLiteral("2"));
    EXPECT_EQ(panel.speech->readings.reading(QStringLiteral("本町")), QStringLiteral("ホンマチ"));
    tape.TapeLoad(folder, QStringLiteral("1"));
    EXPECT_EQ(panel.speech->readings.reading(QStringLiteral("上条")),
              QStringLiteral("ジョウジョウ"));
    EXPECT_TRUE(panel.speech->readings.reading(QStringLiteral("本町")).isEmpty());
    ASSERT_TRUE(QDir(folder).mkdir(QStringLiteral("1readings.csv")));
    tape.TapeLoad(folder, QStringLiteral("1"));
    EXPECT_TRUE(panel.speech->readings.isEmpty());
    EXPECT_TRUE(tape.usable());
}

TEST(ReadingTable, AKeptReadingIsAddedAndReadBack) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("readings.csv"));
    ReadingTable::append(path, QStringLiteral("上条"), QStringLiteral("ジョウジョウ"));
    write(path, "\xEF\xBB\xBF"
                "本町,ホンマチ"); // no line end at the end
    ReadingTable::append(path, QStringLiteral("市場, \"北\""), QStringLiteral("イチバキタ"));
    ReadingTable::append(path, QStringLiteral("#1"), QStringLiteral("イチ"));
    const ReadingTable t = ReadingTable::load(dir.path() + u'/', QString());
    EXPECT_EQ(t.reading(QStringLiteral("本町")), QStringLiteral("ホンマチ"));
    EXPECT_EQ(t.reading(QStringLiteral("市場, \"北\"")), QStringLiteral("イチバキタ"));
    EXPECT_EQ(t.size(), 2) << "a name starting with # is a comment line";
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("sub")));
    EXPECT_THROW(ReadingTable::append(dir.filePath(QStringLiteral("sub")), QStringLiteral("a"),
                                      QStringLiteral("エー")),
                 K41Error);
}
