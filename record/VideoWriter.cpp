#include "record/VideoWriter.h"

#include "platform/core/BackendModule.h"
#include "platform/core/K41Error.h"
#include "record/FolderWriter.h"

#include <QFileInfo>

std::unique_ptr<VideoWriter> VideoWriter::open(const Options& options) {
    if (options.size.isEmpty() || options.fps < 1 || options.fps > 120 || options.sampleRate < 8000)
        throw K41Error(
            K41Error::InvalidCall,
            QStringLiteral("録画の大きさ・コマ数が正しくありません: %1").arg(options.path));
    const QString suffix = QFileInfo(options.path).suffix().toLower();
    if (suffix == QLatin1String("webm") || suffix == QLatin1String("mp4") ||
        suffix == QLatin1String("gif")) {
        // The encoders come with their module, loaded on the first video recorded.
        using Make = VideoWriter* (*)(const Options&);
        const auto make = reinterpret_cast<Make>(
            BackendModule::entry("k41video", "k41_video_writer", QStringLiteral("動画の録画")));
        return std::unique_ptr<VideoWriter>(make(options));
    }
    if (!suffix.isEmpty() && !QFileInfo(options.path).isDir())
        throw K41Error(
            K41Error::BadFileName,
            QStringLiteral("録画できない種類の名前です (.webm, .mp4, .gif かフォルダー): %1")
                .arg(options.path));
    return std::make_unique<FolderWriter>(options);
}
