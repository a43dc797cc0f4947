#include "gtfs/CsvStream.h"

#include "platform/core/K41Error.h"

CsvStream::CsvStream(QString file, Handler handler)
    : m_file(std::move(file)), m_handler(std::move(handler)) {
    m_fields.resize(8);
}

void CsvStream::fail(const QString& what) const {
    throw K41Error(K41Error::InvalidPropertyValue,
                   QStringLiteral("%1 の %2 行目: %3").arg(m_file).arg(m_recordLine).arg(what));
}

void CsvStream::endField() {
    ++m_count;
    if (m_count >= MaxFields) fail(QStringLiteral("列が多すぎます"));
    if (m_count >= m_fields.size()) m_fields.resize(m_fields.size() * 2);
    m_fields[m_count].clear();
}

void CsvStream::endRecord() {
    // A blank line is no record.
    if (m_recordHasData || m_count > 0) {
        m_handler(m_fields.data(), m_count + 1, m_recordLine);
    }
    m_count = 0;
    m_fields[0].clear();
    m_recordHasData = false;
    m_state = State::FieldStart;
    m_recordLine = m_line;
}

void CsvStream::feed(const char* data, qint64 size) {
    static constexpr unsigned char Bom[3] = {0xEF, 0xBB, 0xBF};
    for (qint64 i = 0; i < size; ++i) {
        const char c = data[i];
        if (m_start) {
            if (static_cast<unsigned char>(c) == Bom[m_bomSeen]) {
                if (++m_bomSeen == 3) m_start = false;
                continue;
            }
            m_start = false;
            // A partial mark was text after all.
            for (int k = 0; k < m_bomSeen; ++k)
                m_fields[0] += char(Bom[k]);
            if (m_bomSeen > 0) {
                m_state = State::Unquoted;
                m_recordHasData = true;
            }
        }
        std::string& field = m_fields[m_count];
        if (field.size() >= MaxFieldBytes) fail(QStringLiteral("項目が長すぎます"));
        switch (m_state) {
        case State::AfterCr:
            m_state = State::FieldStart;
            if (c == '\n') continue; // CR LF is one line end
            [[fallthrough]];
        case State::FieldStart:
            if (c == '"') {
                m_state = State::Quoted;
                m_recordHasData = true;
                continue;
            }
            [[fallthrough]];
        case State::Unquoted:
            if (c == ',') {
                endField();
                m_recordHasData = true;
                m_state = State::FieldStart;
            } else if (c == '\n' || c == '\r') {
                ++m_line;
                endRecord();
                if (c == '\r') m_state = State::AfterCr;
            } else {
                field += c;
                m_recordHasData = true;
                m_state = State::Unquoted;
            }
            break;
        case State::Quoted:
            if (c == '"') {
                m_state = State::QuoteInQuoted;
            } else {
                if (c == '\n') ++m_line;
                field += c;
            }
            break;
        case State::QuoteInQuoted:
            if (c == '"') {
                field += '"';
                m_state = State::Quoted;
            } else if (c == ',') {
                endField();
                m_state = State::FieldStart;
            } else if (c == '\n' || c == '\r') {
                ++m_line;
                endRecord();
                if (c == '\r') m_state = State::AfterCr;
            } else {
                // Text after a closing quote is kept, as lenient readers do.
                field += c;
                m_state = State::Unquoted;
            }
            break;
        }
    }
}

void CsvStream::finish() {
    // A quote left open runs to the end of the file: the record is still given.
    endRecord();
}
