#include "settings/OptionInfo.h"
#include "platform/core/K41Error.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace {

// The number of the first refusal, 0 when every value went in.
int setError(const Settings& record, Settings& store, const OptionInfoHooks& hooks = {}) {
    const std::vector<K41Error> refused = SetOptionInfo(record, store, hooks);
    return refused.empty() ? 0 : refused.front().number();
}

} // namespace

TEST(OptionInfo, GetThenSetLeavesTheStoreAsItWas) {
    Settings store;
    store.ChimeiFontMode = -1;
    store.InfoColumnNo = 149;
    store.PanelAssignAuto = false;
    store.PanelAssignEach = true;
    store.FareDataDir = QStringLiteral("運賃");
    const Settings record = GetOptionInfo(store);
    QStringList changed;
    SetOptionInfo(record, store, {.changed = [&](const SettingField& f) { changed << f.qName(); }});
    EXPECT_TRUE(changed.isEmpty()) << changed.join(' ').toStdString();
    EXPECT_EQ(store.ChimeiFontMode, -1);
    EXPECT_TRUE(store.PanelAssignEach);
}

TEST(OptionInfo, ListPositionsMustFitTheirList) {
    struct Case {
        qint16 Settings::*field;
        qint16 lastGood;
    };
    const Case cases[] = {
        {&Settings::SeiriNumStyle, 11},  {&Settings::InfoOrderPos, 23},
        {&Settings::InfoColumnNo, 149},  {&Settings::InfoColumnPos, 23},
        {&Settings::ChimeiFontMode, 4},  {&Settings::TsugiwaMode, 2},
        {&Settings::TsugiwaFontMode, 3}, {&Settings::SoundMoveColumn, 149},
    };
    for (const Case& c : cases) {
        Settings record, store;
        record.*c.field = c.lastGood;
        EXPECT_EQ(setError(record, store), 0);
        EXPECT_EQ(store.*c.field, c.lastGood);
        record.*c.field = -1;
        EXPECT_EQ(setError(record, store), 0);
        EXPECT_EQ(store.*c.field, -1);
        for (qint16 bad : {qint16(c.lastGood + 1), qint16(-2), qint16(32767)}) {
            record.*c.field = bad;
            EXPECT_EQ(setError(record, store), K41Error::InvalidPropertyValue) << bad;
        }
    }
}

TEST(OptionInfo, ARefusedValueKeepsItsOldValueAndTheCopyGoesOn) {
    Settings record, store;
    store.InfoSeiriNumPos = 5;
    record.InfoOrderUse = 1;     // copied before the refused one
    record.DegitLitColor = 0x10; // before
    record.InfoSeiriNumPos = 30; // refused: the list holds 24 digits
    record.InfoKeitouUse = 1;    // after
    record.TsugiwaBold = 7;      // refused too
    record.SoundReset = QStringLiteral("later.wav");
    bool pluginLoaded = false;
    OptionInfoHooks hooks;
    hooks.panelSettingsApplied = [&] { throw K41Error(K41Error::InvalidPicture, "picture"); };
    hooks.allApplied = [&] { pluginLoaded = true; };
    const std::vector<K41Error> refused = SetOptionInfo(record, store, hooks);
    ASSERT_EQ(refused.size(), 3u);
    EXPECT_EQ(refused[0].number(), K41Error::InvalidPicture) << "a failing hook is passed over";
    EXPECT_TRUE(refused[1].description().contains("InfoSeiriNumPos = 30"));
    EXPECT_TRUE(refused[2].description().contains("TsugiwaBold = 7"));
    EXPECT_EQ(store.InfoOrderUse, 1);
    EXPECT_EQ(store.DegitLitColor, 0x10u);
    EXPECT_EQ(store.InfoSeiriNumPos, 5);
    EXPECT_EQ(store.TsugiwaBold, 0);
    EXPECT_EQ(store.InfoKeitouUse, 1);
    EXPECT_EQ(store.SoundReset, QStringLiteral("later.wav"));
    EXPECT_TRUE(pluginLoaded);
}

