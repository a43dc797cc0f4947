#include "settings/In4File.h"

#include "platform/core/Codec932.h"
#include "platform/core/K41Error.h"
#include "settings/SettingField.h"

#include <QtEndian>
#include <utility>

namespace {

// A field's name for an error message. Put together only when a message is made: reading or
// writing a whole file names some two hundred fields, and building every name would cost
// more than the reading.
struct FieldName {
    const char* name;
    int index = -1;               // "name(index)" when not negative
    const char* member = nullptr; // then ".member"

    QString text() const {
        QString out = QLatin1String(name);
        if (index >= 0) out += QStringLiteral("(%1)").arg(index);
        if (member) out += u'.' + QLatin1String(member);
        return out;
    }
};

class Writer {
  public:
    // Room for a file of the usual size, texts of some dozen characters each.
    Writer() { m_out.reserve(1024); }
    void i16(qint16 v) { put(v); }
    void i32(qint32 v) { put(v); }
    void u32(quint32 v) { put(v); }
    void text(const QString& value, const char* field) { bytes(Codec932::encode(value), field); }
    void bytes(const QByteArray& bytes, const char* field) {
        // A longer text cannot be described by the 16-bit byte count; cutting it would store
        // a different path than the user chose, so the save fails instead.
        if (bytes.size() > 0xFFFF)
            throw K41Error(K41Error::Overflow,
                           QStringLiteral("文字列が長すぎます（%1 バイト、最大 65535 バイト）: %2")
                               .arg(bytes.size())
                               .arg(QLatin1String(field)));
        put(quint16(bytes.size()));
        m_out.append(bytes);
    }
    void raw(const QByteArray& bytes) { m_out.append(bytes); }
    QByteArray take() { return std::move(m_out); }

  private:
    template <typename T> void put(T v) {
        char raw[sizeof(T)];
        qToLittleEndian(v, raw);
        m_out.append(raw, sizeof(T));
    }
    QByteArray m_out;
};

class Reader {
  public:
    explicit Reader(const QByteArray& bytes) : m_bytes(bytes) {}

    qint16 i16(FieldName field) { return get<qint16>(field); }
    qint32 i32(FieldName field) { return get<qint32>(field); }
    quint32 u32(FieldName field) { return get<quint32>(field); }
    QByteArray text(FieldName field) {
        const quint16 length = get<quint16>(field);
        if (remaining() < length)
            throw K41Error::pastEnd(QStringLiteral("%1（%2 バイトの文字列、残り %3 バイト）")
                                        .arg(field.text())
                                        .arg(length)
                                        .arg(remaining()));
        const QByteArray bytes = m_bytes.mid(m_pos, length);
        m_pos += length;
        return bytes;
    }
    QByteArray rest() { return m_bytes.mid(std::exchange(m_pos, m_bytes.size())); }

  private:
    qsizetype remaining() const { return m_bytes.size() - m_pos; }
    template <typename T> T get(FieldName field) {
        if (remaining() < qsizetype(sizeof(T))) throw K41Error::pastEnd(field.text());
        const T v = qFromLittleEndian<T>(m_bytes.constData() + m_pos);
        m_pos += sizeof(T);
        return v;
    }
    const QByteArray& m_bytes;
    qsizetype m_pos = 0;
};

} // namespace

