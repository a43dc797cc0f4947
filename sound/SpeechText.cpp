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

} // namespace

bool Pieces::next(QString& piece) {
    while (m_pos < m_text.size()) {
        const qsizetype start = m_pos;
        qsizetype end = start;
        while (end < m_text.size() && end - start < m_maxChars && !endsSentence(m_text[end]))
            ++end;
        if (end < m_text.size() && endsSentence(m_text[end])) {
            m_pos = end + 1;
        } else if (end == m_text.size()) {
            m_pos = end;
        } else {
            // Too long without a sentence end: cut after the last comma or space, else here,
            // keeping a surrogate pair whole.
            qsizetype cut = end;
            while (cut > start && !isBreak(m_text[cut - 1]))
                --cut;
            if (cut == start) {
                cut = end;
                if (m_text[cut - 1].isHighSurrogate()) ++cut;
            }
            m_pos = cut;
        }
        const QStringView trimmed = m_text.mid(start, m_pos - start).trimmed();
        if (!trimmed.isEmpty()) {
            piece = trimmed.toString();
            return true;
        }
    }
    return false;
}

QStringList pieces(QStringView text, int maxChars) {
    QStringList out;
    Pieces walk(text, maxChars);
    QString piece;
    while (walk.next(piece))
        out << piece;
    return out;
}

} // namespace SpeechText
