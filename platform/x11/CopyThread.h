#pragma once
// CopyThread: a thread with its own connection to the X server that copies parts of a
// ServerImage's picture into its window at given moments, while the program's own thread
// sleeps. A step costs it one wake-up and one small request: no event loop, timer or
// painting of the program's runs for it.
//
// Who starts it owns the picture and the window, and stops the thread before changing or
// freeing either. stop() returns only after the server has handled every copy sent, so that
// whatever the program sends afterwards lands on top of them.
#include "platform/x11/ServerImage.h"

#include <QPoint>
#include <QRect>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

class CopyThread {
  public:
    // Copies the part of the picture at `from` with the size of `to` onto `to` of the window.
    struct Copy {
        QPoint from;
        QRect to; // empty: nothing to copy
    };
    // The moments and parts of the copies; called on the thread only, between start() and
    // stop(), so it needs no locking of its own.
    class Steps {
      public:
        virtual ~Steps() = default;
        // When the next step is due, in nanoseconds of the monotonic clock (CLOCK_MONOTONIC,
        // as std::chrono::steady_clock); negative when none is.
        virtual std::int64_t dueNs() const = 0;
        // Runs every step due at `nowNs` and says what to copy for them.
        virtual Copy advance(std::int64_t nowNs) = 0;
    };

    // A thread with its own connection to the display the application shows on; null when
    // there is none (not the xcb platform, or the server refuses another connection).
    static std::unique_ptr<CopyThread> open();
    ~CopyThread();
    CopyThread(const CopyThread&) = delete;
    CopyThread& operator=(const CopyThread&) = delete;

    // Starts copying from `image` into its window at the moments `steps` gives; `steps` is
    // the thread's until stop(). The server must already have handled the application's own
    // drawing into the window (ServerImage::sync()), or it may land on top of the copies.
    // Returns false, having started nothing, without a picture or when already running.
    bool start(const ServerImage& image, Steps* steps);
    // Wakes the thread and waits for it to end and for the server to have handled its copies.
    void stop();
    bool running() const { return m_thread.joinable(); }

  private:
    CopyThread() = default;
    void run(std::uint32_t pixmap, std::uint32_t window, Steps* steps);
    void sync();

    void* m_connection = nullptr; // xcb_connection_t, kept out of this header
    std::uint32_t m_gc = 0;
    std::uint8_t m_gcDepth = 0;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_stop = false;
    // Set by start() for the thread: the picture's rows that copies write, and the vertical
    // offset the GC is clipped for.
    QList<QRect> m_varyingRows;
    std::optional<int> m_clipDy;
    std::thread m_thread;
};
