#include "platform/core/Codec932.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

// Characters that Linux input methods produce where Windows uses a code page 932 neighbour.
QString mapLookAlikes(const QString& text) {
    QString out = text;
    for (QChar& c : out) {
        switch (c.unicode()) {
        case 0x301C:
            c = QChar(0xFF5E);
            break; // 〜 → ～
        case 0x2016:
            c = QChar(0x2225);
            break; // ‖ → ∥
        case 0x2212:
            c = QChar(0xFF0D);
            break; // − → －
        case 0x00A2:
            c = QChar(0xFFE0);
            break; // ¢ → ￠
        case 0x00A3:
            c = QChar(0xFFE1);
            break; // £ → ￡
        case 0x00AC:
            c = QChar(0xFFE2);
            break; // ¬ → ￢
        default:
            break;
        }
    }
    return out;
}

// Encodes one character (or surrogate pair); empty when code page 932 has no form for it.
QByteArray encodeOne(QStringEncoder& enc, QStringView ch) {
    QByteArray bytes = enc.encode(ch);
    if (enc.hasError() || bytes.isEmpty() || bytes == QByteArray("\xFC\xFC", 2) ||
        (bytes == "?" && ch != u"?")) {
        enc.resetState();
        return {};
    }
    return bytes;
}

} // namespace

namespace Codec932 {

namespace {

// Calls `visit(ch, bytes)` for each character of `text` (a surrogate pair counts as one),
// with its code page 932 bytes, or empty bytes when it has none. Stops when visit returns false.
template <typename Visit> void forEachCharacter(const QString& text, Visit visit) {
    QStringEncoder enc("windows-31j");
    const QString mapped = mapLookAlikes(text);
    for (qsizetype i = 0; i < mapped.size();) {
        const qsizetype len = (mapped.at(i).isHighSurrogate() && i + 1 < mapped.size() &&
                               mapped.at(i + 1).isLowSurrogate())
                                  ? 2
                                  : 1;
        const QStringView ch = QStringView(mapped).mid(i, len);
        const QByteArray bytes = (len == 1 && ch.at(0).unicode() < 0x80)
                                     ? QByteArray(1, char(ch.at(0).unicode()))
                                     : encodeOne(enc, ch);
        if (!visit(text.mid(i, len), bytes)) return;
        i += len;
    }
}

} // namespace

QByteArray encode(const QString& text) {
    QByteArray out;
    out.reserve(text.size() * 2);
    forEachCharacter(text, [&](const QString&, const QByteArray& bytes) {
        out.append(bytes.isEmpty() ? QByteArray("?") : bytes);
        return true;
    });
    return out;
}

QString decode(const QByteArray& bytes) {
    QStringDecoder dec("windows-31j");
    return dec.decode(bytes);
}

QString firstUnencodable(const QString& text) {
    QString found;
    forEachCharacter(text, [&](const QString& ch, const QByteArray& bytes) {
        if (bytes.isEmpty()) found = ch;
        return found.isEmpty();
    });
    return found;
}

bool canEncode(const QString& text) {
    return firstUnencodable(text).isEmpty();
}

} // namespace Codec932
