#include "WindowTestSupport.h"
#include "app/DesignDialog.h"
#include "app/DesignState.h"
#include "app/MainWindow.h"
#include "app/Settings.h"
#include "app/TextImportDialog.h"
#include "pages/DesignFile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

using namespace windowtest;

static PrivateConfigHome privateConfigHome;

namespace {

constexpr qreal pixelsPerMm = 4;

QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes) {
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return QString();
    return path;
}

// A registration list with a long company name, as an organiser exports it.
QByteArray registrations() {
    return QStringLiteral("Vorname;Nachname;Firma;E-Mail;Anzahl\n"
                          "Anna;Berg;Verband der Elektrotechnik Elektronik Informationstechnik "
                          "e.V.;anna@example.org;1\n"
                          "Jörg;Weiß;Stadtwerke Nord;joerg@example.org;2\n"
                          "Lena;Yilmaz;Presse;lena@example.org;1\n")
        .toUtf8();
}

// The first page as the preview draws it, at a fixed scale.
QImage firstPage(MainWindow *window) {
    QImage image(QSize(210, 297) * pixelsPerMm, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    window->ui.pagePreview->drawLabelPage(painter, 0, pixelsPerMm, false);
    return image;
}

DesignState *designState(MainWindow *window) {
    return window->findChild<DesignState *>(QStringLiteral("designState"));
}

bool openList(MainWindow *window, const QString &path) {
    bool handled = false;
    whenModal<TextImportDialog>([](TextImportDialog *dialog) { dialog->accept(); }, &handled);
    return window->openFile(path) && handled;
}

void typeLine(MainWindow *window, int line, const QString &text) {
    auto *edit = window->findChild<QLineEdit *>(QStringLiteral("labelLine%1Edit").arg(line));
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

// Opens "Gestalten..." and runs edit on the dialog; answers whether it opened.
bool editDesign(MainWindow *window, const std::function<void(DesignDialog *)> &edit) {
    bool handled = false;
    whenModal<DesignDialog>(edit, &handled);
    window->findChild<QPushButton *>(QStringLiteral("designEditButton"))->click();
    return handled;
}

template <typename Widget> Widget *in(QWidget *dialog, const char *name) {
    return dialog->findChild<Widget *>(QLatin1String(name));
}

// Line 2 bold and right-aligned, a QR code of each row's e-mail address.
void designBadge(DesignDialog *dialog, const QString &unreadablePicture) {
    in<QCheckBox>(dialog, "line2BoldCheck")->setChecked(true);
    in<QComboBox>(dialog, "line2AlignCombo")->setCurrentIndex(2);
    in<QComboBox>(dialog, "codeKindCombo")->setCurrentIndex(1);
    in<QComboBox>(dialog, "codeSymbologyCombo")->setCurrentIndex(0);
    in<QLineEdit>(dialog, "codeTemplateEdit")->setText(QStringLiteral("«E-Mail»"));
    // A picture that cannot be drawn is refused and adds nothing.
    const bool added = dialog->addPicture(unreadablePicture);
    const bool told = in<QMessageBox>(dialog, "pictureRefusedMessage") != nullptr;
    if (!added && told && in<QComboBox>(dialog, "pictureCombo")->count() == 0)
        dialog->accept();
    else
        dialog->reject();
}

SavedDesign boldNameWithCode() {
    SavedDesign design;
    design.font = QFont(QStringLiteral("Arial"), 14);
    LineStyle name;
    name.font = QFont(QStringLiteral("Arial"), 14, QFont::Bold);
    LineStyle company;
    company.alignment = Qt::AlignRight;
    design.look.lines = {name, company};
    design.look.code = LabelCode{CodeSymbology::QrCode, QRectF(55, 22, 22, 22)};
    design.labelText = QStringLiteral("«Vorname» «Nachname»|«Firma»");
    design.codeKind = CodeContent::Kind::Template;
    design.codeTemplate = QStringLiteral("«E-Mail»");
    return design;
}

// A badge list with a category column.
QList<QStringList> roles() {
    return {{"Vorname", "Nachname", "Firma", "E-Mail", "Rolle"},
            {"Anna", "Berg", "Stadtwerke", "anna@example.org", "Referent"},
            {"Jörg", "Weiß", "", "joerg@example.org", " presse "},
            {"Lena", "Yilmaz", "Presse GmbH", "lena@example.org", "Team"},
            {"Tom", "Adler", "", "", "Presse"}};
}

// Sets the dialog's control of this object name as a person would: a combo
// box to the entry of that text, a check box "an" or "aus", a spin box to
// the number, a line edit to the text; "bild" adds the picture file.
void setControl(DesignDialog *dialog, const QString &name, const QString &value,
                const QTemporaryDir &dir) {
    if (name == QStringLiteral("bild")) {
        QImage picture(40, 20, QImage::Format_RGB32);
        picture.fill(Qt::red);
        picture.save(dir.filePath(value));
        QVERIFY2(dialog->addPicture(dir.filePath(value)), qPrintable(value));
    } else if (auto *combo = dialog->findChild<QComboBox *>(name)) {
        QVERIFY2(combo->findText(value) >= 0, qPrintable(name + ": no entry " + value));
        combo->setCurrentIndex(combo->findText(value));
    } else if (auto *check = dialog->findChild<QCheckBox *>(name)) {
        check->setChecked(value == QStringLiteral("an"));
    } else if (auto *spin = dialog->findChild<QDoubleSpinBox *>(name)) {
        spin->setValue(value.toDouble());
    } else if (auto *edit = dialog->findChild<QLineEdit *>(name)) {
        edit->setText(value);
    } else {
        QFAIL(qPrintable("no control " + name));
    }
}

QString fontText(const std::optional<QFont> &font) {
    if (!font)
        return QStringLiteral("label font");
    return QStringLiteral("%1 %2%3%4")
        .arg(font->family())
        .arg(font->pointSizeF())
        .arg(font->bold() ? QStringLiteral(" bold") : QString())
        .arg(font->italic() ? QStringLiteral(" italic") : QString());
}

// The part of a design a row looks at, as text.
QString designPart(const SavedDesign &design, const QString &part) {
    QStringList parts;
    if (part == QStringLiteral("font"))
        return fontText(design.font);
    if (part.startsWith(QStringLiteral("line"))) {
        const LineStyle style = design.look.lineStyle(part.mid(4).toInt() - 1);
        return fontText(style.font) + (style.autoSize ? QStringLiteral(" auto") : QString());
    }
    if (part == QStringLiteral("category")) {
        for (const auto &[value, colour] : design.look.category.colours)
            parts << value;
        return design.categoryCaption + QStringLiteral(": ") + parts.join(QStringLiteral(", "));
    }
    if (part == QStringLiteral("sort")) {
        for (const SavedDesign::SortCaption &key : design.sortCaptions)
            parts << key.caption +
                         (key.descending ? QStringLiteral(" ab") : QStringLiteral(" auf"));
        return parts.join(QStringLiteral(", "));
    }
    if (part == QStringLiteral("code")) {
        if (!design.look.code)
            return QStringLiteral("none");
        const QRectF area = design.look.code->areaMm;
        return QStringLiteral("%1 %2 [%3] %4,%5 %6x%7 %8")
            .arg(int(design.codeKind))
            .arg(design.codeTemplate, design.vCardCaptions.join(QLatin1Char('|')))
            .arg(area.x())
            .arg(area.y())
            .arg(area.width())
            .arg(area.height())
            .arg(int(design.look.code->symbology));
    }
    for (const LabelPicture &picture : design.look.pictures)
        parts << picture.fileName + (picture.placement == LabelPicture::Placement::Background
                                         ? QStringLiteral(" Hintergrund")
                                         : QStringLiteral(" Logo"));
    return parts.join(QStringLiteral(", "));
}

} // namespace

class TestWindowDesign : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void designedBadgeSurvivesFileAndRestart();
    void listOpenedAfterADesignTakesItsColumns();
    void dialogControlsEditTheDesign_data();
    void dialogControlsEditTheDesign();
    void refusedDesignFileChangesNothing_data();
    void refusedDesignFileChangesNothing();

private:
    QTemporaryDir dir;
    MainWindow *window = nullptr;
};

