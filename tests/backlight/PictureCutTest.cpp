// Pictures whose headers declare more than a board can show: a large valid picture is cut to
// the board's corner without reading the rest, a picture whose decoding would need more than
// the budget is refused before anything is decoded.
#include "backlight/PictureCut.h"
#include "backlight/Backlight.h"

#include "platform/core/K41Error.h"
#include "tests/backlight/PictureFiles.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

const QSize Board(543, 333);

// A picture with a different colour in every pixel of the board's corner.
QImage pattern(const QSize& size, QImage::Format format) {
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(x * 7, y * 5, (x ^ y) & 0xFF));
    return image.convertToFormat(format, Qt::ThresholdDither);
}

int errorOf(const QString& path) {
    try {
        Backlight::loadPicture(path, Board);
    } catch (const K41Error& e) {
        return e.number();
    }
    return 0;
}

// The SOF segment's height and width fields, rewritten.
QByteArray declareSize(QByteArray jpeg, int width, int height) {
    for (int i = 2; i + 9 < jpeg.size(); ++i)
        if (quint8(jpeg[i]) == 0xFF &&
            (quint8(jpeg[i + 1]) == 0xC0 || quint8(jpeg[i + 1]) == 0xC2)) {
            qToBigEndian(quint16(height), jpeg.data() + i + 5);
            qToBigEndian(quint16(width), jpeg.data() + i + 7);
            return jpeg;
        }
    return {};
}

QByteArray jpeg(const QImage& image, bool progressive) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setProgressiveScanWrite(progressive);
    writer.setQuality(95);
    EXPECT_TRUE(writer.write(image));
    return buffer.data();
}

} // namespace

TEST(PictureCut, ALargeBmpIsCutToTheBoardPixelForPixel) {
    QTemporaryDir dir;
    for (QImage::Format format : {QImage::Format_RGB32, QImage::Format_RGB888,
                                  QImage::Format_Indexed8, QImage::Format_Mono}) {
        const QImage whole = pattern({701, 407}, format);
        const QString path = dir.filePath("big.bmp");
        ASSERT_TRUE(PictureFiles::write(path, PictureFiles::encoded(whole, "BMP")));
        const QImage got = Backlight::loadPicture(path, Board);
        ASSERT_EQ(got.size(), Board) << format;
        const QImage corner = whole.copy(QRect(QPoint(0, 0), Board));
        EXPECT_EQ(got.convertToFormat(QImage::Format_RGB32),
                  corner.convertToFormat(QImage::Format_RGB32))
            << format;
    }
}

TEST(PictureCut, A10000By10000BmpShowsItsCornerWithoutReadingTheRest) {
    // 300 MB declared, a sparse file: only the rows that show hold pixels, bottom-up as BMP
    // stores them (the picture's top rows come last).
    QTemporaryDir dir;
    const QString path = dir.filePath("huge.bmp");
    const QImage small = pattern({16, 16}, QImage::Format_RGB888);
    QByteArray head = PictureFiles::encoded(small, "BMP").left(54);
    const qint32 side = 10000, stride = side * 3;
    qToLittleEndian(qint32(side), head.data() + 18);
    qToLittleEndian(qint32(side), head.data() + 22);
    qToLittleEndian(qint32(stride * side), head.data() + 34);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(head);
    ASSERT_TRUE(file.resize(54 + qint64(stride) * side));
    // The top row: blue-green-red bytes of pure red.
    ASSERT_TRUE(file.seek(54 + qint64(stride) * (side - 1)));
    for (int x = 0; x < 600; ++x)
        file.write(QByteArray("\x00\x00\xFF", 3));
    file.close();

    const QImage got = Backlight::loadPicture(path, Board);
    ASSERT_EQ(got.size(), Board);
    EXPECT_EQ(got.pixel(542, 0), qRgb(255, 0, 0));
    EXPECT_EQ(got.pixel(0, 1), qRgb(0, 0, 0));
}

