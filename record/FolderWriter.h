#pragma once
// A recording as a folder: frame000001.png, frame000002.png, … and sound.wav (16-bit stereo
// PCM). Every picture is exactly the frame given.
#include "record/VideoWriter.h"

#include <QFile>

class FolderWriter : public VideoWriter {
  public:
    explicit FolderWriter(const Options& options);
    ~FolderWriter() override;

    void addFrame(const QImage& frame) override;
    void addAudio(const float* samples, std::size_t frames) override;
    void finish() override;

  private:
    void writeWaveHeader(quint32 dataBytes);

    Options m_options;
    QFile m_wave;
    quint64 m_audioFrames = 0;
    int m_frameCount = 0;
    bool m_finished = false;
};
