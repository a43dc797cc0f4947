#include "sound/MciCommand.h"

#include <QStringList>

namespace {

// Splits at blanks; a double-quoted stretch is one word without its quotes.
QStringList tokenize(const QString& text, bool* balanced) {
    QStringList words;
    QString word;
    bool inWord = false;
    bool quoted = false;
    for (QChar c : text) {
        if (c == QLatin1Char('"')) {
            quoted = !quoted;
            inWord = true;
        } else if (!quoted && c.isSpace()) {
            if (inWord) words << word;
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord) words << word;
    *balanced = !quoted;
    return words;
}

bool is(const QString& word, const char* keyword) {
    return word.compare(QLatin1String(keyword), Qt::CaseInsensitive) == 0;
}

MciCommand::DeviceType deviceType(const QString& word) {
    if (is(word, "waveaudio")) return MciCommand::DeviceType::WaveAudio;
    if (is(word, "sequencer")) return MciCommand::DeviceType::Sequencer;
    return MciCommand::DeviceType::Other;
}

} // namespace

MciCommand MciCommand::parse(const QString& text) {
    MciCommand cmd;
    bool balanced = false;
    const QStringList words = tokenize(text, &balanced);
    if (!balanced || words.size() < 2 || words.at(1).isEmpty()) return cmd;

    const QString& verb = words.at(0);
    if (is(verb, "open"))
        cmd.verb = Verb::Open;
    else if (is(verb, "play"))
        cmd.verb = Verb::Play;
    else if (is(verb, "stop"))
        cmd.verb = Verb::Stop;
    else if (is(verb, "close"))
        cmd.verb = Verb::Close;
    else
        return cmd;
    cmd.device = words.at(1);

    for (qsizetype i = 2; i < words.size(); ++i) {
        const QString& word = words.at(i);
        const bool hasValue = i + 1 < words.size();
        if (is(word, "wait")) {
            cmd.wait = true;
        } else if (cmd.verb == Verb::Open && is(word, "type") && hasValue) {
            cmd.type = deviceType(words.at(++i));
        } else if (cmd.verb == Verb::Open && is(word, "alias") && hasValue) {
            cmd.alias = words.at(++i);
        } else if (cmd.verb == Verb::Play && is(word, "from") && hasValue) {
            bool ok = false;
            cmd.fromMs = words.at(++i).toLongLong(&ok);
            if (!ok || cmd.fromMs < 0) return cmd;
        } else {
            return cmd;
        }
    }
    cmd.valid = true;
    return cmd;
}
