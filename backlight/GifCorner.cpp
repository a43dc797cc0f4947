// The first frame of a GIF, decoded into a picture of the board's corner only. The code stream
// is read in small pieces and every pixel outside the corner is dropped as it is decoded, so
// a picture declaring 65535 x 65535 costs no more memory than the board.
#include "backlight/PictureCut.h"

#include <QColor>
#include <QtEndian>
#include <algorithm>
#include <array>
#include <vector>

namespace PictureCut {

namespace {

// Reads the device in pieces; past the end every read gives nothing.
class Bytes {
  public:
    explicit Bytes(QIODevice& device) : m_device(device) {}
    bool get(quint8& out) {
        if (m_pos == m_buffer.size()) {
            m_buffer = m_device.read(1 << 16);
            m_pos = 0;
            if (m_buffer.isEmpty()) return false;
        }
        out = quint8(m_buffer[m_pos++]);
        return true;
    }
    QByteArray take(int n) {
        QByteArray out;
        quint8 b;
        while (out.size() < n && get(b))
            out.append(char(b));
        return out;
    }
    // Skips data sub-blocks up to and including the empty one.
    bool skipBlocks() {
        quint8 length;
        while (get(length) && length != 0)
            if (take(length).size() != length) return false;
        return length == 0;
    }

  private:
    QIODevice& m_device;
    QByteArray m_buffer;
    qsizetype m_pos = 0;
};

// The codes of an image's data sub-blocks, least significant bit first.
class Codes {
  public:
    explicit Codes(Bytes& bytes) : m_bytes(bytes) {}
    // False at the end of the data.
    bool next(int size, int& code) {
        while (m_bitCount < size) {
            if (m_left == 0) {
                quint8 length;
                if (m_ended || !m_bytes.get(length) || length == 0) {
                    m_ended = true;
                    return false;
                }
                m_left = length;
            }
            quint8 b;
            if (!m_bytes.get(b)) {
                m_ended = true;
                return false;
            }
            --m_left;
            m_bits |= quint32(b) << m_bitCount;
            m_bitCount += 8;
        }
        code = int(m_bits & ((1u << size) - 1));
        m_bits >>= size;
        m_bitCount -= size;
        return true;
    }

  private:
    Bytes& m_bytes;
    quint32 m_bits = 0;
    int m_bitCount = 0;
    int m_left = 0;
    bool m_ended = false;
};

// Where decoded pixels go: rows in the order of the four interlace passes when asked.
class Placer {
  public:
    Placer(QImage& out, QRect frame, bool interlaced, const std::vector<QRgb>& colours,
           int transparent)
        : m_out(out), m_frame(frame), m_interlaced(interlaced), m_colours(colours),
          m_transparent(transparent) {}
    // False once no later pixel can land in the picture.
    bool put(int index) {
        const int x = m_frame.x() + m_at.col, y = m_frame.y() + m_at.row;
        if (x < m_out.width() && y < m_out.height() && index != m_transparent &&
            index < int(m_colours.size()))
            reinterpret_cast<QRgb*>(m_out.scanLine(y))[x] = m_colours[size_t(index)];
        if (++m_at.col < m_frame.width()) return true;
        m_at.col = 0;
        return nextRow(m_at);
    }
    // Whether any of the next `count` pixels would land in the picture. A picture much larger
    // than the board drops most of its pixels: those runs are passed over a row at a time.
    bool lands(int count) const {
        Position at = m_at;
        for (;;) {
            if (m_frame.x() + at.col < m_out.width() && m_frame.y() + at.row < m_out.height())
                return true;
            count -= m_frame.width() - at.col;
            if (count <= 0) return false;
            at.col = 0;
            if (!nextRow(at)) return false;
        }
    }
    // Moves past `count` pixels without placing them; false as put.
    bool skip(int count) {
        while (m_at.col + count >= m_frame.width()) {
            count -= m_frame.width() - m_at.col;
            m_at.col = 0;
            if (!nextRow(m_at)) return false;
        }
        m_at.col += count;
        return true;
    }

