#pragma once
// When an automatic ride steps to the next stop. A route steps every few seconds, or, when
// its fare data folder holds a timetable beside it ("<route>times.csv": one line per row of
// the route in running order, "seconds,name", seconds counted from the first stop), on that
// timetable run faster by a whole factor.
#include <QByteArray>
#include <QList>
#include <QString>

class RidePlan {
  public:
    static constexpr int DefaultSecondsPerStop = 8;
    // Timetables longer than this many lines are refused: no route has them.
    static constexpr int MaxRows = 10000;

    // Every stop after `secondsPerStop` seconds (at least 1).
    static RidePlan everySeconds(int secondsPerStop);
    // On the times of `timetable` (seconds from the first stop, one per row) divided by
    // `factor` (at least 1).
    static RidePlan onTimetable(QList<qint64> timetable, int factor);

    // Milliseconds from arriving at row `row` (0 is the first row) to stepping on. A row the
    // timetable does not reach, or a time that goes backwards, waits one second: the ride
    // never stalls and never races.
    qint64 delayMs(int row) const;
    bool followsTimetable() const { return !m_times.isEmpty(); }

    // The times of a timetable file's text. Blank lines at the end are ignored; a line
    // without a whole number of seconds (0 or more, below a year) before its comma, or too
    // many lines, is a K41Error 13 naming the line.
    static QList<qint64> parseTimetable(const QByteArray& text);
    // The timetable of `route` in fare data folder `folder`, when one is there (nothing when
    // no such file exists). Read and parse failures are K41Errors naming the file.
    static QList<qint64> loadTimetable(const QString& folder, const QString& route);

  private:
    qint64 m_stepMs = DefaultSecondsPerStop * 1000;
    QList<qint64> m_times;
    int m_factor = 1;
};
