#include "settings/In4Json.h"

#include "platform/core/Codec932.h"
#include "platform/core/K41Error.h"
#include "settings/SettingField.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <cmath>
#include <limits>

namespace In4Json {

namespace {

// QJsonObject sorts its keys; the dump keeps the file's order, so it is written by hand.
QByteArray quoted(const QString& text) {
    QByteArray out = "\"";
    for (const char c : text.toUtf8()) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < 0x20) {
            out += QByteArray("\\u00") + QByteArray::number(u, 16).rightJustified(2, '0');
        } else {
            out += c;
        }
    }
    return out + '"';
}

QByteArray member(const char* key, qint64 value) {
    return quoted(QLatin1String(key)) + ": " + QByteArray::number(value);
}

QByteArray settingValue(const SettingField& f, const Settings& s) {
    switch (f.kind) {
    case SettingKind::Text:
        return quoted(s.*f.text);
    case SettingKind::Check:
    case SettingKind::Index:
        return QByteArray::number(s.*f.number);
    case SettingKind::Colour:
        return QByteArray::number(s.*f.colour);
    case SettingKind::Choice:
        return s.*f.choice ? "-1" : "0";
    }
    return {};
}

K41Error refused(const QString& key, const QString& why) {
    return K41Error(K41Error::InvalidPropertyValue, QStringLiteral("\"%1\": %2").arg(key, why));
}

qint64 integer(const QJsonValue& v, const QString& key, qint64 min, qint64 max) {
    const double d = v.toDouble();
    if (!v.isDouble() || std::floor(d) != d)
        throw refused(key, QStringLiteral("expected a whole number"));
    if (d < double(min) || d > double(max))
        throw refused(key, QStringLiteral("%1 is out of range %2 to %3")
                               .arg(QString::number(d, 'g', 17))
                               .arg(min)
                               .arg(max));
    return qint64(d);
}

constexpr qint64 I32Min = std::numeric_limits<qint32>::min();
constexpr qint64 I32Max = std::numeric_limits<qint32>::max();
constexpr qint64 ColourMax = std::numeric_limits<quint32>::max();

void setSetting(const SettingField& f, const QJsonValue& v, Settings& s) {
    const QString key = f.qName();
    switch (f.kind) {
    case SettingKind::Text: {
        if (!v.isString()) throw refused(key, QStringLiteral("expected a text"));
        const QString text = v.toString();
        const QString bad = Codec932::firstUnencodable(text);
        if (!bad.isEmpty())
            throw refused(key, QStringLiteral("code page 932 cannot hold \"%1\" (U+%2)")
                                   .arg(bad)
                                   .arg(bad.at(0).unicode(), 4, 16, QLatin1Char('0')));
        if (Codec932::encode(text).size() > 0xFFFF)
            throw refused(key, QStringLiteral("longer than 65535 bytes"));
        s.*f.text = text;
        break;
    }
    case SettingKind::Check:
        s.*f.number = qint16(integer(v, key, 0, 1));
        break;
    case SettingKind::Index:
        s.*f.number = qint16(integer(v, key, -1, f.listCount - 1));
        break;
    case SettingKind::Colour:
        s.*f.colour = OleColor(integer(v, key, 0, ColourMax));
        break;
    case SettingKind::Choice:
        s.*f.choice = integer(v, key, -1, 0) != 0;
        break;
    }
}

QJsonObject object(const QJsonValue& v, const QString& key) {
    if (!v.isObject()) throw refused(key, QStringLiteral("expected an object"));
    return v.toObject();
}

QJsonArray array(const QJsonValue& v, const QString& key, int count) {
    if (!v.isArray()) throw refused(key, QStringLiteral("expected an array"));
    const QJsonArray a = v.toArray();
    if (a.size() != count)
        throw refused(key,
                      QStringLiteral("expected %1 entries, found %2").arg(count).arg(a.size()));
    return a;
}

// Members of a nested object: name, lowest and highest value, and where it goes.
template <typename Record> struct Member {
    const char* name;
    qint64 min;
    qint64 max;
    void (*set)(Record&, qint64);
};

template <typename Record, size_t N>
void setMembers(const QJsonObject& o, const QString& key, const Member<Record> (&members)[N],
                Record& record) {
    for (auto it = o.begin(); it != o.end(); ++it) {
        const Member<Record>* m = nullptr;
        for (const auto& candidate : members)
            if (it.key() == QLatin1String(candidate.name)) m = &candidate;
        const QString path = key + QLatin1Char('.') + it.key();
        if (!m) throw refused(path, QStringLiteral("unknown key"));
        m->set(record, integer(it.value(), path, m->min, m->max));
    }
}

