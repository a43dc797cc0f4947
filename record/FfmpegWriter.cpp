#include "record/FfmpegWriter.h"

#include "platform/core/K41Error.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/audio_fifo.h>
#include <libavutil/channel_layout.h>
#include <libavutil/imgutils.h>
#include <libavutil/opt.h>
#include <libswresample/swresample.h>
#include <libswscale/swscale.h>
}

#include <QFileInfo>
#include <cstring>

namespace {

QString avError(int code) {
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return QString::fromUtf8(text);
}

} // namespace

FfmpegWriter::FfmpegWriter(const Options& options) : m_options(options) {
    // The libraries speak only of errors; the recording reports its own progress.
    av_log_set_level(AV_LOG_ERROR);
    const QString suffix = QFileInfo(options.path).suffix().toLower();
    const QByteArray path = QFile::encodeName(options.path);
    int rc = avformat_alloc_output_context2(&m_format, nullptr, nullptr, path.constData());
    if (rc < 0 || !m_format) fail(QStringLiteral("出力を作れません"), rc);
    try {
        if (suffix == QLatin1String("webm")) {
            openVideo("libvpx-vp9", options.lossless ? AV_PIX_FMT_GBRP : AV_PIX_FMT_YUV420P);
            openAudio("libopus");
        } else if (suffix == QLatin1String("mp4")) {
            openVideo("libx264", AV_PIX_FMT_YUV420P);
            openAudio("aac");
        } else {
            m_gif = true;
            openVideo("gif", AV_PIX_FMT_PAL8);
        }
        if (!(m_format->oformat->flags & AVFMT_NOFILE)) {
            rc = avio_open(&m_format->pb, path.constData(), AVIO_FLAG_WRITE);
            if (rc < 0) fail(QStringLiteral("書き込めません"), rc);
        }
        rc = avformat_write_header(m_format, nullptr);
        if (rc < 0) fail(QStringLiteral("見出しを書けません"), rc);
        m_headerWritten = true;
    } catch (...) {
        release();
        throw;
    }
}

FfmpegWriter::~FfmpegWriter() {
    release();
}

void FfmpegWriter::fail(const QString& what, int code) const {
    throw K41Error(code == AVERROR(ENOSPC) ? K41Error::DiskFull : K41Error::PathFileAccess,
                   QStringLiteral("%1: %2 (%3)").arg(m_options.path, what, avError(code)));
}

void FfmpegWriter::openVideo(const char* codecName, int pixelFormat) {
    const AVCodec* codec = avcodec_find_encoder_by_name(codecName);
    if (!codec) fail(QStringLiteral("符号器 %1 がありません").arg(QLatin1String(codecName)), 0);
    m_videoStream = avformat_new_stream(m_format, nullptr);
    m_video = avcodec_alloc_context3(codec);
    if (!m_videoStream || !m_video) fail(QStringLiteral("メモリー不足"), AVERROR(ENOMEM));
    m_video->width = m_options.size.width();
    m_video->height = m_options.size.height();
    if (pixelFormat == AV_PIX_FMT_YUV420P) {
        // Colour is kept for 2 × 2 pixels, so the encoders want even sizes: an odd edge gets
        // one more row or column, a copy of the last.
        m_video->width += m_video->width % 2;
        m_video->height += m_video->height % 2;
    }
    m_video->time_base = AVRational{1, m_options.fps};
    m_video->framerate = AVRational{m_options.fps, 1};
    m_video->pix_fmt = AVPixelFormat(pixelFormat);
    m_video->gop_size = m_options.fps * 2;
    m_video->thread_count = 2;
    if (std::strcmp(codecName, "libvpx-vp9") == 0) {
        // Fast enough to record well ahead of real time on a small machine.
        av_opt_set(m_video->priv_data, "deadline", "realtime", 0);
        av_opt_set(m_video->priv_data, "cpu-used", "8", 0);
        av_opt_set(m_video->priv_data, "row-mt", "1", 0);
        if (m_options.lossless) {
            av_opt_set(m_video->priv_data, "lossless", "1", 0);
            m_video->colorspace = AVCOL_SPC_RGB;
        } else {
            av_opt_set(m_video->priv_data, "crf", "24", 0);
            m_video->bit_rate = 0;
        }
    } else if (std::strcmp(codecName, "libx264") == 0) {
        av_opt_set(m_video->priv_data, "preset", "veryfast", 0);
        av_opt_set(m_video->priv_data, "crf", "18", 0);
        // No frames out of order: each frame's time is its place, as editors expect.
        m_video->max_b_frames = 0;
    }
    if (m_format->oformat->flags & AVFMT_GLOBALHEADER)
        m_video->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    int rc = avcodec_open2(m_video, codec, nullptr);
    if (rc < 0) fail(QStringLiteral("映像の符号器を開けません"), rc);
    rc = avcodec_parameters_from_context(m_videoStream->codecpar, m_video);
    if (rc < 0) fail(QStringLiteral("映像の設定"), rc);
    m_videoStream->time_base = m_video->time_base;

    m_picture = av_frame_alloc();
    if (!m_picture) fail(QStringLiteral("メモリー不足"), AVERROR(ENOMEM));
    m_picture->format = pixelFormat;
    m_picture->width = m_video->width;
    m_picture->height = m_video->height;
    rc = av_frame_get_buffer(m_picture, 0);
    if (rc < 0) fail(QStringLiteral("メモリー不足"), rc);
    if (!m_gif) {
        m_scale = sws_getContext(m_video->width, m_video->height, AV_PIX_FMT_BGRA, m_video->width,
                                 m_video->height, AVPixelFormat(pixelFormat),
                                 SWS_BICUBIC | SWS_ACCURATE_RND | SWS_FULL_CHR_H_INT, nullptr,
                                 nullptr, nullptr);
        if (!m_scale) fail(QStringLiteral("色の変換を用意できません"), 0);
    }
}

