#include "ProgramRun.h"
#include "WindowTestSupport.h"
#include "support/FileContent.h"

#include "app/AboutDialog.h"
#include "app/DesignDialog.h"
#include "app/ImportFailureText.h"
#include "app/PasswordDialog.h"
#include "app/ReceptionDesk.h"
#include "app/SheetEditorDialog.h"
#include "app/TextImportDialog.h"
#include "app/Translations.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFontComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QSpinBox>
#include <QTabWidget>
#include <QTranslator>
#include <QTreeWidget>

#include <functional>

using namespace windowtest;

namespace {
PrivateConfigHome configHome;

using Factory = std::function<QWidget *()>;

// Texts spelled alike in German and English.
const QStringList sameInBothLanguages =
    QStringLiteral("Tagomat|Logo|Code|Code 128|EAN-13|Data Matrix|Status|Filter:|mm|pt|UTF-8|"
                   "UTF-16 LE|UTF-16 BE|Mac OS Roman|ISO-8859-15 (Latin-9)|1|/ 1|Ctrl+P|OK|"
                   "F&ormat|Format|«E-Mail»")
        .split(QLatin1Char('|'));
// Data, not program texts: the file name, the design dialog's captions and the
// window's list (thirtyPairs).
const QStringList listData{"namen.csv", "Vorname", "Nachname", "Name", "Anzahl", "Name01"};
// Widgets whose items are data: the catalogue's sheets, named as their makers sell them.
const QStringList catalogueData{"sheetCombo"};

// Every text a person sees in the widget, its children, menus and actions,
// keyed by where it is shown; hidden widgets are left out.
class TextWalk {
public:
    explicit TextWalk(QWidget *top) {
        add(top, QStringLiteral("windowTitle"), top->windowTitle());
        for (QWidget *widget : top->findChildren<QWidget *>())
            if (!widget->isHidden())
                walk(widget);
        for (QAction *action : top->findChildren<QAction *>()) {
            add(action, QStringLiteral("action"), action->text());
            add(action, QStringLiteral("actionTip"), action->toolTip());
        }
    }
    QMap<QString, QString> texts;

private:
    void add(QObject *where, const QString &what, const QString &text) {
        if (text.isEmpty())
            return;
        QString key = what;
        for (QObject *object = where; object; object = object->parent())
            key.prepend(object->objectName() + QLatin1Char('/'));
        // Unnamed siblings are told apart by their order, the same in each build.
        while (texts.contains(key))
            key += QLatin1Char('+');
        texts.insert(key, text);
    }

    void walkModel(QWidget *widget, const QAbstractItemModel *model) {
        for (int column = 0; column < model->columnCount(); ++column)
            add(widget, QStringLiteral("header"),
                model->headerData(column, Qt::Horizontal).toString());
    }

    void walk(QWidget *widget) {
        add(widget, QStringLiteral("toolTip"), widget->toolTip());
        if (auto *label = qobject_cast<QLabel *>(widget))
            add(widget, QStringLiteral("label"), label->text());
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            add(widget, QStringLiteral("button"), button->text());
        if (auto *group = qobject_cast<QGroupBox *>(widget))
            add(widget, QStringLiteral("group"), group->title());
        if (auto *menu = qobject_cast<QMenu *>(widget))
            add(widget, QStringLiteral("menu"), menu->title());
        if (auto *edit = qobject_cast<QLineEdit *>(widget))
            add(widget, QStringLiteral("placeholder"), edit->placeholderText());
        // Font names are data too.
        if (auto *combo = qobject_cast<QComboBox *>(widget);
            combo && !qobject_cast<QFontComboBox *>(widget) &&
            !catalogueData.contains(combo->objectName()))
            for (int i = 0; i < combo->count(); ++i)
                add(widget, QStringLiteral("item"), combo->itemText(i));
        if (auto *tabs = qobject_cast<QTabWidget *>(widget))
            for (int i = 0; i < tabs->count(); ++i)
                add(widget, QStringLiteral("tab"), tabs->tabText(i));
        if (auto *spin = qobject_cast<QSpinBox *>(widget)) {
            add(widget, QStringLiteral("prefix"), spin->prefix());
            add(widget, QStringLiteral("suffix"), spin->suffix());
        }
        if (auto *spin = qobject_cast<QDoubleSpinBox *>(widget)) {
            add(widget, QStringLiteral("prefix"), spin->prefix());
            add(widget, QStringLiteral("suffix"), spin->suffix());
        }
        if (auto *tree = qobject_cast<QTreeWidget *>(widget)) {
            walkModel(widget, tree->model());
            for (QTreeWidgetItemIterator it(tree); *it; ++it)
                add(widget, QStringLiteral("row"), (*it)->text(0));
        } else if (auto *view = qobject_cast<QAbstractItemView *>(widget); view && view->model()) {
            walkModel(widget, view->model());
        }
    }
};

void removeTranslators() {
    for (QTranslator *translator : qApp->findChildren<QTranslator *>())
        delete translator;
}

QMap<QString, QString> textsOf(const Factory &make) {
    std::unique_ptr<QWidget> widget(make());
    widget->show();
    QCoreApplication::processEvents();
    return TextWalk(widget.get()).texts;
}

bool needsTranslation(const QString &text) {
    return text.contains(QRegularExpression(QStringLiteral("\\p{L}"))) &&
           !sameInBothLanguages.contains(text.trimmed()) && !listData.contains(text);
}

QString writeCsv(const QTemporaryDir &dir) {
    const QString path = dir.filePath(QStringLiteral("namen.csv"));
    writeFile(path, "Name;Anzahl\nAnna;2\n");
    return path;
}

} // namespace

