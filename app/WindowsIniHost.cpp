#include "app/WindowsIniHost.h"

#include "app/Form1.h"
#include "app/SetProp.h"
#include "app/options/OptionsOnDemand.h"
#include "controls/digit/M_Degit.h"
#include "controls/stopname/ChimeiCtl_DX.h"
#include "panel/BacklightFrame.h"
#include "panel/frmCtl.h"
#include "platform/core/AppInfo.h"

#include <QMessageBox>

namespace {

void setColours(M_Degit& digit, const DigitColours& colours) {
    digit.setBackColor(colours.back);
    digit.setBaseForeColor(colours.unlit);
    digit.setDegitForeColor(colours.lit);
}

} // namespace

WindowsIniHost::WindowsIniHost(Settings& settings, Form1& board, frmCtl& panel,
                               OptionsOnDemand& options)
    : m_settings(settings), m_board(board), m_panel(panel), m_options(options) {}

DegitUserInfo WindowsIniHost::fareDigitUserInfo(int index) {
    const M_Degit& digit = *m_board.Degit[index];
    DegitUserInfo info;
    info.Shift = digit.Shift();
    info.ZeroMode = digit.ZeroMode();
    info.FillZero = digit.FillZero();
    return info;
}

CtrlDataInfo WindowsIniHost::GetCtrlDataInfo() {
    CtrlDataInfo info;
    m_panel.GetCtrlDataInfo(info);
    return info;
}

FormInfo WindowsIniHost::GetFormInfo() {
    m_board.GetFormInfo();
    FormInfo info;
    info.BoardLeft = m_board.BoardLeft;
    info.BoardTop = m_board.BoardTop;
    return info;
}

void WindowsIniHost::setFareDigit(int index, const DegitUserInfo& info,
                                  const DigitColours& colours) {
    M_Degit& digit = *m_board.Degit[index];
    digit.setZeroMode(info.ZeroMode);
    digit.setShift(info.Shift);
    digit.setFillZero(info.FillZero);
    setColours(digit, colours);
    digit.setValue(QStringLiteral(" "));
}

void WindowsIniHost::setClockDigitColours(int index, const DigitColours& colours) {
    setColours(*m_board.TimeDegit[index], colours);
}

void WindowsIniHost::setStopNameProperties(const StopNameProperties& p) {
    ChimeiCtl_DX& line = *m_board.ChimeiCtl;
    line.setBackColor(p.BackColor);
    line.setForeColor(p.ForeColor);
    line.setTsugiwaMode(p.TsugiwaMode);
    line.setTsugiwaColor(p.TsugiwaColor);
    line.setTsugiwaBold(p.TsugiwaBold);
    line.setTsugiwaFontMode(p.TsugiwaFontMode);
}

OptionInfoHooks WindowsIniHost::optionInfoHooks() {
    return m_options.optionInfoHooks();
}

void WindowsIniHost::SetCtrlDataInfo(const CtrlDataInfo& info) {
    m_panel.SetCtrlDataInfo(info);
}

void WindowsIniHost::SetFormInfo(const FormInfo& info) {
    m_board.BoardLeft = info.BoardLeft;
    m_board.BoardTop = info.BoardTop;
    m_board.SetFormInfo();
}

void WindowsIniHost::SetProp() {
    ::SetProp(m_settings, m_board, m_panel.backlightFrame);
}

void WindowsIniHost::showIniError(const QString& text) {
    if (showBox) return showBox(text);
    QMessageBox box(QMessageBox::NoIcon, AppInfo::exeName(), text, QMessageBox::Ok);
    box.exec();
}
