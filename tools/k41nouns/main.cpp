// Writes the tables of nouns' readings that tell how romaji without its long vowels marked is
// said (see sound/NounReadings.h):
//   k41nouns [--loanwords LOANWORDS.tsv] TABLE.tsv IPADIC-SOURCE-FOLDER PLACES.csv
//            [NAMES.csv NAMES-TABLE.tsv]
// TABLE.tsv gets the readings of the IPA dictionary's nouns (the *.csv sources of Debian's
// mecab-ipadic, EUC-JP) and of the place names of PLACES.csv (k41placedic's list, UTF-8);
// NAMES-TABLE.tsv those of NAMES.csv, a source under another licence, in a table of its own,
// as with the place dictionaries. Each table keeps what the speech can ask of it given both.
// LOANWORDS.tsv gets the IPA dictionary's nouns written in katakana, which tell which katakana
// English words are said with (see sound/LoanwordKana.h).
#include "platform/core/FileReader.h"
#include "platform/core/FileReplace.h"
#include "platform/core/K41Error.h"
#include "sound/NounReadings.h"

#include <QDir>
#include <QStringDecoder>
#include <cstdio>

namespace {

// The largest of the IPA dictionary's sources is about 11 MB, the place lists about 15 MB.
constexpr qint64 MaxBytes = 64 * 1024 * 1024;

QByteArray readFile(const QString& path) {
    return FileReader::read(path, MaxBytes);
}

void addIpadic(const QString& folder, NounReadings::Costs& costs, NounReadings::Costs& loanwords) {
    QStringDecoder decode("EUC-JP", QStringDecoder::Flag::Stateless);
    if (!decode.isValid())
        throw K41Error(K41Error::InternalError, QStringLiteral("no EUC-JP decoder"));
    const QDir dir(folder);
    for (const QString& name : dir.entryList({QStringLiteral("*.csv")}, QDir::Files, QDir::Name)) {
        const QString csv = decode(readFile(dir.filePath(name)));
        NounReadings::addNouns(csv, costs);
        NounReadings::addLoanwords(csv, loanwords);
    }
}

const QByteArray MainHeader =
    "# Readings of nouns, each with the cost of its commonest word, taken and changed from the\n"
    "# IPA dictionary (Copyright 2000-2003 Nara Institute of Science and Technology) and SKK's\n"
    "# dictionaries of places (SKK Development Team); see K41's copyright file.\n";
const QByteArray LoanwordsHeader =
    "# Nouns written in katakana, each with its cost, taken and changed from the IPA dictionary\n"
    "# (Copyright 2000-2003 Nara Institute of Science and Technology); see K41's copyright file.\n";
const QByteArray NamesHeader =
    "# Readings of place names, each with the cost of its commonest word, taken and changed\n"
    "# from ENAMDICT and EDICT (James William Breen and the Electronic Dictionary Research and\n"
    "# Development Group, CC BY-SA 3.0); see K41's copyright file.\n";

} // namespace

int main(int argc, char** argv) {
    QString loanwordsPath;
    if (argc > 2 && qstrcmp(argv[1], "--loanwords") == 0) {
        loanwordsPath = QString::fromLocal8Bit(argv[2]);
        argc -= 2;
        argv += 2;
    }
    if (argc != 4 && argc != 6) {
        std::fprintf(stderr, "usage: k41nouns [--loanwords LOANWORDS.tsv] TABLE.tsv "
                             "IPADIC-SOURCE-FOLDER PLACES.csv [NAMES.csv NAMES-TABLE.tsv]\n");
        return 2;
    }
    try {
        NounReadings::Costs main, names, loanwords;
        addIpadic(QString::fromLocal8Bit(argv[2]), main, loanwords);
        NounReadings::addNouns(QString::fromUtf8(readFile(QString::fromLocal8Bit(argv[3]))), main);
        // Sources of another layout give no nouns; an empty table would hide that.
        if (main.isEmpty()) {
            std::fprintf(stderr, "k41nouns: no nouns in %s\n", argv[2]);
            return 1;
        }
        if (argc == 6)
            NounReadings::addNouns(QString::fromUtf8(readFile(QString::fromLocal8Bit(argv[4]))),
                                   names);
        NounReadings::Costs all = main;
        for (auto it = names.cbegin(); it != names.cend(); ++it)
            if (!all.contains(it.key()) || it.value() < all.value(it.key()))
                all.insert(it.key(), it.value());
        FileReplace::write(
            QString::fromLocal8Bit(argv[1]),
            NounReadings::format(NounReadings::forLongVowels(main, all), MainHeader));
        if (!loanwordsPath.isEmpty())
            FileReplace::write(loanwordsPath, NounReadings::format(loanwords, LoanwordsHeader));
        if (argc == 6)
            FileReplace::write(
                QString::fromLocal8Bit(argv[5]),
                NounReadings::format(NounReadings::forLongVowels(names, all), NamesHeader));
    } catch (const K41Error& e) {
        std::fprintf(stderr, "k41nouns: %s\n", qPrintable(e.description()));
        return 1;
    }
    return 0;
}
