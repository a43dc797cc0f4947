#pragma once
// A recording as one video file, encoded with FFmpeg's libraries: VP9 and Opus in WebM,
// H.264 and AAC in MP4, or an animated GIF without sound.
#include "record/VideoWriter.h"

#include <vector>

struct AVAudioFifo;
struct AVCodecContext;
struct AVFormatContext;
struct AVFrame;
struct AVStream;
struct SwrContext;
struct SwsContext;

class FfmpegWriter : public VideoWriter {
  public:
    explicit FfmpegWriter(const Options& options);
    ~FfmpegWriter() override;

    void addFrame(const QImage& frame) override;
    void addAudio(const float* samples, std::size_t frames) override;
    void finish() override;

  private:
    void openVideo(const char* codecName, int pixelFormat);
    void openAudio(const char* codecName);
    void encode(AVCodecContext* codec, AVStream* stream, AVFrame* frame);
    void encodeAudioFrames(bool flush);
    [[noreturn]] void fail(const QString& what, int code) const;
    void release();

    Options m_options;
    bool m_gif = false;
    AVFormatContext* m_format = nullptr;
    AVCodecContext* m_video = nullptr;
    AVCodecContext* m_audio = nullptr;
    AVStream* m_videoStream = nullptr;
    AVStream* m_audioStream = nullptr;
    AVFrame* m_picture = nullptr;
    AVFrame* m_sound = nullptr;
    SwsContext* m_scale = nullptr;
    SwrContext* m_resample = nullptr;
    AVAudioFifo* m_fifo = nullptr;
    long long m_frameCount = 0;
    long long m_audioPts = 0;
    bool m_headerWritten = false;
    bool m_finished = false;
};
