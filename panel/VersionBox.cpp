#include "panel/VersionBox.h"

#include "platform/ZKP4Res.h"
#include "platform/core/AppInfo.h"

#include <QUrl>

namespace VersionBox {

QString text() {
    return QStringLiteral("機種：") + AppInfo::exeName() + QStringLiteral("\r\n") +
           QStringLiteral("バージョン：%1.%2.%3  ServiceRelease 1\r\n")
               .arg(K41_VERSION_MAJOR)
               .arg(K41_VERSION_MINOR)
               .arg(K41_VERSION_PATCH);
}

QString linksHtml() {
    const QString home = AppInfo::homePage();
    const QString installed = AppInfo::installedGuide();
    // An installed copy opens its own guide; any other finds it on the home page.
    const QString guide = installed.isEmpty() ? home + QStringLiteral("/guide")
                                              : QUrl::fromLocalFile(installed).toString();
    return QStringLiteral("ライセンス：Copyright 2026 K41 developers. All rights reserved. "
                          "インストールと使用のみ許諾されています。<br>"
                          "ホームページ：<a href=\"%1\">%1</a><br>"
                          "<a href=\"%2\">利用の手引き（ユーザーガイド）</a>")
        .arg(home.toHtmlEscaped(), guide.toHtmlEscaped());
}

void show(QWidget* owner) {
    ZKP4Res::Call_dlg110(owner, 1, text(), linksHtml());
}

} // namespace VersionBox
