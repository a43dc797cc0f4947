#include "sound/JoinVoicing.h"

#include "sound/KanaText.h"

#include <algorithm>
#include <limits>

namespace JoinVoicing {

namespace {

// A join is decided by the part's last character where names with it and the word are at
// least this many and this one-sided; else by the part's sound, with more names, and the
// kanji's names over every part likewise.
constexpr int PairAtLeast = 3;
constexpr double PairShare = 0.7;
constexpr int SoundAtLeast = 10;
constexpr double SoundShare = 0.7;

QString key(const QString& kanji, const QString& reading, const QString& context) {
    return kanji + u'\t' + reading + u'\t' + context;
}

// Whether the counts lean to one side by at least `share` of `atLeast` names or more: 1 for
// voiced, 0 for plain, -1 for neither.
int leaning(const Counts& c, int atLeast, double share) {
    const qint64 n = qint64(c.voiced) + c.plain;
    if (n < atLeast) return -1;
    if (c.voiced >= share * n) return 1;
    if (c.plain >= share * n) return 0;
    return -1;
}

// The closing kanji of a name's last word where that word is longer than one character and no
// list holds it: the dictionary reads such a word (柴川 シバカワ) as it reads it alone, but
// behind other words (赤+柴川) it is only the end of a longer name, and its closing kanji is
// voiced as the longer listed names that close with the same character and kanji voice it.
// Only that character decides here: the sound of the part before is the whole name's, which
// the word's own reading says nothing of. The longest of the kanji's counted readings that the
// word closes with, plain or voiced, is the one taken.
void voiceInsideClosingWord(ReadWord& w, const Table& table) {
    const QString& s = w.surface;
    if (w.fixed || w.listed || s.size() < 2 || !KanaText::isKanji(s.back()) ||
        closesWithParticle(s[s.size() - 2]) || s.back() == u'橋')
        return;
    QStringList readings = table.readings.value(QString(s.back()));
    std::stable_sort(readings.begin(), readings.end(),
                     [](const QString& a, const QString& b) { return a.size() > b.size(); });
    for (const QString& reading : readings) {
        const QChar voicedFirst = KanaText::voiced(reading.front());
        const qsizetype at = w.pronunciation.size() - reading.size();
        if (voicedFirst.isNull() || at <= 0 || !w.pronunciation.endsWith(reading.mid(1)) ||
            (w.pronunciation[at] != reading.front() && w.pronunciation[at] != voicedFirst))
            continue;
        const int side = leaning(table.at(QString(s.back()), reading, closingPair(s[s.size() - 2])),
                                 PairAtLeast, PairShare);
        if (side >= 0) w.pronunciation[at] = side == 1 ? voicedFirst : reading.front();
        return;
    }
}

} // namespace

void Table::add(const QString& kanji, const QString& reading, const QString& context, bool voiced,
                int times) {
    Counts& c = counts[key(kanji, reading, context)];
    // A table's rows may repeat a key; the sum stops at the largest count rather than wrapping.
    int& n = voiced ? c.voiced : c.plain;
    n = int(std::min<qint64>(std::numeric_limits<int>::max(), qint64(n) + times));
    QStringList& known = readings[kanji];
    if (!known.contains(reading)) known.append(reading);
}

Counts Table::at(const QString& kanji, const QString& reading, const QString& context) const {
    return counts.value(key(kanji, reading, context));
}

QString soundClass(QStringView part, QStringView reading) {
    QString out(u'*');
    const QChar last = reading.isEmpty() ? QChar() : reading.back();
    const QChar before =
        reading.size() >= 2 ? KanaText::vowelOf(reading[reading.size() - 2]) : QChar();
    // A long vowel: marked, or a vowel after its own row, ウ after the O row, イ after the E row.
    const bool lengthens = QStringView(u"アイウエオ").contains(last) && !before.isNull() &&
                           (last == before || (last == u'ウ' && before == u'オ') ||
                            (last == u'イ' && before == u'エ'));
    if (last == u'ン' || last == u'ッ' || last == u'ー' || lengthens)
        out += lengthens ? QChar(u'ー') : last;
    else if (const QChar v = KanaText::vowelOf(last); !v.isNull())
        out += v;
    else
        out += u'?';
    out += part.size() == 1 ? u'1' : u'2';
    return out;
}

QString anyPart() {
    return QStringLiteral("*");
}

QString closingPair(QChar before) {
    return QStringLiteral("+") + before;
}

bool closesWithParticle(QChar last) {
    return QStringView(u"のノヶケがガ之ツつ").contains(last);
}

QString unvoiced(const QString& reading) {
    if (reading.isEmpty()) return reading;
    static const QString plain = QStringLiteral("カキクケコサシスセソタチツテトハヒフヘホ");
    for (QChar p : plain)
        if (KanaText::voiced(p) == reading.front()) return p + reading.mid(1);
    return reading;
}

QString format(const Table& table) {
    QStringList keys = table.counts.keys();
    keys.sort();
    QString out;
    for (const QString& k : keys) {
        const Counts c = table.counts.value(k);
        out += k + u'\t' + QString::number(c.voiced) + u'\t' + QString::number(c.plain) + u'\n';
    }
    return out;
}

Table parse(const QString& text) {
    Table table;
    for (QStringView line : QStringView(text).split(u'\n', Qt::SkipEmptyParts)) {
        const QList<QStringView> f = line.split(u'\t');
        if (f.size() != 5 || f[0].isEmpty() || f[1].isEmpty() || f[2].isEmpty()) continue;
        bool ok1 = false, ok2 = false;
        const int voiced = f[3].toInt(&ok1), plain = f[4].toInt(&ok2);
        if (!ok1 || !ok2 || voiced < 0 || plain < 0) continue;
        const QString kanji = f[0].toString(), reading = f[1].toString();
        table.add(kanji, reading, f[2].toString(), true, voiced);
        table.add(kanji, reading, f[2].toString(), false, plain);
    }
    return table;
}

void apply(ReadWords& words, const Table& table) {
    if (table.counts.isEmpty()) return;
    qsizetype partSize = words.empty() ? 0 : words[0].surface.size();
    for (size_t k = 1; k < words.size(); partSize += words[k].surface.size(), ++k) {
        ReadWord& w = words[k];
        const ReadWord& before = words[k - 1];
        if (w.fixed || w.listed || w.surface.size() != 1 || !KanaText::isKanji(w.surface[0]) ||
            w.pronunciation.isEmpty() || before.surface.isEmpty() || before.pronunciation.isEmpty())
            continue;
        const bool afterParticle = closesWithParticle(before.surface.back());
        // A bridge's 橋 is settled by the reader's own rule (voiced after a noun, plain in a
        // great bridge, 大橋), which splits words the lists hold whole.
        if (w.surface == QStringLiteral("橋")) continue;
        const QStringList readings = table.readings.value(w.surface);
        if (readings.isEmpty()) continue;
        const QString plain = unvoiced(w.pronunciation);
        const QString spelled = KanaText::spelledOut(plain);
        for (const QString& reading : readings) {
            if (plain != reading && spelled != reading) continue;
            int side = leaning(table.at(w.surface, reading, QString(before.surface.back())),
                               PairAtLeast, PairShare);
            if (side < 0 && afterParticle) break;
            // After a part of two characters or more, the longer names that close with the
            // same character and kanji come next, those closing with a listed name included.
            if (side < 0 && partSize >= 2)
                side = leaning(table.at(w.surface, reading, closingPair(before.surface.back())),
                               PairAtLeast, PairShare);
            if (side < 0)
                side = leaning(
                    table.at(w.surface, reading, soundClass(before.surface, before.pronunciation)),
                    SoundAtLeast, SoundShare);
            if (side < 0)
                side = leaning(table.at(w.surface, reading, anyPart()), SoundAtLeast, SoundShare);
            if (side == 1)
                w.pronunciation[0] = KanaText::voiced(plain.front());
            else if (side == 0)
                w.pronunciation[0] = plain.front();
            break;
        }
    }
    if (words.size() >= 2) voiceInsideClosingWord(words.back(), table);
}

} // namespace JoinVoicing
