#include "WindowTestSupport.h"
#include "app/MainWindow.h"
#include "app/Settings.h"
#include "pages/LabelSheetCatalogue.h"
#include "pages/LabelTextKey.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QSettings>
#include <QSpinBox>
#include <QTest>

#include <memory>

using namespace windowtest;

static PrivateConfigHome privateConfigHome;

namespace {

// What the window shows in the widget of this object name, else in the
// settings tree's row of this caption.
QString shownIn(MainWindow *window, const QString &where) {
    if (auto *spin = window->findChild<QSpinBox *>(where))
        return QString::number(spin->value());
    if (auto *spin = window->findChild<QDoubleSpinBox *>(where))
        return QString::number(spin->value());
    if (auto *check = window->findChild<QCheckBox *>(where))
        return check->isChecked() ? QStringLiteral("an") : QStringLiteral("aus");
    if (auto *combo = window->findChild<QComboBox *>(where))
        return combo->currentText();
    if (auto *edit = window->findChild<QLineEdit *>(where))
        return edit->text();
    return treeValue(window, where);
}

LabelSheet badgeSheet(const QString &maker, const QString &code) {
    LabelSheet sheet;
    sheet.maker = maker;
    sheet.codes = {code};
    sheet.description = QStringLiteral("Namensschild");
    sheet.labelWidth = 85;
    sheet.labelHeight = 54;
    sheet.columns = 2;
    sheet.rows = 5;
    sheet.leftMargin = 15;
    sheet.topMargin = 13.5;
    sheet.horizontalPitch = 95;
    sheet.verticalPitch = 54;
    return sheet;
}

} // namespace

class TestSettings : public QObject {
    Q_OBJECT

private slots:
    void init() { privateConfigHome.startAfresh(); }
    void keysOfOlderVersionsCarryOver_data();
    void keysOfOlderVersionsCarryOver();
};