TEST(PictureCut, AJpegThatMustBeDecodedWholeIsRefusedFromItsHeader) {
    QTemporaryDir dir;
    const QImage image = pattern({64, 48}, QImage::Format_RGB32);
    // Progressive: the decoder gathers every coefficient of the declared size first.
    struct Case {
        QByteArray bytes;
        int error;
    };
    const Case cases[] = {
        {declareSize(jpeg(image, true), 30000, 30000), 481},
        {declareSize(jpeg(image, true), 65500, 65500), 481},
        // Row by row: any declared size costs no more than the rows that show.
        {declareSize(jpeg(image, false), 30000, 30000), 0},
    };
    for (const Case& c : cases) {
        ASSERT_FALSE(c.bytes.isEmpty());
        const QString path = dir.filePath("bomb.jpg");
        ASSERT_TRUE(PictureFiles::write(path, c.bytes));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const auto frame = PictureCut::jpegFrame(file);
        ASSERT_TRUE(frame.has_value());
        EXPECT_EQ(frame->bufferBytes > PictureCut::DecodeBudget, c.error != 0);
        // A cut-short JPEG may still fail to decode; what matters is that it is not refused
        // for its size when its rows stream.
        const int error = errorOf(path);
        if (c.error)
            EXPECT_EQ(error, c.error);
        else
            EXPECT_NE(error, 7);
    }
    // A progressive picture of an ordinary size still shows.
    const QString photo = dir.filePath("photo.jpg");
    ASSERT_TRUE(PictureFiles::write(photo, jpeg(pattern({800, 600}, QImage::Format_RGB32), true)));
    EXPECT_EQ(Backlight::loadPicture(photo, Board).size(), Board);
}

namespace {

// The rows of a GIF frame in the order its data holds them.
QList<int> gifRows(int height, bool interlaced) {
    QList<int> rows;
    for (int pass = 0; pass < 4; ++pass)
        for (int y = interlaced ? (pass == 0 ? 0 : 8 >> pass) : pass * height; y < height;
             y += interlaced ? (pass == 0 ? 8 : 16 >> pass) : 1)
            rows << y;
    return rows;
}

// A GIF with a 256-colour table and one image whose nine-bit codes are given.
QByteArray gifOf(const QSize& screen, const QRect& frame, bool interlaced, int transparent,
                 const QList<int>& nineBitCodes) {
    QByteArray out("GIF89a");
    auto u16 = [&](int v) {
        out.append(char(v & 0xFF));
        out.append(char(v >> 8));
    };
    u16(screen.width());
    u16(screen.height());
    out.append(char(0xF7)).append(char(0)).append(char(0));
    for (int i = 0; i < 256; ++i)
        out.append(char(i)).append(char(255 - i)).append(char(i * 3));
    if (transparent >= 0)
        out.append("\x21\xF9\x04\x01\x00\x00", 6).append(char(transparent)).append(char(0));
    out.append(char(0x2C));
    u16(frame.x());
    u16(frame.y());
    u16(frame.width());
    u16(frame.height());
    out.append(char(interlaced ? 0x40 : 0)).append(char(8));
    QByteArray codes;
    quint32 bits = 0;
    int count = 0;
    for (int code : nineBitCodes) {
        bits |= quint32(code) << count;
        for (count += 9; count >= 8; count -= 8, bits >>= 8)
            codes.append(char(bits & 0xFF));
    }
    if (count > 0) codes.append(char(bits & 0xFF));
    for (qsizetype i = 0; i < codes.size(); i += 255) {
        const QByteArray block = codes.mid(i, 255);
        out.append(char(block.size())).append(block);
    }
    return out.append(char(0)).append(char(0x3B));
}

// Codes written with a clear code every 250 pixels, so that no table entry is ever used
// (simple and still valid). With `pixels` set, the codes end after that many pixels (a
// cut-short image).
QByteArray gif(const QSize& screen, const QRect& frame, bool interlaced, int transparent = -1,
               int pixels = -1) {
    QList<int> codes;
    int run = 0;
    for (int y : gifRows(frame.height(), interlaced))
        for (int x = 0; x < frame.width() && run != pixels; ++x) {
            if (run++ % 250 == 0) codes << 256;
            codes << ((x + 3 * y) & 0xFF);
        }
    return gifOf(screen, frame, interlaced, transparent, codes << 257);
}

QRgb gifColour(int x, int y) {
    const int i = (x + 3 * y) & 0xFF;
    return qRgb(i, 255 - i, (i * 3) & 0xFF);
}

} // namespace

