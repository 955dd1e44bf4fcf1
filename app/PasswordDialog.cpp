#include "app/PasswordDialog.h"

#include "app/ImportFailureText.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The context these texts are filed under in the translation.
struct PasswordDialogTexts {
    Q_DECLARE_TR_FUNCTIONS(PasswordDialog)
};

} // namespace

PasswordDialog::PasswordDialog(const QString &fileName, bool previousWasWrong, QWidget *parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("passwordDialog"));
    setWindowTitle(PasswordDialogTexts::tr("Passwort erforderlich"));
    auto *layout = new QVBoxLayout(this);

    auto *question =
        new QLabel(PasswordDialogTexts::tr(
                       "Die Arbeitsmappe „%1“ ist mit einem Passwort geschützt. Bitte das Passwort "
                       "eingeben:")
                       .arg(fileName),
                   this);
    question->setObjectName(QStringLiteral("passwordQuestion"));
    question->setWordWrap(true);
    layout->addWidget(question);

    if (previousWasWrong) {
        auto *reason = new QLabel(importFailureReason(xls::ReadErrorCode::WrongPassword), this);
        reason->setObjectName(QStringLiteral("passwordReason"));
        reason->setWordWrap(true);
        layout->addWidget(reason);
    }

    edit = new QLineEdit(this);
    edit->setObjectName(QStringLiteral("passwordEdit"));
    edit->setEchoMode(QLineEdit::Password);
    layout->addWidget(edit);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(PasswordDialogTexts::tr("Öffnen"));
    buttons->button(QDialogButtonBox::Cancel)->setText(PasswordDialogTexts::tr("Abbrechen"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    edit->setFocus();
}

PasswordDialog::~PasswordDialog() {
    edit->clear();
}

QString PasswordDialog::password() const {
    return edit->text();
}

std::optional<QString> PasswordDialog::ask(QWidget *parent, const QString &fileName,
                                           bool previousWasWrong) {
    PasswordDialog dialog(fileName, previousWasWrong, parent);
    dialog.setWindowModality(Qt::WindowModal);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.password();
}
