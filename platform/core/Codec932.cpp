#include "platform/core/Codec932.h"

#include "platform/core/Codec932Table.h"

namespace Codec932 {

namespace {

// The value forEachCharacter passes for a character code page 932 cannot hold.
constexpr std::uint32_t NoForm = 0x10000;

// Calls `visit(at, len, code)` for each character of `text` (a surrogate pair counts as one,
// and code page 932 holds none of them), with its bytes as Codec932Table::encoded gives
// them (ASCII as itself), or NoForm. Stops when visit returns false.
template <typename Visit> void forEachCharacter(const QString& text, Visit visit) {
    const char16_t* p = reinterpret_cast<const char16_t*>(text.constData());
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n;) {
        const char16_t u = p[i];
        const bool pair = QChar::isHighSurrogate(u) && i + 1 < n && QChar::isLowSurrogate(p[i + 1]);
        std::uint32_t code = u;
        if (pair) {
            code = NoForm;
        } else if (u >= 0x80) {
            const std::uint16_t e = Codec932Table::encoded(u);
            code = e == 0 ? NoForm : e;
        }
        const qsizetype len = pair ? 2 : 1;
        if (!visit(i, len, code)) return;
        i += len;
    }
}

} // namespace

QByteArray encode(const QString& text) {
    QByteArray out(text.size() * 2, Qt::Uninitialized);
    char* o = out.data();
    forEachCharacter(text, [&](qsizetype, qsizetype, std::uint32_t code) {
        if (code == NoForm) {
            *o++ = '?'; // as Windows writes it
        } else {
            if (code >= 0x100) *o++ = char(code >> 8);
            *o++ = char(code);
        }
        return true;
    });
    out.truncate(o - out.constData());
    return out;
}

QString decode(const QByteArray& bytes) {
    // ICU's table for this code page swaps the control codes 0x1A, 0x1C and 0x7F and turns
    // bytes it cannot map into U+001A, so text would change on every load and save. Windows
    // keeps 0x00-0x7F as ASCII; only double-byte characters come from ICU's table.
    const auto* p = reinterpret_cast<const std::uint8_t*>(bytes.constData());
    const qsizetype n = bytes.size();
    QString out(n, Qt::Uninitialized);
    auto* o = reinterpret_cast<char16_t*>(out.data());
    for (qsizetype i = 0; i < n;) {
        const std::uint8_t b = p[i];
        if (b < 0x80) {
            *o++ = b;
            ++i;
        } else if (b >= 0xA1 && b <= 0xDF) { // half-width katakana
            *o++ = char16_t(0xFF61 + (b - 0xA1));
            ++i;
        } else if (Codec932Table::isLeadByte(b) && i + 1 < n &&
                   Codec932Table::isTrailByte(p[i + 1])) {
            *o++ = Codec932Table::decoded(b, p[i + 1]);
            i += 2;
        } else {
            // A byte no character starts with, or a lead byte without its second byte: the
            // next byte starts afresh, so ASCII after a stray byte survives.
            *o++ = 0xFFFD;
            ++i;
        }
    }
    out.truncate(o - reinterpret_cast<const char16_t*>(out.constData()));
    return out;
}

QString firstUnencodable(const QString& text) {
    QString found;
    forEachCharacter(text, [&](qsizetype at, qsizetype len, std::uint32_t code) {
        if (code == NoForm) found = text.mid(at, len);
        return found.isEmpty();
    });
    return found;
}

bool canEncode(const QString& text) {
    return firstUnencodable(text).isEmpty();
}

} // namespace Codec932
