// The window asks for the password of an encrypted workbook: the corpus's
// poi/password.xls (password "password", RC4) through the real dialog,
// answered as a user would, as often as the user wants.
#include "WindowTestSupport.h"
#include "app/PasswordDialog.h"
#include "support/TestPaths.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressDialog>
#include <QTimer>

using namespace windowtest;

static PrivateConfigHome privateConfigHome;

namespace {

constexpr const char *cancel = "<cancel>";

// Answers the password dialogs that the next blocking call opens, one answer
// each, and records whether each dialog said the previous password was wrong.
struct PromptAnswers {
    QStringList answers;
    QList<bool> saidWrong;
    bool allMasked = true;

    void arm() {
        if (saidWrong.size() >= answers.size())
            return;
        whenModal<PasswordDialog>([this](PasswordDialog *dialog) { answer(dialog); }, &handled);
    }

private:
    void answer(PasswordDialog *dialog) {
        const QString reply = answers.at(saidWrong.size());
        auto *reason = dialog->findChild<QLabel *>("passwordReason");
        saidWrong << (reason && reason->text().contains(QString::fromUtf8("Falsches Passwort")));
        auto *edit = dialog->findChild<QLineEdit *>("passwordEdit");
        allMasked = allMasked && edit && edit->echoMode() == QLineEdit::Password;
        arm(); // for the dialog that may follow this one
        if (reply == QLatin1String(cancel) || !edit)
            return dialog->reject();
        edit->setText(reply);
        dialog->accept();
    }

    bool handled = false;
};

} // namespace

class TestWindowPassword : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void askedAsOftenAsTheUserWants_data();
    void askedAsOftenAsTheUserWants();

private:
    MainWindow *window = nullptr;
};

void TestWindowPassword::init() {
    window = new MainWindow;
}

void TestWindowPassword::cleanup() {
    delete window;
    window = nullptr;
}

void TestWindowPassword::askedAsOftenAsTheUserWants_data() {
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QList<bool>>("saidWrong"); // per dialog: the previous password was wrong
    QTest::addColumn<bool>("imported");

    QTest::newRow("right password") << QStringList{"password"} << QList<bool>{false} << true;
    QTest::newRow("wrong, then right")
        << QStringList{"Passwort", "password"} << QList<bool>{false, true} << true;
    QTest::newRow("wrong twice, then right")
        << QStringList{"x", "PASSWORD", "password"} << QList<bool>{false, true, true} << true;
    QTest::newRow("cancel") << QStringList{cancel} << QList<bool>{false} << false;
    QTest::newRow("wrong, then cancel")
        << QStringList{"geheim", cancel} << QList<bool>{false, true} << false;
}

void TestWindowPassword::askedAsOftenAsTheUserWants() {
    QFETCH(QStringList, answers);
    QFETCH(QList<bool>, saidWrong);
    QFETCH(bool, imported);
    if (testpaths::corpusDir().isEmpty())
        QSKIP("the real-world corpus folder is absent (TAGOMAT_XLS_CORPUS)");
    window->show();
    QVERIFY(window->importXLSFile(testpaths::dataFile("workbooks/teilnehmer-xlwt.xls")));
    const QString before = treeValue(window, "Datei");

    PromptAnswers prompts;
    prompts.answers = answers;
    prompts.arm();
    // The import read again with the password shows its progress like any
    // other: seen whenever events are served while it runs.
    window->progressDelayMs = 0;
    bool progressSeen = false;
    QTimer watch;
    connect(&watch, &QTimer::timeout, [&] {
        const auto *dialog = window->findChild<QProgressDialog *>("importProgress");
        progressSeen = progressSeen || (dialog && dialog->isVisible());
    });
    watch.start(0);
    const bool result =
        window->importXLSFile(testpaths::corpusDir() + QStringLiteral("/poi/password.xls"));
    watch.stop();

    QCOMPARE(prompts.saidWrong, saidWrong);
    QVERIFY2(prompts.allMasked, "the password was shown in clear");
    QCOMPARE(result, imported);
    QCOMPARE(progressSeen, imported);
    QCOMPARE(treeValue(window, "Datei"), imported ? QStringLiteral("password.xls") : before);
    // Cancel is the user's choice: no failure message follows it.
    QVERIFY(!window->findChild<QMessageBox *>("importFailedMessage"));
}

QTEST_MAIN(TestWindowPassword)
#include "test_windowpassword.moc"