const Member<CtrlDataInfo> CtrlMembers[] = {
    {"FrameIndex", 0, 1, [](CtrlDataInfo& c, qint64 v) { c.FrameIndex = qint16(v); }},
    {"ScrollSpeed", 0, 2000, [](CtrlDataInfo& c, qint64 v) { c.ScrollSpeed = qint32(v); }},
    {"ScrollInterval", 0, 3000, [](CtrlDataInfo& c, qint64 v) { c.ScrollInterval = qint32(v); }},
    {"LateNight", 0, 1, [](CtrlDataInfo& c, qint64 v) { c.LateNight = qint16(v); }},
    {"PreviewOpen", 0, 1, [](CtrlDataInfo& c, qint64 v) { c.PreviewOpen = qint16(v); }},
    {"PanelLeft", I32Min, I32Max, [](CtrlDataInfo& c, qint64 v) { c.PanelLeft = qint32(v); }},
    {"PanelTop", I32Min, I32Max, [](CtrlDataInfo& c, qint64 v) { c.PanelTop = qint32(v); }},
};

const Member<FormInfo> FormMembers[] = {
    {"BoardLeft", I32Min, I32Max, [](FormInfo& f, qint64 v) { f.BoardLeft = qint32(v); }},
    {"BoardTop", I32Min, I32Max, [](FormInfo& f, qint64 v) { f.BoardTop = qint32(v); }},
};

constexpr qint64 I16Min = std::numeric_limits<qint16>::min();

// The ranges a fare digit (four cells) holds. Its zero mode and fill have no lower bound
// (a negative fill means none), so files that K41 writes with such values build again.
const Member<DegitUserInfo> DigitMembers[] = {
    {"Shift", 0, 3, [](DegitUserInfo& d, qint64 v) { d.Shift = qint16(v); }},
    {"ZeroMode", I16Min, 3, [](DegitUserInfo& d, qint64 v) { d.ZeroMode = qint16(v); }},
    {"FillZero", I16Min, 4, [](DegitUserInfo& d, qint64 v) { d.FillZero = qint16(v); }},
};

} // namespace

QByteArray dump(const In4File& file) {
    QByteArrayList lines;
    const Settings& s = file.options;
    for (const SettingField& f : SettingFields::all())
        lines << "  " + quoted(f.qName()) + ": " + settingValue(f, s);

    const CtrlDataInfo& c = file.ctrl;
    lines << "  \"CtrlDataInfo\": {" +
                 QByteArrayList{member("FrameIndex", c.FrameIndex),
                                member("ScrollSpeed", c.ScrollSpeed),
                                member("ScrollInterval", c.ScrollInterval),
                                member("LateNight", c.LateNight),
                                member("PreviewOpen", c.PreviewOpen),
                                member("PanelLeft", c.PanelLeft),
                                member("PanelTop", c.PanelTop)}
                     .join(", ") +
                 "}";
    lines << "  \"FormInfo\": {" + member("BoardLeft", file.form.BoardLeft) + ", " +
                 member("BoardTop", file.form.BoardTop) + "}";

    QByteArrayList colours;
    for (OleColor colour : s.CustomColors)
        colours << QByteArray::number(colour);
    lines << "  \"CustomColors\": [" + colours.join(", ") + "]";

    QByteArrayList digits;
    for (const DegitUserInfo& d : file.digits)
        digits << "    {" + member("Shift", d.Shift) + ", " + member("ZeroMode", d.ZeroMode) +
                      ", " + member("FillZero", d.FillZero) + "}";
    lines << "  \"DegitUserInfo\": [\n" + digits.join(",\n") + "\n  ]";

    return "{\n" + lines.join(",\n") + "\n}\n";
}

In4File build(const QByteArray& json) {
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        throw K41Error(K41Error::InvalidPropertyValue,
                       QStringLiteral("not valid JSON at offset %1: %2")
                           .arg(error.offset)
                           .arg(error.errorString()));
    if (!doc.isObject())
        throw K41Error(K41Error::InvalidPropertyValue, QStringLiteral("expected one JSON object"));

    In4File file; // start-up defaults
    const QJsonObject root = doc.object();
    for (auto it = root.begin(); it != root.end(); ++it) {
        const QString key = it.key();
        if (const SettingField* f = SettingFields::find(key)) {
            setSetting(*f, it.value(), file.options);
        } else if (key == QLatin1String("CtrlDataInfo")) {
            setMembers(object(it.value(), key), key, CtrlMembers, file.ctrl);
        } else if (key == QLatin1String("FormInfo")) {
            setMembers(object(it.value(), key), key, FormMembers, file.form);
        } else if (key == QLatin1String("CustomColors")) {
            const QJsonArray a = array(it.value(), key, int(file.options.CustomColors.size()));
            for (int i = 0; i < a.size(); ++i)
                file.options.CustomColors[i] = OleColor(
                    integer(a[i], QStringLiteral("CustomColors[%1]").arg(i), 0, ColourMax));
        } else if (key == QLatin1String("DegitUserInfo")) {
            const QJsonArray a = array(it.value(), key, FareDigitCount);
            for (int i = 0; i < a.size(); ++i) {
                const QString path = QStringLiteral("DegitUserInfo[%1]").arg(i);
                setMembers(object(a[i], path), path, DigitMembers, file.digits[i]);
            }
        } else {
            throw refused(key, QStringLiteral("unknown key"));
        }
    }
    return file;
}

} // namespace In4Json
