#include "controls/stopname/ChimeiCtl_DX.h"

#include <algorithm>
#include <limits>

// The control's properties as a property bag keeps them: the defaults of a new control, and
// reading and writing them with the defaults a loaded control falls back to.

namespace {

constexpr OleColor LoadBackColor = 8421504;       // grey 128
constexpr OleColor LoadForeColor = 48895;         // red 255, green 190, blue 0
constexpr OleColor DefaultTsugiwaColor = 7977471; // red 255, green 185, blue 121
constexpr qint16 DefaultSpeed = 5;
constexpr qint32 DefaultScrollStartWait = 1500;
constexpr qint16 DefaultAppearance = 1;

OleColor readColour(const PropertyBag& bag, const QString& key, OleColor fallback) {
    bool ok = false;
    const qlonglong v = bag.ReadProperty(key, qlonglong(fallback)).toLongLong(&ok);
    return ok ? OleColor(quint32(v)) : fallback;
}

template <typename Int> Int readInt(const PropertyBag& bag, const QString& key, Int fallback) {
    bool ok = false;
    const qlonglong v = bag.ReadProperty(key, qlonglong(fallback)).toLongLong(&ok);
    if (!ok) return fallback;
    return Int(
        std::clamp<qlonglong>(v, std::numeric_limits<Int>::min(), std::numeric_limits<Int>::max()));
}

bool readBool(const PropertyBag& bag, const QString& key, bool fallback) {
    const QVariant v = bag.ReadProperty(key, fallback);
    return v.canConvert<bool>() ? v.toBool() : fallback;
}

} // namespace

void ChimeiCtl_DX::InitProperties() {
    // The colours and the border look stay as the surfaces were designed.
    m_speed = DefaultSpeed;
    m_scrollStartWait = DefaultScrollStartWait;
    m_mode = 0;
    m_fontMode = 0;
    m_fontBold = false;
    m_tsugiwaMode = 0;
    m_tsugiwaColor = DefaultTsugiwaColor;
    m_tsugiwaFontMode = 0;
    m_tsugiwaBold = false;
}

void ChimeiCtl_DX::ReadProperties(const PropertyBag& bag) {
    m_backColor = readColour(bag, QStringLiteral("BackColor"), LoadBackColor);
    m_foreColor = readColour(bag, QStringLiteral("ForeColor"), LoadForeColor);
    m_speed = readInt<qint16>(bag, QStringLiteral("Speed"), DefaultSpeed);
    m_scrollStartWait =
        readInt<qint32>(bag, QStringLiteral("ScrollStartWait"), DefaultScrollStartWait);
    m_mode = readInt<qint16>(bag, QStringLiteral("Mode"), 0);
    m_appearance = readInt<qint16>(bag, QStringLiteral("Appearance"), DefaultAppearance);
    m_fontMode = readInt<qint16>(bag, QStringLiteral("FontMode"), 0);
    m_fontBold = readBool(bag, QStringLiteral("FontBold"), false);
    m_boxBold = m_fontBold;
    m_tsugiwaMode = readInt<qint16>(bag, QStringLiteral("TsugiwaMode"), 0);
    m_tsugiwaColor = readColour(bag, QStringLiteral("TsugiwaColor"), DefaultTsugiwaColor);
    m_tsugiwaFontMode = readInt<qint16>(bag, QStringLiteral("TsugiwaFontMode"), 0);
    m_tsugiwaBold = readBool(bag, QStringLiteral("TsugiwaBold"), false);
    // The surfaces take their loaded background; nothing is drawn on them yet.
    if (m_stripBlank) clearStrip(m_stripWidth);
    redrawFrame();
    update();
}

void ChimeiCtl_DX::WriteProperties(PropertyBag& bag) const {
    bag.WriteProperty(QStringLiteral("BackColor"), qlonglong(m_backColor),
                      qlonglong(LoadBackColor));
    bag.WriteProperty(QStringLiteral("ForeColor"), qlonglong(m_foreColor),
                      qlonglong(LoadForeColor));
    bag.WriteProperty(QStringLiteral("Speed"), int(m_speed), int(DefaultSpeed));
    bag.WriteProperty(QStringLiteral("ScrollStartWait"), int(m_scrollStartWait),
                      int(DefaultScrollStartWait));
    bag.WriteProperty(QStringLiteral("Mode"), int(m_mode), 0);
    bag.WriteProperty(QStringLiteral("Appearance"), int(m_appearance), int(DefaultAppearance));
    bag.WriteProperty(QStringLiteral("FontMode"), int(m_fontMode), 0);
    bag.WriteProperty(QStringLiteral("FontBold"), m_fontBold, false);
    bag.WriteProperty(QStringLiteral("TsugiwaMode"), int(m_tsugiwaMode), 0);
    bag.WriteProperty(QStringLiteral("TsugiwaColor"), qlonglong(m_tsugiwaColor),
                      qlonglong(DefaultTsugiwaColor));
    bag.WriteProperty(QStringLiteral("TsugiwaFontMode"), int(m_tsugiwaFontMode), 0);
    bag.WriteProperty(QStringLiteral("TsugiwaBold"), m_tsugiwaBold, false);
}
