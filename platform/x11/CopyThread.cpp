#include "platform/x11/CopyThread.h"

#include <QGuiApplication>
#include <chrono>
#include <cstdlib>
#include <xcb/xcb.h>

namespace {

xcb_connection_t* connectionOf(void* connection) {
    return static_cast<xcb_connection_t*>(connection);
}

std::int64_t nowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Whether `window` is the same window seen through `mine` as through the application's
// connection: the same root, size and depth.
bool sameWindow(xcb_connection_t* mine, xcb_connection_t* app, xcb_window_t window) {
    const auto mineCookie = xcb_get_geometry(mine, window);
    const auto appCookie = xcb_get_geometry(app, window);
    xcb_get_geometry_reply_t* a = xcb_get_geometry_reply(mine, mineCookie, nullptr);
    xcb_get_geometry_reply_t* b = xcb_get_geometry_reply(app, appCookie, nullptr);
    const bool same = a && b && a->root == b->root && a->depth == b->depth &&
                      a->width == b->width && a->height == b->height;
    std::free(a);
    std::free(b);
    return same;
}

} // namespace

std::unique_ptr<CopyThread> CopyThread::open() {
    if (!qGuiApp) return {};
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection()) return {};
    // The display Qt opened: the one DISPLAY names (checked against each window at start()).
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        xcb_disconnect(c);
        return {};
    }
    std::unique_ptr<CopyThread> thread(new CopyThread);
    thread->m_connection = c;
    return thread;
}

CopyThread::~CopyThread() {
    stop();
    xcb_disconnect(connectionOf(m_connection)); // frees its GC with it
}

bool CopyThread::start(const ServerImage& image, Steps* steps) {
    if (running() || !image.loaded() || !steps) return false;
    xcb_connection_t* c = connectionOf(m_connection);
    auto* app = static_cast<xcb_connection_t*>(image.connection());
    if (xcb_connection_has_error(c) || !sameWindow(c, app, image.window())) return false;
    if (m_gc == 0 || m_gcDepth != image.depth()) {
        if (m_gc != 0) xcb_free_gc(c, m_gc);
        // The source is always a whole pixmap: no exposure events for parts it could not copy.
        m_gc = xcb_generate_id(c);
        m_gcDepth = image.depth();
        const std::uint32_t noExposures = 0;
        xcb_create_gc(c, m_gc, image.window(), XCB_GC_GRAPHICS_EXPOSURES, &noExposures);
    }
    m_stop = false;
    m_varyingRows = image.varyingRows();
    m_clipDy.reset();
    m_thread = std::thread(&CopyThread::run, this, image.pixmap(), image.window(), steps);
    return true;
}

void CopyThread::stop() {
    if (!running()) return;
    {
        const std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_one();
    m_thread.join();
    sync();
}

void CopyThread::sync() {
    // A round trip: its reply comes after the server has handled every earlier request.
    xcb_connection_t* c = connectionOf(m_connection);
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
    // Errors of copies into a window that went away meanwhile: nothing to do about them.
    while (xcb_generic_event_t* event = xcb_poll_for_queued_event(c))
        std::free(event);
}

void CopyThread::run(std::uint32_t pixmap, std::uint32_t window, Steps* steps) {
    xcb_connection_t* c = connectionOf(m_connection);
    std::unique_lock lock(m_mutex);
    while (!m_stop) {
        const std::int64_t due = steps->dueNs();
        if (due < 0) {
            m_wake.wait(lock, [this] { return m_stop; });
            break;
        }
        const std::chrono::steady_clock::time_point at{std::chrono::nanoseconds(due)};
        if (m_wake.wait_until(lock, at, [this] { return m_stop; })) break;
        const std::int64_t now = nowNs();
        if (now < due) continue;
        lock.unlock();
        const Copy copy = steps->advance(now);
        if (!copy.to.isEmpty()) {
            // Rows of one colour never change as the picture moves sideways: left out.
            const int dy = copy.to.y() - copy.from.y();
            if (m_clipDy != dy) {
                ServerImage::clipToRows(c, m_gc, m_varyingRows, dy);
                m_clipDy = dy;
            }
            xcb_copy_area(c, pixmap, window, m_gc, std::int16_t(copy.from.x()),
                          std::int16_t(copy.from.y()), std::int16_t(copy.to.x()),
                          std::int16_t(copy.to.y()), std::uint16_t(copy.to.width()),
                          std::uint16_t(copy.to.height()));
            xcb_flush(c);
        }
        lock.lock();
        // The server has gone: nothing more can be shown.
        if (xcb_connection_has_error(c)) break;
    }
}
