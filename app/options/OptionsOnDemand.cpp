#include "app/options/OptionsOnDemand.h"

#include "app/options/DisplayTarget.h"
#include "app/options/frmOption.h"

OptionsOnDemand::OptionsOnDemand(Settings& store, DisplayTarget& display, PreviewArea& panelPreview)
    : m_store(store), m_display(display), m_plugins(store, panelPreview) {}

OptionsOnDemand::~OptionsOnDemand() = default;

frmOption& OptionsOnDemand::dialog() {
    if (!m_dialog) {
        m_dialog = std::make_unique<frmOption>(m_store, m_display);
        m_plugins.attach(*m_dialog);
    }
    return *m_dialog;
}

OptionInfoHooks OptionsOnDemand::optionInfoHooks() {
    if (m_dialog) return m_dialog->optionInfoHooks();
    OptionInfoHooks hooks;
    hooks.panelSettingsApplied = [this] { m_display.applyBacklight(); };
    hooks.allApplied = [this] { m_plugins.load(m_store.SeiriPlgFile); };
    return hooks;
}
