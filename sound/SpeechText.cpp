#include "sound/SpeechText.h"

namespace SpeechText {

namespace {

bool endsSentence(QChar c) {
    return c == u'。' || c == u'？' || c == u'！' || c == u'?' || c == u'!' || c == u'\n' ||
           c == u'\r';
}

bool isBreak(QChar c) {
    return c == u'、' || c == u',' || c == u'，' || c == u' ' || c == u'　' || c == u'\t';
}

void add(QStringList& out, QStringView piece) {
    const QStringView trimmed = piece.trimmed();
    if (!trimmed.isEmpty()) out << trimmed.toString();
}

} // namespace

QStringList pieces(QStringView text, int maxChars) {
    QStringList out;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = start;
        while (end < text.size() && end - start < maxChars && !endsSentence(text[end]))
            ++end;
        if (end < text.size() && endsSentence(text[end])) {
            add(out, text.mid(start, end + 1 - start));
            start = end + 1;
            continue;
        }
        if (end == text.size()) {
            add(out, text.mid(start));
            break;
        }
        // Too long without a sentence end: cut after the last comma or space, else here,
        // keeping a surrogate pair whole.
        qsizetype cut = end;
        while (cut > start && !isBreak(text[cut - 1]))
            --cut;
        if (cut == start) {
            cut = end;
            if (text[cut - 1].isHighSurrogate()) ++cut;
        }
        add(out, text.mid(start, cut - start));
        start = cut;
    }
    return out;
}

} // namespace SpeechText
