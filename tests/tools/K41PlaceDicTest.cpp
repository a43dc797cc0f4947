// k41placedic: the place lists it writes from SKK's dictionaries and, when given, the
// proper-name dictionary and the dictionary of words.
#include <QFile>
#include <QFileInfo>
#include <QHash>
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

// A name the IPA dictionary splits into words joins its neighbours as a place noun (鷺池前,
// no person's name in it): a surname at its end (鷺 and the surname 山田) as well, but a given
// name there (鷺 and 太郎) keeps the first word's left id, as a person's name does.
TEST(K41PlaceDic, GivesANameEndingInASurnameThePlaceNounsIds) {
    const QString index = QStringLiteral(MECAB_DICT_INDEX),
                  sources = QStringLiteral(K41_IPADIC_SOURCE);
    if (!QFileInfo(index).isExecutable() || !QFileInfo(sources + "/left-id.def").isFile())
        GTEST_SKIP() << "needs mecab-utils and mecab-ipadic";
    QTemporaryDir dir;
    const QString skk = dir.filePath("geo");
    writeEucJp(skk, QStringLiteral(";; okuri-nasi entries.\n"
                                   "さぎいけまえ /鷺池前/\n"
                                   "さぎやまだ /鷺山田/\n"
                                   "さぎたろう /鷺太郎/\n"));
    placeLists(dir, {"--index", index, "--sources", sources, skk});
    QFile csv(dir.filePath("places.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    QHash<QString, QStringList> ids; // left and right id
    for (const QString& line : QString::fromUtf8(csv.readAll()).split(u'\n', Qt::SkipEmptyParts))
        ids[line.section(u',', 0, 0)] = line.split(u',').mid(1, 2);
    const QStringList place = ids.value("鷺池前");
    ASSERT_EQ(place.size(), 2);
    EXPECT_EQ(place[0], place[1]);
    EXPECT_EQ(ids.value("鷺山田"), place);
    ASSERT_EQ(ids.value("鷺太郎").size(), 2);
    EXPECT_NE(ids.value("鷺太郎")[0], place[0]);
    EXPECT_EQ(ids.value("鷺太郎")[1], place[1]);
}

namespace {

// The table `option` (--joins, --kanji-in-names) that k41placedic writes alone from a list
// of `rows` ("name,reading"), as lines.
QStringList tableFromList(const char* option, const QStringList& rows) {
    const QTemporaryDir dir;
    QFile csv(dir.filePath("list.csv"));
    if (!csv.open(QIODevice::WriteOnly)) return {};
    for (const QString& row : rows) {
        const QStringList f = row.split(u',');
        csv.write((f[0] + ",1,1,5000,名詞,固有名詞,地域,一般,*,*," + f[0] + u',' + f[1] + u',' +
                   f[1] + ",地名表\n")
                      .toUtf8());
    }
    csv.close();
    QProcess p;
    p.start(QStringLiteral(K41PLACEDIC_PATH),
            {QString::fromLatin1(option), dir.filePath("table.tsv"), dir.filePath("list.csv")});
    p.waitForFinished(120000);
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    QFile table(dir.filePath("table.tsv"));
    if (!table.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(table.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

} // namespace

// The table of joins counts, over lists of names and readings, how a closing kanji's native
// word sounds after the character before it, after the sound of the part before it and after
// any part (*); after a particle, by the particle alone. A word that already holds a voiced
// sound is not counted; a name whose last two characters are a listed name counts only as a
// longer name closing with them (+鳶); rows of fewer than three names are left out.
TEST(K41PlaceDic, CountsHowListedNamesVoiceAClosingWord) {
    if (!QFileInfo(QStringLiteral("/usr/share/edict/kanjidic")).isFile())
        GTEST_SKIP() << "needs KANJIDIC for the kanji's native readings";
    EXPECT_EQ(
        tableFromList("--joins",
                      {"雁鳩沢,ガンハトザワ", "鷺鳩沢,サギハトザワ", "鴨鳩沢,カモハトザワ",
                       "鳩ノ沢,ハトノサワ", "鳩鏡,ハトカガミ", "鴨鏡,カモカガミ",
                       "鵐鏡,シトドカガミ", "鳶橋,トビハシ", "雁鳶橋,ガントビバシ",
                       "鳩鳶橋,ハトトビバシ", "鴨鳶橋,カモトビバシ", "鷺淵,サギブチ",
                       "鴨淵,カモブチ", "雁淵,ガンフチ", "鴨ノ沢,カモノサワ", "雁ノ沢,ガンノサワ"}),
        (QStringList{"橋\tハシ\t+鳶\t3\t0", "沢\tサワ\t*\t3\t0", "沢\tサワ\t*オ2\t3\t0",
                     "沢\tサワ\t+鳩\t3\t0", "沢\tサワ\tノ\t0\t3", "沢\tサワ\t鳩\t3\t0",
                     "淵\tフチ\t*\t2\t1"}));
}

TEST(K41PlaceDic, CountsHowNamesReadEachKanjiByPosition) {
    // The kanji are aligned with the readings by KANJIDIC's readings.
    if (!QFileInfo::exists("/usr/share/edict/kanjidic")) GTEST_SKIP() << "no KANJIDIC";
    const QStringList table =
        tableFromList("--kanji-in-names", {"鷺沢,サギサワ", "鷺原,サギハラ", "北鷺,キタサギ",
                                           "北沢,キタザワ", "小沢,オザワ", "鷺の沢,サギノサワ",
                                           // Reads in no way its kanji do: counts for nothing.
                                           "沢原,ウソ"});
    EXPECT_TRUE(table.contains("鷺\tF\tサギ\t3")) << table.join(u' ').toStdString();
    EXPECT_TRUE(table.contains("鷺\tL\tサギ\t1"));
    // A later part is counted as the name voices it; the kana between parts is no kanji's.
    EXPECT_TRUE(table.contains("沢\tL\tザワ\t2"));
    EXPECT_TRUE(table.contains("沢\tL\tサワ\t2"));
    EXPECT_TRUE(table.contains("原\tL\tハラ\t1"));
    EXPECT_FALSE(table.join(u'\n').contains("ウ"));
    EXPECT_FALSE(table.join(u'\n').contains("の"));
}

// The table of parts counts how longer names read a listed name they open or close with, and
// keeps a reading other than the name's own where at least three longer names give it and
// three times as many as give the name's own.
TEST(K41PlaceDic, CountsHowLongerNamesReadAListedNameTheyOpenOrCloseWith) {
    const QStringList table = tableFromList(
        "--parts",
        {// The rest of each longer name is listed: the part is the reading before the rest's.
         "鳩鴨,ハトカモ", "雁原,ガンバラ", "雁沼,ガンヌマ", "雁谷,ガンヤ",
         "鳩鴨雁原,ツバクロガンバラ", "鳩鴨雁沼,ツバクロガンヌマ", "鳩鴨雁谷,ツバクロガンヤ",
         // Two names read otherwise are too few.
         "鷺鴨,サギカモ", "鷺鴨雁原,サギドリガンバラ", "鷺鴨雁沼,サギドリガンヌマ",
         // Five read otherwise, but two read as the name does alone: not three times as many.
         "雁田,ガンダ", "雁川,ガンカワ", "鶴鴨,ツルカモ", "鶴鴨雁原,カクオウガンバラ",
         "鶴鴨雁沼,カクオウガンヌマ", "鶴鴨雁谷,カクオウガンヤ", "鶴鴨雁田,カクオウガンダ",
         "鶴鴨雁川,カクオウガンカワ", "鶴鴨鷺沼,ツルカモサギヌマ", "鶴鴨鷺浜,ツルカモサギハマ",
         // Closing a longer name: the reading after the listed rest's.
         "鴫鴇,シギトキ", "雁原鴫鴇,ガンバラシトホウ", "雁沼鴫鴇,ガンヌマシトホウ",
         "雁谷鴫鴇,ガンヤシトホウ"});
    // The listed 雁原 and 雁沼 close longer names as they read alone, and the unlisted 鶴鴨雁
    // opens five by its characters' readings: rows for the dictionary's words of them.
    EXPECT_EQ(table, (QStringList{"雁原\tL\tガンバラ", "雁沼\tL\tガンヌマ", "鳩鴨\tF\tツバクロ",
                                  "鴫鴇\tL\tシトホウ", "鶴鴨雁\tF\tカクオウガン"}));
}

// Where the rest of a longer name is no listed name, the part is the one beginning (or end)
// of its reading that says the part's characters by their readings.
TEST(K41PlaceDic, CountsAPartByItsCharactersReadings) {
    if (!QFileInfo::exists("/usr/share/edict/kanjidic")) GTEST_SKIP() << "no KANJIDIC";
    const QStringList table = tableFromList(
        "--parts", {"台東,タイトウ", "鷺台東,サギダイヒガシ", "鳩台東,ハトダイヒガシ",
                    "鴨台東,カモダイヒガシ", "雁台東,ガンダイヒガシ",
                    // A reading that no beginning of says the part counts for nothing; nor
                    // one that two of its beginnings say (生 ナ or ナマ).
                    "台東鷺,ウソ", "台東鳩,ウソ", "台東鴨,ウソ", "鷺生,サギウ",
                    "鷺生原,サギナマハラ", "鷺生沢,サギナマサワ", "鷺生野,サギナマノ"});
    EXPECT_EQ(table, (QStringList{"台東\tL\tダイヒガシ"}));
}

// A part no list holds is counted by its characters' readings (a closing one's first kanji also
// voiced), and kept where at least three longer names give one reading and three times as many
// as give the next; a listed name's own reading is kept too where longer names clearly give it,
// for the dictionary's word of the same characters.
TEST(K41PlaceDic, CountsHowLongerNamesReadAPartNoListHolds) {
    if (!QFileInfo::exists("/usr/share/edict/kanjidic")) GTEST_SKIP() << "no KANJIDIC";
    const QStringList table = tableFromList(
        "--parts",
        {// Three voice the unlisted 鴇鴫, one does not: three times as many.
         "鴇鴫町,トキジギチョウ", "鴇鴫沢,トキジギサワ", "鴇鴫原,トキジギハラ",
         "鴇鴫浜,トキシギハマ",
         // Three to two: not clear.
         "鵯鴫町,ヒヨドリジギチョウ", "鵯鴫沢,ヒヨドリジギサワ", "鵯鴫原,ヒヨドリジギハラ",
         "鵯鴫浜,ヒヨドリシギハマ", "鵯鴫野,ヒヨドリシギノ",
         // Listed, and read by longer names as it is alone.
         "鶫鴫,ツグミシギ", "鶫鴫町,ツグミシギチョウ", "鶫鴫沢,ツグミシギサワ",
         "鶫鴫原,ツグミシギハラ",
         // A closing part's first kanji read natively is voiced as a compound's second part;
         // read in Chinese style (天 テン) it is not.
         "鷺鴫田,サギジギタ", "鳩鴫田,ハトジギタ", "鴨鴫田,カモジギタ", "鷺天田,サギデンタ",
         "鳩天田,ハトデンタ", "鴨天田,カモデンタ"});
    EXPECT_EQ(table, (QStringList{"鴇鴫\tF\tトキジギ", "鴫田\tL\tジギタ", "鶫鴫\tF\tツグミシギ"}));
}
