#include "app/SeiriNumText.h"

#include "platform/Fonts.h"

SeiriNumText SeiriNumText::forStyle(qint16 style, qint16 pad) {
    SeiriNumText t;
    const bool padded = pad != 0;
    // Headings of label 1 for styles 2 to 11, two styles each; a style above 11 chooses none
    // and writes the empty text.
    static const char16_t* const Headings[] = {u"な し", u"無 券", u"券なし", u"券無し", u""};
    QString heading;
    if (style >= 2 && style <= 11) heading = QString::fromUtf16(Headings[(style - 2) / 2]);
    if (style < 2) {
        t.label1Face = Fonts::NumC2;
    } else {
        t.label1Face = Fonts::PGothic;
        t.captions[1] = heading;
    }
    if (style < 0 || style > 11) return t;

    if (style == 0) {
        for (int n = 1; n <= 24; ++n)
            t.captions[size_t(n)] = number(n, padded);
    } else if (style == 1) {
        for (int n = 0; n <= 23; ++n)
            t.captions[size_t(n + 1)] = number(n, padded);
    } else {
        // Odd styles number labels 2 to 24 from 2, even ones from 1.
        const int first = style % 2 == 1 ? 2 : 1;
        for (int n = 1; n <= 23; ++n)
            t.captions[size_t(n + 1)] = number(n - 1 + first, padded);
    }
    return t;
}

QString SeiriNumText::number(int n, bool pad) {
    const QString narrow =
        pad ? QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')) : QString::number(n);
    QString wide;
    wide.reserve(narrow.size());
    for (const QChar c : narrow)
        wide += (c >= u'0' && c <= u'9') ? QChar(char16_t(0xFF10 + (c.unicode() - u'0'))) : c;
    return wide;
}

QString SeiriNumText::errorText(int number, const QString& description) {
    const QString crlf = QStringLiteral("\r\n");
    return QStringLiteral("エラーです！") + crlf + crlf + QStringLiteral("コード：") +
           QString::number(number) + crlf + crlf + QStringLiteral("内容：") + description + crlf +
           crlf + QStringLiteral("モジュール：IniIO-SeirikenNumSet( )");
}
