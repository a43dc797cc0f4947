#pragma once
// The board window's last position, kept in the settings file between runs.
#include <QtGlobal>

struct FormInfo {
    qint32 BoardLeft = 0; // twips
    qint32 BoardTop = 0;

    friend bool operator==(const FormInfo&, const FormInfo&) = default;
};