void TestWindowDesign::init() {
    privateConfigHome.startAfresh();
    window = new MainWindow;
}

void TestWindowDesign::cleanup() {
    delete window;
    window = nullptr;
}

void TestWindowDesign::designedBadgeSurvivesFileAndRestart() {
    const QString list = writeFile(dir, QStringLiteral("anmeldungen.csv"), registrations());
    const QString notAPicture = writeFile(dir, QStringLiteral("logo.png"), "kein Bild");
    QVERIFY(openList(window, list));
    window->findChild<QSpinBox *>(QStringLiteral("widthSpin"))->setValue(80);
    window->findChild<QSpinBox *>(QStringLiteral("heightSpin"))->setValue(50);
    typeLine(window, 1, QStringLiteral("«Vorname» «Nachname»"));
    typeLine(window, 2, QStringLiteral("«Firma»"));
    const QImage plain = firstPage(window);

    QVERIFY(editDesign(window, [&](DesignDialog *dialog) { designBadge(dialog, notAPicture); }));
    const LabelJob &job = window->ui.pagePreview->labelJob();
    QVERIFY(job.design().lines.size() >= 2);
    QVERIFY(job.design().lines.at(1).font && job.design().lines.at(1).font->bold());
    QCOMPARE(job.design().lines.at(1).alignment, Qt::Alignment(Qt::AlignRight));
    QVERIFY(job.design().code.has_value());
    QCOMPARE(job.labels().at(0).codeText, QStringLiteral("anna@example.org"));
    QVERIFY2(job.designProblems().isEmpty(), qPrintable(job.designProblems().join('\n')));
    const QImage designed = firstPage(window);
    QVERIFY2(designed != plain, "the design changes nothing on the page");

    const QString saved = dir.filePath(QStringLiteral("namensschild.tagomat"));
    QVERIFY(designState(window)->saveFile(saved));
    QVERIFY(editDesign(window, [](DesignDialog *dialog) {
        in<QCheckBox>(dialog, "line2BoldCheck")->setChecked(false);
        in<QComboBox>(dialog, "line2AlignCombo")->setCurrentIndex(1);
        in<QComboBox>(dialog, "codeKindCombo")->setCurrentIndex(0);
        dialog->accept();
    }));
    QVERIFY2(firstPage(window) != designed, "undoing the design changes nothing");
    QVERIFY(designState(window)->openFile(saved));
    QCOMPARE(firstPage(window), designed);

    // Closing keeps the design; the next run opens the list as it was designed.
    window->close();
    delete window;
    window = new MainWindow;
    QVERIFY(openList(window, list));
    QCOMPARE(firstPage(window), designed);
    bool shown = false;
    QVERIFY(editDesign(window, [&shown](DesignDialog *dialog) {
        shown = in<QCheckBox>(dialog, "line2BoldCheck")->isChecked() &&
                in<QComboBox>(dialog, "line2AlignCombo")->currentIndex() == 2 &&
                in<QLineEdit>(dialog, "codeTemplateEdit")->text() == QStringLiteral("«E-Mail»");
        dialog->reject();
    }));
    QVERIFY2(shown, "the dialog does not show the kept design");

    // A first name is no EAN-13: the status line says so instead of printing blank codes.
    QVERIFY(editDesign(window, [](DesignDialog *dialog) {
        in<QLineEdit>(dialog, "codeTemplateEdit")->setText(QStringLiteral("«Vorname»"));
        in<QComboBox>(dialog, "codeSymbologyCombo")->setCurrentIndex(3);
        dialog->accept();
    }));
    const QStringList problems = window->ui.pagePreview->labelJob().designProblems();
    QVERIFY(!problems.isEmpty());
    QVERIFY2(window->ui.statusLabel->text().contains(problems.first()),
             qPrintable(window->ui.statusLabel->text()));
}