void TestSettings::keysOfOlderVersionsCarryOver_data() {
    QTest::addColumn<QVariantMap>("older"); // keys and values as an older version left them
    QTest::addColumn<QString>("where");     // widget or tree row; empty: the kept last folder
    QTest::addColumn<QString>("shown");

    const QString printer = QPrinterInfo::defaultPrinterName();
    const QString labelTextKey = labelTextSettingsKey({"Name", "Anzahl"});
    const QString own = toTsvLine(badgeSheet("Eigene", "ES-1"));
    const QString imported = toTsvLine(badgeSheet("Testmarke", "TM-1"));

    QTest::newRow("label width") << QVariantMap{{"labels/widthMm", 70}} << "widthSpin"
                                 << "70";
    QTest::newRow("label height") << QVariantMap{{"labels/heightMm", 36}} << "heightSpin"
                                  << "36";
    QTest::newRow("a width out of range gives the default")
        << QVariantMap{{"labels/widthMm", 5000}} << "widthSpin"
        << "100";
    QTest::newRow("a height that is no number gives the default")
        << QVariantMap{{"labels/heightMm", "abc"}} << "heightSpin"
        << "10";
    QTest::newRow("a value a newer run wrote wins")
        << QVariantMap{{"labels/widthMm", 70}, {"window/labelWidthMm", 80}} << "widthSpin"
        << "80";
    QTest::newRow("font") << QVariantMap{{"labels/font", QFont("Liberation Serif", 14).toString()}}
                          << "Schriftart"
                          << "Liberation Serif, 14 pt";
    QTest::newRow("caption row skipped")
        << QVariantMap{{"labels/skipCaptionRow", true}} << "headerCheck"
        << "an";
    QTest::newRow("last folder") << QVariantMap{{"import/lastFolder", "/srv/listen"}} << ""
                                 << "/srv/listen";
    QTest::newRow("chosen sheet")
        << QVariantMap{{"labelSheets/chosenMaker", "Avery Zweckform"},
                       {"labelSheets/chosenCode", "L4785"}}
        << "sheetCombo"
        << QString::fromUtf8("Avery Zweckform L4785, L4784, L4786, L4787 – Namensschilder "
                             "(80 x 50 mm, 2 × 5)");
    QTest::newRow("frames on paper")
        << QVariantMap{{"labelSheets/framesOnPaper", true}} << "framesCheck"
        << "an";
    QTest::newRow("printer offset across")
        << QVariantMap{{"labelSheets/printerOffsets", QVariantMap{{printer, QPointF(1.5, -0.7)}}}}
        << "offsetXSpin"
        << "1.5";
    QTest::newRow("printer offset down")
        << QVariantMap{{"labelSheets/printerOffsets", QVariantMap{{printer, QPointF(1.5, -0.7)}}}}
        << "offsetYSpin"
        << "-0.7";
    QTest::newRow("a printer offset beyond 10 mm reads as none")
        << QVariantMap{{"labelSheets/printerOffsets", QVariantMap{{printer, QPointF(500, -0.7)}}}}
        << "offsetXSpin"
        << "0";
    QTest::newRow("an in-range offset stays beside one beyond 10 mm")
        << QVariantMap{{"labelSheets/printerOffsets", QVariantMap{{printer, QPointF(500, -0.7)}}}}
        << "offsetYSpin"
        << "-0.7";
    QTest::newRow("a printer offset of -300 mm reads as none")
        << QVariantMap{{"labelSheets/printerOffsets", QVariantMap{{printer, QPointF(1, -300)}}}}
        << "offsetYSpin"
        << "0";
    QTest::newRow("a printer offset that is no number reads as none")
        << QVariantMap{{"labelSheets/printerOffsets", QVariantMap{{printer, QPointF(qQNaN(), 1)}}}}
        << "offsetXSpin"
        << "0";
    QTest::newRow("a printer offset of 1e308 mm reads as none")
        << QVariantMap{{"labelSheets/printerOffsets", QVariantMap{{printer, QPointF(1, 1e308)}}}}
        << "offsetYSpin"
        << "0";
    QTest::newRow("own sheet") << QVariantMap{{"labelSheets/ownSheets", QStringList{own}},
                                              {"labelSheets/chosenMaker", "Eigene"},
                                              {"labelSheets/chosenCode", "ES-1"}}
                               << "sheetCombo"
                               << QString::fromUtf8(
                                      "Eigene ES-1 – Namensschild (85 x 54 mm, 2 × 5)");
    QTest::newRow("imported sheet")
        << QVariantMap{{"labelSheets/importedSheets", QStringList{imported}},
                       {"labelSheets/chosenMaker", "Testmarke"},
                       {"labelSheets/chosenCode", "TM-1"}}
        << "sheetCombo" << QString::fromUtf8("Testmarke TM-1 – Namensschild (85 x 54 mm, 2 × 5)");
    QTest::newRow("label text of a list")
        << QVariantMap{{labelTextKey, QString::fromUtf8("Hallo «Name»")}} << "labelLine1Edit"
        << QString::fromUtf8("Hallo «Name»");
    QTest::newRow("label text of lines joined by a bar")
        << QVariantMap{{labelTextKey, QString::fromUtf8("«Name»|Gast")}} << "labelLine2Edit"
        << "Gast";
}

void TestSettings::keysOfOlderVersionsCarryOver() {
    QFETCH(QVariantMap, older);
    QFETCH(QString, where);
    QFETCH(QString, shown);
    {
        QSettings olderVersion(Settings::organisationName(), Settings::applicationName());
        for (auto key = older.begin(); key != older.end(); ++key)
            olderVersion.setValue(key.key(), key.value());
    }

    auto window = std::make_unique<MainWindow>();
    window->adoptImporter(new TableImporter(QStringLiteral("liste.xls"), thirtyPairs()));
    QCOMPARE(where.isEmpty() ? Settings().window().lastFolder : shownIn(window.get(), where),
             shown);

    // Moved once: the old keys are gone, so a later change is not undone by them.
    const QSettings after(Settings::organisationName(), Settings::applicationName());
    for (const QString &key : older.keys())
        if (!key.startsWith(QLatin1String("window/")) &&
            !key.startsWith(QLatin1String("labelText/")))
            QVERIFY2(!after.contains(key), qPrintable(key));
}

QTEST_MAIN(TestSettings)
#include "test_settings.moc"
