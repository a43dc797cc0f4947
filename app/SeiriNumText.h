#pragma once
// The ticket-number column's texts for one numbering style, apart from any label: which
// caption each of the 24 labels gets and which face label 1 takes. Styles 0 to 11; label 1
// carries a number (styles 0, 1) or a heading for riders without a ticket (2 to 11).
#include <QString>
#include <array>
#include <optional>

struct SeiriNumText {
    // Face of label 1 after the numbering: "M_NumC2" for number styles, "ＭＳ Ｐゴシック" else.
    QString label1Face;
    // Caption of label i at index i (1 to 24); empty optional = the label keeps its caption.
    std::array<std::optional<QString>, 25> captions;

    // Builds the texts for `style` with or without a leading zero for one-digit numbers.
    // A style above 11 empties label 1 only; a negative style only restores label 1's face.
    static SeiriNumText forStyle(qint16 style, qint16 pad);

    // `n` in full-width digits, "０１" style when `pad` and n has one digit.
    static QString number(int n, bool pad);

    // The text of the error box shown when the labels cannot be written.
    static QString errorText(int number, const QString& description);
};
