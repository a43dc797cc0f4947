#include "platform/Fonts.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QHash>
#include <QMutex>
#include <QPointer>
#include <QVariant>
#include <QWidget>
#include <fontconfig/fontconfig.h>
#include <future>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformintegration.h>

namespace Fonts {

namespace {

// The dynamic property that keeps a widget's face name.
constexpr char FaceProperty[] = "k41FaceName";

// Whether a family is installed. QFontDatabase::hasFamily asks fontconfig to resolve the name
// as an alias on every call, which costs more than building the font, and the board asks for
// its digit faces once per digit. The answers are kept until the application's fonts change.
bool installed(const QString& family) {
    static QMutex mutex;
    static QHash<QString, bool> known;
    static QPointer<QGuiApplication> watched;
    QMutexLocker lock(&mutex);
    // Without an application there is no signal of a change, so nothing is kept.
    const bool watching = qGuiApp != nullptr;
    if (watching && watched != qGuiApp) {
        watched = qGuiApp;
        known.clear();
        QObject::connect(qGuiApp, &QGuiApplication::fontDatabaseChanged, qGuiApp, [] {
            QMutexLocker relock(&mutex);
            known.clear();
        });
    }
    const auto found = known.constFind(family);
    if (found != known.constEnd()) return *found;
    const bool has = QFontDatabase::hasFamily(family);
    if (watching) known.insert(family, has);
    return has;
}

// fontconfig reading its configuration, when readConfigurationEarly() started it. fontconfig
// installs a configuration read concurrently only once, so a second reader would merely
// repeat the work: Qt's own first call waits for this one.
std::shared_future<void>& configurationRead() {
    static std::shared_future<void> read;
    return read;
}

} // namespace

void readConfigurationEarly() {
    if (!configurationRead().valid())
        configurationRead() = std::async(std::launch::async, [] { FcInit(); }).share();
}

QString substitute(const QString& faceName) {
    if (faceName == Gothic) return QStringLiteral("IPAGothic");
    if (faceName == Mincho) return QStringLiteral("IPAMincho");
    if (faceName == PGothic) return QStringLiteral("IPAPGothic");
    // The digit faces of the board are not shipped; use them when the user installed them.
    if (faceName == NumC2 || faceName == LunaNumber) {
        if (installed(faceName)) return faceName;
        return QStringLiteral("IPAPGothic");
    }
    return faceName;
}

QFont font(const QString& face, qreal pointSize, bool bold) {
    const QString family = substitute(face);
    QFont f(family);
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    return f;
}

std::function<void()> finder() {
    // Some platform plug-ins make their font database object on first request, unguarded:
    // it is made here, on the GUI thread, before the other thread can ask for it.
    if (QPlatformIntegration* platform = QGuiApplicationPrivate::platformIntegration())
        platform->fontDatabase();
    // Qt's font database functions are thread-safe (they share one lock). Listing the
    // families reads fontconfig's configuration and cache, which fontconfig then keeps for
    // every thread.
    return [read = configurationRead()] {
        if (read.valid()) read.wait();
        QFontDatabase::families();
        substitute(NumC2);
        substitute(LunaNumber);
    };
}

void apply(QWidget& widget, const QString& face, qreal pointSize, bool bold) {
    widget.setFont(font(face, pointSize, bold));
    widget.setProperty(FaceProperty, face);
}

QString faceName(const QWidget& widget) {
    const QVariant face = widget.property(FaceProperty);
    return face.isValid() ? face.toString() : widget.font().family();
}

} // namespace Fonts
