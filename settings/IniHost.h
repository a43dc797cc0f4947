#pragma once
// What the settings file needs from the windows: the parts of the settings that live in the
// board's controls, the operation panel and the board window rather than in the settings
// store. The program's windows implement it; tests implement it with plain records.
// Any method may throw K41Error; the settings file operations report it.
#include "platform/core/Colour.h"
#include "settings/CtrlDataInfo.h"
#include "settings/DegitUserInfo.h"
#include "settings/FormInfo.h"
#include "settings/OptionInfo.h"
#include "settings/Settings.h"

#include <QString>

// The three colours of a digit control (BackColor, BaseForeColor, DegitForeColor).
struct DigitColours {
    OleColor back = 0;
    OleColor unlit = 0;
    OleColor lit = 0;
};

// The stop-name control's properties restored from the settings file, in the order they
// are to be set: BackColor, ForeColor, TsugiwaMode, TsugiwaColor, TsugiwaBold,
// TsugiwaFontMode.
struct StopNameProperties {
    OleColor BackColor = 0;
    OleColor ForeColor = 0;
    qint16 TsugiwaMode = -1;
    OleColor TsugiwaColor = 0;
    bool TsugiwaBold = false;
    qint16 TsugiwaFontMode = -1;
};

class IniHost {
  public:
    virtual ~IniHost() = default;

    // The live settings store.
    virtual Settings& settings() = 0;

    // Saving: the zero-display options of fare digit `index` (1 to 24).
    virtual DegitUserInfo fareDigitUserInfo(int index) = 0;
    virtual CtrlDataInfo GetCtrlDataInfo() = 0;
    virtual FormInfo GetFormInfo() = 0;

    // Loading, in the order called. Fare digit `index` (1 to 24) takes ZeroMode, Shift and
    // FillZero, then the three colours, then the text " " as its value (which blanks it).
    virtual void setFareDigit(int index, const DegitUserInfo& info,
                              const DigitColours& colours) = 0;
    // Clock digit `index` (0 = hours, 1 = minutes) takes the three colours.
    virtual void setClockDigitColours(int index, const DigitColours& colours) = 0;
    virtual void setStopNameProperties(const StopNameProperties& properties) = 0;
    // What the dialog and the board do while the settings are copied into the store.
    virtual OptionInfoHooks optionInfoHooks() { return {}; }
    virtual void SetCtrlDataInfo(const CtrlDataInfo& info) = 0;
    virtual void SetFormInfo(const FormInfo& info) = 0;
    // The dialog's settings onto the board.
    virtual void SetProp() = 0;

    // Shows a failure of the settings file: the program's windows show a message box with an
    // OK button only and the application's title.
    virtual void showIniError(const QString& text) = 0;
};