void FfmpegWriter::openAudio(const char* codecName) {
    const AVCodec* codec = avcodec_find_encoder_by_name(codecName);
    if (!codec) fail(QStringLiteral("符号器 %1 がありません").arg(QLatin1String(codecName)), 0);
    m_audioStream = avformat_new_stream(m_format, nullptr);
    m_audio = avcodec_alloc_context3(codec);
    if (!m_audioStream || !m_audio) fail(QStringLiteral("メモリー不足"), AVERROR(ENOMEM));
    m_audio->sample_rate = 48000;
    m_audio->sample_fmt = codec->sample_fmts ? codec->sample_fmts[0] : AV_SAMPLE_FMT_FLTP;
    av_channel_layout_default(&m_audio->ch_layout, 2);
    m_audio->bit_rate = 128000;
    m_audio->time_base = AVRational{1, m_audio->sample_rate};
    if (m_format->oformat->flags & AVFMT_GLOBALHEADER)
        m_audio->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    int rc = avcodec_open2(m_audio, codec, nullptr);
    if (rc < 0) fail(QStringLiteral("音の符号器を開けません"), rc);
    rc = avcodec_parameters_from_context(m_audioStream->codecpar, m_audio);
    if (rc < 0) fail(QStringLiteral("音の設定"), rc);
    m_audioStream->time_base = m_audio->time_base;

    AVChannelLayout stereo = AV_CHANNEL_LAYOUT_STEREO;
    rc = swr_alloc_set_opts2(&m_resample, &m_audio->ch_layout, m_audio->sample_fmt,
                             m_audio->sample_rate, &stereo, AV_SAMPLE_FMT_FLT, m_options.sampleRate,
                             0, nullptr);
    if (rc < 0 || swr_init(m_resample) < 0) fail(QStringLiteral("音の変換を用意できません"), rc);
    m_fifo = av_audio_fifo_alloc(m_audio->sample_fmt, 2, 4096);
    m_sound = av_frame_alloc();
    if (!m_fifo || !m_sound) fail(QStringLiteral("メモリー不足"), AVERROR(ENOMEM));
}

void FfmpegWriter::encode(AVCodecContext* codec, AVStream* stream, AVFrame* frame) {
    int rc = avcodec_send_frame(codec, frame);
    if (rc < 0) fail(QStringLiteral("符号化できません"), rc);
    AVPacket* packet = av_packet_alloc();
    if (!packet) fail(QStringLiteral("メモリー不足"), AVERROR(ENOMEM));
    while ((rc = avcodec_receive_packet(codec, packet)) >= 0) {
        av_packet_rescale_ts(packet, codec->time_base, stream->time_base);
        packet->stream_index = stream->index;
        rc = av_interleaved_write_frame(m_format, packet);
        if (rc < 0) {
            av_packet_free(&packet);
            fail(QStringLiteral("書き込めません"), rc);
        }
    }
    av_packet_free(&packet);
    if (rc != AVERROR(EAGAIN) && rc != AVERROR_EOF) fail(QStringLiteral("符号化できません"), rc);
}