TEST(OptionInfo, SoundSettingsAreCopiedFrameByFrame) {
    // The column list comes after the "move" radio buttons and file but before the rest.
    Settings record, store;
    record.SoundMoveAlways = false;
    record.SoundMoveByColumn = true;
    record.SoundMoveFile = QStringLiteral("m.wav");
    record.SoundMoveColumn = 5;
    record.SoundMove1 = QStringLiteral("1.wav");
    record.SoundPreSync = false;
    record.SoundPreAsync = true;
    record.SoundPreFile = QStringLiteral("p.wav");
    QStringList order;
    SetOptionInfo(record, store, {.changed = [&](const SettingField& f) { order << f.qName(); }});
    EXPECT_EQ(order, QStringList({"SoundMoveAlways", "SoundMoveByColumn", "SoundMoveFile",
                                  "SoundMoveColumn", "SoundMove1", "SoundPreSync", "SoundPreAsync",
                                  "SoundPreFile"}));
}

TEST(OptionInfo, CheckBoxesTakeOnlyZeroAndOne) {
    Settings record, store;
    record.TsugiwaBold = 2;
    EXPECT_EQ(setError(record, store), K41Error::InvalidPropertyValue);
    record.TsugiwaBold = -1;
    EXPECT_EQ(setError(record, store), K41Error::InvalidPropertyValue);
    record.TsugiwaBold = 1;
    EXPECT_EQ(setError(record, store), 0);
    EXPECT_EQ(store.TsugiwaBold, 1);
}

TEST(OptionInfo, RadioGroupsEndWithTheLastSelectedInCopyOrder) {
    Settings record, store;
    // Both selected: the later one in the copy order wins.
    record.PanelOn1Builtin = record.PanelOn1User = true;
    record.SoundMoveSync = record.SoundMoveAsync = true;
    record.SeiriDateAuto = record.SeiriDateHold = record.SeiriDateFixed = true;
    // None selected: none stays selected.
    record.PanelAssignAuto = record.PanelAssignEach = false;
    record.SoundPreAlways = record.SoundPreByFlag = false;
    // One selected: that one.
    record.PanelOffBuiltin = false;
    record.PanelOffUser = true;
    SetOptionInfo(record, store);
    EXPECT_FALSE(store.PanelOn1Builtin);
    EXPECT_TRUE(store.PanelOn1User);
    EXPECT_FALSE(store.SoundMoveSync);
    EXPECT_TRUE(store.SoundMoveAsync);
    EXPECT_FALSE(store.SeiriDateAuto);
    EXPECT_FALSE(store.SeiriDateHold);
    EXPECT_TRUE(store.SeiriDateFixed);
    EXPECT_FALSE(store.PanelAssignAuto);
    EXPECT_FALSE(store.PanelAssignEach);
    EXPECT_FALSE(store.SoundPreAlways);
    EXPECT_FALSE(store.SoundPreByFlag);
    EXPECT_FALSE(store.PanelOffBuiltin);
    EXPECT_TRUE(store.PanelOffUser);
    // Groups do not reach into each other.
    EXPECT_TRUE(store.PanelOn2Builtin);
}

TEST(OptionInfo, HooksRunBetweenTheirParts) {
    Settings record, store;
    record.UseSeiriNumAuto = 0;
    record.DegitBackColor = 1;
    record.InfoOrderUse = 1;
    QStringList log;
    OptionInfoHooks hooks;
    hooks.changed = [&](const SettingField& f) { log << f.qName(); };
    hooks.panelSettingsApplied = [&] { log << "panel"; };
    hooks.digitColoursApplied = [&] { log << "preview"; };
    hooks.allApplied = [&] { log << "plugin"; };
    SetOptionInfo(record, store, hooks);
    EXPECT_EQ(log, (QStringList{"UseSeiriNumAuto", "panel", "DegitBackColor", "preview",
                                "InfoOrderUse", "plugin"}))
        << log.join(' ').toStdString();
}

TEST(OptionInfo, ClearingASelectedButtonIsReported) {
    Settings record, store;
    record.PanelAssignAuto = false;
    record.PanelAssignEach = true;
    QStringList changed;
    SetOptionInfo(record, store, {.changed = [&](const SettingField& f) {
                      if (f.kind == SettingKind::Choice) changed << f.qName();
                  }});
    EXPECT_EQ(changed, (QStringList{"PanelAssignAuto", "PanelAssignEach"}));
}
