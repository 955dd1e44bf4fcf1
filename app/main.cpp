#include "app/CommandLine.h"
#include "app/MainWindow.h"
#include "app/Settings.h"
#include "app/Translations.h"
#include "import/ProcessHeap.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char **argv) {
    tuneHeapForOneImport(); // before any thread starts
    QStringList arguments;
    for (int index = 1; index < argc; ++index)
        arguments.append(QString::fromLocal8Bit(argv[index]));
    if (CommandLine::wanted(arguments))
        return CommandLine::main(argc, argv);
    QApplication application(argc, argv);
    // The names the settings are filed under, also for Qt's other uses of them.
    QApplication::setOrganizationName(Settings::organisationName());
    QApplication::setApplicationName(Settings::applicationName());
    // Lets the desktop match the window to the installed entry and its icon.
    QApplication::setDesktopFileName(QStringLiteral("de.tagomat.Tagomat"));
    installTranslations(application, QLocale::system());
    // "Fusion" is the maintained successor of the "plastique" style.
    QApplication::setStyle(QStringLiteral("Fusion"));
    MainWindow window;
    window.show();
    window.openFileFromArguments(application.arguments());
    return application.exec();
}
