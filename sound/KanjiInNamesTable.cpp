#include "sound/KanjiInNames.h"

#include "sound/KanaText.h"

#include <QStringList>
#include <algorithm>

namespace KanjiInNames {

namespace {
constexpr char16_t Marks[] = u"FIL";
} // namespace

Table parse(QStringView text) {
    Table out;
    for (QStringView line : text.split(u'\n')) {
        const QList<QStringView> f = line.split(u'\t');
        if (f.size() != 4 || !KanaText::allKanji(f[0]) || f[1].size() != 1) continue;
        const qsizetype position = QStringView(Marks).indexOf(f[1].front());
        bool ok = false;
        const int names = f[3].toInt(&ok);
        if (position < 0 || position > Last || !ok || names <= 0 || f[2].isEmpty()) continue;
        out[f[0].toString()][size_t(position)].append({f[2].toString(), names});
    }
    for (auto& positions : out)
        for (QList<Count>& counts : positions)
            std::stable_sort(counts.begin(), counts.end(),
                             [](const Count& a, const Count& b) { return a.names > b.names; });
    return out;
}

QString format(const Table& table) {
    QStringList keys = table.keys();
    std::sort(keys.begin(), keys.end());
    QString out;
    for (const QString& k : keys) {
        const auto& positions = *table.constFind(k);
        for (size_t p = 0; p < 3; ++p)
            for (const Count& c : positions[p])
                out += k + u'\t' + QChar(Marks[p]) + u'\t' + c.reading + u'\t' +
                       QString::number(c.names) + u'\n';
    }
    return out;
}

} // namespace KanjiInNames
