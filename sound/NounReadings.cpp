#include "sound/NounReadings.h"

#include "platform/core/FileReader.h"
#include "platform/core/K41Error.h"
#include "sound/Romaji.h"

#include <QFileInfo>
#include <QSet>
#include <algorithm>
#include <charconv>
#include <string_view>

namespace {

// No noun's reading is near this long; a longer line is not the table's.
constexpr size_t MaxReadingChars = 64;
// A reading with more written ウ and オ than this is no romaji word without its long vowels.
constexpr int MaxLongMarks = 8;
// Costs are MeCab's, 16-bit.
constexpr int MinCost = -32768, MaxCost = 32767;

// Whether `utf8` is a reading of katakana (ァ to ヺ and ー), each character three bytes.
bool isKatakana(std::string_view utf8) {
    if (utf8.empty() || utf8.size() % 3 != 0 || utf8.size() > 3 * MaxReadingChars) return false;
    for (size_t i = 0; i < utf8.size(); i += 3) {
        const auto b0 = uchar(utf8[i]), b1 = uchar(utf8[i + 1]), b2 = uchar(utf8[i + 2]);
        // U+30A1..U+30BF is E3 82 A1..BF, U+30C0..U+30FA E3 83 80..BA, ー E3 83 BC.
        const bool ok = b0 == 0xE3 && ((b1 == 0x82 && b2 >= 0xA1 && b2 <= 0xBF) ||
                                       (b1 == 0x83 && ((b2 >= 0x80 && b2 <= 0xBA) || b2 == 0xBC)));
        if (!ok) return false;
    }
    return true;
}

bool isKatakana(QStringView reading) {
    if (reading.isEmpty() || size_t(reading.size()) > MaxReadingChars) return false;
    for (QChar c : reading)
        if (!((c >= u'\u30A1' && c <= u'\u30FA') || c == u'ー')) return false;
    return true;
}

// A cost as the table writes it: an optional minus and digits, within 16 bits.
std::optional<int> parseCost(std::string_view text) {
    if (text.empty() || text.size() > 6 || text == "-" || text.front() == '+') return {};
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return {};
    if (value < MinCost || value > MaxCost) return {};
    return value;
}

// The readings `reading` is a long form of: `reading` with some of its ウ, オ or ー left out, as
// Romaji::longVowelReadings or barLongVowelReadings would lengthen them back. Which a romaji
// word can leave out is those functions' to say; here every choice is tried against them.
QStringList shortForms(const QString& reading) {
    QList<qsizetype> marks;
    for (qsizetype i = 1; i < reading.size(); ++i)
        if (reading[i] == u'ウ' || reading[i] == u'オ' || reading[i] == u'ー') marks.append(i);
    if (marks.isEmpty() || marks.size() > MaxLongMarks) return {};
    QStringList out;
    for (quint32 leaveOut = 1; leaveOut < (1u << marks.size()); ++leaveOut) {
        QString shorter;
        qsizetype from = 0;
        for (qsizetype m = 0; m < marks.size(); ++m) {
            if (!(leaveOut & (1u << m))) continue;
            shorter += QStringView(reading).mid(from, marks[m] - from);
            from = marks[m] + 1;
        }
        shorter += QStringView(reading).mid(from);
        if (Romaji::longVowelReadings(shorter).contains(reading) ||
            Romaji::barLongVowelReadings(shorter).contains(reading))
            out.append(shorter);
    }
    return out;
}

} // namespace

NounReadings NounReadings::parse(QByteArray bytes) {
    if (bytes.size() > MaxTableBytes) return {};
    Table table;
    table.bytes = std::move(bytes);
    const std::string_view all(table.bytes.constData(), size_t(table.bytes.size()));
    size_t at = 0;
    std::optional<size_t> declared;
    // Every line, the last too, ends in a newline: a file cut inside a line is not used.
    const auto nextLine = [&](std::string_view& line) {
        const size_t end = all.find('\n', at);
        if (end == std::string_view::npos) return false;
        line = all.substr(at, end - at);
        return true;
    };
    std::string_view line;
    while (at < all.size() && all[at] == '#') {
        if (!nextLine(line)) return {};
        constexpr std::string_view count = "#readings ";
        if (line.substr(0, count.size()) == count) {
            size_t n = 0;
            const std::string_view digits = line.substr(count.size());
            const auto [end, error] =
                std::from_chars(digits.data(), digits.data() + digits.size(), n);
            if (declared || error != std::errc() || end != digits.data() + digits.size()) return {};
            declared = n;
        }
        at += line.size() + 1;
    }
    // The count catches a file cut between two lines.
    if (!declared || *declared > size_t(all.size() - at) / 5) return {};
    table.lines.reserve(*declared);
    std::string_view previous;
    while (at < all.size()) {
        if (!nextLine(line)) return {};
        const size_t tab = line.find('\t');
        if (tab == std::string_view::npos) return {};
        const std::string_view reading = line.substr(0, tab);
        // Sorted and each reading once, or the lookup's binary search would miss.
        if (!isKatakana(reading) || !parseCost(line.substr(tab + 1)) ||
            (!table.lines.empty() && !(previous < reading)))
            return {};
        table.lines.push_back(quint32(at));
        previous = reading;
        at += line.size() + 1;
    }
    if (table.lines.size() != *declared) return {};
    NounReadings out;
    if (!table.lines.empty()) out.m_tables.push_back(std::move(table));
    return out;
}