void TestWindowDesign::listOpenedAfterADesignTakesItsColumns() {
    const QString design =
        writeFile(dir, QStringLiteral("messe.tagomat"), writeDesign(boldNameWithCode()));
    QVERIFY(designState(window)->openFile(design));
    QVERIFY(openList(window, writeFile(dir, QStringLiteral("liste.csv"), registrations())));
    const LabelMap &labels = window->ui.pagePreview->labels;
    QCOMPARE(labels.size(), 3);
    QCOMPARE(labels.at(1).name, QStringLiteral("Jörg Weiß"));
    QCOMPARE(labels.at(1).moreLines, QStringList{QStringLiteral("Stadtwerke Nord")});
    QCOMPARE(labels.at(1).codeText, QStringLiteral("joerg@example.org"));
    QCOMPARE(labels.at(1).quantity, 2);
    QCOMPARE(treeValue(window, QStringLiteral("Schriftart")), QStringLiteral("Arial, 14 pt"));
    // The design prints both names: no offer to join them.
    QVERIFY(window->findChild<QWidget *>(QStringLiteral("fullNameOffer"))->isHidden());
}

void TestWindowDesign::dialogControlsEditTheDesign_data() {
    QTest::addColumn<QStringList>("settings"); // "objectName=value", in this order
    QTest::addColumn<QString>("part");
    QTest::addColumn<QString>("expected");

    QTest::newRow("untouched lines keep the label font") << QStringList() << "line2"
                                                         << "label font";
    QTest::newRow("line 1's size is the label font's")
        << QStringList{"line1SizeSpin=14", "line1BoldCheck=an"} << "font"
        << "Arial 14 bold";
    QTest::newRow("a later line gets a font of its own at the smaller size")
        << QStringList{"line3ItalicCheck=an", "line3AutoCheck=an"} << "line3"
        << "Arial 7 italic auto";
    QTest::newRow("a category column brings its values, each once")
        << QStringList{"categoryColumnCombo=Rolle"} << "category"
        << "Rolle: Referent, presse, Team";
    QTest::newRow("two sort keys, the second descending")
        << QStringList{"sortColumn1Combo=Nachname", "sortColumn2Combo=Vorname",
                       "sortOrder2Combo=absteigend"}
        << "sort"
        << "Nachname auf, Vorname ab";
    QTest::newRow("a first code goes to the bottom right corner")
        << QStringList{"codeKindCombo=Aus einer Vorlage", "codeTemplateEdit=«E-Mail»"} << "code"
        << "1 «E-Mail» [|||] 53,23 25x25 0";
    QTest::newRow("a vCard of four columns as Data Matrix, placed by hand")
        << QStringList{"codeKindCombo=vCard aus Vorname, Nachname, Firma, E-Mail",
                       "vCardFirstNameCombo=Vorname",
                       "vCardLastNameCombo=Nachname",
                       "vCardEmailCombo=E-Mail",
                       "codeSymbologyCombo=Data Matrix",
                       "codeXSpin=2",
                       "codeWidthSpin=20"}
        << "code"
        << "2  [Vorname|Nachname||E-Mail] 2,23 20x25 1";
    QTest::newRow("code removed again")
        << QStringList{"codeKindCombo=Aus einer Vorlage", "codeKindCombo=Kein Code"} << "code"
        << "none";
    QTest::newRow("a second background makes the first a logo")
        << QStringList{"bild=a.png", "picturePlacementCombo=Hintergrund", "bild=b.png",
                       "picturePlacementCombo=Hintergrund"}
        << "pictures"
        << "a.png Logo, b.png Hintergrund";
}

