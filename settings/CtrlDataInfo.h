#pragma once
// The operation panel's remembered state, kept in the settings file between runs. The panel
// fills it when the program ends and applies it when the settings file has been read.
#include <QtGlobal>

struct CtrlDataInfo {
    qint16 FrameIndex = 0;     // the entry frame last sent to the back, 0 or 1
    qint32 ScrollSpeed = 1;    // "ｽｸﾛｰﾙ速度" slider, 0 to 2000
    qint32 ScrollInterval = 0; // "ｽｸﾛｰﾙ間隔" slider, 0 to 3000
    qint16 LateNight = 0;      // "深夜料金" check box, 0 or 1
    qint16 PreviewOpen = 0;    // ticket preview ">>" check box, 0 or 1
    qint32 PanelLeft = 0;      // panel window position, twips
    qint32 PanelTop = 0;

    friend bool operator==(const CtrlDataInfo&, const CtrlDataInfo&) = default;
};
