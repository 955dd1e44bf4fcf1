#include "app/MainWindow.h"

#include <QApplication>

int main(int argc, char **argv) {
    QApplication application(argc, argv);
    // "Fusion" is the maintained successor of the "plastique" style.
    QApplication::setStyle(QStringLiteral("Fusion"));
    MainWindow window;
    window.show();
    window.openFileFromArguments(application.arguments());
    return application.exec();
}
