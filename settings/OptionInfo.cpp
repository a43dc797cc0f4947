#include "settings/OptionInfo.h"

#include "platform/core/K41Error.h"

#include <array>

namespace {

// The copy order of the dialog, in groups separated by the hooks.
constexpr std::array PanelPart = {
    "FareDataDir", "TapeDataDir", "UseSeiriNumAuto", "SeiriNumColorOff", "SeiriNumColorOn1",
    "SeiriNumColorOn2", "SeiriNumStyle", "SeiriNumZeroFill",
    // The panel radio buttons (the options dialog's Option3) go in the order of their control
    // indexes 0, 1, 7, 6, 3, 2, 4, 5: auto and each, then built-in and user of OFF, ON1, ON2.
    "PanelAssignAuto", "PanelAssignEach", "PanelOffBuiltin", "PanelOffUser", "PanelOn1Builtin",
    "PanelOn1User", "PanelOn2Builtin", "PanelOn2User", "PanelOffFile", "PanelOn1File",
    "PanelOn2File"};
constexpr std::array DigitColourPart = {"DegitBackColor", "DegitUnlitColor", "DegitLitColor"};
constexpr std::array RestPart = {
    "InfoOrderUse", "InfoOrderPos", "InfoOrderFromZero", "InfoSeiriNumUse", "InfoSeiriNumPos",
    "InfoKeitouUse", "InfoKeitouPos", "InfoColumnUse", "InfoColumnNo", "InfoColumnPos",
    "ChimeiBackColor", "ChimeiForeColor", "ChimeiFontMode", "ChimeiFontBold", "TsugiwaMode",
    "TsugiwaColor", "TsugiwaFontMode", "TsugiwaBold",
    // The sound page fills its controls frame by frame, not in the file's order.
    "SoundKeitouSet", "SoundReset", "SoundMoveSync", "SoundMoveAsync", "SoundMoveAlways",
    "SoundMoveByColumn", "SoundMoveFile", "SoundMoveColumn", "SoundMove1", "SoundMove2",
    "SoundMove3", "SoundPreSync", "SoundPreAsync", "SoundPreAlways", "SoundPreByFlag",
    "SoundPreFile", "SoundPre1", "SoundPre2", "SoundPre3", "UseSeiriPrev", "SeiriPlgFile",
    "SeiriDateAuto", "SeiriDateHold", "SeiriDateFixed", "SeiriDateValue"};
constexpr size_t CopyCount = PanelPart.size() + DigitColourPart.size() + RestPart.size();
static_assert(CopyCount == 65);

const std::array<const SettingField*, CopyCount>& copyOrder() {
    static const auto order = [] {
        std::array<const SettingField*, CopyCount> out{};
        size_t n = 0;
        auto add = [&](const auto& names) {
            for (const char* name : names)
                out[n++] = SettingFields::find(QLatin1String(name));
        };
        add(PanelPart);
        add(DigitColourPart);
        add(RestPart);
        return out;
    }();
    return order;
}

void notify(const OptionInfoHooks& hooks, const SettingField& f) {
    if (hooks.changed) hooks.changed(f);
}

void setChoice(const SettingField& f, bool selected, Settings& store,
               const OptionInfoHooks& hooks) {
    if (selected) {
        for (const SettingField& other : SettingFields::all()) {
            if (&other == &f || other.kind != SettingKind::Choice ||
                other.radioGroup != f.radioGroup)
                continue;
            if (store.*other.choice) {
                store.*other.choice = false;
                notify(hooks, other);
            }
        }
    }
    if (store.*f.choice != selected) {
        store.*f.choice = selected;
        notify(hooks, f);
    }
}

void copyField(const SettingField& f, const Settings& record, Settings& store,
               const OptionInfoHooks& hooks) {
    bool changed = false;
    switch (f.kind) {
    case SettingKind::Text:
        changed = store.*f.text != record.*f.text;
        store.*f.text = record.*f.text;
        break;
    case SettingKind::Colour:
        changed = store.*f.colour != record.*f.colour;
        store.*f.colour = record.*f.colour;
        break;
    case SettingKind::Check: {
        const qint16 v = record.*f.number;
        if (v != 0 && v != 1)
            throw K41Error::invalidProperty(
                QStringLiteral("%1 = %2（0 または 1 のみ）").arg(f.qName()).arg(v));
        changed = store.*f.number != v;
        store.*f.number = v;
        break;
    }
    case SettingKind::Index: {
        const qint16 v = record.*f.number;
        if (v < -1 || v >= f.listCount)
            throw K41Error::invalidProperty(QStringLiteral("%1 = %2（リストの項目は 0～%3）")
                                                .arg(f.qName())
                                                .arg(v)
                                                .arg(f.listCount - 1));
        changed = store.*f.number != v;
        store.*f.number = v;
        break;
    }
    case SettingKind::Choice:
        setChoice(f, record.*f.choice, store, hooks);
        return;
    }
    if (changed) notify(hooks, f);
}

} // namespace

std::vector<K41Error> SetOptionInfo(const Settings& record, Settings& store,
                                    const OptionInfoHooks& hooks) {
    std::vector<K41Error> failures;
    auto attempt = [&](auto&& work) {
        try {
            work();
        } catch (const std::exception& failure) {
            failures.push_back(K41Error::from(failure));
        }
    };
    auto copyUpTo = [&, i = size_t(0)](size_t end) mutable {
        for (const auto& order = copyOrder(); i < end; ++i)
            attempt([&] { copyField(*order[i], record, store, hooks); });
    };
    auto run = [&](const std::function<void()>& hook) {
        if (hook) attempt(hook);
    };
    copyUpTo(PanelPart.size());
    run(hooks.panelSettingsApplied);
    copyUpTo(PanelPart.size() + DigitColourPart.size());
    run(hooks.digitColoursApplied);
    copyUpTo(CopyCount);
    run(hooks.allApplied);
    return failures;
}

Settings GetOptionInfo(const Settings& store) {
    return store;
}
