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

bool isLeadByte(uchar b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

bool isTrailByte(uchar b) {
    return b >= 0x40 && b <= 0xFC && b != 0x7F;
}

// Encodes one character (or surrogate pair); empty when code page 932 has no form for it.
QByteArray encodeOne(QStringEncoder& enc, QStringView ch) {
    QByteArray bytes = enc.encode(ch);
    if (enc.hasError() || bytes.isEmpty() || bytes == QByteArray("\xFC\xFC", 2) ||
        (bytes == "?" && ch != u"?")) {
        // resetState() would also drop ICU's converter and fail every character after this
        // one, so a fresh encoder takes over.
        enc = QStringEncoder("windows-31j");
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
    // Opening ICU's converter costs far more than converting a stop name, so each thread
    // keeps one; encodeOne leaves it clean.
    thread_local QStringEncoder enc("windows-31j");
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
    // ICU's table for this code page swaps the control codes 0x1A, 0x1C and 0x7F and turns
    // bytes it cannot map into U+001A, so text would change on every load and save. Windows
    // keeps 0x00-0x7F as ASCII; only double-byte characters go through ICU here.
    thread_local QStringDecoder dec("windows-31j", QStringDecoder::Flag::Stateless);
    const auto* p = reinterpret_cast<const uchar*>(bytes.constData());
    const qsizetype n = bytes.size();
    QString out;
    out.reserve(n);
    for (qsizetype i = 0; i < n;) {
        const uchar b = p[i];
        if (b < 0x80) {
            out += QChar(b);
            ++i;
        } else if (b >= 0xA1 && b <= 0xDF) { // half-width katakana
            out += QChar(0xFF61 + (b - 0xA1));
            ++i;
        } else if (isLeadByte(b) && i + 1 < n && isTrailByte(p[i + 1])) {
            const QString ch = dec.decode(QByteArrayView(p + i, 2));
            const bool mapped = ch.size() == 1 && ch.at(0) != QChar(0x1A) &&
                                ch.at(0) != QChar::ReplacementCharacter;
            out += mapped ? ch.at(0) : QChar(QChar::ReplacementCharacter);
            i += 2;
        } else {
            // A byte no character starts with, or a lead byte without its second byte: the
            // next byte starts afresh, so ASCII after a stray byte survives.
            out += QChar(QChar::ReplacementCharacter);
            ++i;
        }
    }
    return out;
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
