// k41tool kana: prints the katakana that an announcement of each line of text would speak.
#include "tools/k41tool/Commands.h"

#include "platform/core/K41Error.h"
#include "platform/core/PathResolver.h"
#include "sound/Pronouncer.h"
#include "tape/ReadingTable.h"

#include <cstdio>
#include <string>

namespace {

constexpr char Usage[] = "usage: k41tool kana [--tables DIR [--route N]] [TEXT...]\n";
// A line longer than this is not an announcement; it is refused rather than read whole.
constexpr size_t MaxLine = 1024 * 1024;

int fail(const QString& message) {
    std::fputs(qPrintable(QStringLiteral("k41tool kana: %1\n").arg(message)), stderr);
    return 1;
}

bool printLine(const QString& kana) {
    const QByteArray bytes = kana.toUtf8() + '\n';
    return std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) ==
               size_t(bytes.size()) &&
           std::fflush(stdout) == 0;
}

// Reads one line of standard input without its line end; false at the end of input. A line
// over MaxLine sets `tooLong`.
bool readLine(std::string& line, bool& tooLong) {
    line.clear();
    int c;
    while ((c = std::getc(stdin)) != EOF) {
        if (c == '\n') break;
        if (line.size() >= MaxLine) {
            tooLong = true;
            return false;
        }
        line += char(c);
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return c != EOF || !line.empty();
}

} // namespace

int kanaCommand(const QStringList& arguments) {
    QStringList args = arguments;
    QString tables, route;
    while (!args.isEmpty() && args.first().startsWith(QLatin1String("--"))) {
        const QString option = args.takeFirst();
        if (option == QLatin1String("--")) break;
        if (args.isEmpty()) {
            std::fputs(Usage, stderr);
            return 2;
        }
        if (option == QLatin1String("--tables")) {
            tables = args.takeFirst();
        } else if (option == QLatin1String("--route")) {
            route = args.takeFirst();
        } else {
            std::fputs(Usage, stderr);
            return 2;
        }
    }
    if (!route.isEmpty() && tables.isEmpty()) {
        std::fputs(Usage, stderr);
        return 2;
    }
    ReadingTable readings;
    if (!tables.isEmpty()) {
        try {
            readings = ReadingTable::load(PathResolver::withTrailingSeparator(tables), route);
        } catch (const K41Error& e) {
            return fail(e.description());
        }
    }
    const std::unique_ptr<Pronouncer> pronouncer = Pronouncer::open(
        Pronouncer::defaultDictionaryDirs(), Pronouncer::defaultPlaceDictionaries());
    if (!pronouncer)
        return fail(QStringLiteral("MeCab's IPA dictionary in UTF-8 (mecab-ipadic-utf8) is not "
                                   "installed"));
    const auto say = [&](const QString& text) {
        return printLine(pronouncer->toKana(text, &readings));
    };
    if (!args.isEmpty()) {
        for (const QString& text : args)
            if (!say(text)) return fail(QStringLiteral("cannot write to standard output"));
        return 0;
    }
    std::string line;
    bool tooLong = false;
    for (qint64 number = 1; readLine(line, tooLong); ++number)
        if (!say(QString::fromStdString(line)))
            return fail(QStringLiteral("cannot write to standard output"));
    if (tooLong)
        return fail(QStringLiteral("a line of the input is longer than %1 bytes").arg(MaxLine));
    if (std::ferror(stdin)) return fail(QStringLiteral("cannot read standard input"));
    return 0;
}
