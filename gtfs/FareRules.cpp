#include "gtfs/FareRules.h"

#include <charconv>
#include <cmath>

namespace {

QByteArray key(std::string_view route, std::string_view origin, std::string_view destination) {
    QByteArray k;
    k.reserve(qsizetype(route.size() + origin.size() + destination.size() + 2));
    k.append(route.data(), qsizetype(route.size()));
    k.append('\x1f');
    k.append(origin.data(), qsizetype(origin.size()));
    k.append('\x1f');
    k.append(destination.data(), qsizetype(destination.size()));
    return k;
}

QByteArray bytes(std::string_view s) {
    return QByteArray(s.data(), qsizetype(s.size()));
}

} // namespace

void FareRules::setPrice(std::string_view fareId, std::string_view price) {
    double value = 0;
    const auto [end, error] = std::from_chars(price.data(), price.data() + price.size(), value);
    // Yen have no smaller unit; anything else cannot be shown as a fare.
    if (error != std::errc() || end != price.data() + price.size() || !std::isfinite(value) ||
        value < 0 || value > 1e9 || value != std::floor(value))
        return;
    m_prices.insert(bytes(fareId), qint64(value));
}

void FareRules::addRule(std::string_view fareId, std::string_view routeId, std::string_view origin,
                        std::string_view destination, std::string_view contains) {
    ++m_ruleCount;
    if (!contains.empty()) {
        ++m_skippedContains;
        return;
    }
    const auto price =
        m_prices.constFind(QByteArray::fromRawData(fareId.data(), qsizetype(fareId.size())));
    if (price == m_prices.cend()) {
        ++m_unpriced;
        return;
    }
    const QByteArray k = key(routeId, origin, destination);
    const auto it = m_rules.find(k);
    if (it == m_rules.end()) {
        m_rules.insert(k, Entry{*price, false});
    } else if (it->price != *price) {
        it->conflicting = true;
        if (*price < it->price) it->price = *price;
    }
}

std::optional<FareRules::Fare> FareRules::fare(std::string_view routeId, std::string_view origin,
                                               std::string_view destination) const {
    const std::string_view none;
    for (const bool ownRoute : {true, false}) {
        if (ownRoute && routeId.empty()) continue;
        const std::string_view route = ownRoute ? routeId : none;
        const QByteArray keys[] = {
            key(route, origin, destination),
            key(route, origin, none),
            key(route, none, destination),
            key(route, none, none),
        };
        for (size_t i = 0; i < 4; ++i) {
            // A stop without a zone matches only rules that leave that side open.
            if ((i == 0 || i == 1) && origin.empty()) continue;
            if ((i == 0 || i == 2) && destination.empty()) continue;
            const auto it = m_rules.constFind(keys[i]);
            if (it != m_rules.cend()) return Fare{it->price, it->conflicting};
        }
    }
    return std::nullopt;
}
