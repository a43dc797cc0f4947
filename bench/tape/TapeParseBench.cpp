// How the broadcast file reader's time grows with a line's length: a 1 MB quoted line is the
// baseline, and the same line ten and twenty times longer should cost ten and twenty times as
// much (ratios near 1 per byte). A reader that rescans the line per character would show
// ratios growing with the length instead.
#include "platform/core/Codec932.h"
#include "tape/TapeFile.h"

#include <QElapsedTimer>
#include <QString>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

QByteArray fileWithALineOf(int bytes) {
    QByteArray file = Codec932::encode(QStringLiteral("前,1,1\n\""));
    file += QByteArray(bytes, 'a') + "\",1,2\n";
    file += QByteArray(bytes, ',') + "\n";
    return file;
}

// Nanoseconds per byte of the line, the best of a few rounds.
double nsPerByte(int bytes) {
    const QByteArray file = fileWithALineOf(bytes);
    double best = 1e300;
    for (int round = 0; round < 3; ++round) {
        QElapsedTimer clock;
        clock.start();
        const std::vector<TapeRec> records = TapeFile::parse(file);
        const double ns = double(clock.nsecsElapsed());
        if (records.size() != 3) {
            std::fprintf(stderr, "the file read as %zu records, not 3\n", records.size());
            return -1;
        }
        best = std::min(best, ns / double(bytes));
    }
    return best;
}

} // namespace

int main() {
    const double base = nsPerByte(1 << 20);
    if (base <= 0) return 1;
    std::printf("broadcast file, 1 MB line: %.2f ns a byte (baseline)\n", base);
    for (int megabytes : {10, 20}) {
        const double ns = nsPerByte(megabytes << 20);
        if (ns <= 0) return 1;
        std::printf("broadcast file, %d MB line: %.2f ns a byte, ratio %.2f\n", megabytes, ns,
                    ns / base);
    }
    return 0;
}
