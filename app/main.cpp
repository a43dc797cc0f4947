#include "app/Form1.h"
#include "settings/Settings.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication a(argc, argv);
    Settings settings;
    Form1 board(settings);
    board.Form_Load();
    board.show();
    return a.exec();
}
