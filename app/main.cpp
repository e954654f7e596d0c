#include "mainwindow.h"
#include "program.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    setUpProgram();
    MainWindow window(dice::processSource());
    window.show();
    return QApplication::exec();
}
