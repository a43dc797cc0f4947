#include "gtfs/FareRules.h"

#include <charconv>
#include <cmath>

namespace {

void makeKey(std::string& k, std::string_view route, std::string_view origin,
             std::string_view destination) {
    k.clear();
    k.append(route);
    k.push_back('\x1f');
    k.append(origin);
    k.push_back('\x1f');
    k.append(destination);
}

} // namespace

void FareRules::setPrice(std::string_view fareId, std::string_view price) {
    double value = 0;
    const auto [end, error] = std::from_chars(price.data(), price.data() + price.size(), value);
    // Yen have no smaller unit; anything else cannot be shown as a fare.
    if (error != std::errc() || end != price.data() + price.size() || !std::isfinite(value) ||
        value < 0 || value > 1e9 || value != std::floor(value))
        return;
    m_prices.insert_or_assign(std::string(fareId), qint64(value));
}

void FareRules::addRule(std::string_view fareId, std::string_view routeId, std::string_view origin,
                        std::string_view destination, std::string_view contains) {
    ++m_ruleCount;
    if (!contains.empty()) {
        ++m_skippedContains;
        return;
    }
    const auto price = m_prices.find(fareId);
    if (price == m_prices.end()) {
        ++m_unpriced;
        return;
    }
    makeKey(m_key, routeId, origin, destination);
    const auto [it, added] = m_rules.try_emplace(m_key, Entry{price->second, false});
    if (!added && it->second.price != price->second) {
        it->second.conflicting = true;
        if (price->second < it->second.price) it->second.price = price->second;
    }
}

std::optional<FareRules::Fare> FareRules::fare(std::string_view routeId, std::string_view origin,
                                               std::string_view destination) const {
    const std::string_view none;
    std::string k;
    for (const bool ownRoute : {true, false}) {
        if (ownRoute && routeId.empty()) continue;
        const std::string_view route = ownRoute ? routeId : none;
        // Both zones, the origin's, the destination's, neither; a stop without a zone matches
        // only rules that leave that side open.
        const std::string_view origins[] = {origin, origin, none, none};
        const std::string_view destinations[] = {destination, none, destination, none};
        for (size_t i = 0; i < 4; ++i) {
            if ((i == 0 || i == 1) && origin.empty()) continue;
            if ((i == 0 || i == 2) && destination.empty()) continue;
            makeKey(k, route, origins[i], destinations[i]);
            const auto it = m_rules.find(std::string_view(k));
            if (it != m_rules.end()) return Fare{it->second.price, it->second.conflicting};
        }
    }
    return std::nullopt;
}
