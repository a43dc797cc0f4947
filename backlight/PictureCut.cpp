#include "backlight/PictureCut.h"

#include <QtEndian>
#include <algorithm>

namespace PictureCut {

namespace {

// Puts the device back where it was, whatever way the reading ends.
class KeepPosition {
  public:
    explicit KeepPosition(QIODevice& device) : m_device(device), m_pos(device.pos()) {}
    ~KeepPosition() { m_device.seek(m_pos); }
    KeepPosition(const KeepPosition&) = delete;
    KeepPosition& operator=(const KeepPosition&) = delete;

  private:
    QIODevice& m_device;
    qint64 m_pos;
};

// `n` bytes at `pos`, or an empty array when the device holds fewer.
QByteArray bytesAt(QIODevice& device, qint64 pos, qint64 n) {
    if (pos < 0 || !device.seek(pos)) return {};
    QByteArray out = device.read(n);
    return out.size() == n ? out : QByteArray();
}

quint16 be16(const QByteArray& b, int at) {
    return qFromBigEndian<quint16>(b.constData() + at);
}
quint16 le16(const QByteArray& b, int at) {
    return qFromLittleEndian<quint16>(b.constData() + at);
}
qint32 le32(const QByteArray& b, int at) {
    return qFromLittleEndian<qint32>(b.constData() + at);
}
void putLe32(QByteArray& b, int at, qint32 v) {
    qToLittleEndian(v, b.data() + at);
}

qint64 ceilDiv(qint64 a, qint64 b) {
    return (a + b - 1) / b;
}

// Coefficient bytes of a frame header's components (from its byte 6 on: id, sampling, table):
// each component keeps 64 two-byte coefficients per 8 x 8 block of its own resolution.
qint64 coefficientBytes(const QByteArray& sof, int width, int height) {
    const int count = quint8(sof[5]);
    int hMax = 1, vMax = 1;
    for (int i = 0; i < count; ++i) {
        hMax = std::max(hMax, quint8(sof[6 + 3 * i + 1]) >> 4);
        vMax = std::max(vMax, quint8(sof[6 + 3 * i + 1]) & 15);
    }
    qint64 total = 0;
    for (int i = 0; i < count; ++i) {
        const int h = std::max(1, quint8(sof[6 + 3 * i + 1]) >> 4);
        const int v = std::max(1, quint8(sof[6 + 3 * i + 1]) & 15);
        // Rounded up to whole MCUs, as the decoder allocates them.
        const qint64 across = ceilDiv(ceilDiv(qint64(width) * h, hMax), 8 * h) * h;
        const qint64 down = ceilDiv(ceilDiv(qint64(height) * v, vMax), 8 * v) * v;
        total += across * down * 64 * 2;
    }
    return total;
}

bool isFrameHeader(quint8 marker) {
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

bool isProgressive(quint8 marker) {
    return marker == 0xC2 || marker == 0xC6 || marker == 0xCA || marker == 0xCE;
}

} // namespace

std::optional<JpegFrame> jpegFrame(QIODevice& device) {
    const KeepPosition keep(device);
    qint64 pos = 0;
    if (bytesAt(device, pos, 2) != QByteArray("\xFF\xD8", 2)) return std::nullopt;
    pos += 2;
    std::optional<JpegFrame> frame;
    QByteArray sof;
    // A header holds a few dozen segments; a file made of nothing but segments is not read to
    // its end.
    for (int segment = 0; segment < 4096; ++segment) {
        const QByteArray marker = bytesAt(device, pos, 2);
        if (marker.isEmpty() || quint8(marker[0]) != 0xFF) return std::nullopt;
        const quint8 kind = quint8(marker[1]);
        if (kind == 0xFF) { // fill byte
            ++pos;
            continue;
        }
        if (kind == 0x01 || (kind >= 0xD0 && kind <= 0xD8)) { // markers without a length
            pos += 2;
            continue;
        }
        const QByteArray lengthBytes = bytesAt(device, pos + 2, 2);
        if (lengthBytes.isEmpty()) return std::nullopt;
        const int length = be16(lengthBytes, 0);
        if (length < 2) return std::nullopt;
        if (isFrameHeader(kind)) {
            sof = bytesAt(device, pos + 4, length - 2);
            if (sof.size() < 6 || sof.size() < 6 + 3 * quint8(sof[5])) return std::nullopt;
            JpegFrame f;
            f.size = QSize(be16(sof, 3), be16(sof, 1));
            f.buffered = isProgressive(kind);
            frame = f;
        } else if (kind == 0xDA) { // the first scan: are all components in it?
            if (!frame) return std::nullopt;
            const QByteArray scan = bytesAt(device, pos + 4, 1);
            if (scan.isEmpty() || quint8(scan[0]) < quint8(sof[5])) frame->buffered = true;
            if (frame->buffered)
                frame->bufferBytes =
                    coefficientBytes(sof, frame->size.width(), frame->size.height());
            return frame;
        } else if (kind == 0xD9) {
            return std::nullopt;
        }
        pos += 2 + length;
    }
    return std::nullopt;
}

std::optional<QByteArray> cropBmp(QIODevice& device, const QSize& visible) {
    const KeepPosition keep(device);
    const qint64 start = 0;
    const QByteArray fileHeader = bytesAt(device, start, 18);
    if (fileHeader.size() != 18 || !fileHeader.startsWith("BM")) return std::nullopt;
    const qint64 dataOffset = quint32(le32(fileHeader, 10));
    const qint64 infoSize = quint32(le32(fileHeader, 14));
    const bool core = infoSize == 12;
    // The headers, the colour masks and the palette all come before the rows; a picture whose
    // rows start far beyond that is left to the ordinary reader.
    if ((!core && (infoSize < 40 || infoSize > 124)) || dataOffset < 14 + infoSize ||
        dataOffset > 14 + infoSize + 4 * 256 + 64)
        return std::nullopt;
    QByteArray head = bytesAt(device, start, dataOffset);
    if (head.isEmpty()) return std::nullopt;

    qint64 width, height;
    int bits;
    if (core) {
        width = le16(head, 18);
        height = le16(head, 20);
        bits = le16(head, 24);
    } else {
        width = le32(head, 18);
        height = le32(head, 22);
        bits = le16(head, 28);
        const quint32 compression = quint32(le32(head, 30));
        // Uncompressed rows and rows described by colour masks have a fixed length; run-length
        // and embedded JPEG or PNG rows cannot be reached without decoding the ones before.
        if (compression != 0 && compression != 3 && compression != 6) return std::nullopt;
    }
    const bool topDown = height < 0;
    height = height < 0 ? -height : height;
    if (width <= 0 || height <= 0) return std::nullopt;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return std::nullopt;
    const qint64 keptWidth = std::min<qint64>(width, visible.width());
    const qint64 keptHeight = std::min<qint64>(height, visible.height());
    if (keptWidth <= 0 || keptHeight <= 0) return std::nullopt;
    if (keptWidth == width && keptHeight == height) return std::nullopt;

    const qint64 stride = ceilDiv(width * bits, 32) * 4;
    const qint64 keptStride = ceilDiv(keptWidth * bits, 32) * 4;
    if (core) {
        qToLittleEndian(quint16(keptWidth), head.data() + 18);
        qToLittleEndian(quint16(keptHeight), head.data() + 20);
    } else {
        putLe32(head, 18, qint32(keptWidth));
        putLe32(head, 22, qint32(topDown ? -keptHeight : keptHeight));
        putLe32(head, 34, qint32(keptStride * keptHeight));
    }
    putLe32(head, 2, qint32(dataOffset + keptStride * keptHeight));

    QByteArray out = head;
    out.reserve(dataOffset + keptStride * keptHeight);
    // Rows are stored bottom first unless the height is negative; the picture's top rows are
    // kept, in the file's own order.
    for (qint64 row = 0; row < keptHeight; ++row) {
        const qint64 stored = topDown ? row : height - keptHeight + row;
        const QByteArray bytes = bytesAt(device, start + dataOffset + stored * stride, keptStride);
        if (bytes.isEmpty()) return std::nullopt;
        out.append(bytes);
    }
    return out;
}

} // namespace PictureCut
