#include "settings/SettingField.h"

#include "settings/OptionLists.h"

#include <array>

namespace {

using S = Settings;

constexpr SettingField text(const char* n, QString S::*m) {
    return {n, SettingKind::Text, m};
}
constexpr SettingField check(const char* n, qint16 S::*m) {
    return {n, SettingKind::Check, nullptr, m};
}
constexpr SettingField colour(const char* n, OleColor S::*m) {
    return {n, SettingKind::Colour, nullptr, nullptr, m};
}
constexpr SettingField choice(const char* n, bool S::*m, int group) {
    return {n, SettingKind::Choice, nullptr, nullptr, nullptr, m, 0, group};
}
constexpr SettingField index(const char* n, qint16 S::*m, int count) {
    return {n, SettingKind::Index, nullptr, m, nullptr, nullptr, count};
}

// Radio groups: the buttons of one frame exclude each other.
enum Group {
    PanelAssign = 1,
    PanelOff,
    PanelOn1,
    PanelOn2,
    MoveChoice,
    MovePlay,
    PreChoice,
    PrePlay,
    SeiriDate
};

#define F(x) #x, &S::x
const std::array<SettingField, 65> Fields = {{
    text(F(FareDataDir)),
    text(F(TapeDataDir)),

    check(F(UseSeiriNumAuto)),
    colour(F(SeiriNumColorOff)),
    colour(F(SeiriNumColorOn1)),
    colour(F(SeiriNumColorOn2)),
    index(F(SeiriNumStyle), OptionLists::NumberingStyleCount),
    check(F(SeiriNumZeroFill)),
    choice(F(PanelAssignAuto), PanelAssign),
    choice(F(PanelAssignEach), PanelAssign),
    choice(F(PanelOffBuiltin), PanelOff),
    choice(F(PanelOffUser), PanelOff),
    choice(F(PanelOn1Builtin), PanelOn1),
    choice(F(PanelOn1User), PanelOn1),
    choice(F(PanelOn2Builtin), PanelOn2),
    choice(F(PanelOn2User), PanelOn2),
    text(F(PanelOffFile)),
    text(F(PanelOn1File)),
    text(F(PanelOn2File)),

    colour(F(DegitBackColor)),
    colour(F(DegitUnlitColor)),
    colour(F(DegitLitColor)),
    check(F(InfoOrderUse)),
    index(F(InfoOrderPos), OptionLists::DigitPositionCount),
    check(F(InfoOrderFromZero)),
    check(F(InfoSeiriNumUse)),
    index(F(InfoSeiriNumPos), OptionLists::DigitPositionCount),
    check(F(InfoKeitouUse)),
    index(F(InfoKeitouPos), OptionLists::DigitPositionCount),
    check(F(InfoColumnUse)),
    index(F(InfoColumnNo), OptionLists::FareColumnCount),
    index(F(InfoColumnPos), OptionLists::DigitPositionCount),

    colour(F(ChimeiBackColor)),
    colour(F(ChimeiForeColor)),
    index(F(ChimeiFontMode), OptionLists::ChimeiFontModeCount),
    check(F(ChimeiFontBold)),
    index(F(TsugiwaMode), OptionLists::TsugiwaModeCount),
    colour(F(TsugiwaColor)),
    index(F(TsugiwaFontMode), OptionLists::TsugiwaFontModeCount),
    check(F(TsugiwaBold)),

    text(F(SoundKeitouSet)),
    text(F(SoundReset)),
    choice(F(SoundMoveAlways), MoveChoice),
    choice(F(SoundMoveByColumn), MoveChoice),
    choice(F(SoundMoveSync), MovePlay),
    choice(F(SoundMoveAsync), MovePlay),
    text(F(SoundMoveFile)),
    index(F(SoundMoveColumn), OptionLists::FareColumnCount),
    text(F(SoundMove1)),
    text(F(SoundMove2)),
    text(F(SoundMove3)),
    choice(F(SoundPreAlways), PreChoice),
    choice(F(SoundPreByFlag), PreChoice),
    choice(F(SoundPreSync), PrePlay),
    choice(F(SoundPreAsync), PrePlay),
    text(F(SoundPreFile)),
    text(F(SoundPre1)),
    text(F(SoundPre2)),
    text(F(SoundPre3)),

    check(F(UseSeiriPrev)),
    text(F(SeiriPlgFile)),
    choice(F(SeiriDateAuto), SeiriDate),
    choice(F(SeiriDateHold), SeiriDate),
    choice(F(SeiriDateFixed), SeiriDate),
    text(F(SeiriDateValue)),
}};
#undef F

} // namespace

namespace SettingFields {

std::span<const SettingField> all() {
    return Fields;
}

const SettingField* find(const QString& name) {
    for (const SettingField& f : Fields)
        if (name == QLatin1String(f.name)) return &f;
    return nullptr;
}

} // namespace SettingFields
