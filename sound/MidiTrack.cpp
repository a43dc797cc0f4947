#include "sound/MidiTrack.h"

#include <optional>

namespace MidiTrack {

namespace {

class Walk {
  public:
    explicit Walk(QByteArrayView data) : m_data(data) {}

    bool atEnd() const { return m_at >= m_data.size(); }
    std::optional<quint8> byte() {
        if (atEnd()) return std::nullopt;
        return quint8(m_data[m_at++]);
    }
    std::optional<quint8> peek() const {
        if (atEnd()) return std::nullopt;
        return quint8(m_data[m_at]);
    }
    // A variable-length number: at most four bytes, as the synthesiser reads it.
    std::optional<qint64> number() {
        qint64 value = 0;
        for (int i = 0; i < 4; ++i) {
            const auto b = byte();
            if (!b) return std::nullopt;
            value = (value << 7) | (*b & 0x7f);
            if (!(*b & 0x80)) return value;
        }
        return std::nullopt;
    }
    bool skip(qint64 count) {
        if (count > m_data.size() - m_at) return false;
        m_at += count;
        return true;
    }

  private:
    QByteArrayView m_data;
    qsizetype m_at = 0;
};

constexpr quint8 SystemExclusive = 0xf0;
constexpr quint8 Meta = 0xff;
constexpr quint8 EndOfTrack = 0x2f;

int dataBytes(quint8 status) {
    const quint8 kind = status & 0xf0;
    return kind == 0xc0 || kind == 0xd0 ? 1 : 2;
}

} // namespace

bool endsInPlace(QByteArrayView data) {
    Walk walk(data);
    // Running status carries on only from a channel message: after anything else the
    // synthesiser would take a data byte for the status it had last, reading the bytes
    // differently from where the track says its events are.
    std::optional<quint8> running;
    while (!walk.atEnd()) {
        if (!walk.number()) return false;
        const auto next = walk.peek();
        if (!next) return false;
        quint8 status;
        if (*next & 0x80) {
            status = *walk.byte();
            running = status < SystemExclusive ? std::optional(status) : std::nullopt;
        } else if (running) {
            status = *running;
        } else {
            return false;
        }
        if (status == Meta) {
            const auto type = walk.byte();
            const auto length = walk.number();
            if (!type || !length || !walk.skip(*length)) return false;
            if (*type == EndOfTrack) return true;
        } else if (status == SystemExclusive) {
            const auto length = walk.number();
            if (!length || !walk.skip(*length)) return false;
        } else if (status > SystemExclusive) {
            return false; // no other system message belongs in a file
        } else if (!walk.skip(dataBytes(status))) {
            return false;
        }
    }
    return true;
}

} // namespace MidiTrack
