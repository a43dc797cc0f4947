#include "settings/mdlIniIoEx.h"

#include "platform/core/AppInfo.h"
#include "platform/core/FileReader.h"
#include "platform/core/FileReplace.h"
#include "platform/core/K41Error.h"
#include "settings/In4File.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <exception>
#include <new>

namespace mdlIniIoEx {

namespace {

QByteArray readSettingsBytes(const QString& path) {
    // Bytes after the last field are never used; a huge file must not be loaded whole.
    return FileReader::read(path, In4Format::MaxFileSize);
}

// Runs `work`, turning every failure into the error box.
template <typename Work> void reporting(IniHost& host, Work&& work) {
    try {
        work();
    } catch (const std::exception& failure) {
        const K41Error e = K41Error::from(failure);
        host.showIniError(errorText(e.number(), e.description()));
    }
}

} // namespace

QString errorText(int number, const QString& description) {
    return QStringLiteral("エラー Code:") + QString::number(number) + QStringLiteral("\r\n内容:") +
           description;
}

void SaveIniFile(const QString& path, IniHost& host) {
    reporting(host, [&] {
        In4File file;
        for (int i = 1; i <= FareDigitCount; ++i)
            file.digits[i - 1] = host.fareDigitUserInfo(i);
        file.options = GetOptionInfo(host.settings());
        file.ctrl = host.GetCtrlDataInfo();
        file.form = host.GetFormInfo();
        FileReplace::write(path, In4Format::write(file));
    });
}

void SaveIniFile(IniHost& host) {
    SaveIniFile(AppInfo::settingsFilePath(), host);
}

void LoadIniFile(const QString& path, IniHost& host) {
    if (path.isEmpty() || !QFileInfo::exists(path)) return;
    reporting(host, [&] {
        const In4File file = In4Format::read(readSettingsBytes(path));
        const Settings& saved = file.options;
        Settings& store = host.settings();
        store.CustomColors = saved.CustomColors;

        const DigitColours colours{saved.DegitBackColor, saved.DegitUnlitColor,
                                   saved.DegitLitColor};
        for (int i = 1; i <= FareDigitCount; ++i)
            host.setFareDigit(i, file.digits[i - 1], colours);
        host.setClockDigitColours(0, colours);
        host.setClockDigitColours(1, colours);
        host.setStopNameProperties({saved.ChimeiBackColor, saved.ChimeiForeColor, saved.TsugiwaMode,
                                    saved.TsugiwaColor, saved.TsugiwaBold != 0,
                                    saved.TsugiwaFontMode});

        SetOptionInfo(saved, store, host.optionInfoHooks());
        host.SetCtrlDataInfo(file.ctrl);
        host.SetFormInfo(file.form);
        host.SetProp();
    });
}

void LoadIniFile(IniHost& host) {
    LoadIniFile(AppInfo::settingsFilePath(), host);
}

} // namespace mdlIniIoEx
