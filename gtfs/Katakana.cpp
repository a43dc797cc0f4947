#include "gtfs/Katakana.h"

#include "platform/core/Kana.h"

namespace Katakana {

QString from(const QString& reading) {
    QString text = reading;
    // Compatibility composition turns half-width katakana into full-width, joining a separate
    // voiced mark to the letter before it (ｶﾞ -> ガ). Only those characters are composed, so
    // full-width digits or letters of a reading stay as the feed wrote them.
    bool halfWidth = false;
    for (const QChar c : text)
        if (c.unicode() >= 0xFF61 && c.unicode() <= 0xFF9F) halfWidth = true;
    if (halfWidth) {
        QString out;
        qsizetype i = 0;
        while (i < text.size()) {
            qsizetype j = i;
            while (j < text.size() && text[j].unicode() >= 0xFF61 && text[j].unicode() <= 0xFF9F)
                ++j;
            if (j > i) {
                out += text.mid(i, j - i).normalized(QString::NormalizationForm_KC);
                i = j;
            } else {
                out += text[i++];
            }
        }
        text = out;
    }
    return Kana::toKatakana(text);
}

} // namespace Katakana
