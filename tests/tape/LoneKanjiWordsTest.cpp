// Single kanji that the dictionary cut out of a name it does not know, read as names say them,
// not as the words it knows alone.
#include "sound/LoneKanjiWords.h"
#include "sound/Pronouncer.h"

#include <gtest/gtest.h>

namespace {

Pronouncer& pronouncer() {
    static std::unique_ptr<Pronouncer> p = Pronouncer::open(Pronouncer::defaultDictionaryDirs());
    return *p;
}

ReadWord word(const char* surface, const char* kana, const char* pos1 = "一般") {
    ReadWord w;
    w.surface = QString::fromUtf8(surface);
    w.pos = QStringLiteral("名詞");
    w.pos1 = QString::fromUtf8(pos1);
    w.pronunciation = QString::fromUtf8(kana);
    w.known = true;
    return w;
}

// A made-up dictionary: it knows no word of two kanji; 文 and 鷺 read ブン and ロ in Chinese
// style, 華 カ and ハナ, 鳩 キュウ and ハト.
const LoneKanjiWords::Knowledge knows{[](const QString&) { return QStringList(); },
                                      [](QStringView k) {
                                          if (k == u"文")
                                              return QStringList{QStringLiteral("ブン")};
                                          if (k == u"華") return QStringList{QStringLiteral("カ")};
                                          if (k == u"鳩")
                                              return QStringList{QStringLiteral("キュウ")};
                                          return QStringList();
                                      },
                                      [](QStringView k) {
                                          if (k == u"華")
                                              return QStringList{QStringLiteral("ハナ")};
                                          if (k == u"鳩")
                                              return QStringList{QStringLiteral("ハト")};
                                          return QStringList();
                                      }};

QString read(ReadWords words) {
    LoneKanjiWords::apply(words, knows);
    QString out;
    for (const ReadWord& w : words)
        out += w.pronunciation + u'|';
    return out;
}

} // namespace

TEST(LoneKanjiWords, TheSunAndTheInletOfANameAreNative) {
    EXPECT_EQ(read({word("日", "ニチ", "固有名詞"), word("ノ", "ノ"), word("鷺", "サギ")}),
              QStringLiteral("ヒ|ノ|サギ|"));
    EXPECT_EQ(read({word("日", "ニチ", "固有名詞"), word("の", "ノ")}), QStringLiteral("ヒ|ノ|"));
    // A day after a number, a 日 before anything else, and a reading the user gave stay.
    EXPECT_EQ(read({word("三", "サン", "数"), word("日", "ニチ"), word("ノ", "ノ")}),
              QStringLiteral("サン|ニチ|ノ|"));
    EXPECT_EQ(read({word("日", "ニチ", "固有名詞"), word("鷺", "サギ")}),
              QStringLiteral("ニチ|サギ|"));
    ReadWords fixed = {word("日", "ニチ"), word("ノ", "ノ")};
    fixed[0].fixed = true;
    EXPECT_EQ(read(fixed), QStringLiteral("ニチ|ノ|"));

    EXPECT_EQ(read({word("鷺", "サギ"), word("江", "コー", "固有名詞")}),
              QStringLiteral("サギ|エ|"));
    EXPECT_EQ(read({word("江", "コウ", "固有名詞"), word("鷺", "サギ")}),
              QStringLiteral("エ|サギ|"));
    // The family name with a title after it.
    ReadWord title = word("様", "サマ", "接尾");
    title.pos2 = QStringLiteral("人名");
    EXPECT_EQ(read({word("江", "コウ", "固有名詞"), title}), QStringLiteral("コウ|サマ|"));
}

TEST(Pronouncer, ReadsTheSunAndTheInletOfAName) {
    ASSERT_TRUE(Pronouncer::open(Pronouncer::defaultDictionaryDirs())) << "mecab-ipadic-utf8";
    Pronouncer& p = pronouncer();
    EXPECT_EQ(p.toKana(QStringLiteral("日ノ鷺前")), QStringLiteral("ヒノサギマエ"));
    EXPECT_EQ(p.toKana(QStringLiteral("次は日ノ鷺です")), QStringLiteral("ツギワヒノサギデス"));
    EXPECT_EQ(p.toKana(QStringLiteral("三日ノ鷺")), QStringLiteral("ミッカノサギ"));
    EXPECT_EQ(p.toKana(QStringLiteral("鷺江前")), QStringLiteral("サギエマエ"));
    EXPECT_EQ(p.toKana(QStringLiteral("江鳩前")), QStringLiteral("エハトマエ"));
    EXPECT_EQ(p.toKana(QStringLiteral("江さん")), QStringLiteral("コーサン"));
}
