#include "sound/WaveSource.h"

#include "platform/core/FileReader.h"
#include "platform/core/K41Error.h"
#include "sound/Resampler.h"

#include <algorithm>
#include <cmath>
#include <sndfile.h>
#include <unistd.h>

namespace {

// Frames decoded at a time, at the file's own rate.
constexpr sf_count_t BlockFrames = 1024;
// More channels than any Wave a user would pick signals a damaged header.
constexpr int MaxChannels = 64;

} // namespace

std::unique_ptr<WaveSource> WaveSource::open(const QString& path, int rate, long long startMs,
                                             SourceError* error) {
    SourceError ignored;
    SourceError& why = error ? *error : ignored;
    why = SourceError::NotSound;

    int fd = -1;
    try {
        // Only a plain file: a named pipe would block the open or feed sound for ever.
        fd = FileReader::openRegular(path);
    } catch (const K41Error&) {
        return nullptr;
    }
    std::unique_ptr<WaveSource> source(new WaveSource);
    source->m_fd = fd;
    SF_INFO info{};
    // The descriptor stays ours, closed by the destructor whether or not libsndfile took it.
    SNDFILE* file = sf_open_fd(fd, SFM_READ, &info, SF_FALSE);
    if (!file) return nullptr;
    source->m_file = file;
    if (info.channels < 1 || info.channels > MaxChannels || info.frames < 1) return nullptr;
    source->m_resampler = Resampler::create(info.channels, info.samplerate, rate);
    if (!source->m_resampler) return nullptr;
    source->m_channels = info.channels;

    // Computed in floating point: a damaged header's frame count times a rate overflows.
    const double startFrame = double(std::max(0LL, startMs)) * info.samplerate / 1000.0;
    if (startFrame > double(info.frames)) {
        why = SourceError::PastEnd;
        return nullptr;
    }
    if (startFrame >= 1.0 && sf_seek(file, sf_count_t(startFrame), SEEK_SET) < 0) return nullptr;
    source->m_lengthFrames =
        (long long)((double(info.frames) - std::floor(startFrame)) * rate / info.samplerate);

    source->m_block.resize(std::size_t(BlockFrames) * std::size_t(info.channels));
    // Nothing to play is fine only when starting at the very end.
    if (!source->prime() && source->m_lengthFrames > 0) return nullptr;
    why = SourceError::None;
    return source;
}

WaveSource::~WaveSource() {
    if (m_file) sf_close(m_file);
    if (m_fd >= 0) ::close(m_fd);
}

bool WaveSource::produce(std::vector<float>& out) {
    const sf_count_t got = sf_readf_float(m_file, m_block.data(), BlockFrames);
    if (got <= 0) {
        m_resampler->finish(out);
        return false;
    }
    const std::size_t samples = std::size_t(got) * std::size_t(m_channels);
    for (std::size_t i = 0; i < samples; ++i) {
        // A float Wave may hold anything: not-a-number would spread through the resampler's
        // filter, and values far beyond full scale only clip.
        float& s = m_block[i];
        s = std::isfinite(s) ? std::clamp(s, -1.0f, 1.0f) : 0.0f;
    }
    return m_resampler->push(m_block.data(), std::size_t(got), out);
}
