// k41placedic: the place lists it writes from SKK's dictionaries and, when given, the
// proper-name dictionary and the dictionary of words.
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <mecab.h>

namespace {

void writeEucJp(const QString& path, const QString& text) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    QStringEncoder euc("EUC-JP");
    f.write(euc(text));
}

// The names and readings of the lists written from `args`, "name=reading" in order: the SKK
// dictionaries' list, then after "|" the other dictionaries' list.
QStringList placeLists(const QTemporaryDir& dir, const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(K41PLACEDIC_PATH),
            QStringList{dir.filePath("places.csv"), dir.filePath("names.csv"),
                        dir.filePath("towns.tsv"), QStringLiteral(K41_IPADIC)} +
                args);
    p.waitForFinished(120000);
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    QStringList out;
    for (const char* name : {"places.csv", "names.csv"}) {
        if (!out.isEmpty()) out += "|";
        QFile csv(dir.filePath(name));
        if (!csv.open(QIODevice::ReadOnly)) return {};
        for (const QString& line :
             QString::fromUtf8(csv.readAll()).split(u'\n', Qt::SkipEmptyParts)) {
            const QStringList f = line.split(u',');
            out += f.value(0) + u'=' + f.value(11);
        }
    }
    return out;
}

// MeCab's words for `text` with the IPA dictionary and the user dictionary `dic`,
// "surface=reading" each.
QStringList words(const QString& dic, const QString& text) {
    const QByteArray user = dic.toLocal8Bit();
    const char* args[] = {"mecab", "-r", "/dev/null", "-d", K41_IPADIC, "-u", user.constData()};
    mecab_t* tagger = mecab_new(7, const_cast<char**>(args));
    if (!tagger) return {};
    const QByteArray utf8 = text.toUtf8();
    QStringList out;
    for (const mecab_node_t* n =
             mecab_sparse_tonode2(tagger, utf8.constData(), size_t(utf8.size()));
         n; n = n->next)
        if (n->stat == MECAB_NOR_NODE || n->stat == MECAB_UNK_NODE)
            out += QString::fromUtf8(n->surface, int(n->length)) + u'=' +
                   QString::fromUtf8(n->feature).split(u',').value(7);
    mecab_destroy(tagger);
    return out;
}

} // namespace

// Each source's names go to a list of their own: the SKK dictionaries' to one, the others'
// (another licence) to the other. The proper-name dictionary still picks among SKK's readings.
TEST(K41PlaceDic, KeepsTheOtherDictionariesNamesApartAndPrefersSurnameReadings) {
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
    EXPECT_EQ(placeLists(dir, {skk}), (QStringList{"鳩野瀬=ハトノセ", "鷺尾=サギオ", "|"}));
    EXPECT_EQ(placeLists(dir, {"--names", names, skk}),
              (QStringList{"鳩野瀬=ハトノセ", "鷺尾=ロビ", "|", "雉子ヶ峰=キギスガミネ"}));
    // The dictionary of words gives the facilities.
    const QString words = dir.filePath("words");
    writeEucJp(words, QStringLiteral("鳩会所 [はとかいじょ] /(n) dovecote hall/\n"));
    EXPECT_EQ(placeLists(dir, {"--words", words, skk}),
              (QStringList{"鳩野瀬=ハトノセ", "鷺尾=サギオ", "|", "鳩会所=ハトカイジョ"}));
}

// A name that is also one of the general dictionary's commonest plain nouns, read otherwise,
// would shadow that word in every name (消防本部 ショウボウモトベ): it is left out. A rarer word
// (大木), a longer name (本部前) and a name read as the word (都内) stay.
TEST(K41PlaceDic, LeavesOutNamesThatShadowTheCommonestWords) {
    QTemporaryDir dir;
    const QString skk = dir.filePath("geo");
    writeEucJp(skk, QStringLiteral(";; okuri-nasi entries.\n"
                                   "もとべ /本部/\n"
                                   "もとべまえ /本部前/\n"
                                   "おおき /大木/\n"
                                   "とない /都内/\n"));
    EXPECT_EQ(placeLists(dir, {skk}),
              (QStringList{"大木=オオキ", "本部前=モトベマエ", "都内=トナイ", "|"}));
}

