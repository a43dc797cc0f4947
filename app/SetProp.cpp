#include "app/SetProp.h"

#include "app/Form1.h"
#include "app/mdlK41_000.h"
#include "controls/digit/M_Degit.h"
#include "controls/stopname/ChimeiCtl_DX.h"
#include "panel/BacklightFrame.h"
#include "settings/Settings.h"

#include <QLabel>

namespace {

void applyDigitColours(M_Degit* d, const Settings& s) {
    d->setBackColor(s.DegitBackColor);
    d->setBaseForeColor(s.DegitUnlitColor);
    d->setDegitForeColor(s.DegitLitColor);
}

} // namespace

void SetProp(const Settings& s, Form1& board, BacklightFrame* backlight) {
    // Hidden labels are still renumbered and recoloured, so they are current when shown.
    for (int i = 1; i <= 24; ++i)
        board.lblSeiriNum[i]->setVisible(s.UseSeiriNumAuto != 0);
    mdlK41_000::SeirikenNumSet(board, s.SeiriNumStyle, s.SeiriNumZeroFill);

    for (int i = 1; i <= 24; ++i)
        applyDigitColours(board.Degit[i], s);
    applyDigitColours(board.TimeDegit[0], s);
    applyDigitColours(board.TimeDegit[1], s);

    ChimeiCtl_DX& line = *board.ChimeiCtl;
    line.setBackColor(s.ChimeiBackColor);
    line.setForeColor(s.ChimeiForeColor);
    line.setFontMode(s.ChimeiFontMode);
    line.setFontBold(s.ChimeiFontBold == 1);
    line.setTsugiwaMode(s.TsugiwaMode);
    line.setTsugiwaColor(s.TsugiwaColor);
    line.setTsugiwaFontMode(s.TsugiwaFontMode);
    line.setTsugiwaBold(s.TsugiwaBold == 1);

    if (backlight) backlight->applySelected();
}
