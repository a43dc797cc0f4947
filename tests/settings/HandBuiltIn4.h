#pragma once
// A settings file assembled byte by byte, without the writer, with a different value in
// every field so that a field read from the wrong place shows.
#include <QByteArray>
#include <QtEndian>

namespace HandBuiltIn4 {

class Bytes {
  public:
    Bytes& i16(qint16 v) { return put(v); }
    Bytes& i32(qint32 v) { return put(v); }
    Bytes& u32(quint32 v) { return put(v); }
    Bytes& text(const QByteArray& raw) {
        i16(qint16(raw.size()));
        m_bytes += raw;
        return *this;
    }
    QByteArray bytes() const { return m_bytes; }

  private:
    template <typename T> Bytes& put(T v) {
        char raw[sizeof(T)];
        qToLittleEndian(v, raw);
        m_bytes.append(raw, sizeof(T));
        return *this;
    }
    QByteArray m_bytes;
};

// 運賃 and 駅前 in code page 932.
inline const QByteArray Unchin("\x89\x5E\x92\xC0");
inline const QByteArray Ekimae("\x89\x77\x91\x4F");

inline QByteArray file() {
    Bytes b;
    b.text("C:\\" + Unchin).text("D:\\tp");                            // folders
    b.i16(0).u32(0x010203).u32(0x040506).u32(0x070809).i16(11).i16(1); // ticket-number settings
    b.i16(0).i16(-1).i16(0).i16(-1).i16(-1).i16(0).i16(0).i16(-1);     // panel radios
    b.text("off.bmp").text("on1.gif").text("on2.jpg");
    b.u32(0x111111).u32(0x222222).u32(0x333333); // digit colours
    b.i16(1).i16(23).i16(1).i16(1).i16(5).i16(0).i16(-1).i16(1).i16(149).i16(7);
    b.u32(0x444444).u32(0x555555).i16(4).i16(1).i16(2).u32(0x666666).i16(3).i16(1);
    b.text("k.wav").text("r.wav").i16(0).i16(-1).i16(-1).i16(0).text("m.wav").i16(42);
    b.text("m1.wav").text("m2.mid").text("m3.wav").i16(0).i16(-1).i16(0).i16(-1);
    b.text("p.wav").text("p1.wav").text("p2.wav").text("p3.wav");
    b.i16(1).text(Ekimae + ".4SP").i16(0).i16(0).i16(-1).text("2025/03/07");
    b.i16(1).i32(1500).i32(2500).i16(0).i16(1).i32(-300).i32(123456); // panel state
    b.i32(70000).i32(-15);                                            // board position
    for (int i = 0; i < 17; ++i)
        b.u32(0x0A0000 + i);
    b.i16(24);
    for (int i = 0; i < 24; ++i)
        b.i16(qint16(i % 4)).i16(qint16((i + 1) % 4)).i16(qint16((i + 2) % 5));
    return b.bytes();
}

} // namespace HandBuiltIn4
