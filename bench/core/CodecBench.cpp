// Code page 932 conversion against glibc's iconv ("CP932") on the same text in one run:
// decoding bytes to UTF-16 and encoding UTF-16 to bytes, best of several rounds each,
// in CPU time of the thread. Prints
// the median, minimum and maximum of the ratio iconv time / ours (above 1: ours is faster),
// and the one-time cost of the first conversion (the tables being filled from ICU).
#include "platform/core/Codec932.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <iconv.h>
#include <random>
#include <vector>

namespace {

// About a megabyte of text in the mix of a fare or settings file: mostly kanji and kana,
// some ASCII and half-width katakana; built from the code page itself, so every character
// has a form.
QByteArray sampleBytes() {
    std::mt19937 random(932);
    QByteArray out;
    while (out.size() < (1 << 20)) {
        const unsigned r = random() % 100;
        if (r < 20) {
            out += char(0x20 + random() % 0x5F);
        } else if (r < 25) {
            out += char(0xA1 + random() % 0x3F);
        } else if (r < 55) {
            out += char(0x82); // hiragana row
            out += char(0x9F + random() % 0x53);
        } else {
            out += char(0x89 + random() % 0x0F); // level-1 kanji rows
            out += char(0x40 + random() % 0x3F);
        }
    }
    return out;
}

// The thread's own CPU time: on a shared machine the wall clock mostly measures the others.
double cpuNs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e9 + double(t.tv_nsec);
}

template <typename F> double bestNs(int rounds, F&& f) {
    double best = 1e300;
    for (int i = 0; i < rounds; ++i) {
        const double start = cpuNs();
        f();
        best = std::min(best, cpuNs() - start);
    }
    return best;
}

std::size_t iconvRun(const char* to, const char* from, const char* in, std::size_t inBytes,
                     std::vector<char>& out) {
    iconv_t cd = iconv_open(to, from);
    if (cd == iconv_t(-1)) {
        std::perror("iconv_open");
        std::exit(1);
    }
    char* src = const_cast<char*>(in);
    char* dst = out.data();
    std::size_t dstLeft = out.size();
    iconv(cd, &src, &inBytes, &dst, &dstLeft);
    iconv_close(cd);
    return out.size() - dstLeft;
}

struct Figures {
    double median, min, max;
};

Figures figures(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return {v[v.size() / 2], v.front(), v.back()};
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 7;
    const QByteArray bytes = sampleBytes();

    const double firstStart = cpuNs();
    const QString text = Codec932::decode(bytes);
    const QByteArray again = Codec932::encode(text);
    const double firstMs = (cpuNs() - firstStart) / 1e6;
    if (again != bytes || text.contains(QChar::ReplacementCharacter)) {
        std::fprintf(stderr, "the sample does not survive a round trip\n");
        return 1;
    }

    std::vector<char> out(std::size_t(bytes.size()) * 4);
    std::vector<double> decodeRatio, encodeRatio;
    std::size_t sink = 0;
    for (int run = 0; run < runs; ++run) {
        const double oursDecode = bestNs(5, [&] { sink += Codec932::decode(bytes).size(); });
        const double iconvDecode = bestNs(5, [&] {
            sink += iconvRun("UTF-16LE", "CP932", bytes.constData(), bytes.size(), out);
        });
        const double oursEncode = bestNs(5, [&] { sink += Codec932::encode(text).size(); });
        const double iconvEncode = bestNs(5, [&] {
            sink += iconvRun("CP932", "UTF-16LE", reinterpret_cast<const char*>(text.utf16()),
                             std::size_t(text.size()) * 2, out);
        });
        decodeRatio.push_back(iconvDecode / oursDecode);
        encodeRatio.push_back(iconvEncode / oursEncode);
        if (run == 0)
            std::printf("one run: decode %.2f ms (iconv %.2f ms), encode %.2f ms (iconv %.2f ms)"
                        " of %lld bytes, %lld characters\n",
                        oursDecode / 1e6, iconvDecode / 1e6, oursEncode / 1e6, iconvEncode / 1e6,
                        qlonglong(bytes.size()), qlonglong(text.size()));
    }
    const Figures d = figures(decodeRatio), e = figures(encodeRatio);
    std::printf("first conversion (tables filled from ICU): %.2f ms\n", firstMs);
    std::printf("decode: iconv / ours = %.2f (min %.2f, max %.2f, %d runs)\n", d.median, d.min,
                d.max, runs);
    std::printf("encode: iconv / ours = %.2f (min %.2f, max %.2f, %d runs)\n", e.median, e.min,
                e.max, runs);
    return sink == 0;
}
