#pragma once
// The voice of the announcements: which voice, speed, pitch and volume, kept in a small text
// file of its own beside the settings file ("Rate=175" and the like, one a line).
#include <QByteArray>
#include <QString>

struct VoiceSettings {
    static constexpr int MinRate = 80, MaxRate = 450, DefaultRate = 175; // words a minute
    static constexpr int MinPitch = 0, MaxPitch = 100, DefaultPitch = 50;
    static constexpr int MinVolume = 0, MaxVolume = 200, DefaultVolume = 100; // percent

    // espeak-ng's voice by name: empty for the built-in Japanese voice, or one of the MBROLA
    // Japanese voices ("mb-jp1" …) when installed.
    QByteArray voice;
    int rate = DefaultRate;
    int pitch = DefaultPitch;
    int volume = DefaultVolume;

    bool operator==(const VoiceSettings&) const = default;

    // The settings in `path`. A missing file gives the defaults; an unreadable line, an unknown
    // key or a value that is not a number keeps that setting's default; values out of range
    // are clamped. Never fails.
    static VoiceSettings read(const QString& path);
    // Writes the settings to `path` through FileReplace, so a full disk or a failed write
    // leaves the old file as it was. Throws K41Error.
    void write(const QString& path) const;

    // The file beside the settings file `settingsPath` ("K41.in4" → "K41.voice").
    static QString pathBeside(const QString& settingsPath);
};
