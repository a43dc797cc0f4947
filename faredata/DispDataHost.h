#pragma once
// What the fare display update needs from the operation panel: the late-night box, the
// board's fare digits and stop-name line, the ticket preview, the settings and the clock.
// The panel window implements it; tests use a recording fake with a fixed clock.
#include <QDateTime>
#include <QString>
#include <QVariant>

struct Settings;

// What the ticket preview prints for the current stop.
struct SeirikenTicket {
    QString StopName;
    QString Date;     // "mm-dd-yyyy" or "yyyy/mm/dd", as the ticket date setting gives it
    QString Time;     // "hh:mm:ss"
    qint32 Route = 0; // the route number, leading zeros dropped
    qint16 SeiriNum = 0;
    qint16 Index = 0; // row of the fare table
};

class DispDataHost {
  public:
    virtual ~DispDataHost() = default;

    virtual const Settings& settings() const = 0;
    // The panel's "深夜料金" box.
    virtual bool lateNightFare() const = 0;
    virtual QDateTime currentDateTime() const = 0;

    // Value of board digit `index` (0 to 24; 0 is the hidden digit): an int or a QString.
    virtual void setDegitValue(int index, const QVariant& value) = 0;

    // The stop-name control.
    virtual void setTsugiwaMode(qint16 mode) = 0;
    virtual void setChimei(const QString& text) = 0;

    // The ticket preview: cleared on every update, drawn only when the preview is on.
    virtual void clearSeirikenPreview() = 0;
    virtual void drawSeirikenPreview(const SeirikenTicket& ticket) = 0;
};
