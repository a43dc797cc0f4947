#include "platform/x11/ServerImage.h"

#include <QGuiApplication>
#include <algorithm>
#include <cstdlib>
#include <vector>
#include <xcb/xcb.h>

namespace {

// The largest side of a pixmap the protocol can express.
constexpr int MaxSide = 32767;

xcb_connection_t* connectionOfApp() {
    if (!qGuiApp) return nullptr;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

template <typename Reply> struct Freed {
    Reply* reply;
    ~Freed() { std::free(reply); }
};

// Whether pixels of `depth` for `visual` are stored as QImage::Format_RGB32 stores them: 32
// bits a pixel, red in bits 16 to 23, green 8 to 15, blue 0 to 7, in this machine's byte order.
bool storesAsRgb32(xcb_connection_t* c, std::uint8_t depth, xcb_visualid_t visual) {
    const xcb_setup_t* setup = xcb_get_setup(c);
    const auto order = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? XCB_IMAGE_ORDER_LSB_FIRST
                                                                     : XCB_IMAGE_ORDER_MSB_FIRST;
    if (setup->image_byte_order != order) return false;
    bool format = false;
    for (auto f = xcb_setup_pixmap_formats_iterator(setup); f.rem; xcb_format_next(&f))
        if (f.data->depth == depth)
            format = f.data->bits_per_pixel == 32 && f.data->scanline_pad == 32;
    if (!format) return false;
    for (auto s = xcb_setup_roots_iterator(setup); s.rem; xcb_screen_next(&s))
        for (auto d = xcb_screen_allowed_depths_iterator(s.data); d.rem; xcb_depth_next(&d))
            for (auto v = xcb_depth_visuals_iterator(d.data); v.rem; xcb_visualtype_next(&v))
                if (v.data->visual_id == visual)
                    return d.data->depth == depth &&
                           v.data->_class == XCB_VISUAL_CLASS_TRUE_COLOR &&
                           v.data->red_mask == 0xff0000 && v.data->green_mask == 0xff00 &&
                           v.data->blue_mask == 0xff;
    return false;
}

} // namespace

std::unique_ptr<ServerImage> ServerImage::forWindow(WId window) {
    xcb_connection_t* c = connectionOfApp();
    if (!c || window == 0 || xcb_connection_has_error(c)) return {};
    const auto w = xcb_window_t(window);
    const auto geometryCookie = xcb_get_geometry(c, w);
    const auto attributesCookie = xcb_get_window_attributes(c, w);
    const Freed<xcb_get_geometry_reply_t> geometry{
        xcb_get_geometry_reply(c, geometryCookie, nullptr)};
    const Freed<xcb_get_window_attributes_reply_t> attributes{
        xcb_get_window_attributes_reply(c, attributesCookie, nullptr)};
    if (!geometry.reply || !attributes.reply ||
        !storesAsRgb32(c, geometry.reply->depth, attributes.reply->visual))
        return {};

    std::unique_ptr<ServerImage> image(new ServerImage);
    image->m_connection = c;
    image->m_window = w;
    image->m_depth = geometry.reply->depth;
    // The source is always a whole pixmap: no exposure events for parts it could not copy.
    image->m_gc = xcb_generate_id(c);
    const std::uint32_t noExposures = 0;
    xcb_create_gc(c, image->m_gc, w, XCB_GC_GRAPHICS_EXPOSURES, &noExposures);
    return image;
}

ServerImage::~ServerImage() {
    // After the application has gone its connection is closed, and with it everything in it.
    auto* c = static_cast<xcb_connection_t*>(m_connection);
    if (connectionOfApp() != c) return;
    release();
    xcb_free_gc(c, m_gc);
    xcb_flush(c);
}

void ServerImage::release() {
    if (m_pixmap == 0) return;
    xcb_free_pixmap(static_cast<xcb_connection_t*>(m_connection), m_pixmap);
    m_pixmap = 0;
    m_size = {};
}

bool ServerImage::upload(const QImage& source) {
    release();
    if (source.isNull() || source.width() > MaxSide || source.height() > MaxSide) return false;
    auto* c = static_cast<xcb_connection_t*>(m_connection);
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const auto pixmap = xcb_generate_id(c);
    const auto created = xcb_create_pixmap_checked(
        c, m_depth, pixmap, m_window, std::uint16_t(image.width()), std::uint16_t(image.height()));
    if (xcb_generic_error_t* error = xcb_request_check(c, created)) {
        std::free(error); // BadAlloc: the server has no room for it
        return false;
    }

    // The GC draws everything again.
    if (m_clipDy != NoClip) {
        const std::uint32_t none = XCB_NONE;
        xcb_change_gc(c, m_gc, XCB_GC_CLIP_MASK, &none);
        m_clipDy = NoClip;
    }
    // In bands of rows that each fit in one request (the request header and some slack aside).
    const std::uint32_t bytesPerRow = std::uint32_t(image.width()) * 4;
    const std::uint32_t maxBytes = xcb_get_maximum_request_length(c) * 4 - 64;
    const int rowsPerBand = int(std::max<std::uint32_t>(1, maxBytes / bytesPerRow));
    bool ok = true;
    for (int y = 0; y < image.height() && ok; y += rowsPerBand) {
        const int rows = std::min(rowsPerBand, image.height() - y);
        // Each row of a QImage starts on a 4-byte boundary, as the server's scanlines do.
        const auto put = xcb_put_image_checked(
            c, XCB_IMAGE_FORMAT_Z_PIXMAP, pixmap, m_gc, std::uint16_t(image.width()),
            std::uint16_t(rows), 0, std::int16_t(y), 0, m_depth, bytesPerRow * std::uint32_t(rows),
            image.constScanLine(y));
        if (xcb_generic_error_t* error = xcb_request_check(c, put)) {
            std::free(error);
            ok = false;
        }
    }
    if (!ok) {
        xcb_free_pixmap(c, pixmap);
        return false;
    }
    m_pixmap = pixmap;
    m_size = image.size();
    m_varyingRows.clear();
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        if (std::all_of(line, line + image.width(), [&](QRgb p) { return p == line[0]; })) continue;
        if (!m_varyingRows.isEmpty() && m_varyingRows.last().bottom() == y - 1)
            m_varyingRows.last().setBottom(y);
        else
            m_varyingRows.append(QRect(0, y, image.width(), 1));
    }
    return true;
}

