#pragma once
// Sub-commands of k41tool. Each returns the process exit status; messages go to stderr.
#include <QStringList>

int in4Command(const QStringList& args); // k41tool in4 ...
int hy3Command(const QStringList& args); // k41tool hy3 ...
// k41tool plugin ...; "render" needs a QGuiApplication.
int pluginCommand(const QStringList& args);
// k41tool kana ...: the katakana an announcement of each line of text would speak.
int kanaCommand(const QStringList& args);
int gtfsCommand(const QStringList& args); // k41tool gtfs ...
