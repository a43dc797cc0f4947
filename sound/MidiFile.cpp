#include "sound/MidiFile.h"

#include "platform/core/FileReader.h"
#include "platform/core/K41Error.h"
#include "sound/MidiTrack.h"

#include <QtEndian>

#include <algorithm>

namespace MidiFile {

namespace {

// The file's numbers are big-endian, except the RIFF wrapper's lengths; callers have checked
// that the bytes are there.
quint32 le32(const QByteArray& b, qsizetype at) {
    return qFromLittleEndian<quint32>(b.constData() + at);
}

quint32 be32(const QByteArray& b, qsizetype at) {
    return qFromBigEndian<quint32>(b.constData() + at);
}

int be16(const QByteArray& b, qsizetype at) {
    return qFromBigEndian<quint16>(b.constData() + at);
}

// A header the synthesiser could take: its length within the file, a known format, at least
// one track and a division. Checked here so that a file that is plainly no tune is refused
// without waiting for the SoundFont.
bool hasUsableHeader(const QByteArray& smf) {
    if (smf.size() < 14 || !smf.startsWith("MThd")) return false;
    const quint32 length = be32(smf, 4);
    return length >= 6 && qint64(length) <= smf.size() - 8 && be16(smf, 8) <= 2 &&
           be16(smf, 10) >= 1 && be16(smf, 12) != 0;
}

void appendBe32(QByteArray& b, quint32 v) {
    char bytes[4];
    qToBigEndian(v, bytes);
    b.append(bytes, 4);
}

// The tune as the synthesiser is given it: the header with its six bytes, then the tracks the
// header counts, each cut to what the file holds, and nothing else. The synthesiser reads
// the header as six bytes whatever its length says, and once it meets a chunk of another kind
// it reads on as if every four bytes were a length to step over, which can go round for
// ever; chunks of other kinds, which a tune file may carry, are left out so that it never
// meets one. Empty when a counted track is missing or any track's events do not end in
// place, since the synthesiser would then read on from the wrong place.
QByteArray tune(const QByteArray& smf) {
    if (!hasUsableHeader(smf)) return {};
    QByteArray out = smf.left(8);
    out[4] = out[5] = out[6] = 0;
    out[7] = 6;
    out.append(smf.mid(8, 6));
    int tracksLeft = be16(smf, 10);
    qint64 at = 8 + qint64(be32(smf, 4));
    while (tracksLeft > 0 && at + 8 <= smf.size()) {
        const qint64 length = std::min<qint64>(be32(smf, qsizetype(at) + 4), smf.size() - (at + 8));
        if (smf.mid(qsizetype(at), 4) == "MTrk") {
            const QByteArrayView events(smf.constData() + at + 8, qsizetype(length));
            if (!MidiTrack::endsInPlace(events)) return {};
            out.append("MTrk", 4);
            appendBe32(out, quint32(length));
            out.append(events);
            --tracksLeft;
        }
        at += 8 + qint64(be32(smf, qsizetype(at) + 4));
    }
    return tracksLeft == 0 ? out : QByteArray();
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
    if (bytes.startsWith("MThd")) return tune(bytes);
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
            return tune(smf);
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