void ServerImage::clipToRows(void* connection, std::uint32_t gc, const QList<QRect>& rows, int dy) {
    std::vector<xcb_rectangle_t> rectangles;
    rectangles.reserve(std::size_t(rows.size()));
    for (const QRect& r : rows)
        rectangles.push_back({std::int16_t(r.x()), std::int16_t(r.y()), std::uint16_t(r.width()),
                              std::uint16_t(r.height())});
    xcb_set_clip_rectangles(static_cast<xcb_connection_t*>(connection), XCB_CLIP_ORDERING_YX_BANDED,
                            gc, 0, std::int16_t(dy), std::uint32_t(rectangles.size()),
                            rectangles.data());
}

void ServerImage::copy(QPoint from, const QRect& to, Rows rows) {
    if (m_pixmap == 0 || to.isEmpty()) return;
    auto* c = static_cast<xcb_connection_t*>(m_connection);
    const int dy = rows == Rows::All ? NoClip : to.y() - from.y();
    if (dy != m_clipDy) {
        if (dy == NoClip) {
            const std::uint32_t none = XCB_NONE;
            xcb_change_gc(c, m_gc, XCB_GC_CLIP_MASK, &none);
        } else {
            clipToRows(c, m_gc, m_varyingRows, dy);
        }
        m_clipDy = dy;
    }
    xcb_copy_area(c, m_pixmap, m_window, m_gc, std::int16_t(from.x()), std::int16_t(from.y()),
                  std::int16_t(to.x()), std::int16_t(to.y()), std::uint16_t(to.width()),
                  std::uint16_t(to.height()));
    xcb_flush(c);
}

void ServerImage::sync() {
    auto* c = static_cast<xcb_connection_t*>(m_connection);
    if (connectionOfApp() != c) return;
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
}
