// Recording speed and memory, measured in one run with `k41tool record` on sample route 1
// (its announcements on, 1 × board, 30 frames a second, WebM):
//  (a) the ride's length against the wall-clock time the recording took, as a ratio
//      (target: at least 4, i.e. four times faster than real time);
//  (b) the recording's peak memory for the whole route against a ride of its last three
//      stops, as a ratio (bounded memory: close to 1, whatever the length).
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <sys/resource.h>

namespace {

struct Run {
    double wallSeconds = 0;
    double rideSeconds = 0;
    long peakKb = 0;
    bool ok = false;
};

// Runs one recording as its own process and reads its peak memory from the kernel.
Run record(const QString& section, const QString& out) {
    Run run;
    QProcess tool;
    tool.setProgram(QStringLiteral(K41TOOL_PATH));
    tool.setArguments({"record", "--settings", K41_SAMPLES_DIR "/K41.in4", "--route", "1",
                       "--section", section, "--fps", "30", "--progress", out});
    QElapsedTimer clock;
    clock.start();
    tool.start();
    if (!tool.waitForFinished(-1) || tool.exitCode() != 0) {
        std::fprintf(stderr, "bench_record: %s\n", tool.readAllStandardError().constData());
        return run;
    }
    run.wallSeconds = clock.elapsed() / 1000.0;
    // The last progress line holds the recording's own time.
    const QList<QByteArray> lines = tool.readAllStandardOutput().trimmed().split('\n');
    run.rideSeconds = lines.last().split(' ').value(1).toDouble() / 1000.0;
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage); // the largest child so far
    run.peakKb = usage.ru_maxrss;
    run.ok = true;
    return run;
}

} // namespace

int main() {
    QTemporaryDir dir;
    const Run shortRide = record("10", dir.filePath("short.webm"));
    const Run fullRide = record("1", dir.filePath("full.webm"));
    if (!shortRide.ok || !fullRide.ok) return 1;
    std::printf("ride %.1f s recorded in %.1f s: %.2f x real time (target >= 4)\n",
                fullRide.rideSeconds, fullRide.wallSeconds,
                fullRide.rideSeconds / fullRide.wallSeconds);
    std::printf("peak memory: %ld kB for %.1f s, %ld kB for %.1f s: ratio %.2f\n", fullRide.peakKb,
                fullRide.rideSeconds, shortRide.peakKb, shortRide.rideSeconds,
                double(fullRide.peakKb) / double(shortRide.peakKb));
    return 0;
}
