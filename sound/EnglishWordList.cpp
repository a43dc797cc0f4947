#include "sound/EnglishWordList.h"

#include "platform/core/FileReader.h"
#include "platform/core/K41Error.h"

#include <algorithm>
#include <string>

namespace {

// The largest lists Debian has are a few megabytes; more than this is no word list, and only
// its start is read.
constexpr qint64 MaxBytes = 8 << 20;
constexpr qsizetype MaxLetters = 32;

} // namespace

QStringList EnglishWordList::defaultPaths() {
    return {QStringLiteral("/usr/share/dict/british-english"),
            QStringLiteral("/usr/share/dict/american-english")};
}

EnglishWordList::EnglishWordList(QStringList paths) : m_paths(std::move(paths)) {}

std::vector<std::string_view> EnglishWordList::words(const QByteArray& text) {
    std::vector<std::string_view> out;
    const std::string_view all(text.constData(), size_t(text.size()));
    size_t start = 0;
    while (start < all.size()) {
        size_t end = all.find('\n', start);
        if (end == std::string_view::npos) end = all.size();
        std::string_view line = all.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        start = end + 1;
        if (line.empty() || line.size() > size_t(MaxLetters)) continue;
        if (std::all_of(line.begin(), line.end(), [](char c) { return c >= 'a' && c <= 'z'; }))
            out.push_back(line);
    }
    std::sort(out.begin(), out.end());
    return out;
}

void EnglishWordList::load() {
    m_loaded = true;
    for (const QString& path : m_paths) {
        try {
            m_text = FileReader::read(path, MaxBytes);
        } catch (const K41Error&) {
            continue;
        }
        // A list cut at the limit ends in part of a word, which is no word.
        if (m_text.size() >= MaxBytes) m_text.truncate(m_text.lastIndexOf('\n') + 1);
        m_words = words(m_text);
        return;
    }
}

bool EnglishWordList::contains(QStringView word) {
    if (word.isEmpty() || word.size() > MaxLetters) return false;
    std::string small;
    for (QChar c : word) {
        const QChar lower = c.toLower();
        if (lower < u'a' || lower > u'z') return false;
        small += char(lower.unicode());
    }
    if (!m_loaded) load();
    return std::binary_search(m_words.begin(), m_words.end(), std::string_view(small));
}
