// The entry point of the video module: FFmpeg's libraries are loaded with it, only when a
// video is recorded.
#include "record/FfmpegWriter.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT VideoWriter* k41_video_writer(const VideoWriter::Options& options) {
    return new FfmpegWriter(options);
}
