#include "tests/sound/SoundFiles.h"

#include "tests/common/TestUtil.h"

#include <algorithm>
#include <cmath>

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

void write(const QString& path, const QByteArray& bytes) {
    TestUtil::writeFile(path, bytes);
}

} // namespace SoundFiles
