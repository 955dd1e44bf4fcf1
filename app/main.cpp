#include "app/MainWindow.h"
#include "app/Translations.h"

#include <QApplication>

int main(int argc, char **argv) {
    QApplication application(argc, argv);
    // Where QSettings keeps the window's settings.
    QApplication::setOrganizationName(QStringLiteral("Tagomat"));
    QApplication::setApplicationName(QStringLiteral("Tagomat"));
    installGermanTranslations(application);
    // "Fusion" is the maintained successor of the "plastique" style.
    QApplication::setStyle(QStringLiteral("Fusion"));
    MainWindow window;
    window.show();
    window.openFileFromArguments(application.arguments());
    return application.exec();
}
