#pragma once
// K41's real windows with the options dialog at hand: its controls found by object name, the
// dialog opened modally through the panel's "設定...", and pickers that answer at once with
// what the test queued (a missing answer is a cancel).
#include "tests/app/AppFixture.h"

#include "app/options/frmOption.h"

#include <QDate>
#include <deque>
#include <functional>
#include <optional>

class OptionsFixture : public AppFixture {
  protected:
    frmOption& options() const { return *k41->options; }

    // The dialog's control named `name`; fails the test when there is none.
    template <typename T = QWidget> T* find(const QString& name) const {
        T* w = options().findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }

    // Replaces the pickers, the file manager and the message box by the fakes below.
    void useFakePickers();
    // Opens the dialog with "設定..." on the panel, runs `inside` while it is open, then
    // presses OK (unless `inside` closed it).
    void withOptionsOpen(const std::function<void(frmOption&)>& inside);
    // Shows the dialog without modality, for tests of the dialog alone.
    void showOptions();

    // Brings page `index` to the front with its page button.
    void page(int index);
    // Clicks the control named `name` (a button, a check box, a radio button).
    void clickOn(const QString& name);
    // Replaces the text of box `name` as a user types it (through the input method, as
    // Japanese is typed).
    void typeInto(const QString& name, const QString& text);
    // Moves list `name` to `position` with the arrow keys.
    void choose(const QString& name, int position);

    // Answers of the fakes, used up in order.
    std::deque<QString> pathAnswers; // file and folder pickers
    std::deque<OleColor> colourAnswers;
    std::optional<QDate> dateAnswer;
    // What the fakes were asked: "folder|prompt", "file|title|filter", "colour", "date".
    QStringList pickerCalls;
    QStringList openedFolders;
    QStringList shownMessages;
};