namespace In4Format {

namespace {

QByteArray writeFile(const In4File& file, bool exact) {
    Writer w;
    const Settings& s = file.options;
    for (const SettingField& f : SettingFields::all()) {
        switch (f.kind) {
        case SettingKind::Text: {
            // Most files keep no text apart: only then is the field's name looked up.
            const QHash<QString, QByteArray>& texts = file.stored.texts;
            const auto stored =
                exact && !texts.isEmpty() ? texts.constFind(f.qName()) : texts.cend();
            if (stored != texts.cend() && Codec932::decode(*stored) == s.*f.text)
                w.bytes(*stored, f.name);
            else
                w.text(s.*f.text, f.name);
            break;
        }
        case SettingKind::Check:
        case SettingKind::Index:
            w.i16(s.*f.number);
            break;
        case SettingKind::Colour:
            w.u32(s.*f.colour);
            break;
        case SettingKind::Choice: {
            const QHash<QString, qint16>& choices = file.stored.choices;
            const auto stored =
                exact && !choices.isEmpty() ? choices.constFind(f.qName()) : choices.cend();
            if (stored != choices.cend() && (*stored != 0) == s.*f.choice)
                w.i16(*stored);
            else
                w.i16(s.*f.choice ? -1 : 0);
            break;
        }
        }
    }
    const CtrlDataInfo& c = file.ctrl;
    w.i16(c.FrameIndex);
    w.i32(c.ScrollSpeed);
    w.i32(c.ScrollInterval);
    w.i16(c.LateNight);
    w.i16(c.PreviewOpen);
    w.i32(c.PanelLeft);
    w.i32(c.PanelTop);
    w.i32(file.form.BoardLeft);
    w.i32(file.form.BoardTop);
    for (OleColor colour : s.CustomColors)
        w.u32(colour);
    w.i16(exact ? file.DigitCount : qint16(FareDigitCount));
    for (const DegitUserInfo& d : file.digits) {
        w.i16(d.Shift);
        w.i16(d.ZeroMode);
        w.i16(d.FillZero);
    }
    if (exact) w.raw(file.stored.trailing);
    return w.take();
}

} // namespace

QByteArray write(const In4File& file) {
    return writeFile(file, false);
}

QByteArray writeExact(const In4File& file) {
    return writeFile(file, true);
}

namespace {

// Reads field after field into `file`, counting each one read whole in `fieldsRead`.
void readFields(Reader& r, In4File& file, int& fieldsRead) {
    Settings& s = file.options;
    for (const SettingField& f : SettingFields::all()) {
        const FieldName name{f.name};
        switch (f.kind) {
        case SettingKind::Text: {
            const QByteArray bytes = r.text(name);
            s.*f.text = Codec932::decode(bytes);
            QHash<QString, QByteArray>& texts = file.stored.texts;
            if (!texts.isEmpty()) texts.remove(f.qName());
            if (Codec932::encode(s.*f.text) != bytes) texts.insert(f.qName(), bytes);
            break;
        }
        case SettingKind::Check:
        case SettingKind::Index:
            s.*f.number = r.i16(name);
            break;
        case SettingKind::Colour:
            s.*f.colour = r.u32(name);
            break;
        // Any non-zero value selects the button, as a radio button's value does.
        case SettingKind::Choice: {
            const qint16 v = r.i16(name);
            s.*f.choice = v != 0;
            QHash<QString, qint16>& choices = file.stored.choices;
            if (!choices.isEmpty()) choices.remove(f.qName());
            if (v != 0 && v != -1) choices.insert(f.qName(), v);
            break;
        }
        }
        ++fieldsRead;
    }
    auto i16 = [&](qint16& into, const char* name) {
        into = r.i16({name});
        ++fieldsRead;
    };
    auto i32 = [&](qint32& into, const char* name) {
        into = r.i32({name});
        ++fieldsRead;
    };
    CtrlDataInfo& c = file.ctrl;
    i16(c.FrameIndex, "CtrlDataInfo.FrameIndex");
    i32(c.ScrollSpeed, "CtrlDataInfo.ScrollSpeed");
    i32(c.ScrollInterval, "CtrlDataInfo.ScrollInterval");
    i16(c.LateNight, "CtrlDataInfo.LateNight");
    i16(c.PreviewOpen, "CtrlDataInfo.PreviewOpen");
    i32(c.PanelLeft, "CtrlDataInfo.PanelLeft");
    i32(c.PanelTop, "CtrlDataInfo.PanelTop");
    i32(file.form.BoardLeft, "FormInfo.BoardLeft");
    i32(file.form.BoardTop, "FormInfo.BoardTop");
    for (int i = 0; i < int(s.CustomColors.size()); ++i)
        s.CustomColors[i] = r.u32({"CustomColors", i});
    ++fieldsRead;
    // The stored count is kept for display only: the table always has 24 entries.
    i16(file.DigitCount, "DigitCount");
    for (int i = 0; i < FareDigitCount; ++i) {
        DegitUserInfo& d = file.digits[i];
        d.Shift = r.i16({"DegitUserInfo", i + 1, "Shift"});
        d.ZeroMode = r.i16({"DegitUserInfo", i + 1, "ZeroMode"});
        d.FillZero = r.i16({"DegitUserInfo", i + 1, "FillZero"});
    }
    ++fieldsRead;
    file.stored.trailing = r.rest();
}

} // namespace

In4File read(const QByteArray& bytes) {
    Reader r(bytes);
    In4File file;
    int fieldsRead = 0;
    readFields(r, file, fieldsRead);
    return file;
}

Partial readInto(const QByteArray& bytes, In4File& file) {
    Reader r(bytes);
    Partial result;
    try {
        readFields(r, file, result.fieldsRead);
    } catch (const K41Error& cut) {
        result.failure = cut;
    }
    return result;
}

} // namespace In4Format
