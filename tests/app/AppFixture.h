#pragma once
// Starts K41's real windows (offscreen) with a settings file in a temporary folder, and
// drives them the way a user does.
#include "app/Startup.h"
#include "settings/In4File.h"

#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

class Form1;
class NullSpeechEngine;
class frmCtl;
class QWidget;

class AppFixture : public ::testing::Test, public SpeechFactory {
  protected:
    // Settings whose data folders are the built sample routes.
    static In4File sampleSettings();
    // Writes `file` as the settings file and starts K41 on it.
    void startWith(const In4File& file);
    // Starts K41 on whatever settings file the temporary folder holds (none: defaults).
    void start();
    // Ends this K41 (without quitting) so that another can start on the same folder.
    void stop();

    Form1& board() const;
    frmCtl& panel() const;
    QString settingsPath() const { return dir.filePath(QStringLiteral("K41.in4")); }

    void click(QWidget* widget);
    // Posts a click on `widget` as the window system delivers it, so that a held wait holds
    // it back (QTest's clicks are sent at once).
    static void postClick(QWidget* widget);
    // The route-entry face in front: 0 the dials, 1 the keypad.
    int faceInFront() const;
    // Keys on the keypad: "系統" = 10, "区間" = 11, digits 0 to 9.
    void key(int index);
    // "系統" route "区間" section "リセット", as a user types them.
    void loadFromKeypad(const QString& route, const QString& section);
    // Fare digit `i` as a rider reads it off the board ("  180", "    " when unlit).
    QString fareShown(int i) const;
    // What a fare shows under zero mode 0 in four cells.
    static QString fareText(int fare);

    QTemporaryDir dir;
    std::unique_ptr<Startup> k41;
    QStringList messages; // operator messages the panel showed
    QStringList errors;   // error boxes of the backlight
    bool ended = false;   // the panel asked to end the program
    // The lamp test's length in this K41, set before start(): short, so that a route load
    // costs no real three seconds; tests of what happens during the lamp test lengthen it.
    int lampTestMs = 20;
    // Replaces the speech component the panel creates when set before start().
    std::function<std::unique_ptr<SpeechEngine>()> speechFactory;
    // Gives the panel a silent speech component from the next start() on, kept in `speech`.
    void useSilentSpeech();
    NullSpeechEngine* speech = nullptr;
    // Runs on the new windows before start() shows them and reads the settings file.
    std::function<void(Startup&)> beforeRun;

  private:
    std::unique_ptr<SpeechEngine> createSpeech() override { return speechFactory(); }
};
