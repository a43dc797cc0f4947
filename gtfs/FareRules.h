#pragma once
// The fares of a feed: each fare's price (fare_attributes.txt) and the rules that say where it
// applies (fare_rules.txt): a route, an origin zone and a destination zone, each possibly left
// open. The fare between two stops is found by the zones of the stops.
#include "gtfs/ByteMap.h"

#include <QtGlobal>
#include <optional>
#include <string>
#include <string_view>

class FareRules {
  public:
    // Sets the price of fare `fareId`; a price that is not a whole number of yen at least 0
    // leaves the fare without a price.
    // Identifiers are the feed's UTF-8 bytes: compared as bytes, never converted.
    void setPrice(std::string_view fareId, std::string_view price);
    // Adds a rule. Rules that name zones the trip must pass through (contains_id) cannot be
    // judged from the two stops alone and are counted, not used.
    void addRule(std::string_view fareId, std::string_view routeId, std::string_view origin,
                 std::string_view destination, std::string_view contains);

    struct Fare {
        qint64 price = 0;
        bool conflicting = false; // rules of the same weight gave different prices
    };
    // The fare from zone `origin` to zone `destination` on route `routeId`: a rule for the
    // route before one for any route, then one naming both zones before one naming fewer.
    // Among rules of the same weight the lowest price is taken (and marked conflicting).
    std::optional<Fare> fare(std::string_view routeId, std::string_view origin,
                             std::string_view destination) const;

    int ruleCount() const { return m_ruleCount; }
    int skippedContains() const { return m_skippedContains; }
    int unpriced() const { return m_unpriced; }
    bool empty() const { return m_rules.empty(); }

  private:
    struct Entry {
        qint64 price = 0;
        bool conflicting = false;
    };
    ByteMap<qint64> m_prices;
    ByteMap<Entry> m_rules; // route, origin and destination joined by 0x1F
    std::string m_key;      // the key being looked up, kept to spare an allocation a lookup
    int m_ruleCount = 0;
    int m_skippedContains = 0;
    int m_unpriced = 0;
};
