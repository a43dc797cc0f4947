#include "faredata/KeypadRules.h"

namespace KeypadRules {

void press(int index, bool& keyInKeitou, QString& route, QString& section) {
    if (index == KeyKeitou) {
        keyInKeitou = true;
        route.clear();
    } else if (index == KeyKukan) {
        keyInKeitou = false;
        section.clear();
    } else if (index >= 0 && index <= 9) {
        QString& target = keyInKeitou ? route : section;
        const int limit = keyInKeitou ? RouteDigits : SectionDigits;
        if (target.size() < limit) target += QString::number(index);
    }
}

} // namespace KeypadRules
