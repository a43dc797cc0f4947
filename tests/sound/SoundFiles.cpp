#include "tests/sound/SoundFiles.h"

#include "sound/AudioSource.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace SoundFiles {

namespace {

void le16(QByteArray& b, int v) {
    b.append(char(v & 0xff));
    b.append(char((v >> 8) & 0xff));
}
void le32(QByteArray& b, quint32 v) {
    le16(b, int(v & 0xffff));
    le16(b, int(v >> 16));
}
void be16(QByteArray& b, int v) {
    b.append(char((v >> 8) & 0xff));
    b.append(char(v & 0xff));
}
void be32(QByteArray& b, quint32 v) {
    for (int shift = 24; shift >= 0; shift -= 8)
        b.append(char((v >> shift) & 0xff));
}
void varLen(QByteArray& b, quint32 v) {
    QByteArray bytes;
    bytes.prepend(char(v & 0x7f));
    while (v >>= 7)
        bytes.prepend(char((v & 0x7f) | 0x80));
    b.append(bytes);
}

} // namespace

QByteArray wave(int rate, int channels, int frames, const std::function<double(int)>& sample) {
    const quint32 dataBytes = quint32(frames * channels * 2);
    QByteArray b("RIFF");
    le32(b, 36 + dataBytes);
    b.append("WAVEfmt ");
    le32(b, 16);
    le16(b, 1);
    le16(b, channels);
    le32(b, quint32(rate));
    le32(b, quint32(rate * channels * 2));
    le16(b, channels * 2);
    le16(b, 16);
    b.append("data");
    le32(b, dataBytes);
    for (int f = 0; f < frames; ++f) {
        const int v = int(std::lround(std::clamp(sample(f), -1.0, 1.0) * 32767.0));
        for (int c = 0; c < channels; ++c)
            le16(b, v);
    }
    return b;
}

QByteArray levelWave(double level, int ms, int rate, int channels) {
    return wave(rate, channels, rate * ms / 1000, [level](int) { return level; });
}

QByteArray floatWave(int rate, const std::vector<float>& samples) {
    const auto dataBytes = quint32(samples.size() * 4);
    QByteArray b("RIFF");
    le32(b, 36 + dataBytes);
    b.append("WAVEfmt ");
    le32(b, 16);
    le16(b, 3); // IEEE float
    le16(b, 1);
    le32(b, quint32(rate));
    le32(b, quint32(rate * 4));
    le16(b, 4);
    le16(b, 32);
    b.append("data");
    le32(b, dataBytes);
    for (float s : samples) {
        quint32 bits = 0;
        std::memcpy(&bits, &s, 4);
        le32(b, bits);
    }
    return b;
}

QByteArray flacDeclaring(long long frames, int rate, int channels, int bytes) {
    QByteArray b("fLaC");
    b.append("\x80\x00\x00\x22", 4); // the last metadata block: STREAMINFO, 34 bytes
    be16(b, 4096);                   // smallest and largest block
    be16(b, 4096);
    b.append(6, '\0'); // frame sizes unknown
    const quint64 packed = (quint64(rate) << 44) | (quint64(channels - 1) << 41) |
                           (quint64(15) << 36) | (quint64(frames) & 0xfffffffffULL);
    for (int shift = 56; shift >= 0; shift -= 8)
        b.append(char((packed >> shift) & 0xff));
    b.append(16, '\0');      // no checksum
    b.append("\xff\xf8", 2); // a frame's sync code, then nothing that decodes
    b.append(std::max<qsizetype>(0, bytes - b.size()), '\0');
    return b;
}

QByteArray midiTune(const QList<int>& notes, int noteMs) {
    const quint32 ticks = quint32(noteMs * 480 / 500);
    QByteArray track;
    for (int note : notes) {
        varLen(track, 0);
        track.append(char(0x90)).append(char(note)).append(char(100));
        varLen(track, ticks);
        track.append(char(0x80)).append(char(note)).append(char(0));
    }
    varLen(track, 0);
    track.append("\xff\x2f\x00", 3);

    QByteArray b("MThd");
    be32(b, 6);
    b.append("\x00\x00\x00\x01\x01\xe0", 6); // format 0, one track, 480 ticks a beat
    b.append("MTrk");
    be32(b, quint32(track.size()));
    b.append(track);
    return b;
}

QByteArray longTune(int seconds) {
    QList<int> notes;
    for (int i = 0; i < seconds * 2; ++i)
        notes << 48 + (i % 48 < 24 ? i % 24 : 47 - i % 48);
    return midiTune(notes, 500);
}

QByteArray rmid(const QByteArray& smf) {
    QByteArray body("RMID");
    body.append("INFO");
    le32(body, 3);
    body.append("K41\0", 4); // odd size: padded to even
    body.append("data");
    le32(body, quint32(smf.size()));
    body.append(smf);
    QByteArray b("RIFF");
    le32(b, quint32(body.size()));
    return b + body;
}

std::vector<float> drain(AudioSource& source, std::size_t maxFrames) {
    std::vector<float> all;
    std::vector<float> block(2 * 1024);
    while (all.size() / 2 < maxFrames) {
        const std::size_t got = source.read(block.data(), 1024);
        all.insert(all.end(), block.begin(), block.begin() + std::ptrdiff_t(got * 2));
        if (got < 1024) break;
    }
    return all;
}

void write(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    // A sound file the test cannot write leaves nothing worth checking.
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.flush())
        qFatal("cannot write the sound file %s", qPrintable(path));
}

} // namespace SoundFiles
