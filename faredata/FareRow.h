#pragma once
// One row of a route's fare data: a stop in running order, the ticket number that belongs to
// it, and the fare that the holder of each ticket number 1 to 150 pays when leaving there.
#include <QString>
#include <array>

struct FareRow {
    static constexpr int FareCount = 150;

    QString StopName;
    qint16 SeiriNum = 0;
    // Fares[k - 1] is the fare for ticket number k. -1 marks a fare of zero that is to be seen.
    std::array<qint16, FareCount> Fares{};

    // Fare for ticket number k (1 to 150); K41Error 9 outside that range.
    qint16 Fare(int k) const;

    bool operator==(const FareRow&) const = default;
};
