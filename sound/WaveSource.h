#pragma once
// A Wave file (anything libsndfile reads) decoded block by block as it plays, converted to
// stereo at the engine's rate. Memory stays at one block and the resampler's state, whatever
// length the file declares.
#include "sound/ChunkedSource.h"
#include "sound/SourceError.h"

#include <QString>
#include <memory>

struct sf_private_tag;
class Resampler;

class WaveSource : public ChunkedSource {
  public:
    // Opens `path` and decodes its first block, starting `startMs` into the sound. nullptr
    // when the file is no sound or the start lies past its end (`error` says which).
    static std::unique_ptr<WaveSource> open(const QString& path, int rate, long long startMs = 0,
                                            SourceError* error = nullptr);
    ~WaveSource() override;

    // The length the header declares from the start on, at the engine's rate (a damaged file
    // may end sooner).
    long long lengthFrames() const override { return m_lengthFrames; }

  protected:
    bool produce(std::vector<float>& out) override;

  private:
    WaveSource() = default;

    int m_fd = -1;
    sf_private_tag* m_file = nullptr;
    int m_channels = 0;
    long long m_lengthFrames = 0;
    std::unique_ptr<Resampler> m_resampler;
    std::vector<float> m_block;
};
