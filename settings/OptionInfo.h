#pragma once
// Moving the 65 settings between a settings record (as read from or written to the settings
// file) and the live store, with the rules the options dialog's controls impose.
#include "platform/core/K41Error.h"
#include "settings/SettingField.h"
#include "settings/Settings.h"

#include <functional>
#include <vector>

// Points at which the dialog and the board take part while a record is applied. Each is
// optional. They run in the middle of the copy, so a failure later in the copy leaves what
// they did in place.
struct OptionInfoHooks {
    // After the panel settings (folders, ticket-number settings, panel pictures): the
    // backlight picture is chosen again from them.
    std::function<void()> panelSettingsApplied;
    // After the three digit colours: the dialog's preview digit takes them.
    std::function<void()> digitColoursApplied;
    // After every setting: the ticket plug-in named by SeiriPlgFile is loaded.
    std::function<void()> allApplied;
    // A store field changed value (radio buttons cleared by a selected sibling included), so
    // the dialog can run the enabling rules a click on that control runs.
    std::function<void(const SettingField&)> changed;
};

// Copies the 65 settings of `record` into `store` in the order the dialog's controls are
// filled. Radio buttons are set one by one: a selected one clears the rest of its group, an
// unselected one is only cleared, so a group stored with several selected ends with the
// last one of the copy order selected and a group stored with none ends with none.
// A list position the list cannot hold (anything but -1 and 0 .. count-1) or a check value
// other than 0 and 1 is refused: that setting keeps its value in the store and the copy goes
// on, so one bad value never costs the settings after it. A hook that fails is passed over
// the same way. Returns the refusals and failures in the order met (K41Error
// InvalidPropertyValue naming the setting for a refused value); empty when all went in.
// CustomColors is not part of the copy.
std::vector<K41Error> SetOptionInfo(const Settings& record, Settings& store,
                                    const OptionInfoHooks& hooks = {});

// The record that describes `store`: every setting as it is, the custom colours included.
Settings GetOptionInfo(const Settings& store);
