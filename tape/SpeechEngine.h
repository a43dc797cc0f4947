#pragma once
// The speech component of the announcements: speaks a text in the background. Every call comes
// from the GUI thread and returns at once; releasing the component is destroying it.
#include "tape/ReadingTable.h"

#include <QString>
#include <memory>

class QWidget;

class SpeechEngine {
  public:
    enum Status : int {
        Idle = 0,
        Speaking = 1, // synthesising or still sounding
        Failed = -1,  // the last text could not be synthesised
    };

    virtual ~SpeechEngine() = default;

    // Starts speaking `text`, cutting what was spoken before; returns at once.
    virtual void speak(const QString& text) = 0;
    // Ends the current speech at once; harmless when nothing is spoken.
    virtual void stop() = 0;
    virtual int status() const = 0;
    // Shows the voice settings as a modal dialog titled `title`, owned by `owner`.
    virtual void settingsDialog(QWidget* owner, const QString& title) = 0;
    // The user's readings of names for the texts spoken from now on (the tables of the route
    // set last), and the table file where readings corrected in the settings dialog are kept
    // (empty: none can be kept).
    virtual void setReadings(const ReadingTable& readings, const QString& tablePath) = 0;
};

// Makes the speech component when the announcements start.
class SpeechFactory {
  public:
    virtual ~SpeechFactory() = default;
    // nullptr (or a thrown exception) when it cannot be created.
    virtual std::unique_ptr<SpeechEngine> createSpeech() = 0;
};
