#pragma once
// Writes a recording: pictures at a fixed frame rate and the sound beside them. The kind is
// chosen by the output's name: ".webm" (VP9 and Opus), ".mp4" (H.264 and AAC), ".gif"
// (pictures only), anything else is a folder of numbered PNG pictures and one WAV file.
// Frames and sound may come in any order; each is placed by its count from the start.
#include <QImage>
#include <QSize>
#include <QString>
#include <memory>

class VideoWriter {
  public:
    struct Options {
        QString path;
        QSize size;             // of every frame
        int fps = 30;           // frames per second, 1 to 120
        int sampleRate = 48000; // of the sound given to addAudio
        // Pictures kept exactly, pixel for pixel (VP9 in RGB, lossless); bigger files that not
        // every player shows. Only for ".webm"; the PNG folder is always exact.
        bool lossless = false;
    };

    virtual ~VideoWriter() = default;

    // The next frame; it must have the size given at opening.
    virtual void addFrame(const QImage& frame) = 0;
    // The next `frames` frames of sound, interleaved stereo in [-1, 1].
    virtual void addAudio(const float* samples, std::size_t frames) = 0;
    // Writes what is pending and closes the output. Nothing more may be added.
    virtual void finish() = 0;

    // Opens the output `options.path` says. Throws K41Error naming the file when it cannot
    // be made (52 for an unknown kind of name, 75 when it cannot be written).
    static std::unique_ptr<VideoWriter> open(const Options& options);
};
