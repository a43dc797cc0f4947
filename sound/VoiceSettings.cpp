#include "sound/VoiceSettings.h"

#include "platform/core/FileReader.h"
#include "platform/core/FileReplace.h"
#include "platform/core/K41Error.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace {

// A voice file is a few lines; anything beyond this is not one.
constexpr qint64 MaxFileBytes = 4096;

void take(int& field, const QString& value, int low, int high) {
    bool ok = false;
    const int v = value.trimmed().toInt(&ok);
    if (ok) field = std::clamp(v, low, high);
}

// A voice name as espeak-ng takes it ("mb-jp1"); anything else is not passed on.
bool isVoiceName(const QString& name) {
    if (name.isEmpty() || name.size() > 32) return false;
    return std::all_of(name.begin(), name.end(), [](QChar c) {
        return (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') || c == u'-';
    });
}

} // namespace

QString VoiceSettings::pathBeside(const QString& settingsPath) {
    const QFileInfo info(settingsPath);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral(".voice"));
}

VoiceSettings VoiceSettings::read(const QString& path) {
    VoiceSettings s;
    QString text;
    try {
        text = QString::fromUtf8(FileReader::read(path, MaxFileBytes));
    } catch (const K41Error&) {
        return s;
    }
    for (const QString& line : text.split(u'\n')) {
        const qsizetype eq = line.indexOf(u'=');
        if (eq < 0) continue;
        const QString key = line.left(eq).trimmed().toLower();
        const QString value = line.mid(eq + 1);
        if (key == QLatin1String("rate"))
            take(s.rate, value, MinRate, MaxRate);
        else if (key == QLatin1String("pitch"))
            take(s.pitch, value, MinPitch, MaxPitch);
        else if (key == QLatin1String("volume"))
            take(s.volume, value, MinVolume, MaxVolume);
        else if (key == QLatin1String("voice") && isVoiceName(value.trimmed()))
            s.voice = value.trimmed().toLatin1();
    }
    return s;
}

void VoiceSettings::write(const QString& path) const {
    QByteArray bytes =
        QStringLiteral("Rate=%1\nPitch=%2\nVolume=%3\n").arg(rate).arg(pitch).arg(volume).toUtf8();
    if (!voice.isEmpty()) bytes += "Voice=" + voice + '\n';
    FileReplace::write(path, bytes);
}
