// What saying English words as loanwords costs (run a release build): the time to read the
// build's table of loanwords and its size, and the time a word takes to be said as its
// loanword against the time its phonemes alone take to become katakana. Without the table
// (a build without mecab-ipadic's sources) it says so and succeeds.
//
//   bench_loanwords [TABLE]
#include "sound/EnglishKana.h"
#include "sound/LoanwordKana.h"
#include "sound/NounReadings.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// English phonemes of words as the synthesiser's English voice gives them, most of them not
// said as their loanword from the phonemes alone.
const char16_t* const Words[][2] = {
    {u"Stadium", u"stˈeɪdiəm"},
    {u"Kitchen", u"kˈɪtʃən"},
    {u"Aquarium", u"ɐkwˈeəɹiəm"},
    {u"Planetarium", u"plˌanɪtˈeəɹiəm"},
    {u"Palace", u"pˈalɪs"},
    {u"Place", u"plˈeɪs"},
    {u"Studio", u"stjˈuːdɪˌəʊ"},
    {u"Restaurant", u"ɹˈɛstɹɒnt"},
    {u"Tunnel", u"tˈʌnəl"},
    {u"Garage", u"ɡˈaɹɪdʒ"},
    {u"Cottage", u"kˈɒtɪdʒ"},
    {u"Media", u"mˈiːdiːə"},
    {u"Fire", u"fˈaɪə"},
    {u"Castle", u"kˈasəl"},
    {u"Fitness", u"fˈɪtnəs"},
    {u"Steak", u"stˈeɪk"},
    {u"Information", u"ˌɪnfəmˈeɪʃən"},
    {u"Pavilion", u"pɐvˈɪliən"},
    {u"Organic", u"ɔːɡˈanɪk"},
    {u"Frontier", u"fɹˈʌntiə"},
};

template <typename F> double medianMs(int runs, F f) {
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        f();
        ms.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString path = args.size() > 1 ? args[1] : QStringLiteral(K41_LOANWORDS_TABLE);
    if (!QFileInfo(path).isFile()) {
        std::printf("no table of loanwords at %s: nothing measured\n", qPrintable(path));
        return 0;
    }
    NounReadings table;
    const double loadMs = medianMs(9, [&] { table = NounReadings::load({path}); });
    std::printf("table: %lld bytes, %lld loanwords, read in %.2f ms (median of 9)\n",
                QFileInfo(path).size(), static_cast<long long>(table.size()), loadMs);
    const auto cost = [&](const QString& kana) { return table.cost(kana); };
    constexpr int Rounds = 50;
    const qsizetype n = qsizetype(std::size(Words));
    QString sink;
    const double plainMs = medianMs(5, [&] {
        for (int r = 0; r < Rounds; ++r)
            for (const auto& w : Words)
                sink = EnglishKana::fromPhonemes(QStringView(w[1]), QStringView(w[0]));
    });
    const double loanMs = medianMs(5, [&] {
        for (int r = 0; r < Rounds; ++r)
            for (const auto& w : Words)
                sink = LoanwordKana::choose(QStringView(w[1]), QStringView(w[0]), cost);
    });
    const double words = double(Rounds * n);
    std::printf("a word from its phonemes alone: %.1f us\n", plainMs * 1000 / words);
    std::printf("a word as its loanword:         %.1f us (%.1f x)\n", loanMs * 1000 / words,
                loanMs / plainMs);
    for (const auto& w : Words)
        std::printf("  %s %s\n", qPrintable(QString::fromUtf16(w[0])),
                    qPrintable(LoanwordKana::choose(QStringView(w[1]), QStringView(w[0]), cost)));
    return 0;
}
