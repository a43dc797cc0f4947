#pragma once
// A settings record with every field away from its start-up default: each of the 65
// settings (both states of every radio pair swapped, Japanese texts, -1 list positions where
// a list allows nothing selected), the custom colours, the panel and board records and the 24
// digit records. Values stay within what a load accepts.
#include "settings/In4File.h"

namespace EveryFieldChanged {

inline In4File file() {
    In4File f;
    Settings& s = f.options;
    s.FareDataDir = QStringLiteral("/データ/運賃");
    s.TapeDataDir = QStringLiteral("C:\\放送用\\");
    s.UseSeiriNumAuto = 0;
    s.SeiriNumColorOff = 1;
    s.SeiriNumColorOn1 = 0xFFFFFF;
    s.SeiriNumColorOn2 = 0x80000005;
    s.SeiriNumStyle = 11;
    s.SeiriNumZeroFill = 1;
    s.PanelAssignAuto = false;
    s.PanelAssignEach = true;
    s.PanelOffBuiltin = false;
    s.PanelOffUser = true;
    s.PanelOn1Builtin = false;
    s.PanelOn1User = true;
    s.PanelOn2Builtin = false;
    s.PanelOn2User = true;
    s.PanelOffFile = QStringLiteral("夜.bmp");
    s.PanelOn1File = QStringLiteral("昼.gif");
    s.PanelOn2File = QStringLiteral("明るい.jpg");
    s.DegitBackColor = 0x010101;
    s.DegitUnlitColor = 0x020202;
    s.DegitLitColor = 0x030303;
    s.InfoOrderUse = 1;
    s.InfoOrderPos = -1;
    s.InfoOrderFromZero = 1;
    s.InfoSeiriNumUse = 1;
    s.InfoSeiriNumPos = 22;
    s.InfoKeitouUse = 1;
    s.InfoKeitouPos = 23;
    s.InfoColumnUse = 1;
    s.InfoColumnNo = 149;
    s.InfoColumnPos = 21;
    s.ChimeiBackColor = 0x0A;
    s.ChimeiForeColor = 0x0B;
    s.ChimeiFontMode = 4;
    s.ChimeiFontBold = 1;
    s.TsugiwaMode = 2;
    s.TsugiwaColor = 0x0C;
    s.TsugiwaFontMode = 2;
    s.TsugiwaBold = 1;
    s.SoundKeitouSet = QStringLiteral("系統.wav");
    s.SoundReset = QStringLiteral("reset.wav");
    s.SoundMoveAlways = false;
    s.SoundMoveByColumn = true;
    s.SoundMoveSync = true;
    s.SoundMoveAsync = false;
    s.SoundMoveFile = QStringLiteral("move.mid");
    s.SoundMoveColumn = 149;
    s.SoundMove1 = QStringLiteral("m1.wav");
    s.SoundMove2 = QStringLiteral("m2.wav");
    s.SoundMove3 = QStringLiteral("次は.wav");
    s.SoundPreAlways = false;
    s.SoundPreByFlag = true;
    s.SoundPreSync = false;
    s.SoundPreAsync = true;
    s.SoundPreFile = QStringLiteral("pre.wav");
    s.SoundPre1 = QStringLiteral("p1.wav");
    s.SoundPre2 = QStringLiteral("p2.mid");
    s.SoundPre3 = QStringLiteral("ﾁｬｲﾑ.mid");
    s.UseSeiriPrev = 1;
    s.SeiriPlgFile = QStringLiteral("駅前.4SP");
    s.SeiriDateAuto = false;
    s.SeiriDateHold = false;
    s.SeiriDateFixed = true;
    s.SeiriDateValue = QStringLiteral("2025/03/07");
    for (size_t i = 0; i < s.CustomColors.size(); ++i)
        s.CustomColors[i] = OleColor(0x100 * i + 1);
    f.ctrl = {1, 777, 2999, 1, 0, 16000, -2000};
    f.form = {-30000, 45000};
    for (int i = 0; i < FareDigitCount; ++i)
        f.digits[size_t(i)] = {qint16(i % 4), qint16(3 - i % 4), qint16(1 + i % 4)};
    return f;
}

} // namespace EveryFieldChanged