  private:
    struct Position {
        int col = 0, row = 0, pass = 0;
    };
    bool nextRow(Position& at) const {
        if (!m_interlaced)
            return ++at.row < m_frame.height() && m_frame.y() + at.row < m_out.height();
        static constexpr int Start[] = {0, 4, 2, 1}, Step[] = {8, 8, 4, 2};
        at.row += Step[at.pass];
        while (at.row >= m_frame.height()) {
            if (++at.pass == 4) return false;
            at.row = Start[at.pass];
        }
        return true;
    }
    QImage& m_out;
    QRect m_frame;
    bool m_interlaced;
    const std::vector<QRgb>& m_colours;
    int m_transparent;
    Position m_at;
};

// The LZW decoding of one image's codes. Each table entry keeps its length and first index
// too, so that a string that lands outside the picture is skipped without being spelt out.
void decode(Codes& codes, int minSize, Placer& place) {
    const int clear = 1 << minSize, end = clear + 1;
    std::array<quint16, 4096> prefix{}, length{};
    std::array<quint8, 4096> suffix{}, head{};
    for (int i = 0; i < clear; ++i) {
        suffix[size_t(i)] = head[size_t(i)] = quint8(i);
        length[size_t(i)] = 1;
    }
    std::array<quint8, 4097> stack{};
    int size = minSize + 1, next = clear + 2, old = -1;
    int code;
    while (codes.next(size, code)) {
        if (code == clear) {
            size = minSize + 1;
            next = clear + 2;
            old = -1;
            continue;
        }
        if (code == end) return;
        if (old < 0) {
            if (code >= clear) return;
            old = code;
            if (!place.put(code)) return;
            continue;
        }
        if (code > next) return;
        // A code not yet in the table (the one being added) is the previous string and its
        // own first index.
        const bool added = code == next;
        const quint8 first = head[size_t(added ? old : code)];
        const int count = added ? length[size_t(old)] + 1 : length[size_t(code)];
        if (place.lands(count)) {
            size_t depth = 0;
            int walk = code;
            if (added) {
                stack[depth++] = first;
                walk = old;
            }
            while (walk >= clear) {
                stack[depth++] = suffix[size_t(walk)];
                walk = prefix[size_t(walk)];
            }
            stack[depth++] = quint8(walk);
            while (depth > 0)
                if (!place.put(stack[--depth])) return;
        } else if (!place.skip(count)) {
            return;
        }
        if (next < 4096) {
            prefix[size_t(next)] = quint16(old);
            suffix[size_t(next)] = first;
            head[size_t(next)] = head[size_t(old)];
            length[size_t(next)] = quint16(length[size_t(old)] + 1);
            if (++next == (1 << size) && size < 12) ++size;
        }
        old = code;
    }
}

std::vector<QRgb> readColours(Bytes& bytes, int count) {
    const QByteArray raw = bytes.take(3 * count);
    std::vector<QRgb> colours;
    for (int i = 0; i + 2 < raw.size(); i += 3)
        colours.push_back(qRgb(quint8(raw[i]), quint8(raw[i + 1]), quint8(raw[i + 2])));
    return colours;
}

} // namespace

std::optional<QImage> cropGif(QIODevice& device, const QSize& visible) {
    const qint64 start = device.pos();
    if (!device.seek(0)) return std::nullopt;
    struct Restore {
        QIODevice& d;
        qint64 pos;
        ~Restore() { d.seek(pos); }
    } restore{device, start};
    Bytes bytes(device);
    const QByteArray head = bytes.take(13);
    if (head.size() != 13 || !(head.startsWith("GIF87a") || head.startsWith("GIF89a")))
        return std::nullopt;
    const QSize screen(qFromLittleEndian<quint16>(head.constData() + 6),
                       qFromLittleEndian<quint16>(head.constData() + 8));
    const QSize kept = screen.boundedTo(visible);
    if (kept.isEmpty() || kept == screen) return std::nullopt;
    const quint8 flags = quint8(head[10]);
    const std::vector<QRgb> global =
        flags & 0x80 ? readColours(bytes, 2 << (flags & 7)) : std::vector<QRgb>();

    QImage out(kept, QImage::Format_ARGB32);
    if (out.isNull()) return std::nullopt;
    out.fill(Qt::transparent);
    int transparent = -1;
    quint8 kind;
    while (bytes.get(kind)) {
        if (kind == 0x21) { // an extension; the graphic control one names the clear colour
            quint8 label;
            if (!bytes.get(label)) break;
            if (label == 0xF9) {
                const QByteArray control = bytes.take(5);
                if (control.size() != 5 || quint8(control[0]) != 4) break;
                if (control[1] & 1) transparent = quint8(control[4]);
                if (!bytes.skipBlocks()) break;
            } else if (!bytes.skipBlocks()) {
                break;
            }
        } else if (kind == 0x2C) { // the first image: decoded, then done
            const QByteArray d = bytes.take(9);
            if (d.size() != 9) break;
            const QRect frame(qFromLittleEndian<quint16>(d.constData()),
                              qFromLittleEndian<quint16>(d.constData() + 2),
                              qFromLittleEndian<quint16>(d.constData() + 4),
                              qFromLittleEndian<quint16>(d.constData() + 6));
            const quint8 imageFlags = quint8(d[8]);
            const std::vector<QRgb> colours =
                imageFlags & 0x80 ? readColours(bytes, 2 << (imageFlags & 7)) : global;
            quint8 minSize;
            if (frame.isEmpty() || !bytes.get(minSize) || minSize < 1 || minSize > 11) break;
            Codes codes(bytes);
            Placer place(out, frame, imageFlags & 0x40, colours, transparent);
            decode(codes, minSize, place);
            return out;
        } else {
            break; // the trailer, or bytes that are no block
        }
    }
    return std::nullopt; // no image: the ordinary reader decides
}

} // namespace PictureCut
