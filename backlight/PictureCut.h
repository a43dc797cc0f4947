#pragma once
// What a picture file will cost to decode, judged from its header before any decoder runs,
// and a BMP cut to the part a board can show. A panel picture's header may declare any size
// (a 200-byte JPEG can claim 30000 x 30000); the board only ever shows its top-left corner,
// so K41 decodes only that corner where the format allows it and refuses a picture whose
// decoding would need more than DecodeBudget whatever part is kept.
#include <QByteArray>
#include <QIODevice>
#include <QImage>
#include <QSize>
#include <optional>

namespace PictureCut {

// The most memory one picture's decoding may take (decoder buffers or the decoded picture).
constexpr qint64 DecodeBudget = qint64(64) << 20;

// The frame header of a JPEG and what its decoder must hold.
struct JpegFrame {
    QSize size;
    // Whether the decoder keeps the whole picture's coefficients before giving the first
    // row: progressive pictures and pictures whose components come in separate scans.
    bool buffered = false;
    // Bytes of coefficients the decoder keeps for a buffered picture (0 otherwise).
    qint64 bufferBytes = 0;
};

// Reads the markers of the JPEG that fills `device` from its start up to the first scan.
// Nothing when the bytes are not a JPEG with a frame header before its first scan. The
// device's position is left where it was.
std::optional<JpegFrame> jpegFrame(QIODevice& device);

// The BMP that fills `device`, cut to at most `visible` from its top-left corner, as a BMP:
// the headers and palette as they were with the new size, then only the rows and bytes
// that show, read with seeks so that the rest of the file is never read. Nothing when the
// file is no BMP of uncompressed rows, is already small enough, or is cut short (the
// ordinary reader then decides). The device's position is left where it was.
std::optional<QByteArray> cropBmp(QIODevice& device, const QSize& visible);

// The first frame of the GIF that fills `device`, decoded into at most `visible` from the
// picture's top-left corner (transparent where the frame leaves the picture uncovered).
// Nothing when the bytes are no GIF with an image, or the picture fits already (the ordinary
// reader then decides). A damaged code stream gives what was decoded before the damage.
std::optional<QImage> cropGif(QIODevice& device, const QSize& visible);

} // namespace PictureCut
