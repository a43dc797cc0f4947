#pragma once
// The text rules of the digit control: how a value becomes the characters on the cells.
// Plain functions over QVariant, no drawing, so the rules are tested without a widget.
#include <QString>
#include <QVariant>

namespace DegitText {

// The fields of a digit control that shape its text.
struct Rules {
    qint16 zeroMode = 0;
    qint16 fillZero = 0;
    qint16 shift = 0;
    qint16 keta = 4;
};

// A value is nothing (an invalid QVariant), a number (any numeric QVariant) or a text
// (anything else, taken by its QVariant::toString()).
bool isNumber(const QVariant& value);

// Reads a value as a number: a number is itself; a text counts when it reads as a finite
// decimal number (surrounding spaces allowed); nothing counts as 0, like an unset value.
// Returns false for the empty text and every other text.
bool numericValue(const QVariant& value, double* out);

// The text form of a value: digits for whole numbers, up to 15 significant digits otherwise.
QString textOf(const QVariant& value);

// Zero substitution by zero mode: which values turn into a blank and which into a lit 0.
//   0: 0 and the empty text become the empty text
//   1: 0 and the empty text become the number 0
//   2: -1 becomes the number 0, else 0 becomes the empty text
//   3: -1, 0 and the empty text become the number 0
//   any other mode: unchanged
QVariant substituteZero(const QVariant& value, qint16 zeroMode);

// Zero fill to at least `count` digits, the minus sign in front and fractions rounded half
// away from zero. Only numbers and numeric texts are filled; a count of 0 or below leaves
// the value as it is.
QVariant fillZero(const QVariant& value, qint16 count);

// The whole chain: substitution, fill, `shift` trailing blanks, cut to the rightmost
// `keta` characters. A `keta` of 0 or below gives the empty text.
QString displayText(const QVariant& value, const Rules& rules);

} // namespace DegitText
