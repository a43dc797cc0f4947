#pragma once
// Records an automatic ride offline: K41's own windows, run on the recording's time instead
// of the clock. Each frame is the board as K41 draws it at that moment (lamp test, fares, the
// stop name's scroll, the backlight) and the sound is the program's mix of its four channels
// and the speech over the same stretch of time, so picture and sound stay in step to the
// frame however fast the machine renders. Waits of the program (the lamp test, a sound played
// to its end) run on the recording's time too.
#include "faredata/RidePlan.h"
#include "platform/core/HeldWait.h"

#include <QColor>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class OfflineAudioEngine;
class Startup;
class VideoWriter;

class RideRecorder : private HeldWait::Clock {
  public:
    struct Options {
        QString route;   // as keyed on the panel
        QString section; // empty: from the first stop
        int secondsPerStop = RidePlan::DefaultSecondsPerStop;
        int timetableFactor = 1; // speed of a route's timetable, when it has one
        qreal scale = 1.0;
        int fps = 30;
        QColor key; // invalid: no key colour
        QString out;
        bool lossless = false;
    };

    // Told after every frame: the recording's time and the ride's expected length, both in
    // milliseconds. Returning false cancels the recording.
    using Progress = std::function<bool(qint64 doneMs, qint64 totalMs)>;

    // `k41` is started (Startup::run) with the offline engine installed for its sound.
    RideRecorder(Startup& k41, OfflineAudioEngine& audio, Options options);
    ~RideRecorder() override;

    // Loads the route, rides it to its last stop and writes OUT. With `fromCurrentStop` the
    // route already on the panel is ridden from where it stands. Returns false when
    // cancelled (OUT is then incomplete). Throws K41Error on a failure to write, or when no
    // route could be loaded (the panel's message as the description).
    bool run(const Progress& progress = {}, bool fromCurrentStop = false);

    // The recording's time now.
    qint64 nowMs() const;

  private:
    void waitUntil(const std::function<bool()>& done, int timeoutMs) override;
    void renderFrame();
    void renderUntil(qint64 ms);
    qint64 expectedMs() const;

    Startup& m_k41;
    OfflineAudioEngine& m_audio;
    Options m_options;
    RidePlan m_plan;
    std::unique_ptr<VideoWriter> m_writer;
    std::vector<float> m_samples;
    long long m_frame = 0;
    Progress m_progress;
    bool m_cancelled = false;
};
