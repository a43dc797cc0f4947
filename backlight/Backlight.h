#pragma once
// The backlight's rules, apart from the panel's buttons: which picture a backlight state puts
// on the board (its built-in one or the user's own file), which colour the ticket numbers
// take, how a user's picture is read and what its failures are called, and how a picture
// sits on the board. Plain Qt Gui, no widgets: the backlight frame asks here and then only
// passes the answer on to the board.
#include "platform/core/Colour.h"

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>
#include <optional>

struct Settings;

namespace Backlight {

// The three states, numbered like the panel's buttons and the board's built-in pictures.
enum State : int { Off = 0, On1 = 1, On2 = 2 };

// The state a button index stands for: 0 OFF, 1 ON1, any other index ON2.
State stateOf(int index);

// Text colour of the ticket numbers in `state`.
OleColor numberColour(const Settings& settings, State state);

// The stored path of the user's picture for `state` when the settings choose one (each state
// set on its own, and that state's user-picture button); nothing when the built-in picture is
// to be shown.
std::optional<QString> userPictureFile(const Settings& settings, State state);

// Whether `stored` (a path as the user wrote it, Windows separators allowed) names a plain
// file. An empty path, a folder, a pipe or a device count as no file: opening a pipe would
// wait for a writer for good.
bool FileExists(const QString& stored);

// Reads the picture at `stored` by its content (BMP, GIF, JPEG and whatever else Qt's image
// readers know), freshly from the disk on every call. Only the part that can show on a board
// of `visible` size is kept, so a huge picture costs no more than the board. Throws K41Error:
// 53 or 76 when the file or its folder is gone, 75 when it cannot be opened, 57 when reading
// fails, 481 when the content is no picture Qt reads, 7 when memory runs out.
QImage loadPicture(const QString& stored, const QSize& visible);

// What a click on a backlight button does to the board.
struct Outcome {
    State state = Off;
    OleColor numberColour = 0;
    enum class Picture {
        Builtin,  // the board shows its built-in picture of `state`
        User,     // the board shows `userPicture`
        Unchanged // the board keeps the picture it has (a missing file, or a failure)
    } picture = Picture::Builtin;
    QImage userPicture;
    // The error number of a failure to load the user's picture; the board keeps its picture.
    std::optional<int> errorNumber;
    QString errorFile; // the picture's path, as resolved, when it failed
};

// Decides a click on backlight button `index` under `settings`; `visible` is the board's size.
// Never throws: a failure is reported in `errorNumber`.
Outcome decide(const Settings& settings, int index, const QSize& visible);

// The text of the error box ("エラー") for failure number `number`.
QString errorText(int number);

// The plain background a picture smaller than the board leaves showing.
inline const QColor PlainGrey{192, 192, 192};

// The board's image of `size`: `picture` drawn at its own size from the top-left corner, cut at
// the right and the bottom, plain grey beyond it. A null picture leaves the board all grey.
QImage compose(const QImage& picture, const QSize& size);

} // namespace Backlight
