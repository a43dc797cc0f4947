#pragma once
// ServerImage: a picture kept in the X server's memory (a pixmap) and copied from there into
// one native window. Showing a part of the picture is then one small request, however large
// the part: no pixels travel from the program to the server.
//
// Only the xcb platform has it: forWindow() gives nothing elsewhere, and nothing for a window
// whose pixels are not 32-bit true colour with eight bits per channel in the order of
// QImage::Format_RGB32, so the caller paints through Qt instead.
#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QWindow>
#include <cstdint>
#include <memory>

class ServerImage {
  public:
    // For the native window `window` (a created QWindow on the xcb platform).
    static std::unique_ptr<ServerImage> forWindow(WId window);
    ~ServerImage();
    ServerImage(const ServerImage&) = delete;
    ServerImage& operator=(const ServerImage&) = delete;

    // Replaces the picture with `image` (any format; converted to RGB32). Returns false, and
    // holds no picture, when the image is empty or wider or higher than the server allows,
    // or the server has no memory for it.
    bool upload(const QImage& image);
    // Frees the picture in the server.
    void release();
    bool loaded() const { return m_pixmap != 0; }
    QSize size() const { return m_size; }

    // Which rows of a copy the server writes: all, or only those of the picture that are not
    // one colour from end to end (the window must already show the others: a sideways move
    // of the picture never changes them).
    enum class Rows { All, Varying };
    // Copies the part of the picture at `from` with the size of `to` onto `to` of the window
    // and sends the request at once. Parts outside the picture leave the window unchanged.
    // Does nothing without a picture.
    void copy(QPoint from, const QRect& to, Rows rows = Rows::All);
    // The picture's rows that are not one colour from end to end, as bands of whole rows.
    const QList<QRect>& varyingRows() const { return m_varyingRows; }
    // Limits what `gc` (on `connection`) draws to `rows` of a picture copied `dy` pixels down.
    static void clipToRows(void* connection, std::uint32_t gc, const QList<QRect>& rows, int dy);
    // Waits until the server has handled every request sent on the application's connection.
    void sync();

    // The server's names for the window, the picture and its depth, and the connection
    // (xcb_connection_t) they belong to.
    std::uint32_t window() const { return m_window; }
    std::uint32_t pixmap() const { return m_pixmap; }
    std::uint8_t depth() const { return m_depth; }
    void* connection() const { return m_connection; }

  private:
    ServerImage() = default;

    void* m_connection = nullptr; // xcb_connection_t, kept out of this header
    std::uint32_t m_window = 0;
    std::uint32_t m_gc = 0;
    std::uint32_t m_pixmap = 0;
    std::uint8_t m_depth = 0;
    QSize m_size;
    QList<QRect> m_varyingRows;
    // The vertical offset the GC is clipped for; NoClip while it draws everything.
    static constexpr int NoClip = -65536;
    int m_clipDy = NoClip;
};
