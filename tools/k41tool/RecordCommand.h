#pragma once
// k41tool record ...: needs a QApplication (K41's windows are made, on no screen).
#include <QStringList>

int recordCommand(const QStringList& args);
