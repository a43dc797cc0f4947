#include "settings/mdlIniIoEx.h"

#include "platform/core/AppInfo.h"
#include "platform/core/FileReader.h"
#include "platform/core/FileReplace.h"
#include "platform/core/K41Error.h"
#include "settings/In4File.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
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

// Settings files whose load failed in this run: before one is replaced, its old content is
// kept beside it, since the load may have passed over values the save no longer holds.
QSet<QString>& failedLoads() {
    static QSet<QString> paths;
    return paths;
}

// The largest file kept as a copy; K41 writes files of at most about 1 MB.
constexpr qint64 MaxKeptSize = qint64(64) << 20;

void keepBadCopy(const QString& path) {
    if (!QFileInfo::exists(path)) return;
    const QByteArray old = FileReader::read(path, MaxKeptSize + 1);
    if (old.size() > MaxKeptSize)
        throw K41Error(K41Error::Overflow,
                       QStringLiteral("%1 を残せません（64 MB を超えています）").arg(path));
    FileReplace::write(badCopyPath(path), old);
}

// Collects the failures of the load's steps; every step runs whatever the one before did.
class Failures {
  public:
    template <typename Work> void attempt(Work&& work) {
        try {
            work();
        } catch (const std::exception& failure) {
            add(K41Error::from(failure));
        }
    }
    void add(const K41Error& e) { m_list.push_back(e); }
    void add(const std::vector<K41Error>& list) {
        m_list.insert(m_list.end(), list.begin(), list.end());
    }
    const std::vector<K41Error>& list() const { return m_list; }

  private:
    std::vector<K41Error> m_list;
};

// Applies the fields that were read through `host`, in the load's order. The panel state
// and the board position are applied only when the file held them whole.
void apply(const In4File& file, int fieldsRead, IniHost& host, Failures& failures) {
    const Settings& saved = file.options;
    Settings& store = host.settings();
    store.CustomColors = saved.CustomColors;

    const DigitColours colours{saved.DegitBackColor, saved.DegitUnlitColor, saved.DegitLitColor};
    failures.attempt([&] {
        for (int i = 1; i <= FareDigitCount; ++i)
            host.setFareDigit(i, file.digits[i - 1], colours);
    });
    failures.attempt([&] {
        host.setClockDigitColours(0, colours);
        host.setClockDigitColours(1, colours);
    });
    failures.attempt([&] {
        host.setStopNameProperties({saved.ChimeiBackColor, saved.ChimeiForeColor, saved.TsugiwaMode,
                                    saved.TsugiwaColor, saved.TsugiwaBold != 0,
                                    saved.TsugiwaFontMode});
    });
    failures.attempt([&] { failures.add(SetOptionInfo(saved, store, host.optionInfoHooks())); });
    if (fieldsRead >= In4Format::FirstBoardField - 1)
        failures.attempt([&] { host.SetCtrlDataInfo(file.ctrl); });
    if (fieldsRead >= In4Format::FirstBoardField + 1)
        failures.attempt([&] { host.SetFormInfo(file.form); });
    failures.attempt([&] { host.SetProp(); });
}

} // namespace

QString badCopyPath(const QString& path) {
    return path + QStringLiteral(".bad");
}

QString loadErrorText(const std::vector<K41Error>& failures, bool somethingRead,
                      const QString& path) {
    QString text = errorText(failures.front().number(), failures.front().description());
    for (size_t i = 1; i < failures.size(); ++i)
        text += QStringLiteral("\r\n内容:") + failures[i].description();
    text += somethingRead ? QStringLiteral("\r\nほかの設定値は読み込みました。")
                          : QStringLiteral("\r\n設定値は読み込めませんでした。");
    text += QStringLiteral("\r\n設定ファイル: ") + QDir::toNativeSeparators(path);
    text += QStringLiteral("\r\n終了時に保存する前に、元のファイルを %1 として残します。")
                .arg(QFileInfo(badCopyPath(path)).fileName());
    return text;
}

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
        const QByteArray bytes = In4Format::write(file);
        // A failure to keep the old file ends the save: the old file stays as it is.
        if (failedLoads().contains(path)) keepBadCopy(path);
        FileReplace::write(path, bytes);
        failedLoads().remove(path);
    });
}

void SaveIniFile(IniHost& host) {
    SaveIniFile(AppInfo::settingsFilePath(), host);
}

void LoadIniFile(const QString& path, IniHost& host) {
    if (path.isEmpty() || !QFileInfo::exists(path)) return;
    Failures failures;
    int fieldsRead = 0;
    try {
        // Fields the file does not hold keep what the windows show now.
        In4File file;
        file.options = host.settings();
        for (int i = 1; i <= FareDigitCount; ++i)
            file.digits[i - 1] = host.fareDigitUserInfo(i);
        const In4Format::Partial read = In4Format::readInto(readSettingsBytes(path), file);
        if (read.failure) failures.add(*read.failure);
        fieldsRead = read.fieldsRead;
        if (fieldsRead > 0) apply(file, fieldsRead, host, failures);
    } catch (const std::exception& failure) {
        failures.add(K41Error::from(failure));
    }
    if (failures.list().empty()) return;
    failedLoads().insert(path);
    reporting(host,
              [&] { host.showIniError(loadErrorText(failures.list(), fieldsRead > 0, path)); });
}

void LoadIniFile(IniHost& host) {
    LoadIniFile(AppInfo::settingsFilePath(), host);
}

} // namespace mdlIniIoEx
