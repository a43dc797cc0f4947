#pragma once
// Comma-separated records as feeds write them: UTF-8 with an optional byte-order mark, fields
// in double quotes may hold commas, quotes ("") and line breaks, lines end in CR LF, LF or CR.
// Bytes arrive in chunks of any size; each complete record goes to the handler at once, so a
// file of any length is read in constant memory. A field or a record longer than any real
// feed has is an error naming the file and line, not an ever-growing buffer.
#include <QString>
#include <functional>
#include <string>
#include <vector>

class CsvStream {
  public:
    static constexpr size_t MaxFieldBytes = 64 * 1024;
    static constexpr size_t MaxFields = 512;

    using Handler = std::function<void(const std::string* fields, size_t count, qint64 line)>;

    CsvStream(QString file, Handler handler);

    void feed(const char* data, qint64 size);
    // Ends the last record (a file need not end with a line break).
    void finish();

  private:
    void endField();
    void endRecord();
    [[noreturn]] void fail(const QString& what) const;

    enum class State { FieldStart, Unquoted, Quoted, QuoteInQuoted, AfterCr };

    QString m_file;
    Handler m_handler;
    std::vector<std::string> m_fields;
    size_t m_count = 0; // fields of the current record in use
    State m_state = State::FieldStart;
    bool m_start = true; // no byte seen yet (a byte-order mark may come)
    int m_bomSeen = 0;   // bytes of a byte-order mark matched so far
    bool m_recordHasData = false;
    qint64 m_line = 1;       // line of the byte being read
    qint64 m_recordLine = 1; // line where the current record began
};