void FfmpegWriter::addFrame(const QImage& frame) {
    int rc = av_frame_make_writable(m_picture);
    if (rc < 0) fail(QStringLiteral("メモリー不足"), rc);
    if (m_gif) {
        // GIF has 256 colours: Qt picks the palette, the frame carries it.
        const QImage indexed = frame.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
        for (int y = 0; y < indexed.height(); ++y)
            std::memcpy(m_picture->data[0] + y * m_picture->linesize[0], indexed.constScanLine(y),
                        size_t(indexed.width()));
        auto* palette = reinterpret_cast<uint32_t*>(m_picture->data[1]);
        const QList<QRgb> table = indexed.colorTable();
        for (int i = 0; i < 256; ++i)
            palette[i] = i < table.size() ? (table[i] | 0xFF000000u) : 0xFF000000u;
    } else {
        QImage bgra = frame.convertToFormat(QImage::Format_ARGB32);
        if (bgra.size() != QSize(m_video->width, m_video->height)) {
            QImage padded(m_video->width, m_video->height, QImage::Format_ARGB32);
            for (int y = 0; y < padded.height(); ++y) {
                const auto* from =
                    reinterpret_cast<const QRgb*>(bgra.constScanLine(qMin(y, bgra.height() - 1)));
                auto* to = reinterpret_cast<QRgb*>(padded.scanLine(y));
                for (int x = 0; x < padded.width(); ++x)
                    to[x] = from[qMin(x, bgra.width() - 1)];
            }
            bgra = padded;
        }
        const uint8_t* src[1] = {bgra.constBits()};
        const int stride[1] = {int(bgra.bytesPerLine())};
        sws_scale(m_scale, src, stride, 0, bgra.height(), m_picture->data, m_picture->linesize);
    }
    m_picture->pts = m_frameCount++;
    encode(m_video, m_videoStream, m_picture);
}

void FfmpegWriter::addAudio(const float* samples, std::size_t frames) {
    if (!m_audio || frames == 0) return;
    const int out = swr_get_out_samples(m_resample, int(frames));
    uint8_t** converted = nullptr;
    int rc =
        av_samples_alloc_array_and_samples(&converted, nullptr, 2, out, m_audio->sample_fmt, 0);
    if (rc < 0) fail(QStringLiteral("メモリー不足"), rc);
    const uint8_t* in[1] = {reinterpret_cast<const uint8_t*>(samples)};
    const int got = swr_convert(m_resample, converted, out, in, int(frames));
    if (got > 0) rc = av_audio_fifo_write(m_fifo, reinterpret_cast<void**>(converted), got);
    av_freep(&converted[0]);
    av_freep(&converted);
    if (got < 0 || rc < 0) fail(QStringLiteral("音を変換できません"), got < 0 ? got : rc);
    encodeAudioFrames(false);
}

void FfmpegWriter::encodeAudioFrames(bool flush) {
    const int size = m_audio->frame_size > 0 ? m_audio->frame_size : 1024;
    while (av_audio_fifo_size(m_fifo) >= size || (flush && av_audio_fifo_size(m_fifo) > 0)) {
        av_frame_unref(m_sound);
        m_sound->nb_samples = size;
        m_sound->format = m_audio->sample_fmt;
        m_sound->sample_rate = m_audio->sample_rate;
        av_channel_layout_copy(&m_sound->ch_layout, &m_audio->ch_layout);
        int rc = av_frame_get_buffer(m_sound, 0);
        if (rc < 0) fail(QStringLiteral("メモリー不足"), rc);
        const int have = av_audio_fifo_read(m_fifo, reinterpret_cast<void**>(m_sound->data), size);
        // The last frame of a stream is filled up with silence.
        if (have < size)
            av_samples_set_silence(m_sound->data, have, size - have, 2, m_audio->sample_fmt);
        m_sound->pts = m_audioPts;
        m_audioPts += size;
        encode(m_audio, m_audioStream, m_sound);
    }
}

void FfmpegWriter::finish() {
    if (m_finished) return;
    m_finished = true;
    if (m_audio) {
        encodeAudioFrames(true);
        encode(m_audio, m_audioStream, nullptr);
    }
    encode(m_video, m_videoStream, nullptr);
    int rc = av_write_trailer(m_format);
    if (rc < 0) fail(QStringLiteral("書き終えられません"), rc);
    if (m_format->pb) {
        rc = avio_closep(&m_format->pb);
        if (rc < 0) fail(QStringLiteral("書き終えられません"), rc);
    }
}

void FfmpegWriter::release() {
    if (m_format && m_format->pb && !(m_format->oformat->flags & AVFMT_NOFILE))
        avio_closep(&m_format->pb);
    avcodec_free_context(&m_video);
    avcodec_free_context(&m_audio);
    av_frame_free(&m_picture);
    av_frame_free(&m_sound);
    sws_freeContext(m_scale);
    m_scale = nullptr;
    swr_free(&m_resample);
    if (m_fifo) av_audio_fifo_free(m_fifo);
    m_fifo = nullptr;
    avformat_free_context(m_format);
    m_format = nullptr;
}
