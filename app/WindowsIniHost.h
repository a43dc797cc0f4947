#pragma once
// The settings file's view of the windows: the board's digit and stop-name controls, the
// operation panel's remembered state and the board's position.
#include "settings/IniHost.h"

#include <functional>

class Form1;
class frmCtl;
class OptionsOnDemand;

class WindowsIniHost : public IniHost {
  public:
    WindowsIniHost(Settings& settings, Form1& board, frmCtl& panel, OptionsOnDemand& options);

    Settings& settings() override { return m_settings; }
    DegitUserInfo fareDigitUserInfo(int index) override;
    CtrlDataInfo GetCtrlDataInfo() override;
    FormInfo GetFormInfo() override;
    void setFareDigit(int index, const DegitUserInfo& info, const DigitColours& colours) override;
    void setClockDigitColours(int index, const DigitColours& colours) override;
    void setStopNameProperties(const StopNameProperties& properties) override;
    // What the options dialog does while a settings record is copied into the store.
    OptionInfoHooks optionInfoHooks() override;
    void SetCtrlDataInfo(const CtrlDataInfo& info) override;
    void SetFormInfo(const FormInfo& info) override;
    void SetProp() override;
    void showIniError(const QString& text) override;

    // Shows the settings file's box (OK only, the application's title); tests replace it.
    std::function<void(const QString&)> showBox;

  private:
    Settings& m_settings;
    Form1& m_board;
    frmCtl& m_panel;
    OptionsOnDemand& m_options;
};
