#pragma once
// Splits an announcement into the pieces that are synthesised one after another: sentences,
// and a sentence longer than `maxChars` at a comma or space (or, lacking one, anywhere), so
// speech starts quickly and a text of any length is worked through in bounded steps.
#include <QString>
#include <QStringList>

namespace SpeechText {

inline constexpr int DefaultMaxChars = 120;

// Walks a text piece by piece, so a huge text is never split all at once.
class Pieces {
  public:
    explicit Pieces(QStringView text, int maxChars = DefaultMaxChars)
        : m_text(text), m_maxChars(maxChars) {}
    // The next piece, trimmed and never empty; false once the text is used up.
    bool next(QString& piece);

  private:
    QStringView m_text;
    int m_maxChars;
    qsizetype m_pos = 0;
};

// Every piece of `text`.
QStringList pieces(QStringView text, int maxChars = DefaultMaxChars);

} // namespace SpeechText
