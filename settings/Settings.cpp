#include "settings/Settings.h"

#include <QDate>

Settings::Settings() : SeiriDateValue(QDate::currentDate().toString(QStringLiteral("yyyy/MM/dd"))) {
    CustomColors.fill(16777215);
}
