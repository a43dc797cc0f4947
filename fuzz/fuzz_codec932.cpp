// The code page 932 codec on any bytes and any text. The input is decoded as bytes and, read
// as UTF-16, encoded as text; whatever encodes must decode to text that encodes to the same
// bytes again, and the unencodable check must agree with the encoder.
#include "fuzz/FuzzCheck.h"
#include "platform/core/Codec932.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace {

void checkText(const QString& text) {
    const QByteArray bytes = Codec932::encode(text);
    const QString bad = Codec932::firstUnencodable(text);
    K41_FUZZ_CHECK(Codec932::canEncode(text) == bad.isEmpty());
    K41_FUZZ_CHECK(bad.isEmpty() || text.contains(bad));
    K41_FUZZ_CHECK(Codec932::encode(Codec932::decode(bytes)) == bytes);
    // A character's bytes do not depend on what came before it (checked on the first
    // characters only: one call a character is slow, and a stop name is short).
    const qsizetype checked = std::min<qsizetype>(text.size(), 64);
    QByteArray oneByOne;
    for (qsizetype i = 0; i < checked; ++i) {
        const bool pair =
            text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        oneByOne += Codec932::encode(text.mid(i, pair ? 2 : 1));
        if (pair) ++i;
    }
    K41_FUZZ_CHECK(bytes.startsWith(oneByOne));
    if (checked == text.size()) K41_FUZZ_CHECK(oneByOne == bytes);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString decoded = Codec932::decode(bytes);
    K41_FUZZ_CHECK(decoded.size() <= bytes.size());
    checkText(decoded);
    checkText(QString(reinterpret_cast<const QChar*>(data), qsizetype(size / 2)));
    return 0;
}
