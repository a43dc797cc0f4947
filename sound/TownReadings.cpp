#include "sound/TownReadings.h"

#include <QStringList>
#include <algorithm>

namespace TownReadings {

namespace {

const QString Machi = QStringLiteral("マチ");
const QString Chou = QStringLiteral("チョウ");

// How often `reading` says チョウ and how often マチ, not counting the マチ that opens a チョ
// (ハマチョウ holds チョウ, not マチ).
std::pair<int, int> saysTown(const QString& reading) {
    int chou = 0, machi = 0;
    for (qsizetype i = reading.indexOf(Chou); i >= 0; i = reading.indexOf(Chou, i + 1))
        ++chou;
    for (qsizetype i = reading.indexOf(Machi); i >= 0; i = reading.indexOf(Machi, i + 1)) {
        const qsizetype next = i + Machi.size();
        if (next < reading.size() && QStringView(u"ャュョ").contains(reading[next])) continue;
        ++machi;
    }
    return {chou, machi};
}

struct Votes {
    int machi = 0;
    int chou = 0;
};

} // namespace

int minNames(qsizetype endingLength) {
    return endingLength == 1 ? 3 : endingLength == 2 ? 2 : 1;
}

std::optional<std::pair<QString, QString>> town(const QString& name, const QString& reading) {
    const qsizetype at = name.indexOf(u'町');
    if (at <= 0 || name.indexOf(u'町', at + 1) >= 0) return {};
    // A table's row is a line, its ending and reading split by a tab.
    if (name.contains(u'\t') || name.contains(u'\n') || name.contains(u'\r')) return {};
    const auto [chou, machi] = saysTown(reading);
    if (chou + machi != 1) return {};
    return std::pair{name.left(at), chou ? Chou : Machi};
}

Table count(const QList<std::pair<QString, QString>>& names) {
    QHash<QString, Votes> votes;
    for (const auto& [name, reading] : names) {
        const auto t = town(name, reading);
        if (!t) continue;
        const QString& before = t->first;
        for (qsizetype n = 0; n <= std::min<qsizetype>(MaxEnding, before.size()); ++n) {
            // An ending opens on a whole character, never on the second half of a pair.
            if (n > 0 && before[before.size() - n].isLowSurrogate()) continue;
            Votes& v = votes[before.right(n)];
            (t->second == Machi ? v.machi : v.chou)++;
        }
    }
    QStringList endings = votes.keys();
    // Shorter endings first, so that a longer one is kept only where it says otherwise than
    // the table says of it without it.
    std::sort(endings.begin(), endings.end(), [](const QString& a, const QString& b) {
        return a.size() != b.size() ? a.size() < b.size() : a < b;
    });
    Table out;
    for (const QString& e : endings) {
        const Votes v = votes.value(e);
        if (v.machi == v.chou) continue;
        if (v.machi + v.chou < minNames(e.size())) continue;
        const QString said = v.machi > v.chou ? Machi : Chou;
        if (e.isEmpty() || reading(out, QStringView(e).mid(1)) != said) out.insert(e, said);
    }
    return out;
}

QString reading(const Table& table, QStringView before) {
    for (qsizetype n = std::min<qsizetype>(MaxEnding, before.size()); n >= 0; --n) {
        const auto it = table.constFind(before.right(n).toString());
        if (it != table.constEnd()) return it.value();
    }
    return {};
}

QString format(const Table& table) {
    QStringList endings = table.keys();
    std::sort(endings.begin(), endings.end());
    QString out;
    for (const QString& e : endings)
        out += e + u'\t' + table.value(e) + u'\n';
    return out;
}

Table parse(QStringView text) {
    Table out;
    for (QStringView line : text.split(u'\n')) {
        if (line.endsWith(u'\r')) line.chop(1);
        const qsizetype tab = line.indexOf(u'\t');
        if (tab < 0 || tab > MaxEnding || line.left(tab).contains(u'\r')) continue;
        const QStringView said = line.mid(tab + 1);
        if (said == Machi || said == Chou) out.insert(line.left(tab).toString(), said.toString());
    }
    return out;
}

} // namespace TownReadings
