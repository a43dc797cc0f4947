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

constexpr qint64 I16Min = std::numeric_limits<qint16>::min();
constexpr qint64 I16Max = std::numeric_limits<qint16>::max();
constexpr qint64 I32Min = std::numeric_limits<qint32>::min();
constexpr qint64 I32Max = std::numeric_limits<qint32>::max();
constexpr qint64 ColourMax = std::numeric_limits<quint32>::max();

// QJsonObject sorts its keys; the dump keeps the file's order, so it is written by hand.
void appendQuoted(QByteArray& out, QStringView text) {
    out += '"';
    for (const char c : text.toUtf8()) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < 0x20) {
            static const char hex[] = "0123456789abcdef";
            out += "\\u00";
            out += hex[u >> 4];
            out += hex[u & 0xF];
        } else {
            out += c;
        }
    }
    out += '"';
}

// A number as build takes it: plain when inside the range build accepts from a hand-written
// file, otherwise marked as the value the file stores, so build gives it back unchecked.
void appendNumber(QByteArray& out, qint64 value, qint64 min, qint64 max) {
    if (value >= min && value <= max) {
        out += QByteArray::number(value);
        return;
    }
    out += "{\"stored\": ";
    out += QByteArray::number(value);
    out += '}';
}

// The ranges build accepts for a setting written by hand.
qint64 lowest(const SettingField& f) {
    return f.kind == SettingKind::Index || f.kind == SettingKind::Choice ? -1 : 0;
}
qint64 highest(const SettingField& f) {
    switch (f.kind) {
    case SettingKind::Index:
        return f.listCount - 1;
    case SettingKind::Check:
        return 1;
    case SettingKind::Colour:
        return ColourMax;
    default:
        return 0;
    }
}

