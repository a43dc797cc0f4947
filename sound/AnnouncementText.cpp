#include "sound/AnnouncementText.h"

#include "sound/KanaText.h"
#include "tape/ReadingTable.h"

#include <QRegularExpression>

namespace AnnouncementText {

namespace {

bool isBracket(QChar c) {
    static const QString brackets = QStringLiteral("()[]<>「」『』【】〔〕〈〉《》〘〙〚〛");
    return brackets.contains(c);
}

// Characters of a name that a reading in braces may stand for, when no bar marks its start.
bool isNameChar(QChar c) {
    return KanaText::isKanji(c) || KanaText::isKatakana(c) || c == u'ヶ' || c == u'ヵ' ||
           c.isLetterOrNumber() && c.unicode() < 0x80;
}

void addText(std::vector<Piece>& out, QStringView text) {
    if (text.isEmpty()) return;
    if (!out.empty() && out.back().reading.isEmpty())
        out.back().text += text;
    else
        out.push_back({text.toString(), {}});
}

// The pieces of a text with the readings in braces taken out.
std::vector<Piece> inlineReadings(const QString& text) {
    std::vector<Piece> out;
    qsizetype done = 0;
    for (qsizetype open = text.indexOf(u'{'); open >= 0; open = text.indexOf(u'{', open + 1)) {
        const qsizetype close = text.indexOf(u'}', open + 1);
        if (close < 0) break;
        const QString reading =
            ReadingTable::katakana(QStringView(text).mid(open + 1, close - open - 1));
        if (reading.isEmpty()) continue;
        const qsizetype bar = text.lastIndexOf(u'|', open);
        qsizetype start = open;
        if (bar >= done) {
            start = bar;
        } else {
            while (start > done && isNameChar(text[start - 1]))
                --start;
        }
        if (start == open) continue; // nothing to read so
        addText(out, QStringView(text).mid(done, start - done));
        const qsizetype nameStart = text[start] == u'|' ? start + 1 : start;
        out.push_back({text.mid(nameStart, open - nameStart), reading});
        done = close + 1;
        open = close;
    }
    addText(out, QStringView(text).mid(done));
    return out;
}

// `piece` cut at brackets and at the names of `readings`, longest name first.
void splitPlain(std::vector<Piece>& out, const QString& text, const ReadingTable* readings) {
    const qsizetype longest = readings ? readings->longestName() : 0;
    qsizetype start = 0;
    const auto flush = [&](qsizetype end) {
        if (end > start) out.push_back({text.mid(start, end - start), {}});
    };
    for (qsizetype i = 0; i < text.size();) {
        if (isBracket(text[i])) {
            flush(i);
            out.push_back({QString(), {}}); // a boundary that reads as nothing
            start = ++i;
            continue;
        }
        qsizetype found = 0;
        QString reading;
        for (qsizetype n = std::min(longest, text.size() - i); n > 0 && found == 0; --n) {
            reading = readings->reading(QStringView(text).mid(i, n));
            if (!reading.isEmpty()) found = n;
        }
        if (found == 0) {
            ++i;
            continue;
        }
        flush(i);
        out.push_back({text.mid(i, found), reading});
        i += found;
        start = i;
    }
    flush(text.size());
}

} // namespace

QString normalised(const QString& text) {
    QString out = text.normalized(QString::NormalizationForm_KC);
    static const QRegularExpression groups(QStringLiteral("(?<=\\d),(?=\\d{3}(?!\\d))"));
    out.remove(groups);
    out.removeIf([](QChar c) {
        return (c.category() == QChar::Other_Control && c != u'\n') ||
               c.category() == QChar::Other_Format || c == QChar::ReplacementCharacter;
    });
    return out;
}

std::vector<Piece> pieces(const QString& text, const ReadingTable* readings) {
    std::vector<Piece> out;
    if (readings && readings->isEmpty()) readings = nullptr;
    for (const Piece& piece : inlineReadings(normalised(text))) {
        if (!piece.reading.isEmpty())
            out.push_back(piece);
        else
            splitPlain(out, piece.text, readings);
    }
    return out;
}

} // namespace AnnouncementText
