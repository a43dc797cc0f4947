#pragma once
// A stand-in for the board, the panel and the dialog while the settings file is read or
// written: keeps what it is given, logs the order of the calls, and can fail at a named step.
#include "platform/core/K41Error.h"
#include "settings/IniHost.h"

#include <QStringList>
#include <array>

class FakeHost : public IniHost {
  public:
    Settings store;
    std::array<DegitUserInfo, 24> digits{};
    std::array<DigitColours, 25> fareColours{};
    std::array<DigitColours, 2> clockColours{};
    std::array<QString, 25> fareValues;
    StopNameProperties stopName;
    CtrlDataInfo ctrl;
    FormInfo form;
    QStringList log;
    QStringList errors;
    QString failAt;

    Settings& settings() override { return store; }
    DegitUserInfo fareDigitUserInfo(int index) override { return digits.at(index - 1); }
    CtrlDataInfo GetCtrlDataInfo() override {
        step("GetCtrlDataInfo");
        return ctrl;
    }
    FormInfo GetFormInfo() override {
        step("GetFormInfo");
        return form;
    }
    void setFareDigit(int index, const DegitUserInfo& info, const DigitColours& colours) override {
        step(QStringLiteral("Degit(%1)").arg(index));
        digits.at(index - 1) = info;
        fareColours.at(index) = colours;
        fareValues.at(index) = QStringLiteral(" ");
    }
    void setClockDigitColours(int index, const DigitColours& colours) override {
        step(QStringLiteral("TimeDegit(%1)").arg(index));
        clockColours.at(index) = colours;
    }
    void setStopNameProperties(const StopNameProperties& p) override {
        step("ChimeiCtl");
        stopName = p;
    }
    OptionInfoHooks optionInfoHooks() override {
        OptionInfoHooks hooks;
        hooks.panelSettingsApplied = [this] { step("backlight"); };
        hooks.allApplied = [this] { step("SetPlgin"); };
        return hooks;
    }
    void SetCtrlDataInfo(const CtrlDataInfo& info) override {
        step("SetCtrlDataInfo");
        ctrl = info;
    }
    void SetFormInfo(const FormInfo& info) override {
        step("SetFormInfo");
        form = info;
    }
    void SetProp() override { step("SetProp"); }
    void showIniError(const QString& text) override { errors << text; }

  private:
    void step(const QString& name) {
        log << name;
        if (name == failAt)
            throw K41Error(K41Error::InvalidPropertyValue, QStringLiteral("refused ") + name);
    }
};

// Gives every field a value other than its default.
inline void fillUnusual(FakeHost& h) {
    Settings& s = h.store;
    s.FareDataDir = QStringLiteral("/データ/運賃");
    s.TapeDataDir = QStringLiteral("C:\\放送用");
    s.UseSeiriNumAuto = 0;
    s.SeiriNumStyle = 7;
    s.PanelAssignAuto = false;
    s.PanelAssignEach = true;
    s.PanelOn1Builtin = false;
    s.PanelOn1User = true;
    s.PanelOn1File = QStringLiteral("昼.gif");
    s.DegitBackColor = 0x010101;
    s.DegitUnlitColor = 0x020202;
    s.DegitLitColor = 0x030303;
    s.InfoKeitouUse = 1;
    s.InfoKeitouPos = 23;
    s.InfoColumnNo = -1;
    s.ChimeiBackColor = 0x0A;
    s.ChimeiForeColor = 0x0B;
    s.TsugiwaMode = 1;
    s.TsugiwaColor = 0x0C;
    s.TsugiwaFontMode = 2;
    s.TsugiwaBold = 1;
    s.SoundMoveSync = true;
    s.SoundMoveAsync = false;
    s.SoundMove3 = QStringLiteral("次は.wav");
    s.SeiriDateAuto = false;
    s.SeiriDateHold = true;
    s.SeiriDateValue = QStringLiteral("2024/12/31");
    for (size_t i = 0; i < s.CustomColors.size(); ++i)
        s.CustomColors[i] = OleColor(0x100 * i + 1);
    for (int i = 0; i < 24; ++i)
        h.digits[i] = {qint16(i % 4), qint16((i / 4) % 4), qint16(i % 5)};
    h.ctrl = {1, 777, 2999, 1, 1, 16000, -2000};
    h.form = {-30000, 45000};
}
