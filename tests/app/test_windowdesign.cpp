#include "WindowTestSupport.h"
#include "app/DesignDialog.h"
#include "app/DesignState.h"
#include "app/MainWindow.h"
#include "app/Settings.h"
#include "app/TextImportDialog.h"
#include "pages/DesignFile.h"

#include <QCheckBox>
#include <QComboBox>
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

} // namespace

class TestWindowDesign : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void designedBadgeSurvivesFileAndRestart();
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
