#pragma once
// A stand-in for the board, the panel and the dialog while the settings file is read or
// written: keeps what it is given, logs the order of the calls, and can fail at a named step.
#include "platform/core/K41Error.h"
#include "settings/IniHost.h"
#include "tests/settings/EveryFieldChanged.h"

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
    const In4File f = EveryFieldChanged::file();
    h.store = f.options;
    h.ctrl = f.ctrl;
    h.form = f.form;
    h.digits = f.digits;
}
