#include "platform/core/K41Error.h"
#include "settings/In4File.h"
#include "settings/SettingField.h"
#include "tests/settings/EveryFieldChanged.h"
#include "tests/settings/HandBuiltIn4.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>

namespace {

void expectSameFile(const In4File& a, const In4File& b) {
    EXPECT_EQ(In4Format::write(a), In4Format::write(b));
    EXPECT_EQ(a.ctrl, b.ctrl);
    EXPECT_EQ(a.form, b.form);
    EXPECT_EQ(a.digits, b.digits);
    EXPECT_EQ(a.options.CustomColors, b.options.CustomColors);
}

int readError(const QByteArray& bytes, QString* description = nullptr) {
    try {
        In4Format::read(bytes);
    } catch (const K41Error& e) {
        if (description) *description = e.description();
        return e.number();
    }
    return 0;
}

} // namespace

TEST(In4Format, BeginsWithTheFolderTextsAndTheFirstCheck) {
    In4File f;
    f.options.FareDataDir = QStringLiteral("C:\\HY");
    f.options.TapeDataDir.clear();
    const QByteArray bytes = In4Format::write(f);
    EXPECT_EQ(bytes.left(11), QByteArray("\x05\x00"
                                         "C:\\HY"
                                         "\x00\x00"
                                         "\x01\x00",
                                         11));
}

TEST(In4Format, SizeIsFixedPartPlusTexts) {
    In4File f;
    f.options.SeiriDateValue.clear();
    EXPECT_EQ(In4Format::write(f).size(), 358 + 17 * 2);
    f.options.SoundPre2 = QStringLiteral("駅前");
    EXPECT_EQ(In4Format::write(f).size(), 358 + 17 * 2 + 4); // Shift-JIS bytes, not characters
}

TEST(In4Format, TheChangedRecordReallyChangesEveryField) {
    const In4File changed = EveryFieldChanged::file();
    const Settings defaults;
    for (const SettingField& f : SettingFields::all()) {
        const Settings& c = changed.options;
        const bool same = f.text     ? c.*f.text == defaults.*f.text
                          : f.number ? c.*f.number == defaults.*f.number
                          : f.colour ? c.*f.colour == defaults.*f.colour
                                     : c.*f.choice == defaults.*f.choice;
        // Of the three date buttons one is selected: the default's and the changed one move,
        // the third stays off.
        if (f.qName() == QLatin1String("SeiriDateHold")) continue;
        EXPECT_FALSE(same) << f.name;
    }
    EXPECT_NE(changed.options.CustomColors, defaults.CustomColors);
    EXPECT_NE(changed.ctrl, CtrlDataInfo{});
    EXPECT_NE(changed.form, FormInfo{});
    for (const DegitUserInfo& d : changed.digits)
        EXPECT_NE(d, DegitUserInfo{});
}

TEST(In4Format, WriteThenReadKeepsEveryField) {
    const In4File original = EveryFieldChanged::file();
    const In4File back = In4Format::read(In4Format::write(original));
    expectSameFile(original, back);
    EXPECT_EQ(back.options.FareDataDir, original.options.FareDataDir);
    EXPECT_EQ(back.options.SoundPre3, original.options.SoundPre3);
    EXPECT_EQ(back.options.InfoOrderPos, -1);
    EXPECT_TRUE(back.options.PanelAssignEach);
    EXPECT_FALSE(back.options.PanelAssignAuto);
}

