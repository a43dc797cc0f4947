// Picture headers of any content: the JPEG marker walk, the BMP cut and the GIF corner decoder
// must refuse or read them without reading past the end, and whatever they give stays within
// the board's corner.
#include "backlight/PictureCut.h"
#include "fuzz/FuzzCheck.h"

#include <QBuffer>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // A picture larger than the corner is decoded pixel by pixel into it, so the corner's
    // area is most of an input's cost: one input in eight (by size) is cut to the board's
    // corner, the others to a small one, through the same code.
    const QSize board = fuzzSampled(size % 8 == 0) ? QSize(543, 333) : QSize(61, 37);
    QBuffer device;
    device.setData(reinterpret_cast<const char*>(data), qsizetype(size));
    device.open(QIODevice::ReadOnly);

    if (const auto frame = PictureCut::jpegFrame(device))
        K41_FUZZ_CHECK(frame->bufferBytes >= 0 && (frame->buffered || frame->bufferBytes == 0));
    K41_FUZZ_CHECK(device.pos() == 0);

    if (const auto bmp = PictureCut::cropBmp(device, board)) {
        // Headers and palette (at most about 1 KB more than the file's) and the rows that show.
        K41_FUZZ_CHECK(bmp->size() <=
                       14 + 124 + 4 * 256 + 64 + (board.width() * 32 / 8 + 4) * board.height());
    }
    K41_FUZZ_CHECK(device.pos() == 0);

    if (const auto gif = PictureCut::cropGif(device, board))
        K41_FUZZ_CHECK(gif->width() <= board.width() && gif->height() <= board.height());
    K41_FUZZ_CHECK(device.pos() == 0);
    return 0;
}
