#pragma once
// One media command string, split into its parts. Understood:
//   open "<path>" type waveaudio|sequencer alias <A> [wait]
//   play <A> [from <ms>] [wait]
//   stop <A> [wait]
//   close <A>|all [wait]
// Words are matched without regard to case; a path may be quoted to hold spaces.
#include <QString>

struct MciCommand {
    enum class Verb { Unknown, Open, Play, Stop, Close };
    enum class DeviceType { None, WaveAudio, Sequencer, Other };

    Verb verb = Verb::Unknown;
    // For open: the file as written (quotes removed); for the others: the alias addressed.
    QString device;
    DeviceType type = DeviceType::None;
    QString alias;     // open only
    qint64 fromMs = 0; // play only: where the sound starts (no "from": its beginning)
    bool wait = false;
    // False when the command has a word or value this interpreter does not know; such a
    // command is not run.
    bool valid = false;

    static MciCommand parse(const QString& text);
};
