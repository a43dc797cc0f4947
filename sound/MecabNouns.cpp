#include "sound/MecabNouns.h"

#include "platform/core/FileReader.h"
#include "platform/core/K41Error.h"
#include "sound/Romaji.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <functional>
#include <mecab.h>
#include <optional>
#include <string_view>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString toHiragana(QString kana) {
    for (QChar& c : kana)
        if (c >= u'ァ' && c <= u'ヶ') c = QChar(c.unicode() - 0x60);
    return kana;
}

size_t readingHash(std::string_view utf8) {
    return std::hash<std::string_view>()(utf8);
}

size_t readingHash(const QString& kana) {
    const QByteArray utf8 = kana.toUtf8();
    return readingHash(std::string_view(utf8.constData(), size_t(utf8.size())));
}

// The token table and feature block of a compiled MeCab dictionary: after a header of ten
// 32-bit counts and the charset's name and the double array come the tokens (16 bytes each:
// context ids, part of speech, the word's cost and where its feature line starts), then the
// features, NUL-terminated lines of comma-separated fields (名詞,固有名詞,地域,一般,*,*,東京,
// トウキョウ,トーキョー). Each noun's reading is kept with the cost of its cheapest word.
void readNouns(const char* data, size_t size, std::vector<MecabNouns::Reading>& out) {
    constexpr size_t Header = 10 * 4 + 32, TokenSize = 16;
    if (size < Header) return;
    quint32 count[10];
    std::memcpy(count, data, sizeof count);
    const quint64 tokens = quint64(Header) + count[6], features = tokens + count[7];
    if (features > size || count[8] > size - features) return; // cut, or not a dictionary
    const std::string_view block(data + features, count[8]);
    for (quint64 t = tokens; t + TokenSize <= features; t += TokenSize) {
        qint16 cost = 0;
        quint32 at = 0;
        std::memcpy(&cost, data + t + 6, sizeof cost);
        std::memcpy(&at, data + t + 8, sizeof at);
        if (at >= block.size()) continue;
        std::string_view rest = block.substr(at, block.find('\0', at) - at);
        std::string_view field[8];
        int n = 0;
        for (; n < 8 && !rest.empty(); ++n) {
            const size_t comma = rest.find(',');
            field[n] = rest.substr(0, comma);
            rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
        }
        // Suffixes, numbers and the like are no names of their own.
        if (n < 8 || field[0] != "名詞" || field[7] == "*" || field[1] == "接尾" ||
            field[1] == "数" || field[1] == "非自立" || field[1] == "代名詞")
            continue;
        out.push_back({readingHash(field[7]), cost});
    }
}

} // namespace

MecabNouns::MecabNouns(mecab_t* tagger, mecab_lattice_t* lattice)
    : m_tagger(tagger), m_lattice(lattice) {}

bool MecabNouns::knows(const QString& kana) {
    if (kana.isEmpty()) return false;
    // The dictionary lists native words mostly in hiragana and kanji, loanwords in katakana.
    if (knowsAs(toHiragana(kana), kana) || knowsAs(kana, kana)) return true;
    // Romaji often leaves a long o or u unmarked (Tofu for トウフ, Sumo for スモウ): the word
    // with one such vowel made long counts too.
    for (qsizetype i = 0; i < kana.size(); ++i) {
        if (!QStringView(u"オコソトノホモヨロゴゾドボポョウクスツヌフムユルグズヅブプュ")
                 .contains(kana[i]))
            continue;
        const QString longer = kana.left(i + 1) + u'ウ' + kana.mid(i + 1);
        if (knowsAs(toHiragana(longer), longer) || knowsAs(longer, longer)) return true;
    }
    return false;
}

bool MecabNouns::knowsAs(const QString& surface, const QString& kana) {
    const QByteArray utf8 = surface.toUtf8();
    mecab_lattice_set_sentence2(m_lattice, utf8.constData(), size_t(utf8.size()));
    if (!mecab_parse_lattice(m_tagger, m_lattice)) return false;
    // Any entry spanning the whole word counts, not only the one the best path takes: the
    // question is whether Japanese has the word at all. A verb's stem (ホメ of 褒める) is no
    // name and does not count.
    for (const mecab_node_t* n = mecab_lattice_get_begin_nodes(m_lattice, 0); n; n = n->bnext) {
        if (n->stat != MECAB_NOR_NODE || n->length != size_t(utf8.size())) continue;
        const QStringList feature = QString::fromUtf8(n->feature).split(u',');
        if (feature.value(0) != QStringLiteral("名詞")) continue;
        if (feature.value(7) == kana || feature.value(8) == kana) return true;
    }
    return false;
}

QString MecabNouns::spoken(const QString& kana) {
    const QStringList longer = Romaji::longVowelReadings(kana);
    if (longer.isEmpty()) return kana;
    if (!m_loaded) loadReadings();
    const auto cost = [this](const QString& reading) {
        const Reading key{readingHash(reading), INT_MIN};
        const auto at = std::lower_bound(m_readings.begin(), m_readings.end(), key);
        return at != m_readings.end() && at->hash == key.hash ? std::optional<int>(at->cost)
                                                              : std::nullopt;
    };
    QString best;
    std::optional<int> bestCost;
    for (const QString& reading : longer) {
        const std::optional<int> c = cost(reading);
        if (c && (!bestCost || *c < *bestCost)) {
            best = reading;
            bestCost = c;
        }
    }
    const std::optional<int> shortCost = cost(kana);
    return bestCost && (!shortCost || *bestCost + LongerMargin <= *shortCost) ? best : kana;
}

void MecabNouns::loadReadings() {
    m_loaded = true;
    for (const mecab_dictionary_info_t* d = mecab_dictionary_info(m_tagger); d; d = d->next) {
        // A dictionary that cannot be read leaves its words unknown: the romaji is read as
        // it is written.
        int fd = -1;
        try {
            fd = FileReader::openRegular(QString::fromUtf8(d->filename));
        } catch (const K41Error&) {
            continue;
        }
        struct stat st {};
        if (fstat(fd, &st) == 0 && st.st_size > 0) {
            void* map = mmap(nullptr, size_t(st.st_size), PROT_READ, MAP_PRIVATE, fd, 0);
            if (map != MAP_FAILED) {
                readNouns(static_cast<const char*>(map), size_t(st.st_size), m_readings);
                munmap(map, size_t(st.st_size));
            }
        }
        close(fd);
    }
    // Sorted by hash, the cheapest of each reading first and the rest dropped.
    std::sort(m_readings.begin(), m_readings.end());
    m_readings.erase(
        std::unique(m_readings.begin(), m_readings.end(),
                    [](const Reading& a, const Reading& b) { return a.hash == b.hash; }),
        m_readings.end());
    m_readings.shrink_to_fit();
}
