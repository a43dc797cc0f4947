#pragma once
// The options dialog as the program holds it: built the first time it is wanted (the panel's
// "設定...", a test, a screenshot) instead of at start, where building its six pages cost
// more than any window shown. Until then the settings file loads into the live store alone,
// the ticket plug-in host keeps what the dialog's preview page will show, and the dialog, once
// built, shows the store as it is then: nothing a user sees or the settings file holds
// depends on when that happens.
#include "app/options/PlgInHost.h"
#include "settings/OptionInfo.h"

#include <memory>

class DisplayTarget;
class PreviewArea;
class frmOption;

class OptionsOnDemand {
  public:
    // The live store, where the display settings go and the panel's ticket preview; all must
    // outlive this.
    OptionsOnDemand(Settings& store, DisplayTarget& display, PreviewArea& panelPreview);
    ~OptionsOnDemand();

    // The dialog, built now if it does not exist yet.
    frmOption& dialog();
    // So that whoever holds the program's windows reaches the dialog as it always could.
    operator frmOption&() { return dialog(); }
    // Whether the dialog exists, without building it.
    bool isBuilt() const { return m_dialog != nullptr; }

    PlgInHost& plugins() { return m_plugins; }

    // What a settings record's copy into the store does: the dialog's own hooks once it
    // exists; before, only what reaches beyond it (the backlight picture chosen again, the
    // plug-in loaded for the panel), since a dialog built later shows the store anyway.
    OptionInfoHooks optionInfoHooks();

  private:
    Settings& m_store;
    DisplayTarget& m_display;
    PlgInHost m_plugins;
    std::unique_ptr<frmOption> m_dialog;
};