TEST(PictureCut, AGifLargerThanTheBoardShowsItsCorner) {
    QTemporaryDir dir;
    const QString path = dir.filePath("big.gif");
    for (bool interlaced : {false, true}) {
        const QRect frame(5, 2, 700, 400);
        // The same image on a small screen is read by Qt itself: the encoder is right.
        ASSERT_TRUE(PictureFiles::write(path, gif({710, 410}, frame, interlaced)));
        QImage byQt(path);
        ASSERT_FALSE(byQt.isNull());
        EXPECT_EQ(byQt.pixel(5 + 600, 2 + 399), gifColour(600, 399));

        // On a screen of 8000 x 8000 the corner is decoded here.
        ASSERT_TRUE(PictureFiles::write(path, gif({8000, 8000}, frame, interlaced)));
        const QImage got = Backlight::loadPicture(path, Board);
        ASSERT_EQ(got.size(), Board);
        for (int y = 0; y < Board.height(); ++y)
            for (int x = 0; x < Board.width(); ++x) {
                const bool inFrame = frame.contains(x, y);
                const QRgb want = inFrame ? gifColour(x - 5, y - 2) : 0u;
                if (got.pixel(x, y) != want) {
                    ADD_FAILURE() << interlaced << " at " << x << "," << y;
                    return;
                }
            }
    }
    // A frame of 8000 x 8000 whose data ends early still shows what was decoded.
    QByteArray cut = gif({8000, 8000}, QRect(0, 0, 8000, 8000), false, -1, 9000);
    ASSERT_TRUE(PictureFiles::write(path, cut));
    const QImage got = Backlight::loadPicture(path, Board);
    EXPECT_EQ(got.pixel(10, 0), gifColour(10, 0));
    // The transparent colour leaves the board's grey.
    ASSERT_TRUE(PictureFiles::write(path, gif({8000, 8000}, QRect(0, 0, 600, 400), false, 7)));
    EXPECT_EQ(qAlpha(Backlight::loadPicture(path, Board).pixel(7, 0)), 0);
}

// Table entries: each block is one colour written as strings of 1, 2, ... RunCodes pixels,
// every string but the first a code not yet in the table. The strings cross rows and the
// edge of the board's corner, and most of a wide frame lies outside it.
TEST(PictureCut, AGifOfLongStringsShowsTheSamePixelsAsQtDecodes) {
    constexpr int RunCodes = 90, BlockPixels = RunCodes * (RunCodes + 1) / 2;
    const auto colourAt = [](int pixel) { return (pixel / BlockPixels * 37 + 11) & 0xFF; };
    QTemporaryDir dir;
    const QString path = dir.filePath("runs.gif");
    for (bool interlaced : {false, true}) {
        const QRect frame(3, 1, 1500, 450);
        QList<int> codes;
        for (int at = 0; at < frame.width() * frame.height(); at += BlockPixels) {
            codes << 256 << colourAt(at);
            for (int i = 1; i < RunCodes; ++i)
                codes << 257 + i;
        }
        codes << 257;
        const QList<int> rows = gifRows(frame.height(), interlaced);
        QList<int> order(rows.size()); // the place of each row in the data
        for (int i = 0; i < rows.size(); ++i)
            order[rows[i]] = i;
        const auto want = [&](int x, int y) {
            const int i = colourAt(order[y - frame.y()] * frame.width() + x - frame.x());
            return qRgb(i, 255 - i, (i * 3) & 0xFF);
        };
        ASSERT_TRUE(PictureFiles::write(path, gifOf({1510, 460}, frame, interlaced, -1, codes)));
        const QImage byQt(path);
        ASSERT_EQ(byQt.pixel(1400, 440), want(1400, 440));
        ASSERT_TRUE(PictureFiles::write(path, gifOf({8000, 8000}, frame, interlaced, -1, codes)));
        const QImage got = Backlight::loadPicture(path, Board);
        ASSERT_EQ(got.size(), Board);
        for (int y = 0; y < Board.height(); ++y)
            for (int x = 0; x < Board.width(); ++x) {
                const bool inFrame = frame.contains(x, y);
                const QRgb expected = inFrame ? want(x, y) : 0u;
                if (got.pixel(x, y) != expected || (inFrame && byQt.pixel(x, y) != expected)) {
                    ADD_FAILURE() << interlaced << " at " << x << "," << y;
                    return;
                }
            }
    }
}
