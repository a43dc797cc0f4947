#include "sound/WaveDecoder.h"

#include "platform/core/FileReader.h"
#include "platform/core/K41Error.h"
#include "sound/Resampler.h"

#include <QFile>
#include <QScopeGuard>
#include <algorithm>
#include <sndfile.h>

namespace WaveDecoder {

std::shared_ptr<const PcmBuffer> decode(const QString& path, int rate) {
    int fd = -1;
    try {
        fd = FileReader::openRegular(path);
    } catch (const K41Error&) {
        return nullptr;
    }
    SF_INFO info{};
    SNDFILE* file = sf_open_fd(fd, SFM_READ, &info, SF_TRUE);
    if (!file) return nullptr;
    const auto closeFile = qScopeGuard([file] { sf_close(file); });
    if (info.channels < 1 || info.samplerate < 1 || info.frames < 1) return nullptr;
    // More channels than any Wave a user would pick signals a damaged header.
    if (info.channels > 64) return nullptr;

    const sf_count_t limit =
        std::min<sf_count_t>(info.frames, sf_count_t(info.samplerate) * MaxSoundSeconds);
    std::vector<float> samples;
    samples.reserve(std::size_t(limit) * std::size_t(info.channels));
    constexpr sf_count_t Block = 8192;
    std::vector<float> block(std::size_t(Block) * std::size_t(info.channels));
    sf_count_t total = 0;
    while (total < limit) {
        const sf_count_t got = sf_readf_float(file, block.data(), std::min(Block, limit - total));
        if (got <= 0) break;
        samples.insert(samples.end(), block.begin(), block.begin() + got * info.channels);
        total += got;
    }
    if (total == 0) return nullptr;

    auto pcm = std::make_shared<PcmBuffer>(
        Resampler::toStereo(samples, info.channels, info.samplerate, rate));
    if (pcm->empty()) return nullptr;
    return pcm;
}

} // namespace WaveDecoder
