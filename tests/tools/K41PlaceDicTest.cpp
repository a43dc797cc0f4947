// k41placedic: the place list it writes from SKK's dictionaries and, when given, the
// proper-name dictionary and the dictionary of words.
#include <QFile>
#include <QProcess>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void writeEucJp(const QString& path, const QString& text) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    QStringEncoder euc("EUC-JP");
    f.write(euc(text));
}

// The names and readings of the list written from `args`, "name=reading" in order.
QStringList placeList(const QTemporaryDir& dir, const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(K41PLACEDIC_PATH),
            QStringList{dir.filePath("places.csv"), dir.filePath("towns.tsv"),
                        QStringLiteral(K41_IPADIC)} +
                args);
    p.waitForFinished(120000);
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    QFile csv(dir.filePath("places.csv"));
    if (!csv.open(QIODevice::ReadOnly)) return {};
    QStringList out;
    for (const QString& line : QString::fromUtf8(csv.readAll()).split(u'\n', Qt::SkipEmptyParts)) {
        const QStringList f = line.split(u',');
        out += f.value(0) + u'=' + f.value(11);
    }
    return out;
}

} // namespace

TEST(K41PlaceDic, AddsTheOtherDictionariesNamesAndPrefersSurnameReadings) {
    QTemporaryDir dir;
    const QString skk = dir.filePath("geo"), names = dir.filePath("names");
    writeEucJp(skk, QStringLiteral(";; okuri-nasi entries.\n"
                                   "さぎお /鷺尾/\n"
                                   "ろび /鷺尾/\n"
                                   "はとのせ /鳩野瀬/\n"));
    writeEucJp(names, QStringLiteral("鷺尾 [ろび] /(p,s) Robi/\n"
                                     "鷺尾 [さぎのお] /(p) Saginoo/\n"
                                     "雉子ヶ峰 [きぎすがみね] /(p) Kigisugamine/\n"
                                     "雉子ヶ沢 [きぎすがさわ] /(s) Kigisugasawa/\n"));
    EXPECT_EQ(placeList(dir, {skk}), (QStringList{"鳩野瀬=ハトノセ", "鷺尾=サギオ"}));
    EXPECT_EQ(placeList(dir, {"--names", names, skk}),
              (QStringList{"雉子ヶ峰=キギスガミネ", "鳩野瀬=ハトノセ", "鷺尾=ロビ"}));
    // The dictionary of words gives the facilities.
    const QString words = dir.filePath("words");
    writeEucJp(words, QStringLiteral("鳩会所 [はとかいじょ] /(n) dovecote hall/\n"));
    EXPECT_EQ(placeList(dir, {"--words", words, skk}),
              (QStringList{"鳩会所=ハトカイジョ", "鳩野瀬=ハトノセ", "鷺尾=サギオ"}));
}
