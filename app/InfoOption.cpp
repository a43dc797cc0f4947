#include "app/InfoOption.h"

#include "platform/ZKP4Res.h"
#include "platform/core/AppInfo.h"

namespace InfoOption {

namespace {

QString versionText() {
    // The system's name, for bug reports.
    return AppInfo::exeName() + QLatin1Char(' ') + AppInfo::version() + QLatin1Char('\n') +
           QStringLiteral("設定ファイル (settings file): ") + AppInfo::settingsFilePath() +
           QLatin1Char('\n') + QStringLiteral("OS: ") + ZKP4Res::GetOsInfo() + QLatin1Char('\n');
}

QString helpText() {
    const QString name = AppInfo::exeName();
    return QStringLiteral(
               "使い方 (usage): %1 [--help | --version]\n"
               "\n"
               "路線バスの運賃表示器と集中操作盤を画面に再現します。設定はすべて設定ファイルにあり"
               "、\n"
               "終了するときに保存されます。\n"
               "Simulates the fare display board of a Japanese route bus and its operation panel.\n"
               "Every setting is kept in the settings file, saved when the program quits.\n"
               "\n"
               "  --help, -h   この説明を表示します (show this help)\n"
               "  --version    バージョンと設定ファイルの場所を表示します\n"
               "               (show the version and where the settings file is)\n"
               "\n")
               .arg(name) +
           versionText();
}

} // namespace

Ask asked(const QStringList& args) {
    if (args.contains(QLatin1String("--help")) || args.contains(QLatin1String("-h")))
        return Ask::Help;
    if (args.contains(QLatin1String("--version"))) return Ask::Version;
    return Ask::Nothing;
}

QString textFor(Ask ask) {
    switch (ask) {
    case Ask::Help:
        return helpText();
    case Ask::Version:
        return versionText();
    case Ask::Nothing:
        break;
    }
    return {};
}

} // namespace InfoOption
