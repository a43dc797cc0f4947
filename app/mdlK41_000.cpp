#include "app/mdlK41_000.h"

#include "app/Form1.h"
#include "app/SeiriNumText.h"
#include "app/SetProp.h"
#include "controls/digit/M_Degit.h"
#include "platform/Fonts.h"
#include "settings/Settings.h"

#include <QLabel>
#include <QMessageBox>

namespace mdlK41_000 {

void ClearFareDigits(Form1& board) {
    for (int i = 1; i <= 24; ++i)
        board.Degit[i]->setValue(0);
}

void InitDefaults(Form1& board, Settings& settings, BacklightFrame* backlight) {
    // The start-up values are the settings store's own defaults.
    const Settings defaults;
    settings.UseSeiriNumAuto = defaults.UseSeiriNumAuto;
    settings.SeiriNumColorOff = defaults.SeiriNumColorOff;
    settings.SeiriNumColorOn1 = defaults.SeiriNumColorOn1;
    settings.SeiriNumColorOn2 = defaults.SeiriNumColorOn2;
    // The board starts unlit. The lit states keep their own built-in pictures.
    board.setPicture(board.builtinPicture(0));
    SetProp(settings, board, backlight);
}

void SeirikenNumSet(Form1& board, qint16 style, qint16 pad) {
    try {
        const SeiriNumText texts = SeiriNumText::forStyle(style, pad);
        QLabel* first = board.lblSeiriNum[1];
        const QFont current = first->font();
        Fonts::apply(*first, texts.label1Face, current.pointSizeF(), current.bold());
        for (int i = 1; i <= 24; ++i)
            if (texts.captions[size_t(i)]) board.setSeiriNumCaption(i, *texts.captions[size_t(i)]);
    } catch (const std::exception& failure) {
        const K41Error e = K41Error::from(failure);
        QMessageBox::critical(&board, QStringLiteral("エラー！"),
                              SeiriNumText::errorText(e.number(), e.description()));
    }
}

} // namespace mdlK41_000
