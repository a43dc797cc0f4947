#pragma once
// The live store of every user setting, under the setting's own name. The options dialog
// edits it directly; every other module reads a setting here at the moment it needs it.
// Kinds: check = qint16 0/1; choice = bool (one field per radio button, as the settings
// file keeps them); index = qint16 list position, -1 = nothing selected; colour = OleColor;
// text = QString (kept exactly as written, Windows paths included).
// SettingFields (settings/SettingField.h) lists them with their kinds, lists and radio groups.
#include "platform/core/Colour.h"

#include <QString>

struct Settings {
    // FolderInfo
    QString FareDataDir;
    QString TapeDataDir;

    // PanelInfo
    qint16 UseSeiriNumAuto = 1;
    OleColor SeiriNumColorOff = 16777215;
    OleColor SeiriNumColorOn1 = 12648384;
    OleColor SeiriNumColorOn2 = 12648384;
    qint16 SeiriNumStyle = 0;
    qint16 SeiriNumZeroFill = 0;
    bool PanelAssignAuto = true;
    bool PanelAssignEach = false;
    bool PanelOffBuiltin = true;
    bool PanelOffUser = false;
    bool PanelOn1Builtin = true;
    bool PanelOn1User = false;
    bool PanelOn2Builtin = true;
    bool PanelOn2User = false;
    QString PanelOffFile;
    QString PanelOn1File;
    QString PanelOn2File;

    // DegitInfo
    OleColor DegitBackColor = 8421504;
    OleColor DegitUnlitColor = 9868950;
    OleColor DegitLitColor = 7525112;
    qint16 InfoOrderUse = 0;
    qint16 InfoOrderPos = 0;
    qint16 InfoOrderFromZero = 0;
    qint16 InfoSeiriNumUse = 0;
    qint16 InfoSeiriNumPos = 0;
    qint16 InfoKeitouUse = 0;
    qint16 InfoKeitouPos = 0;
    qint16 InfoColumnUse = 0;
    qint16 InfoColumnNo = 0;
    qint16 InfoColumnPos = 0;

    // ChimeiInfo
    OleColor ChimeiBackColor = 8421504;
    OleColor ChimeiForeColor = 65535;
    qint16 ChimeiFontMode = -1;
    qint16 ChimeiFontBold = 0;
    qint16 TsugiwaMode = -1;
    OleColor TsugiwaColor = 65535;
    qint16 TsugiwaFontMode = -1;
    qint16 TsugiwaBold = 0;

    // SoundInfo
    QString SoundKeitouSet;
    QString SoundReset;
    bool SoundMoveAlways = true;
    bool SoundMoveByColumn = false;
    bool SoundMoveSync = false;
    bool SoundMoveAsync = true;
    QString SoundMoveFile;
    qint16 SoundMoveColumn = 0;
    QString SoundMove1;
    QString SoundMove2;
    QString SoundMove3;
    bool SoundPreAlways = true;
    bool SoundPreByFlag = false;
    bool SoundPreSync = true;
    bool SoundPreAsync = false;
    QString SoundPreFile;
    QString SoundPre1;
    QString SoundPre2;
    QString SoundPre3;

    // SeiriPrevInfo
    qint16 UseSeiriPrev = 0;
    QString SeiriPlgFile;
    bool SeiriDateAuto = true;
    bool SeiriDateHold = false;
    bool SeiriDateFixed = false;
    QString SeiriDateValue; // "yyyy/mm/dd"; today's date after start-up

    // The colour picker's custom colours.
    Colour::CustomColors CustomColors{};

    Settings();
};
