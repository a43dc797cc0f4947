#include "platform/core/Codec932Table.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <atomic>
#include <mutex>

namespace {

// Characters that Linux input methods produce where Windows uses a code page 932 neighbour.
char16_t mapLookAlike(char16_t u) {
    switch (u) {
    case 0x301C:
        return 0xFF5E; // 〜 → ～
    case 0x2016:
        return 0x2225; // ‖ → ∥
    case 0x2212:
        return 0xFF0D; // − → －
    case 0x00A2:
        return 0xFFE0; // ¢ → ￠
    case 0x00A3:
        return 0xFFE1; // £ → ￡
    case 0x00AC:
        return 0xFFE2; // ¬ → ￢
    default:
        return u;
    }
}

// A whole table built at once costs ICU about 10 ms of CPU, which start-up would pay for the
// few blocks a settings file and a route touch; a block costs about 0.15 ms.
std::mutex building;

// ICU writes FC FC for a character it cannot map (and "?" where it has a fallback of its
// own); K41 writes "?" for both, so the table marks them as having no form.
std::uint16_t encodeWithIcu(QStringEncoder& enc, char16_t unit) {
    if (unit >= 0xD800 && unit <= 0xDFFF) return 0; // half a surrogate pair: no character
    const QChar ch(mapLookAlike(unit));
    const QByteArray bytes = enc.encode(QStringView(&ch, 1));
    if (enc.hasError()) {
        // A converter that reported an error keeps failing, so a fresh one takes over.
        enc = QStringEncoder("windows-31j");
        return 0;
    }
    const auto* b = reinterpret_cast<const std::uint8_t*>(bytes.constData());
    if (bytes.size() == 1) return (b[0] == '?' || b[0] == 0) ? 0 : b[0];
    if (bytes.size() == 2 && !(b[0] == 0xFC && b[1] == 0xFC))
        return std::uint16_t(b[0] << 8 | b[1]);
    return 0;
}

} // namespace

namespace Codec932Table::detail {

std::uint16_t encodeTable[256][256];
char16_t decodeTable[256][256];
std::atomic<bool> encodeReady[256];
std::atomic<bool> decodeReady[256];

void buildEncodeBlock(std::uint8_t high) {
    const std::lock_guard<std::mutex> lock(building);
    if (encodeReady[high].load(std::memory_order_relaxed)) return;
    QStringEncoder enc("windows-31j");
    for (int low = 0; low < 256; ++low) {
        const char16_t unit = char16_t(high << 8 | low);
        encodeTable[high][low] = unit < 0x80 ? unit : encodeWithIcu(enc, unit);
    }
    encodeReady[high].store(true, std::memory_order_release);
}

// ICU's table for this code page turns a pair it cannot map into U+001A or U+FFFD (or more
// than one character); all of them read as U+FFFD.
void buildDecodeBlock(std::uint8_t lead) {
    const std::lock_guard<std::mutex> lock(building);
    if (decodeReady[lead].load(std::memory_order_relaxed)) return;
    QStringDecoder dec("windows-31j", QStringDecoder::Flag::Stateless);
    for (int trail = 0; trail < 256; ++trail) {
        char16_t out = 0xFFFD;
        if (Codec932Table::isLeadByte(lead) && Codec932Table::isTrailByte(std::uint8_t(trail))) {
            const char pair[2] = {char(lead), char(trail)};
            const QString ch = dec.decode(QByteArrayView(pair, 2));
            if (ch.size() == 1 && ch.at(0) != QChar(0x1A)) out = ch.at(0).unicode();
        }
        decodeTable[lead][trail] = out;
    }
    decodeReady[lead].store(true, std::memory_order_release);
}

} // namespace Codec932Table::detail
