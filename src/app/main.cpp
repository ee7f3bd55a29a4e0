#include "MainWindow.h"
#include "MessageBoxes.h"
#include "ProgramFolder.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ARC 8130"));
    QApplication::setOrganizationName(QStringLiteral("ARC 8130"));

    arc::QtMessageBoxes messages(nullptr);
    arc::MainWindow w(arc::ProgramFolder::locate(), messages);
    QObject::connect(&w, &arc::MainWindow::exitRequested, &app, [] { QApplication::exit(0); });
    w.show();
    return QApplication::exec();
}
