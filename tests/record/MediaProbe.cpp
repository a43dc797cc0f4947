#include "tests/record/MediaProbe.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libswresample/swresample.h>
}

#include <QFile>
#include <algorithm>
#include <cmath>
#include <memory>

namespace {

struct Closer {
    void operator()(AVFormatContext* f) const { avformat_close_input(&f); }
    void operator()(AVCodecContext* c) const { avcodec_free_context(&c); }
    void operator()(AVFrame* f) const { av_frame_free(&f); }
    void operator()(AVPacket* p) const { av_packet_free(&p); }
    void operator()(SwrContext* s) const { swr_free(&s); }
};

std::unique_ptr<AVCodecContext, Closer> openDecoder(AVStream* stream) {
    const AVCodec* codec = avcodec_find_decoder(stream->codecpar->codec_id);
    if (!codec) return nullptr;
    std::unique_ptr<AVCodecContext, Closer> ctx(avcodec_alloc_context3(codec));
    if (ctx) ctx->thread_count = 1;
    if (!ctx || avcodec_parameters_to_context(ctx.get(), stream->codecpar) < 0 ||
        avcodec_open2(ctx.get(), codec, nullptr) < 0)
        return nullptr;
    return ctx;
}

// A decoded picture as RGB; planar RGB (lossless VP9) is copied, anything else converted.
QImage toImage(const AVFrame* f) {
    QImage img(f->width, f->height, QImage::Format_RGB32);
    if (f->format == AV_PIX_FMT_GBRP) {
        for (int y = 0; y < f->height; ++y) {
            auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
            const uint8_t* g = f->data[0] + y * f->linesize[0];
            const uint8_t* b = f->data[1] + y * f->linesize[1];
            const uint8_t* r = f->data[2] + y * f->linesize[2];
            for (int x = 0; x < f->width; ++x)
                line[x] = qRgb(r[x], g[x], b[x]);
        }
        return img;
    }
    img.fill(Qt::magenta); // a format the test does not expect: fails any pixel comparison
    return img;
}

} // namespace

bool MediaProbe::open(const QString& path, int wantFrame) {
    AVFormatContext* raw = nullptr;
    if (avformat_open_input(&raw, QFile::encodeName(path).constData(), nullptr, nullptr) < 0) {
        error = QStringLiteral("cannot open ") + path;
        return false;
    }
    std::unique_ptr<AVFormatContext, Closer> format(raw);
    if (avformat_find_stream_info(format.get(), nullptr) < 0) {
        error = QStringLiteral("no stream info");
        return false;
    }
    durationSeconds = format->duration > 0 ? double(format->duration) / AV_TIME_BASE : 0;
    int videoIndex = -1, audioIndex = -1;
    for (unsigned i = 0; i < format->nb_streams; ++i) {
        const AVCodecParameters* p = format->streams[i]->codecpar;
        if (p->codec_type == AVMEDIA_TYPE_VIDEO) {
            ++videoStreams;
            videoIndex = int(i);
            videoCodec = QString::fromUtf8(avcodec_get_name(p->codec_id));
            fps = av_q2d(format->streams[i]->avg_frame_rate);
        } else if (p->codec_type == AVMEDIA_TYPE_AUDIO) {
            ++audioStreams;
            audioIndex = int(i);
            audioCodec = QString::fromUtf8(avcodec_get_name(p->codec_id));
        }
    }
    std::unique_ptr<AVCodecContext, Closer> video, audio;
    if (videoIndex >= 0) video = openDecoder(format->streams[videoIndex]);
    if (audioIndex >= 0) audio = openDecoder(format->streams[audioIndex]);
    std::unique_ptr<SwrContext, Closer> resample;
    if (audio) {
        AVChannelLayout mono = AV_CHANNEL_LAYOUT_MONO;
        SwrContext* s = nullptr;
        if (swr_alloc_set_opts2(&s, &mono, AV_SAMPLE_FMT_FLT, rate, &audio->ch_layout,
                                audio->sample_fmt, audio->sample_rate, 0, nullptr) < 0 ||
            swr_init(s) < 0) {
            error = QStringLiteral("no resampler");
            swr_free(&s);
            return false;
        }
        resample.reset(s);
    }
    std::unique_ptr<AVPacket, Closer> packet(av_packet_alloc());
    std::unique_ptr<AVFrame, Closer> decoded(av_frame_alloc());
    const auto drain = [&](AVCodecContext* ctx, bool isVideo) {
        while (avcodec_receive_frame(ctx, decoded.get()) >= 0) {
            if (isVideo) {
                if (decodedFrames == wantFrame) frame = toImage(decoded.get());
                ++decodedFrames;
            } else {
                const int room = swr_get_out_samples(resample.get(), decoded->nb_samples);
                const size_t at = mono.size();
                mono.resize(at + size_t(std::max(room, 0)));
                uint8_t* out[1] = {reinterpret_cast<uint8_t*>(mono.data() + at)};
                const int got = swr_convert(resample.get(), out, room,
                                            const_cast<const uint8_t**>(decoded->extended_data),
                                            decoded->nb_samples);
                mono.resize(at + size_t(std::max(got, 0)));
            }
        }
    };
    // A decoder that is full takes the packet only once its frames have been taken.
    const auto feed = [&](AVCodecContext* ctx, bool isVideo) {
        while (avcodec_send_packet(ctx, packet.get()) == AVERROR(EAGAIN))
            drain(ctx, isVideo);
        drain(ctx, isVideo);
    };
    while (av_read_frame(format.get(), packet.get()) >= 0) {
        if (packet->stream_index == videoIndex) ++frames;
        if (packet->stream_index == videoIndex && video)
            feed(video.get(), true);
        else if (packet->stream_index == audioIndex && audio)
            feed(audio.get(), false);
        av_packet_unref(packet.get());
    }
    if (video) {
        avcodec_send_packet(video.get(), nullptr);
        drain(video.get(), true);
    }
    if (audio) {
        avcodec_send_packet(audio.get(), nullptr);
        drain(audio.get(), false);
    }
    return true;
}

double MediaProbe::loudest(double from, double to) const {
    const size_t window = size_t(rate / 50);
    double best = 0;
    for (size_t start = size_t(std::max(0.0, from) * rate);
         start + window <= std::min(mono.size(), size_t(to * rate)); start += window) {
        double sum = 0;
        for (size_t i = start; i < start + window; ++i)
            sum += double(mono[i]) * mono[i];
        best = std::max(best, std::sqrt(sum / double(window)));
    }
    return best;
}