void TestWindowDesign::dialogControlsEditTheDesign() {
    QFETCH(QStringList, settings);
    QFETCH(QString, part);
    QFETCH(QString, expected);
    TableImporter list(QStringLiteral("rollen.xls"), roles());
    DesignSubject subject;
    subject.table = &list.importedTable();
    subject.captions = list.headerRow();
    subject.choice.text =
        LabelTemplate::parse(QStringLiteral("«Vorname» «Nachname»|«Firma»"), subject.captions);
    subject.sheet = LabelSheet::fromPageLayout(PageLayout::forLabelSize(80, 50));
    SavedDesign start;
    start.font = QFont(QStringLiteral("Arial"), 10);
    DesignDialog dialog(start, subject);
    for (const QString &setting : settings) {
        setControl(&dialog, setting.section(QLatin1Char('='), 0, 0),
                   setting.section(QLatin1Char('='), 1), dir);
        if (QTest::currentTestFailed())
            return;
    }
    QCOMPARE(designPart(dialog.design(), part), expected);
    if (settings.isEmpty())
        QVERIFY(dialog.design() == start);
}

void TestWindowDesign::refusedDesignFileChangesNothing_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason"); // a part of the message's text

    const QByteArray valid = writeDesign(boldNameWithCode());
    QJsonObject newer = QJsonDocument::fromJson(valid).object();
    newer.insert(QStringLiteral("version"), SavedDesign::currentVersion + 1);
    QTest::newRow("from a newer version")
        << QJsonDocument(newer).toJson() << QStringLiteral("neueren Version");
    QTest::newRow("cut off") << valid.left(valid.size() / 2) << QStringLiteral("beschädigt");
    QTest::newRow("empty") << QByteArray() << QStringLiteral("beschädigt");
    QTest::newRow("a list saved under the name") << registrations() << QStringLiteral("beschädigt");
}

void TestWindowDesign::refusedDesignFileChangesNothing() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    QVERIFY(openList(window, writeFile(dir, QStringLiteral("liste.csv"), registrations())));
    const QString good =
        writeFile(dir, QStringLiteral("gut.tagomat"), writeDesign(boldNameWithCode()));
    QVERIFY(designState(window)->openFile(good));
    QVERIFY(!window->findChild<QMessageBox *>(QStringLiteral("designRefusedMessage")));
    const SavedDesign before = designState(window)->design();
    const SavedDesign kept = Settings().design();
    const QImage page = firstPage(window);
    const QString status = window->ui.statusLabel->text();

    const QString bad = writeFile(dir, QStringLiteral("kaputt.tagomat"), bytes);
    QVERIFY(!designState(window)->openFile(bad));
    auto *message = window->findChild<QMessageBox *>(QStringLiteral("designRefusedMessage"));
    QVERIFY2(message && message->isVisible(), "no message tells why");
    QVERIFY2(message->text().contains(QStringLiteral("kaputt.tagomat")) &&
                 message->text().contains(reason),
             qPrintable(message->text()));
    QVERIFY(designState(window)->design() == before);
    QVERIFY(Settings().design() == kept);
    QCOMPARE(firstPage(window), page);
    QCOMPARE(window->ui.statusLabel->text(), status);
}

QTEST_MAIN(TestWindowDesign)
#include "test_windowdesign.moc"
