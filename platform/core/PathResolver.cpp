#include "platform/core/PathResolver.h"

#include <QDir>
#include <QFileInfo>

namespace PathResolver {

QString resolve(const QString& stored) {
    QString path = stored;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (path.isEmpty() || QFileInfo::exists(path)) return path;

    const bool absolute = path.startsWith(QLatin1Char('/'));
    const QStringList parts = path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString current = absolute ? QStringLiteral("/") : QString();
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString& part = parts.at(i);
        const QString base = current.isEmpty() ? QStringLiteral(".") : current;
        QString chosen = part;
        if (part != QLatin1String(".") && part != QLatin1String("..") &&
            !QFileInfo::exists(QDir(base).filePath(part))) {
            const QStringList entries = QDir(base).entryList(
                QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
            bool found = false;
            for (const QString& entry : entries) {
                if (entry.compare(part, Qt::CaseInsensitive) == 0) {
                    chosen = entry;
                    found = true;
                    break;
                }
            }
            if (!found) {
                // Keep the rest as written: nothing below a missing name can be matched.
                QString rest = parts.mid(i).join(QLatin1Char('/'));
                if (path.endsWith(QLatin1Char('/'))) rest += QLatin1Char('/');
                return current.isEmpty()                    ? rest
                       : current.endsWith(QLatin1Char('/')) ? current + rest
                                                            : current + QLatin1Char('/') + rest;
            }
        }
        if (current.isEmpty())
            current = chosen;
        else if (current.endsWith(QLatin1Char('/')))
            current += chosen;
        else
            current += QLatin1Char('/') + chosen;
    }
    if (path.endsWith(QLatin1Char('/')) && !current.endsWith(QLatin1Char('/')))
        current += QLatin1Char('/');
    return current;
}

QString withTrailingSeparator(const QString& folder) {
    if (folder.isEmpty() || folder.endsWith(QLatin1Char('\\')) || folder.endsWith(QLatin1Char('/')))
        return folder;
    return folder + QLatin1Char('\\');
}

} // namespace PathResolver
