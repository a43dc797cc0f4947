#include "record/FolderWriter.h"

#include "platform/core/K41Error.h"

#include <QDir>
#include <QImageWriter>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <vector>

namespace {
// A WAV file counts its bytes in 32 bits.
constexpr quint64 MaxDataBytes = 0xFFFFFFFFull - 36;
} // namespace

FolderWriter::FolderWriter(const Options& options) : m_options(options) {
    if (!QDir().mkpath(options.path))
        throw K41Error(K41Error::PathFileAccess,
                       QStringLiteral("フォルダーを作れません: %1").arg(options.path));
    m_wave.setFileName(QDir(options.path).filePath(QStringLiteral("sound.wav")));
    if (!m_wave.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        throw K41Error::fromFile(m_wave, m_wave.fileName());
    writeWaveHeader(0);
}

FolderWriter::~FolderWriter() = default;

void FolderWriter::writeWaveHeader(quint32 dataBytes) {
    QByteArray h;
    const auto u32 = [&h](quint32 v) {
        v = qToLittleEndian(v);
        h.append(reinterpret_cast<const char*>(&v), 4);
    };
    const auto u16 = [&h](quint16 v) {
        v = qToLittleEndian(v);
        h.append(reinterpret_cast<const char*>(&v), 2);
    };
    h.append("RIFF");
    u32(36 + dataBytes);
    h.append("WAVEfmt ");
    u32(16);
    u16(1); // PCM
    u16(2);
    u32(quint32(m_options.sampleRate));
    u32(quint32(m_options.sampleRate) * 4);
    u16(4);
    u16(16);
    h.append("data");
    u32(dataBytes);
    if (!m_wave.seek(0) || m_wave.write(h) != h.size())
        throw K41Error::fromFile(m_wave, m_wave.fileName());
}

void FolderWriter::addFrame(const QImage& frame) {
    const QString name =
        QDir(m_options.path)
            .filePath(QStringLiteral("frame%1.png").arg(++m_frameCount, 6, 10, QLatin1Char('0')));
    QImageWriter writer(name, "png");
    if (!writer.write(frame))
        throw K41Error(K41Error::DeviceIO,
                       QStringLiteral("%1: %2").arg(name, writer.errorString()));
}

void FolderWriter::addAudio(const float* samples, std::size_t frames) {
    if (m_audioFrames + frames > MaxDataBytes / 4)
        throw K41Error(K41Error::DiskFull,
                       QStringLiteral("%1: 音が長すぎます").arg(m_wave.fileName()));
    std::vector<qint16> pcm(frames * 2);
    for (std::size_t i = 0; i < pcm.size(); ++i)
        pcm[i] = qToLittleEndian(qint16(std::lround(std::clamp(samples[i], -1.0f, 1.0f) * 32767)));
    const qint64 bytes = qint64(pcm.size() * sizeof(qint16));
    if (!m_wave.seek(44 + qint64(m_audioFrames) * 4) ||
        m_wave.write(reinterpret_cast<const char*>(pcm.data()), bytes) != bytes)
        throw K41Error::fromFile(m_wave, m_wave.fileName());
    m_audioFrames += frames;
}

void FolderWriter::finish() {
    if (m_finished) return;
    m_finished = true;
    writeWaveHeader(quint32(m_audioFrames * 4));
    if (!m_wave.flush()) throw K41Error::fromFile(m_wave, m_wave.fileName());
    m_wave.close();
    if (m_wave.error() != QFileDevice::NoError) throw K41Error::fromFile(m_wave, m_wave.fileName());
}
