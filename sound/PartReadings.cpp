#include "sound/PartReadings.h"

#include "sound/JoinVoicing.h"
#include "sound/KanaText.h"

#include <QStringList>
#include <algorithm>

namespace PartReadings {

namespace {

// A reading of the table: katakana and the long vowel mark only.
bool isReading(QStringView s) {
    return !s.isEmpty() && std::all_of(s.begin(), s.end(), [](QChar c) {
        return KanaText::isKatakana(c) || c == u'ー';
    });
}

void formatRows(const QHash<QString, QString>& rows, char16_t mark, QStringList& out) {
    for (auto it = rows.cbegin(); it != rows.cend(); ++it)
        out.append(it.key() + u'\t' + QChar(mark) + u'\t' + it.value());
}

// Whether `a` and `b` say the same kana but for voiced and plain ones (ヤマサキ ヤマザキ), a long
// vowel marked or written out alike.
bool differInVoicingAlone(const QString& a, const QString& b) {
    const QString x = KanaText::spelledOut(a), y = KanaText::spelledOut(b);
    if (x.size() != y.size()) return false;
    for (qsizetype i = 0; i < x.size(); ++i)
        if (x[i] != y[i] && KanaText::voiced(x[i]) != y[i] && KanaText::voiced(y[i]) != x[i])
            return false;
    return true;
}

void readAs(ReadWord& w, const QHash<QString, QString>& rows, bool afterParticle = false) {
    if (w.fixed || w.pronunciation.isEmpty()) return;
    const auto found = rows.constFind(w.surface);
    if (found == rows.constEnd()) return;
    // After a particle (鷺の|小屋) the word is no second part of a compound: the voicing the
    // names give its first kana behind other words is not its own there.
    if (afterParticle && found->front() != w.pronunciation.front() &&
        differInVoicingAlone(w.pronunciation, *found))
        return;
    // A word no list holds, which the dictionary reads as a word of its own, keeps its kana;
    // only where the longer names voice it otherwise (御蔵 オグラ, in longer names オクラ) does
    // it take their voicing.
    if (w.listed || differInVoicingAlone(w.pronunciation, *found)) w.pronunciation = *found;
}

} // namespace

QString format(const Table& table) {
    QStringList lines;
    formatRows(table.opening, u'F', lines);
    formatRows(table.closing, u'L', lines);
    // In order, so that the same lists write the same file.
    std::sort(lines.begin(), lines.end());
    return lines.isEmpty() ? QString() : lines.join(u'\n') + u'\n';
}

Table parse(QStringView text) {
    Table out;
    for (QStringView line : text.split(u'\n')) {
        if (line.endsWith(u'\r')) line.chop(1);
        const QList<QStringView> f = line.split(u'\t');
        if (f.size() != 3 || f[0].size() < 2 || !KanaText::hasKanji(f[0]) || !isReading(f[2]))
            continue;
        if (f[1] == u"F")
            out.opening.insert(f[0].toString(), f[2].toString());
        else if (f[1] == u"L")
            out.closing.insert(f[0].toString(), f[2].toString());
    }
    return out;
}

void apply(ReadWords& words, const Table& table) {
    if (words.size() < 2) return;
    readAs(words.front(), table.opening);
    const QString& before = words[words.size() - 2].surface;
    readAs(words.back(), table.closing,
           !before.isEmpty() && JoinVoicing::closesWithParticle(before.back()));
}

} // namespace PartReadings
