#pragma once
// Variant forms of kanji that names are often written in (山﨑, 髙島, 德山): the extension kanji
// of code page 932 that the dictionaries and the kanji list do not hold. Each is read as its
// standard form (崎, 高, 徳), which they know; without this such a kanji had no reading and was
// left out of the name.
#include "sound/ReadWord.h"

#include <QChar>
#include <QHash>
#include <QString>

namespace KanjiVariants {

// `text` with each variant kanji replaced by its standard form; the length is unchanged.
QString standardForms(const QString& text);

// The same, and then each kanji that `more` holds replaced by the form it gives: variants that
// have no reading of their own, found in Unicode's database (see UnihanReadings.h).
QString standardForms(const QString& text, const QHash<QChar, QChar>& more);

// `kanji` in today's form where it is an old one that names keep (溪 渓, 澤 沢, 廣 広); any other
// character as it is. The dictionary knows few words in the old forms.
QChar todaysForm(QChar kanji);

// Puts today's forms into `text` in the words of `words` (its analysis) that the dictionary does
// not know; whether it changed any.
bool todaysFormsInUnknownWords(QString& text, const ReadWords& words);

} // namespace KanjiVariants
