#include "gtfs/FareRules.h"

#include <cmath>

namespace {

QString key(const QString& route, const QString& origin, const QString& destination) {
    QString k;
    k.reserve(route.size() + origin.size() + destination.size() + 2);
    k += route;
    k += QChar(0x1F);
    k += origin;
    k += QChar(0x1F);
    k += destination;
    return k;
}

} // namespace

void FareRules::setPrice(const QString& fareId, const QString& price) {
    bool ok = false;
    const double value = price.toDouble(&ok);
    // Yen have no smaller unit; anything else cannot be shown as a fare.
    if (!ok || !std::isfinite(value) || value < 0 || value > 1e9 || value != std::floor(value))
        return;
    m_prices.insert(fareId, qint64(value));
}

void FareRules::addRule(const QString& fareId, const QString& routeId, const QString& origin,
                        const QString& destination, const QString& contains) {
    ++m_ruleCount;
    if (!contains.isEmpty()) {
        ++m_skippedContains;
        return;
    }
    const auto price = m_prices.constFind(fareId);
    if (price == m_prices.cend()) {
        ++m_unpriced;
        return;
    }
    const QString k = key(routeId, origin, destination);
    const auto it = m_rules.find(k);
    if (it == m_rules.end()) {
        m_rules.insert(k, Entry{*price, false});
    } else if (it->price != *price) {
        it->conflicting = true;
        if (*price < it->price) it->price = *price;
    }
}

std::optional<FareRules::Fare> FareRules::fare(const QString& routeId, const QString& origin,
                                               const QString& destination) const {
    const QString none;
    for (const QString* route : {&routeId, &none}) {
        if (route == &routeId && routeId.isEmpty()) continue;
        const QString keys[] = {
            key(*route, origin, destination),
            key(*route, origin, none),
            key(*route, none, destination),
            key(*route, none, none),
        };
        for (size_t i = 0; i < 4; ++i) {
            // A stop without a zone matches only rules that leave that side open.
            if ((i == 0 || i == 1) && origin.isEmpty()) continue;
            if ((i == 0 || i == 2) && destination.isEmpty()) continue;
            const auto it = m_rules.constFind(keys[i]);
            if (it != m_rules.cend()) return Fare{it->price, it->conflicting};
        }
    }
    return std::nullopt;
}
