#include "sound/PlaceNames.h"

#include "platform/core/Kana.h"
#include "sound/KanaText.h"

#include <QSet>
#include <QStringList>
#include <algorithm>

namespace PlaceNames {

namespace {

bool isReading(QStringView s) {
    if (s.isEmpty()) return false;
    for (QChar c : s)
        if (!((c >= u'\u3041' && c <= u'\u3096') || c == u'ー')) return false;
    return true;
}

// Kanji, kana, the iteration mark and the small ヶ; nothing that could break a CSV field.
bool isName(QStringView s) {
    bool kanji = false;
    for (QChar c : s) {
        if (KanaText::isKanji(c)) {
            kanji = true;
            continue;
        }
        const bool kana = (c >= u'\u3041' && c <= u'\u3096') ||
                          (c >= u'\u30A1' && c <= u'\u30FA') || c == u'ー' || c == u'々' ||
                          c == u'ヶ';
        if (!kana && !c.isSurrogate()) return false;
    }
    return kanji;
}

// A word's cost is a 16-bit number in MeCab's dictionary.
int clampedCost(qint64 cost) {
    return int(std::clamp(cost, qint64(-32768), qint64(32767)));
}

} // namespace

QString withSmallKe(QString text) {
    for (qsizetype i = 1; i + 1 < text.size(); ++i)
        if (text[i] == u'ケ' &&
            (KanaText::isKanji(text[i - 1]) || KanaText::isHiragana(text[i - 1])) &&
            KanaText::isKanji(text[i + 1]))
            text[i] = u'ヶ';
    return text;
}

QList<Entry> fromSkk(QStringView text) {
    QList<Entry> out;
    for (QStringView line : text.split(u'\n')) {
        if (line.endsWith(u'\r')) line.chop(1);
        if (line.isEmpty() || line.startsWith(u';')) continue;
        const qsizetype space = line.indexOf(u" /");
        if (space <= 0) continue;
        const QStringView headword = line.left(space);
        if (!isReading(headword)) continue;
        const QString reading = Kana::toKatakana(headword);
        for (QStringView candidate : line.mid(space + 2).split(u'/', Qt::SkipEmptyParts)) {
            const qsizetype semicolon = candidate.indexOf(u';');
            if (semicolon >= 0) candidate = candidate.left(semicolon);
            if (isName(candidate)) out.append({withSmallKe(candidate.toString()), reading});
        }
    }
    return out;
}

QList<Entry> fromEnamdict(QStringView text, const QStringList& kinds) {
    const auto isKana = [](QStringView s) {
        for (QChar c : s)
            if (!((c >= u'\u3041' && c <= u'\u3096') || (c >= u'\u30A1' && c <= u'\u30FA') ||
                  c == u'ー'))
                return false;
        return !s.isEmpty();
    };
    QList<Entry> out;
    for (QStringView line : text.split(u'\n')) {
        if (line.endsWith(u'\r')) line.chop(1);
        const qsizetype open = line.indexOf(u" ["), close = line.indexOf(u"] /");
        if (open <= 0 || close <= open) continue;
        const QStringView name = line.left(open), reading = line.mid(open + 2, close - open - 2);
        if (!isName(name) || !isKana(reading)) continue;
        // Each gloss may open with its kinds in brackets: "(p,s) Ueno".
        QStringList found;
        for (QStringView gloss : line.mid(close + 3).split(u'/')) {
            const qsizetype end = gloss.indexOf(u')');
            if (gloss.startsWith(u'(') && end > 0)
                for (QStringView kind : gloss.mid(1, end - 1).split(u','))
                    found.append(kind.toString());
        }
        if (std::all_of(kinds.begin(), kinds.end(),
                        [&](const QString& k) { return found.contains(k); }))
            out.append({withSmallKe(name.toString()), Kana::toKatakana(reading)});
    }
    return out;
}

QList<Entry> facilities(const QList<Entry>& nouns) {
    QHash<QString, QStringList> readings;
    for (const Entry& e : nouns)
        if (e.surface.size() >= 3 && e.surface.endsWith(u'所') &&
            !readings[e.surface].contains(e.reading))
            readings[e.surface].append(e.reading);
    QList<Entry> out;
    for (auto it = readings.constBegin(); it != readings.constEnd(); ++it)
        if (it->size() == 1) out.append({it.key(), it->front()});
    return out;
}

QList<Entry> newNames(const QList<Entry>& list, const QList<Entry>& more) {
    QSet<QString> known;
    for (const Entry& e : list)
        known.insert(e.surface);
    QList<Entry> out;
    for (const Entry& e : more)
        if (!known.contains(e.surface)) out.append(e);
    return out;
}

QList<Entry> particleTwins(const QList<Entry>& entries, const QList<Entry>& others) {
    // The particle の between kanji, as names spell it.
    static constexpr QStringView spellings = u"のノ之";
    QSet<QString> known;
    for (const QList<Entry>* list : {&entries, &others})
        for (const Entry& e : *list)
            known.insert(e.surface);
    QList<Entry> out;
    QSet<QString> added; // name and reading
    for (const Entry& e : entries) {
        const QString& s = e.surface;
        for (qsizetype i = 1; i + 1 < s.size(); ++i) {
            if (!KanaText::isKanji(s[i - 1]) || !KanaText::isKanji(s[i + 1]) ||
                !spellings.contains(s[i]))
                continue;
            for (QChar other : spellings) {
                if (other == s[i]) continue;
                QString twin = s;
                twin[i] = other;
                if (known.contains(twin) || added.contains(twin + u'\t' + e.reading)) continue;
                added.insert(twin + u'\t' + e.reading);
                out.append({twin, e.reading});
            }
        }
    }
    return out;
}

QList<Entry> choose(const QList<Entry>& entries,
                    const std::function<QString(const QString&)>& preferred,
                    const ReadingTest& oneStyle, const ReadingTest& alsoSurname) {
    QHash<QString, QStringList> readings;
    for (const Entry& e : entries) {
        QStringList& list = readings[e.surface];
        if (!list.contains(e.reading)) list.append(e.reading);
    }
    // Whether `e` reads as a listed name and one character more (鷺沼東 サギショウヒガシ is 鷺沼
    // and 東): then it says nothing of how a name it merely ends with (沼東) is read.
    const auto listedAndOneMore = [&](const Entry& e) {
        const auto found = readings.constFind(e.surface.left(e.surface.size() - 1));
        if (found == readings.constEnd()) return false;
        for (const QString& r : *found)
            if (e.reading.startsWith(r)) return true;
        return false;
    };
    // How often each reading of a name read several ways begins or ends a longer name's reading.
    QHash<QString, QHash<QString, int>> votes;
    for (const Entry& e : entries) {
        const bool oneMore = listedAndOneMore(e);
        for (qsizetype n = 1; n < e.surface.size(); ++n) {
            const QString parts[] = {e.surface.left(n), e.surface.mid(n)};
            for (int end = 0; end < 2; ++end) {
                const auto found = readings.constFind(parts[end]);
                if (found == readings.constEnd() || found->size() < 2) continue;
                if (end && oneMore && n < e.surface.size() - 1) continue;
                for (const QString& r : *found)
                    if (end ? e.reading.endsWith(r) : e.reading.startsWith(r))
                        ++votes[parts[end]][r];
            }
        }
    }
    QList<Entry> out;
    for (auto it = readings.constBegin(); it != readings.constEnd(); ++it) {
        if (it.key().size() < 2) continue;
        QStringList list = it.value();
        std::sort(list.begin(), list.end());
        QHash<QString, int> v = votes.value(it.key());
        if (oneStyle)
            for (const QString& r : list)
                if (oneStyle(it.key(), r)) v[r] += OneStyleVotes;
        if (alsoSurname)
            for (const QString& r : list)
                if (alsoSurname(it.key(), r)) v[r] += SurnameVotes;
        QString best = list.front();
        for (const QString& r : list)
            if (v.value(r) > v.value(best)) best = r;
        if (list.size() > 1 && preferred) {
            const QString p = preferred(it.key());
            if (p != best && list.contains(p) && v.value(p) == v.value(best)) best = p;
        }
        out.append({it.key(), best});
    }
    std::sort(out.begin(), out.end(),
              [](const Entry& a, const Entry& b) { return a.surface < b.surface; });
    return out;
}

QList<Entry> withoutCommonWords(const QList<Entry>& entries,
                                const std::function<QString(const QString&)>& commonWord) {
    QList<Entry> out;
    for (const Entry& e : entries) {
        const QString word = commonWord(e.surface);
        if (word.isEmpty() || word == e.reading) out.append(e);
    }
    return out;
}

bool readsInOneStyle(QStringView name, QStringView reading,
                     const QHash<QString, KanjiReadings::Kinds>& kanji) {
    if (name.size() != 2 || name[0].isSurrogate() || name[1].isSurrogate()) return false;
    const auto first = kanji.constFind(name.left(1).toString());
    const auto second = kanji.constFind(name.mid(1).toString());
    if (first == kanji.constEnd() || second == kanji.constEnd()) return false;
    return KanaText::composes(reading, {first->on, second->on}) ||
           KanaText::composes(reading, {first->kun, second->kun});
}

std::optional<int> contextId(QStringView idTable, QStringView features) {
    for (QStringView line : idTable.split(u'\n')) {
        const qsizetype space = line.indexOf(u' ');
        if (space <= 0 || line.mid(space + 1).trimmed() != features) continue;
        bool ok = false;
        const int id = line.left(space).toInt(&ok);
        if (ok && id >= 0) return id;
    }
    return std::nullopt;
}

ContextIds contextIds(const Analysis& analysis, std::optional<ContextIds> placeNoun) {
    ContextIds ids{analysis.leftId, analysis.rightId};
    if (!placeNoun || !(analysis.severalWords || analysis.properNounOfNoKind)) return ids;
    if (!analysis.personFirst && !analysis.givenNameLast) ids.left = placeNoun->left;
    ids.right = placeNoun->right;
    return ids;
}

QList<Word> dictionaryWords(const QList<Entry>& entries,
                            const std::function<bool(const QString&, Analysis&)>& analyse,
                            std::optional<ContextIds> placeNoun) {
    QList<Word> out;
    for (const Entry& e : entries) {
        Analysis a;
        if (!analyse(e.surface, a)) continue;
        const ContextIds ids = contextIds(a, placeNoun);
        out.append({e, ids.left, ids.right, clampedCost(qint64(a.cost) - CostMargin)});
    }
    return out;
}

QString wordFeatures(const Entry& entry) {
    // The place noun's part of speech with the name itself for its base form, the last field.
    return QString::fromUtf16(PlaceNounFeatures).chopped(1) + entry.surface + u',' + entry.reading +
           u',' + entry.reading + u',' + QString::fromUtf16(ListedMark);
}

QString userDictionaryCsv(const QList<Word>& words) {
    QString out;
    for (const Word& w : words)
        out += w.entry.surface +
               QStringLiteral(",%1,%2,%3,").arg(w.leftId).arg(w.rightId).arg(w.cost) +
               wordFeatures(w.entry) + u'\n';
    return out;
}

QString userDictionaryCsv(const QList<Entry>& entries,
                          const std::function<bool(const QString&, Analysis&)>& analyse) {
    return userDictionaryCsv(dictionaryWords(entries, analyse));
}

QList<std::pair<QString, QString>> listedNames(QStringView csv) {
    QList<std::pair<QString, QString>> out;
    for (QStringView line : csv.split(u'\n', Qt::SkipEmptyParts)) {
        const QList<QStringView> f = line.split(u',');
        if (f.size() > 11 && !f[0].isEmpty() && !f[11].isEmpty())
            out.append({f[0].toString(), f[11].toString()});
    }
    return out;
}

int undercutParts(QList<Word>& words,
                  const std::function<std::optional<int>(const Word&)>& others) {
    int changed = 0;
    for (Word& w : words) {
        const std::optional<int> parts = others(w);
        if (!parts) continue;
        const int cost = clampedCost(qint64(*parts) - PartsMargin);
        if (cost >= w.cost) continue;
        w.cost = cost;
        ++changed;
    }
    return changed;
}

} // namespace PlaceNames
