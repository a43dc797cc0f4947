#pragma once
// The modal pickers and the file manager the options dialog calls on. By default they are the
// resource library's dialogs and the desktop's file manager; tests replace any of them with
// a function that answers at once, so no modal window blocks a headless run.
#include "platform/ZKP4Res.h"

#include <QString>
#include <functional>

class QWidget;

struct OptionDialogs {
    // Folder picker with a prompt; empty when cancelled.
    std::function<QString(QWidget* owner, const QString& prompt)> folder;
    // File picker with a NUL-separated filter and a title; empty when cancelled.
    std::function<QString(QWidget* owner, const QString& filter, const QString& title)> file;
    // Colour picker: non-zero when `colour` was replaced by a chosen one.
    std::function<int(QWidget* owner, OleColor& colour, ZKP4Res::CustomColors& custom)> colour;
    // Date picker: non-zero when a date was chosen into `date`.
    std::function<int(QWidget* owner, ZKP4Res::SystemTime& date)> date;
    // Shows `folder` (a path on this system) in the file manager; failures are ignored.
    std::function<void(const QString& folder)> openFolder;
    // Tells the user why a pick was not taken (OK only).
    std::function<void(QWidget* owner, const QString& text)> message;

    // The resource library's dialogs and the desktop's file manager.
    static OptionDialogs standard();
};
