// Saves a picture of the main window with a made-up list of 72 people open, in
// the language the locale picks, for the README (see scripts/make-screenshot).
#include "WindowTestSupport.h"

#include "app/Translations.h"

#include <QCheckBox>
#include <QLocale>
#include <QPixmap>

namespace {
QList<QStringList> people() {
    const QStringList first{"Anna",  "Jörg",       "Fatma", "Lukas", "Zoë",    "Henrik",
                            "Marie", "Konstantin", "Aylin", "Paul",  "Sophie", "Emil"};
    const QStringList last{"Schmidt", "Nowak", "Öztürk", "Weiß", "Krüger", "Hoffmann"};
    QList<QStringList> rows{{"Name", "Anzahl"}};
    for (const QString &family : last)
        for (const QString &given : first)
            rows.append({given + QLatin1Char(' ') + family, QString::number(1 + rows.size() % 3)});
    return rows;
}
} // namespace

int main(int argc, char **argv) {
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 2) {
        qWarning("usage: window_screenshot OUT.png");
        return 2;
    }
    installTranslations(application, QLocale::system());
    QApplication::setStyle(QStringLiteral("Fusion"));
    MainWindow window;
    window.resize(1280, 800);
    window.show();
    window.adoptImporter(
        new windowtest::TableImporter(QStringLiteral("participants.xlsx"), people()));
    window.findChild<QCheckBox *>(QStringLiteral("headerCheck"))->setChecked(true);
    QApplication::processEvents();
    return window.grab().save(arguments.at(1)) ? 0 : 1;
}
