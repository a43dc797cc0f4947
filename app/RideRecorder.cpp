#include "app/RideRecorder.h"

#include "app/Form1.h"
#include "app/Startup.h"
#include "controls/stopname/ChimeiCtl_DX.h"
#include "panel/AutoRide.h"
#include "panel/KeypadFace.h"
#include "panel/frmCtl.h"
#include "platform/core/K41Error.h"
#include "record/VideoWriter.h"
#include "settings/Settings.h"
#include "sound/MidiSynth.h"
#include "sound/Mixer.h"
#include "sound/OfflineAudioEngine.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

namespace {

// A wait that no sound of the board can need; a wait longer than this is cut short.
constexpr qint64 LongestWaitMs = qint64(Mixer::MaxPlaySeconds) * 1000;

} // namespace

RideRecorder::RideRecorder(Startup& k41, OfflineAudioEngine& audio, Options options)
    : m_k41(k41), m_audio(audio), m_options(std::move(options)) {
    m_k41.board->ChimeiCtl->setClock([this] { return nowMs(); });
    HeldWait::setClock(this);
}

RideRecorder::~RideRecorder() {
    HeldWait::setClock(nullptr);
    m_k41.board->ChimeiCtl->setClock({});
}

qint64 RideRecorder::nowMs() const {
    return m_frame * 1000 / m_options.fps;
}

void RideRecorder::waitUntil(const std::function<bool()>& done, int timeoutMs) {
    const qint64 until = nowMs() + (timeoutMs < 0 ? LongestWaitMs : timeoutMs);
    while (!m_cancelled && !done() && nowMs() < until)
        renderFrame();
}

void RideRecorder::renderUntil(qint64 ms) {
    while (!m_cancelled && nowMs() < ms)
        renderFrame();
}

void RideRecorder::renderFrame() {
    Form1& board = *m_k41.board;
    // What K41 would have done by this moment: timers posted, the scroll's steps.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    board.ChimeiCtl->advanceScroll();
    QImage picture = board.grab().toImage().convertToFormat(QImage::Format_RGB32);
    picture.setDevicePixelRatio(1.0);
    m_writer->addFrame(picture);

    // The sound of this frame's stretch of time, counted from the start so that rounding
    // never drifts.
    const long long rate = m_audio.sampleRate();
    const long long end = (m_frame + 1) * rate / m_options.fps;
    const auto frames = std::size_t(end - m_audio.renderedFrames());
    m_samples.resize(frames * 2);
    m_audio.render(m_samples.data(), frames);
    m_writer->addAudio(m_samples.data(), frames);
    ++m_frame;
    if (m_progress && !m_progress(nowMs(), expectedMs())) m_cancelled = true;
}

qint64 RideRecorder::expectedMs() const {
    const RouteState& route = m_k41.panel->routeState();
    qint64 total = nowMs();
    for (int row = route.CurStop; row + 1 < route.StopCount; ++row)
        total += m_plan.delayMs(row);
    return total + m_options.secondsPerStop * 1000LL;
}

bool RideRecorder::run(const Progress& progress, bool fromCurrentStop) {
    Form1& board = *m_k41.board;
    frmCtl& panel = *m_k41.panel;
    m_progress = progress;
    m_cancelled = false;
    // A tune waits for the MIDI font, loaded in the background; on the recording's time that
    // wait would last as many frames as the machine took. Have it loaded first.
    if (MidiSynth* synth = MidiSynth::instance()) (void)synth->ready();

    // The board as it is to be filmed, at exactly its scale: no screen limits a recording.
    board.setView(BoardView::windowed(m_options.scale, {}, m_options.key));

    VideoWriter::Options out;
    out.path = m_options.out;
    out.size = board.size();
    out.fps = m_options.fps;
    out.sampleRate = m_audio.sampleRate();
    out.lossless = m_options.lossless;
    m_writer = VideoWriter::open(out);

    if (!fromCurrentStop) {
        // Keyed in as an operator does: "系統", the route, "区間", the section, "リセット".
        panel.CommandButton1_Click(10);
        for (QChar c : m_options.route)
            if (c.isDigit()) panel.CommandButton1_Click(c.digitValue());
        panel.CommandButton1_Click(11);
        for (QChar c : m_options.section.isEmpty() ? QStringLiteral("1") : m_options.section)
            if (c.isDigit()) panel.CommandButton1_Click(c.digitValue());
        panel.Command1_Click(1);
    }
    const RouteState& route = panel.routeState();
    if (route.StopCount <= 0)
        throw K41Error(K41Error::FileNotFound,
                       QStringLiteral("系統 %1 を読み込めません").arg(m_options.route));

    QList<qint64> timetable;
    timetable = RidePlan::loadTimetable(m_k41.settings.FareDataDir, route.RouteText);
    m_plan = timetable.size() == route.StopCount
                 ? RidePlan::onTimetable(timetable, m_options.timetableFactor)
                 : RidePlan::everySeconds(m_options.secondsPerStop);

    // The route load ran its lamp test while the recording's time stood at 0 and frames were
    // made all along; now the ride itself.
    while (!m_cancelled && route.CurStop + 1 < route.StopCount) {
        renderUntil(nowMs() + m_plan.delayMs(route.CurStop));
        if (m_cancelled) break;
        AutoRide::takeStep(panel);
    }
    // The last stop stays in view as long as any other, its announcement heard out.
    renderUntil(nowMs() + m_options.secondsPerStop * 1000LL);
    m_writer->finish();
    m_writer.reset();
    return !m_cancelled;
}