TEST(In4Format, ReadsAFileBuiltByteByByteIntoTheRightFields) {
    const In4File f = In4Format::read(HandBuiltIn4::file());
    const Settings& s = f.options;
    EXPECT_EQ(s.FareDataDir, QStringLiteral("C:\\運賃"));
    EXPECT_EQ(s.TapeDataDir, QStringLiteral("D:\\tp"));
    EXPECT_EQ(s.UseSeiriNumAuto, 0);
    EXPECT_EQ(s.SeiriNumColorOff, 0x010203u);
    EXPECT_EQ(s.SeiriNumColorOn1, 0x040506u);
    EXPECT_EQ(s.SeiriNumColorOn2, 0x070809u);
    EXPECT_EQ(s.SeiriNumStyle, 11);
    EXPECT_EQ(s.SeiriNumZeroFill, 1);
    EXPECT_FALSE(s.PanelAssignAuto);
    EXPECT_TRUE(s.PanelAssignEach);
    EXPECT_FALSE(s.PanelOffBuiltin);
    EXPECT_TRUE(s.PanelOffUser);
    EXPECT_TRUE(s.PanelOn1Builtin);
    EXPECT_FALSE(s.PanelOn1User);
    EXPECT_FALSE(s.PanelOn2Builtin);
    EXPECT_TRUE(s.PanelOn2User);
    EXPECT_EQ(s.PanelOffFile, QStringLiteral("off.bmp"));
    EXPECT_EQ(s.PanelOn1File, QStringLiteral("on1.gif"));
    EXPECT_EQ(s.PanelOn2File, QStringLiteral("on2.jpg"));
    EXPECT_EQ(s.DegitBackColor, 0x111111u);
    EXPECT_EQ(s.DegitUnlitColor, 0x222222u);
    EXPECT_EQ(s.DegitLitColor, 0x333333u);
    EXPECT_EQ(s.InfoOrderUse, 1);
    EXPECT_EQ(s.InfoOrderPos, 23);
    EXPECT_EQ(s.InfoOrderFromZero, 1);
    EXPECT_EQ(s.InfoSeiriNumUse, 1);
    EXPECT_EQ(s.InfoSeiriNumPos, 5);
    EXPECT_EQ(s.InfoKeitouUse, 0);
    EXPECT_EQ(s.InfoKeitouPos, -1);
    EXPECT_EQ(s.InfoColumnUse, 1);
    EXPECT_EQ(s.InfoColumnNo, 149);
    EXPECT_EQ(s.InfoColumnPos, 7);
    EXPECT_EQ(s.ChimeiBackColor, 0x444444u);
    EXPECT_EQ(s.ChimeiForeColor, 0x555555u);
    EXPECT_EQ(s.ChimeiFontMode, 4);
    EXPECT_EQ(s.ChimeiFontBold, 1);
    EXPECT_EQ(s.TsugiwaMode, 2);
    EXPECT_EQ(s.TsugiwaColor, 0x666666u);
    EXPECT_EQ(s.TsugiwaFontMode, 3);
    EXPECT_EQ(s.TsugiwaBold, 1);
    EXPECT_EQ(s.SoundKeitouSet, QStringLiteral("k.wav"));
    EXPECT_EQ(s.SoundReset, QStringLiteral("r.wav"));
    EXPECT_FALSE(s.SoundMoveAlways);
    EXPECT_TRUE(s.SoundMoveByColumn);
    EXPECT_TRUE(s.SoundMoveSync);
    EXPECT_FALSE(s.SoundMoveAsync);
    EXPECT_EQ(s.SoundMoveFile, QStringLiteral("m.wav"));
    EXPECT_EQ(s.SoundMoveColumn, 42);
    EXPECT_EQ(s.SoundMove1, QStringLiteral("m1.wav"));
    EXPECT_EQ(s.SoundMove2, QStringLiteral("m2.mid"));
    EXPECT_EQ(s.SoundMove3, QStringLiteral("m3.wav"));
    EXPECT_FALSE(s.SoundPreAlways);
    EXPECT_TRUE(s.SoundPreByFlag);
    EXPECT_FALSE(s.SoundPreSync);
    EXPECT_TRUE(s.SoundPreAsync);
    EXPECT_EQ(s.SoundPreFile, QStringLiteral("p.wav"));
    EXPECT_EQ(s.SoundPre1, QStringLiteral("p1.wav"));
    EXPECT_EQ(s.SoundPre2, QStringLiteral("p2.wav"));
    EXPECT_EQ(s.SoundPre3, QStringLiteral("p3.wav"));
    EXPECT_EQ(s.UseSeiriPrev, 1);
    EXPECT_EQ(s.SeiriPlgFile, QStringLiteral("駅前.4SP"));
    EXPECT_FALSE(s.SeiriDateAuto);
    EXPECT_FALSE(s.SeiriDateHold);
    EXPECT_TRUE(s.SeiriDateFixed);
    EXPECT_EQ(s.SeiriDateValue, QStringLiteral("2025/03/07"));
    EXPECT_EQ(f.ctrl, (CtrlDataInfo{1, 1500, 2500, 0, 1, -300, 123456}));
    EXPECT_EQ(f.form, (FormInfo{70000, -15}));
    for (int i = 0; i < 17; ++i)
        EXPECT_EQ(s.CustomColors[i], OleColor(0x0A0000 + i)) << i;
    for (int i = 0; i < 24; ++i)
        EXPECT_EQ(f.digits[i],
                  (DegitUserInfo{qint16(i % 4), qint16((i + 1) % 4), qint16((i + 2) % 5)}))
            << i;
    // The writer gives back the same bytes.
    EXPECT_EQ(In4Format::write(f), HandBuiltIn4::file());
}