NounReadings NounReadings::load(const QStringList& paths) {
    NounReadings out;
    for (const QString& path : paths) {
        if (path.isEmpty() || !QFileInfo(path).isFile()) continue;
        try {
            // One byte more than a table may have: a longer file is refused, not cut.
            NounReadings one = parse(FileReader::read(path, MaxTableBytes + 1));
            for (Table& t : one.m_tables)
                out.m_tables.push_back(std::move(t));
        } catch (const K41Error&) {
            continue;
        }
    }
    return out;
}

qsizetype NounReadings::size() const {
    qsizetype n = 0;
    for (const Table& t : m_tables)
        n += qsizetype(t.lines.size());
    return n;
}

std::optional<int> NounReadings::cost(const QString& reading) const {
    const QByteArray key = reading.toUtf8();
    const std::string_view wanted(key.constData(), size_t(key.size()));
    std::optional<int> lowest;
    for (const Table& t : m_tables) {
        const std::string_view all(t.bytes.constData(), size_t(t.bytes.size()));
        // parse() checked every line: each has a tab and ends in a newline.
        const auto readingAt = [&](quint32 start) {
            return all.substr(start, all.find('\t', start) - start);
        };
        const auto found = std::lower_bound(
            t.lines.begin(), t.lines.end(), wanted,
            [&](quint32 start, std::string_view key) { return readingAt(start) < key; });
        if (found == t.lines.end() || readingAt(*found) != wanted) continue;
        const size_t costAt = *found + wanted.size() + 1;
        const std::optional<int> c = parseCost(all.substr(costAt, all.find('\n', costAt) - costAt));
        if (c && (!lowest || *c < *lowest)) lowest = c;
    }
    return lowest;
}

std::pair<QString, std::optional<int>> NounReadings::cheapest(const QStringList& readings) const {
    // Fewest long vowels first: of two as common, the one closer to the spelling.
    std::pair<QString, std::optional<int>> best;
    for (const QString& reading : readings) {
        const std::optional<int> c = cost(reading);
        if (c && (!best.second || *c < *best.second)) best = {reading, c};
    }
    return best;
}

QString NounReadings::spoken(const QString& kana) const {
    if (m_tables.empty()) return kana;
    const std::optional<int> shortCost = cost(kana);
    const auto [longer, longerCost] = cheapest(Romaji::longVowelReadings(kana));
    if (longerCost && (!shortCost || *longerCost + LongerMargin <= *shortCost)) return longer;
    if (shortCost || longerCost) return kana;
    // A loanword's long vowels only where no noun reads the word otherwise: a name read short
    // is no loanword (Shiga シガ, not シガー; Jinja ジンジャ, not ジンジャー).
    const auto [loanword, loanwordCost] = cheapest(Romaji::barLongVowelReadings(kana));
    return loanwordCost ? loanword : kana;
}

namespace {

// The nouns of dictionary source lines, each with its cost: suffixes, numbers, dependent nouns
// and pronouns are no names of their own and are left out, and with `common` proper nouns too.
// `field` is the field whose text is kept, which must be katakana.
void addNounsBy(QStringView csv, qsizetype field, bool common, NounReadings::Costs& costs) {
    for (QStringView line : csv.split(u'\n')) {
        if (line.endsWith(u'\r')) line.chop(1);
        const QList<QStringView> f = line.split(u',');
        if (f.size() < 12 || f[4] != u"名詞") continue;
        if (f[5] == u"接尾" || f[5] == u"数" || f[5] == u"非自立" || f[5] == u"代名詞") continue;
        if (common && f[5] == u"固有名詞") continue;
        const QStringView reading = f[field];
        bool ok = false;
        const int cost = f[3].toInt(&ok);
        if (!ok || cost < MinCost || cost > MaxCost || !isKatakana(reading)) continue;
        const auto it = costs.find(reading.toString());
        if (it == costs.end())
            costs.insert(reading.toString(), cost);
        else
            *it = std::min(*it, cost);
    }
}

} // namespace

void NounReadings::addNouns(QStringView csv, Costs& costs) {
    addNounsBy(csv, 11, false, costs);
}

void NounReadings::addLoanwords(QStringView csv, Costs& costs) {
    // Written in katakana alone, as loanwords are; the written form is the one said. An English
    // word's loanword is a common noun: the dictionary's foreign names of people, firms and
    // places are near many renderings (スー, リバサイド) and would take the word's place.
    addNounsBy(csv, 0, true, costs);
}

NounReadings::Costs NounReadings::forLongVowels(const Costs& costs, const Costs& all) {
    QSet<QString> asked;
    for (auto it = all.cbegin(); it != all.cend(); ++it) {
        const QStringList shorter = shortForms(it.key());
        if (shorter.isEmpty()) continue;
        asked.insert(it.key());
        for (const QString& s : shorter)
            asked.insert(s);
    }
    Costs out;
    for (auto it = costs.cbegin(); it != costs.cend(); ++it)
        if (asked.contains(it.key())) out.insert(it.key(), it.value());
    return out;
}

QByteArray NounReadings::format(const Costs& costs, const QByteArray& header) {
    std::vector<std::pair<QByteArray, int>> lines;
    lines.reserve(size_t(costs.size()));
    for (auto it = costs.cbegin(); it != costs.cend(); ++it)
        if (isKatakana(QStringView(it.key())) && it.value() >= MinCost && it.value() <= MaxCost)
            lines.emplace_back(it.key().toUtf8(), it.value());
    // By bytes, as parse() checks and the lookup searches.
    std::sort(lines.begin(), lines.end());
    QByteArray out = header;
    if (!out.isEmpty() && !out.endsWith('\n')) out += '\n';
    out += "#readings " + QByteArray::number(qsizetype(lines.size())) + '\n';
    for (const auto& [reading, cost] : lines)
        out += reading + '\t' + QByteArray::number(cost) + '\n';
    return out;
}
