#pragma once
// Reads a recorded file back with FFmpeg's libraries, as a player would: its streams, its
// length, its sound as mono levels and one picture.
#include <QImage>
#include <QString>
#include <vector>

struct MediaProbe {
    // Opens `path` and decodes it whole. `error` says why when it fails.
    bool open(const QString& path, int wantFrame = -1);

    QString error;
    int videoStreams = 0;
    int audioStreams = 0;
    QString videoCodec, audioCodec;
    double durationSeconds = 0; // of the container
    int frames = 0;             // pictures stored (packets of the video stream)
    int decodedFrames = 0;
    double fps = 0;
    QImage frame;            // picture number `wantFrame` (0 first), as RGB
    std::vector<float> mono; // the sound, one channel at `rate`
    int rate = 48000;

    // The loudest root-mean-square level of 20 ms windows within [from, to) seconds.
    double loudest(double from, double to) const;
};