// Costed against the IPA dictionary alone, a listed name is no cheaper than its listed first
// part and the suffix 町 after it, and MeCab reads the parts (鳩巣 and 町 マチ). Costed against
// the compiled lists as well, the whole name wins.
TEST(K41PlaceDic, MakesAWholeNameCheaperThanItsListedParts) {
    const QString index = QStringLiteral(MECAB_DICT_INDEX),
                  sources = QStringLiteral(K41_IPADIC_SOURCE);
    if (!QFileInfo(index).isExecutable() || !QFileInfo(sources + "/left-id.def").isFile())
        GTEST_SKIP() << "needs mecab-utils and mecab-ipadic";
    QTemporaryDir dir;
    const QString skk = dir.filePath("geo"), dic = dir.filePath("places.dic");
    writeEucJp(skk, QStringLiteral(";; okuri-nasi entries.\n"
                                   "はとす /鳩巣/\n"
                                   "はとすちょう /鳩巣町/\n"));
    const auto readWith = [&](const QStringList& args) {
        placeLists(dir, args);
        QProcess p;
        p.start(index, {"-d", sources, "-u", dic, "-f", "utf-8", "-t", "utf-8",
                        dir.filePath("places.csv")});
        EXPECT_TRUE(p.waitForFinished(60000) && p.exitCode() == 0);
        return words(dic, QStringLiteral("鳩巣町"));
    };
    EXPECT_EQ(readWith({skk}), (QStringList{"鳩巣=ハトス", "町=マチ"}));
    EXPECT_EQ(readWith({"--index", index, "--sources", sources, skk}),
              (QStringList{"鳩巣町=ハトスチョウ"}));
}

// The table of joins counts, over lists of names and readings, how a closing kanji's native
// word sounds after the character before it and after the sound of the part before it. A join
// after a particle, a word that already holds a voiced sound and a name whose last two
// characters are a listed name are not counted; rows of fewer than three names are left out.
TEST(K41PlaceDic, CountsHowListedNamesVoiceAClosingWord) {
    if (!QFileInfo(QStringLiteral("/usr/share/edict/kanjidic")).isFile())
        GTEST_SKIP() << "needs KANJIDIC for the kanji's native readings";
    QTemporaryDir dir;
    const QString csv = dir.filePath("places.csv"), joins = dir.filePath("joins.tsv");
    QFile f(csv);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    const auto row = [&](const char* name, const char* reading) {
        f.write(QByteArray(name) + ",1,1,5000,名詞,固有名詞,地域,一般,*,*," + name + ',' + reading +
                ',' + reading + ",地名表\n");
    };
    row("雁鳩沢", "ガンハトザワ");
    row("鷺鳩沢", "サギハトザワ");
    row("鴨鳩沢", "カモハトザワ");
    row("鳩ノ沢", "ハトノサワ");
    row("鳩鏡", "ハトカガミ");
    row("鴨鏡", "カモカガミ");
    row("鵐鏡", "シトドカガミ");
    row("鳶橋", "トビハシ");
    row("雁鳶橋", "ガントビバシ");
    row("鳩鳶橋", "ハトトビバシ");
    row("鴨鳶橋", "カモトビバシ");
    f.close();
    QProcess p;
    p.start(QStringLiteral(K41PLACEDIC_PATH), {"--joins", joins, csv});
    p.waitForFinished(60000);
    ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    QFile out(joins);
    ASSERT_TRUE(out.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(out.readAll()), QStringLiteral("沢\tサワ\t*オ2\t3\t0\n"
                                                               "沢\tサワ\t鳩\t3\t0\n"));
}
