// Cost of reading the largest panel pictures, against a picture of the board's own size read
// in the same run: time per read and the ratio to the baseline. Run it under
// `/usr/bin/time -v` for the peak memory of the whole run.
#include "backlight/Backlight.h"
#include "platform/core/K41Error.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QtEndian>
#include <cstdio>

namespace {

const QSize Board(543, 333);

QByteArray encode(const QImage& image, const char* format, bool progressive = false) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setProgressiveScanWrite(progressive);
    writer.write(image);
    return buffer.data();
}

QByteArray declareJpegSize(QByteArray jpeg, int side) {
    for (int i = 2; i + 9 < jpeg.size(); ++i)
        if (quint8(jpeg[i]) == 0xFF && (quint8(jpeg[i + 1]) & 0xFD) == 0xC0) {
            qToBigEndian(quint16(side), jpeg.data() + i + 5);
            qToBigEndian(quint16(side), jpeg.data() + i + 7);
            break;
        }
    return jpeg;
}

// A 24-bit BMP header declaring `side` x `side`, as a sparse file of that size.
void writeHugeBmp(const QString& path, int side) {
    QByteArray head = encode(QImage(4, 4, QImage::Format_RGB888), "bmp").left(54);
    qToLittleEndian(qint32(side), head.data() + 18);
    qToLittleEndian(qint32(side), head.data() + 22);
    qToLittleEndian(qint32(side * 3 * side), head.data() + 34);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(head);
    file.resize(54 + qint64(side) * side * 3);
}

// A GIF of `side` x `side`, nine-bit codes with a clear code every 250 pixels.
void writeHugeGif(const QString& path, int side, bool interlaced) {
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    QByteArray out("GIF89a");
    auto u16 = [&](int v) { out.append(char(v & 0xFF)).append(char(v >> 8)); };
    u16(side);
    u16(side);
    out.append(char(0xF7)).append(char(0)).append(char(0));
    for (int i = 0; i < 256; ++i)
        out.append(char(i)).append(char(i)).append(char(255 - i));
    out.append(char(0x2C));
    u16(0), u16(0), u16(side), u16(side);
    out.append(char(interlaced ? 0x40 : 0)).append(char(8));
    QByteArray codes;
    quint32 bits = 0;
    int count = 0;
    qint64 run = 0;
    auto put = [&](int code) {
        bits |= quint32(code) << count;
        for (count += 9; count >= 8; count -= 8, bits >>= 8)
            codes.append(char(bits & 0xFF));
    };
    auto flush = [&] {
        for (qsizetype i = 0; i + 255 <= codes.size(); i += 255)
            out.append(char(255)).append(codes.constData() + i, 255);
        codes = codes.right(codes.size() % 255);
        file.write(out);
        out.clear();
    };
    for (qint64 p = 0; p < qint64(side) * side; ++p) {
        if (run++ % 250 == 0) put(256);
        put(int(p % 251));
        if (codes.size() > (1 << 20)) flush();
    }
    put(257);
    if (count > 0) codes.append(char(bits & 0xFF));
    flush();
    if (!codes.isEmpty()) out.append(char(codes.size())).append(codes);
    out.append(char(0)).append(char(0x3B));
    file.write(out);
}

void measure(const char* name, const QString& path, double base) {
    QElapsedTimer clock;
    clock.start();
    QString outcome;
    try {
        const QImage image = Backlight::loadPicture(path, Board);
        outcome = QStringLiteral("%1 x %2 read").arg(image.width()).arg(image.height());
    } catch (const K41Error& e) {
        outcome = QStringLiteral("refused, error %1").arg(e.number());
    }
    const double ms = double(clock.nsecsElapsed()) / 1e6;
    std::printf("%-46s %8.1f ms  %6.1f x  %s\n", name, ms, base > 0 ? ms / base : 1.0,
                qPrintable(outcome));
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    const QString board = dir.filePath("board.bmp");
    QImage plain(Board, QImage::Format_RGB32);
    plain.fill(Qt::darkCyan);
    {
        QFile f(board);
        f.open(QIODevice::WriteOnly);
        f.write(encode(plain, "bmp"));
    }
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < 20; ++i)
        Backlight::loadPicture(board, Board);
    const double base = double(clock.nsecsElapsed()) / 1e6 / 20;
    std::printf("%-46s %8.1f ms  %6.1f x\n", "baseline: BMP of the board's size", base, 1.0);

    const QImage small(64, 48, QImage::Format_RGB32);
    auto save = [&](const char* name, const QByteArray& bytes) {
        QFile f(dir.filePath(name));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return f.fileName();
    };
    measure("progressive JPEG declaring 30000 x 30000",
            save("bomb.jpg", declareJpegSize(encode(small, "jpeg", true), 30000)), base);
    measure("progressive JPEG declaring 65500 x 65500",
            save("bomb2.jpg", declareJpegSize(encode(small, "jpeg", true), 65500)), base);
    measure("baseline JPEG declaring 30000 x 30000",
            save("tall.jpg", declareJpegSize(encode(small, "jpeg"), 30000)), base);
    writeHugeBmp(dir.filePath("huge.bmp"), 10000);
    measure("BMP 10000 x 10000 (300 MB)", dir.filePath("huge.bmp"), base);
    writeHugeGif(dir.filePath("huge.gif"), 8000, false);
    measure("GIF 8000 x 8000", dir.filePath("huge.gif"), base);
    writeHugeGif(dir.filePath("huge-interlaced.gif"), 8000, true);
    measure("GIF 8000 x 8000, interlaced", dir.filePath("huge-interlaced.gif"), base);
    return 0;
}
