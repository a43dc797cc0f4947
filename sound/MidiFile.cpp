#include "sound/MidiFile.h"

#include "platform/core/FileReader.h"
#include "platform/core/K41Error.h"

#include <algorithm>

namespace MidiFile {

namespace {

quint32 le32(const QByteArray& b, qsizetype at) {
    quint32 v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | quint8(b[at + i]);
    return v;
}

} // namespace

QByteArray read(const QString& path) {
    QByteArray bytes;
    try {
        bytes = FileReader::read(path, MaxFileBytes + 1);
    } catch (const K41Error&) {
        return {};
    }
    if (bytes.size() > MaxFileBytes) return {};
    return standardMidi(bytes);
}

QByteArray standardMidi(const QByteArray& bytes) {
    if (bytes.startsWith("MThd")) return bytes;
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "RMID") return {};
    // Chunks follow the form type: an id, a little-endian size, the data, padded to even.
    // Sizes are not trusted beyond what the file holds.
    qsizetype at = 12;
    while (at + 8 <= bytes.size()) {
        const quint32 size = le32(bytes, at + 4);
        const qsizetype dataAt = at + 8;
        const qsizetype available = bytes.size() - dataAt;
        if (bytes.mid(at, 4) == "data") {
            const QByteArray smf = bytes.mid(dataAt, qsizetype(std::min<qint64>(size, available)));
            return smf.startsWith("MThd") ? smf : QByteArray();
        }
        if (qint64(size) >= available) break;
        at = dataAt + qsizetype(size) + qsizetype(size & 1);
    }
    return {};
}

double ticksPerMs(const QByteArray& smf, int tempo) {
    if (smf.size() < 14) return 0;
    const int division = (quint8(smf[12]) << 8) | quint8(smf[13]);
    if (division & 0x8000) {
        // Frames a second (as a negative byte) times ticks a frame.
        const int framesPerSecond = -int(qint8(smf[12]));
        return framesPerSecond * (division & 0xff) / 1000.0;
    }
    if (tempo <= 0) return 0;
    return division * 1000.0 / tempo;
}

} // namespace MidiFile
