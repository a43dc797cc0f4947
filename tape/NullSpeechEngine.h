#pragma once
// A speech component that says nothing: it remembers what it was asked to speak, for headless
// runs and tests of the announcements.
#include "tape/SpeechEngine.h"

#include <QStringList>

class NullSpeechEngine : public SpeechEngine {
  public:
    void speak(const QString& text) override {
        spoken << text;
        m_speaking = true;
    }
    void stop() override {
        ++stops;
        m_speaking = false;
    }
    int status() const override { return m_speaking ? Speaking : Idle; }
    void settingsDialog(QWidget*, const QString& title) override { dialogTitles << title; }
    void setReadings(const ReadingTable& table, const QString& path) override {
        readings = table;
        readingsPath = path;
    }

    QStringList spoken;       // every text given to speak, in order
    int stops = 0;            // calls of stop
    QStringList dialogTitles; // every settings dialog asked for
    ReadingTable readings;    // the readings given last
    QString readingsPath;     // and their table file

  private:
    bool m_speaking = false;
};