void appendSetting(QByteArray& out, const SettingField& f, const In4File& file) {
    const Settings& s = file.options;
    switch (f.kind) {
    case SettingKind::Text: {
        const QHash<QString, QByteArray>& texts = file.stored.texts;
        const auto stored = texts.isEmpty() ? texts.cend() : texts.constFind(f.qName());
        if (stored != texts.cend()) {
            out += "{\"bytes\": \"";
            out += stored->toHex().toUpper();
            out += "\"}";
        } else {
            appendQuoted(out, s.*f.text);
        }
        return;
    }
    case SettingKind::Check:
    case SettingKind::Index:
        appendNumber(out, s.*f.number, lowest(f), highest(f));
        return;
    case SettingKind::Colour:
        out += QByteArray::number(s.*f.colour);
        return;
    case SettingKind::Choice: {
        const QHash<QString, qint16>& choices = file.stored.choices;
        const auto stored = choices.isEmpty() ? choices.cend() : choices.constFind(f.qName());
        if (stored != choices.cend())
            appendNumber(out, *stored, 0, -1); // always marked
        else
            out += s.*f.choice ? "-1" : "0";
        return;
    }
    }
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

// A number written plainly (checked against min and max) or as {"stored": n}, which the dump
// writes for what a file holds outside that range (checked only against the field's width).
qint64 value(const QJsonValue& v, const QString& key, qint64 min, qint64 max, qint64 widthMin,
             qint64 widthMax) {
    if (!v.isObject()) return integer(v, key, min, max);
    const QJsonObject o = v.toObject();
    if (o.size() != 1 || !o.contains(QLatin1String("stored")))
        throw refused(key, QStringLiteral("expected a number or {\"stored\": number}"));
    return integer(o.value(QLatin1String("stored")), key, widthMin, widthMax);
}

QByteArray hexBytes(const QJsonValue& v, const QString& key) {
    const QString hex = v.toString();
    bool valid = v.isString() && hex.size() % 2 == 0;
    for (QChar c : hex)
        valid &= c.isDigit() || (c.toLower() >= u'a' && c.toLower() <= u'f');
    if (!valid) throw refused(key, QStringLiteral("expected bytes as hexadecimal digits"));
    return QByteArray::fromHex(hex.toLatin1());
}

void setText(const SettingField& f, const QJsonValue& v, In4File& file) {
    const QString key = f.qName();
    if (v.isObject()) {
        const QJsonObject o = v.toObject();
        if (o.size() != 1 || !o.contains(QLatin1String("bytes")))
            throw refused(key, QStringLiteral("expected a text or {\"bytes\": \"hex\"}"));
        const QByteArray bytes = hexBytes(o.value(QLatin1String("bytes")), key);
        if (bytes.size() > 0xFFFF) throw refused(key, QStringLiteral("longer than 65535 bytes"));
        file.options.*f.text = Codec932::decode(bytes);
        if (Codec932::encode(file.options.*f.text) != bytes) file.stored.texts.insert(key, bytes);
        return;
    }
    if (!v.isString()) throw refused(key, QStringLiteral("expected a text"));
    const QString text = v.toString();
    const QString bad = Codec932::firstUnencodable(text);
    if (!bad.isEmpty())
        throw refused(key, QStringLiteral("code page 932 cannot hold \"%1\" (U+%2)")
                               .arg(bad)
                               .arg(bad.at(0).unicode(), 4, 16, QLatin1Char('0')));
    if (Codec932::encode(text).size() > 0xFFFF)
        throw refused(key, QStringLiteral("longer than 65535 bytes"));
    file.options.*f.text = text;
}

void setSetting(const SettingField& f, const QJsonValue& v, In4File& file) {
    Settings& s = file.options;
    const QString key = f.qName();
    switch (f.kind) {
    case SettingKind::Text:
        setText(f, v, file);
        break;
    case SettingKind::Check:
    case SettingKind::Index:
        s.*f.number = qint16(value(v, key, lowest(f), highest(f), I16Min, I16Max));
        break;
    case SettingKind::Colour:
        s.*f.colour = OleColor(integer(v, key, 0, ColourMax));
        break;
    case SettingKind::Choice: {
        const qint64 n = value(v, key, -1, 0, I16Min, I16Max);
        s.*f.choice = n != 0;
        if (n != 0 && n != -1) file.stored.choices.insert(key, qint16(n));
        break;
    }
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

// Members of a nested object: name, the range a hand-written value must keep, the width of
// the stored field, and how to reach it.
template <typename Record> struct Member {
    const char* name;
    qint64 min;
    qint64 max;
    int bits; // 16 or 32
    qint64 (*get)(const Record&);
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
        m->set(record, value(it.value(), path, m->min, m->max, m->bits == 16 ? I16Min : I32Min,
                             m->bits == 16 ? I16Max : I32Max));
    }
}

template <typename Record, size_t N>
void appendMembers(QByteArray& out, const Record& record, const Member<Record> (&members)[N]) {
    out += '{';
    for (const auto& m : members) {
        if (&m != members) out += ", ";
        out += '"';
        out += m.name; // plain ASCII names
        out += "\": ";
        appendNumber(out, m.get(record), m.min, m.max);
    }
    out += '}';
}

#define K41_MEMBER(Record, field, min, max, bits)                                                  \
    Member<Record> {                                                                               \
#field, min, max, bits,                                                                    \
            [](const Record&                                                                       \
                   r) { return qint64(r.field); },                                                 \
                                                [](Record & r,                                     \
                                                   qint64 v) { r.field = decltype(r.field)(v); }   \
    }

const Member<CtrlDataInfo> CtrlMembers[] = {
    K41_MEMBER(CtrlDataInfo, FrameIndex, 0, 1, 16),
    K41_MEMBER(CtrlDataInfo, ScrollSpeed, 0, 2000, 32),
    K41_MEMBER(CtrlDataInfo, ScrollInterval, 0, 3000, 32),
    K41_MEMBER(CtrlDataInfo, LateNight, 0, 1, 16),
    K41_MEMBER(CtrlDataInfo, PreviewOpen, 0, 1, 16),
    K41_MEMBER(CtrlDataInfo, PanelLeft, I32Min, I32Max, 32),
    K41_MEMBER(CtrlDataInfo, PanelTop, I32Min, I32Max, 32),
};

const Member<FormInfo> FormMembers[] = {
    K41_MEMBER(FormInfo, BoardLeft, I32Min, I32Max, 32),
    K41_MEMBER(FormInfo, BoardTop, I32Min, I32Max, 32),
};

// The ranges a fare digit (four cells) holds. Its zero mode and fill have no lower bound
// (a negative fill means none), so files that K41 writes with such values build again.
const Member<DegitUserInfo> DigitMembers[] = {
    K41_MEMBER(DegitUserInfo, Shift, 0, 3, 16),
    K41_MEMBER(DegitUserInfo, ZeroMode, I16Min, 3, 16),
    K41_MEMBER(DegitUserInfo, FillZero, I16Min, 4, 16),
};

#undef K41_MEMBER

} // namespace

QByteArray dump(const In4File& file) {
    // Written into one buffer: a file's dump is some two hundred small pieces.
    QByteArray out;
    out.reserve(4096);
    out += "{\n";
    for (const SettingField& f : SettingFields::all()) {
        out += "  \"";
        out += f.name; // plain ASCII names
        out += "\": ";
        appendSetting(out, f, file);
        out += ",\n";
    }
    out += "  \"CtrlDataInfo\": ";
    appendMembers(out, file.ctrl, CtrlMembers);
    out += ",\n  \"FormInfo\": ";
    appendMembers(out, file.form, FormMembers);

    out += ",\n  \"CustomColors\": [";
    for (const OleColor& colour : file.options.CustomColors) {
        if (&colour != file.options.CustomColors.data()) out += ", ";
        out += QByteArray::number(colour);
    }
    out += ']';
    if (file.DigitCount != FareDigitCount) {
        out += ",\n  \"DigitCount\": ";
        out += QByteArray::number(file.DigitCount);
    }

    out += ",\n  \"DegitUserInfo\": [\n";
    for (const DegitUserInfo& d : file.digits) {
        if (&d != file.digits.data()) out += ",\n";
        out += "    ";
        appendMembers(out, d, DigitMembers);
    }
    out += "\n  ]";
    if (!file.stored.trailing.isEmpty()) {
        out += ",\n  \"Trailing\": \"";
        out += file.stored.trailing.toHex().toUpper();
        out += '"';
    }
    out += "\n}\n";
    return out;
}

In4File build(const QByteArray& json) {
    return build(json, In4File());
}

In4File build(const QByteArray& json, In4File base) {
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        throw K41Error(K41Error::InvalidPropertyValue,
                       QStringLiteral("not valid JSON at offset %1: %2")
                           .arg(error.offset)
                           .arg(error.errorString()));
    if (!doc.isObject())
        throw K41Error(K41Error::InvalidPropertyValue, QStringLiteral("expected one JSON object"));

    In4File file = std::move(base);
    const QJsonObject root = doc.object();
    for (auto it = root.begin(); it != root.end(); ++it) {
        const QString key = it.key();
        if (const SettingField* f = SettingFields::find(key)) {
            setSetting(*f, it.value(), file);
        } else if (key == QLatin1String("CtrlDataInfo")) {
            setMembers(object(it.value(), key), key, CtrlMembers, file.ctrl);
        } else if (key == QLatin1String("FormInfo")) {
            setMembers(object(it.value(), key), key, FormMembers, file.form);
        } else if (key == QLatin1String("CustomColors")) {
            const QJsonArray a = array(it.value(), key, int(file.options.CustomColors.size()));
            for (int i = 0; i < a.size(); ++i)
                file.options.CustomColors[i] = OleColor(
                    integer(a[i], QStringLiteral("CustomColors[%1]").arg(i), 0, ColourMax));
        } else if (key == QLatin1String("DigitCount")) {
            file.DigitCount = qint16(integer(it.value(), key, I16Min, I16Max));
        } else if (key == QLatin1String("DegitUserInfo")) {
            const QJsonArray a = array(it.value(), key, FareDigitCount);
            for (int i = 0; i < a.size(); ++i) {
                const QString path = QStringLiteral("DegitUserInfo[%1]").arg(i);
                setMembers(object(a[i], path), path, DigitMembers, file.digits[i]);
            }
        } else if (key == QLatin1String("Trailing")) {
            file.stored.trailing = hexBytes(it.value(), key);
        } else {
            throw refused(key, QStringLiteral("unknown key"));
        }
    }
    return file;
}

} // namespace In4Json