Q_DECLARE_METATYPE(Factory)

class TestTranslation : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { configHome.startAfresh(); }
    void everyVisibleTextIsTranslated_data();
    void everyVisibleTextIsTranslated();
    void everyRefusalReasonIsTranslated();
    void localeChoosesTheLanguage_data();
    void localeChoosesTheLanguage();

private:
    QTemporaryDir dir;
};

void TestTranslation::everyVisibleTextIsTranslated_data() {
    QTest::addColumn<Factory>("make");
    QTest::newRow("main window with a list") << Factory([] {
        auto *window = new MainWindow;
        window->adoptImporter(new TableImporter(QStringLiteral("namen.xls"), thirtyPairs()));
        return window;
    });
    QTest::newRow("main window, first start") << Factory([] { return new MainWindow; });
    const QString csv = writeCsv(dir);
    QTest::newRow("text import") << Factory([csv] { return new TextImportDialog(csv); });
    QTest::newRow("design") << Factory([] {
        DesignSubject subject;
        subject.captions = listData.mid(1, 2);
        return new DesignDialog(SavedDesign(), subject);
    });
    QTest::newRow("sheet editor") << Factory([] { return new SheetEditorDialog; });
    QTest::newRow("reception desk") << Factory([] { return new ReceptionDesk; });
    QTest::newRow("about") << Factory([] {
        // Set up as the window's "Über Tagomat" does.
        auto *dialog = new AboutDialog;
        dialog->ui.setupUi(dialog);
        return dialog;
    });
    QTest::newRow("password") << Factory(
        [] { return new PasswordDialog(QStringLiteral("geheim.xls"), true); });
}

void TestTranslation::everyVisibleTextIsTranslated() {
    QFETCH(Factory, make);
    QTranslator english;
    QVERIFY(english.load(QStringLiteral(":/i18n/tagomat_en.qm")));
    // As a German locale starts: Qt's own texts in German too.
    installGermanTranslations(*QCoreApplication::instance());
    const QMap<QString, QString> german = textsOf(make);
    removeTranslators();
    QCoreApplication::installTranslator(&english);
    const QMap<QString, QString> translated = textsOf(make);
    QCoreApplication::removeTranslator(&english);
    QStringList shownInOneOnly;
    for (const QString &key : german.keys() + translated.keys())
        if (german.contains(key) != translated.contains(key))
            shownInOneOnly << key;
    QVERIFY2(shownInOneOnly.isEmpty(), qPrintable(shownInOneOnly.join(QLatin1Char('\n'))));
    QStringList untranslated;
    for (auto it = german.cbegin(); it != german.cend(); ++it)
        if (needsTranslation(it.value()) && translated.value(it.key()) == it.value())
            untranslated << it.key() + QStringLiteral(": ") + it.value();
    QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(QLatin1Char('\n'))));
    // The walk saw the texts at all: the German build shows German.
    QVERIFY(std::count_if(german.cbegin(), german.cend(), needsTranslation) > 0);
}

// Every reason the readers give for a refusal, as the window and the command
// line say it, up to the first code the reader does not name.
void TestTranslation::everyRefusalReasonIsTranslated() {
    QTranslator english;
    QVERIFY(english.load(QStringLiteral(":/i18n/tagomat_en.qm")));
    QStringList untranslated;
    int codes = 0;
    for (int value = 1; QByteArray(xls::codeName(xls::ReadErrorCode(value))) != "?"; ++value) {
        xls::ReadError error;
        error.code = xls::ReadErrorCode(value);
        error.line = 7;
        const QString german = importFailureReason(error);
        QCoreApplication::installTranslator(&english);
        const QString translated = importFailureReason(error);
        QCoreApplication::removeTranslator(&english);
        if (translated == german)
            untranslated << german;
        ++codes;
    }
    QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(QLatin1Char('\n'))));
    QVERIFY(codes > 30);
}

// The window, Qt's own dialogs and the command line all follow the locale.
void TestTranslation::localeChoosesTheLanguage_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("fileMenu");
    QTest::addColumn<QString>("qtCancel");
    QTest::addColumn<QString>("message");
    // French has no translation: German, as everywhere but in English.
    for (const char *locale : {"de_DE", "C", "fr_FR"})
        QTest::newRow(locale) << locale << "&Datei"
                              << "Abbrechen"
                              << "--print-pdf braucht genau eine Eingabedatei";
    for (const char *locale : {"en_US", "en_GB"})
        QTest::newRow(locale) << locale << "&File"
                              << "Cancel"
                              << "--print-pdf needs exactly one input file";
}

void TestTranslation::localeChoosesTheLanguage() {
    QFETCH(QString, locale);
    QFETCH(QString, fileMenu);
    QFETCH(QString, qtCancel);
    QFETCH(QString, message);
    installTranslations(*QCoreApplication::instance(), QLocale(locale));
    MainWindow window;
    const QString menu = window.ui.menu_Datei->title();
    // Qt's own dialogs: their buttons in German only with the German texts.
    const QString cancel = QCoreApplication::translate("QPlatformTheme", "Cancel");
    removeTranslators();
    QCOMPARE(menu, fileMenu);
    QCOMPARE(cancel, qtCancel);

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"})
        environment.remove(QLatin1String(name));
    environment.insert(QStringLiteral("LANG"), locale + QStringLiteral(".UTF-8"));
    const ProgramRun run =
        runProgram({QStringLiteral("--print-pdf"), dir.filePath("x")}, environment);
    QCOMPARE(run.status, 2);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
}

QTEST_MAIN(TestTranslation)
#include "test_translation.moc"
