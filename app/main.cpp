#include "app/Form1.h"
#include <QApplication>
int main(int argc, char** argv) { QApplication a(argc, argv); Form1 f; f.show(); return a.exec(); }