TEST(In4Format, DigitCountIsIgnoredAndTrailingBytesToo) {
    QByteArray bytes = HandBuiltIn4::file();
    const qsizetype countAt = bytes.size() - 24 * 6 - 2;
    bytes[countAt] = 3; // a count of 3 still gives 24 entries
    bytes += QByteArray(100, '\xEE');
    const In4File f = In4Format::read(bytes);
    EXPECT_EQ(f.DigitCount, 3);
    EXPECT_EQ(f.digits[23], (DegitUserInfo{3, 0, 0}));
    EXPECT_EQ(In4Format::write(f), HandBuiltIn4::file()); // written back as 24
}

TEST(In4Format, ACutFileIsAnInputPastEndErrorAtEveryOffset) {
    const QByteArray whole = HandBuiltIn4::file();
    for (qsizetype n = 0; n < whole.size(); ++n)
        ASSERT_EQ(readError(whole.left(n)), K41Error::InputPastEnd) << "cut at " << n;
    QString description;
    readError(whole.left(whole.size() - 1), &description);
    EXPECT_TRUE(description.contains(QStringLiteral("DegitUserInfo(24).FillZero")))
        << description.toStdString();
    readError(QByteArray(), &description);
    EXPECT_TRUE(description.contains(QStringLiteral("FareDataDir"))) << description.toStdString();
}

TEST(In4Format, ATextLongerThanTheFileIsAnErrorNamingTheField) {
    QByteArray bytes = HandBuiltIn4::file();
    bytes[0] = '\xFF';
    bytes[1] = '\xFF'; // 65535 bytes of FareDataDir
    QString description;
    EXPECT_EQ(readError(bytes, &description), K41Error::InputPastEnd);
    EXPECT_TRUE(description.contains(QStringLiteral("FareDataDir"))) << description.toStdString();
}

TEST(In4Format, RandomBytesGiveAFileOrAnInputPastEndError) {
    QRandomGenerator rng(4141);
    for (int round = 0; round < 2000; ++round) {
        QByteArray bytes(rng.bounded(0, 1200), Qt::Uninitialized);
        for (char& c : bytes)
            c = char(rng.bounded(256));
        // Short texts make a complete read likely in some rounds.
        if (round % 2)
            for (qsizetype i = 1; i < bytes.size(); i += 2)
                bytes[i] = 0;
        const int error = readError(bytes);
        ASSERT_TRUE(error == 0 || error == K41Error::InputPastEnd) << error;
    }
}

TEST(In4Format, ATextTooLongForItsCountIsRefusedOnWrite) {
    In4File f;
    f.options.SoundPre1 = QString(65536, QLatin1Char('a'));
    try {
        In4Format::write(f);
        FAIL() << "no error";
    } catch (const K41Error& e) {
        EXPECT_EQ(e.number(), K41Error::Overflow);
        EXPECT_TRUE(e.description().contains(QStringLiteral("SoundPre1")));
    }
    f.options.SoundPre1 = QString(65535, QLatin1Char('a'));
    EXPECT_EQ(In4Format::read(In4Format::write(f)).options.SoundPre1.size(), 65535);
}
