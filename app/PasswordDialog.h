#pragma once

#include <QDialog>
#include <QString>

#include <optional>

class QLabel;
class QLineEdit;

// Asks for the password of an encrypted workbook, in German, with masked
// input. After a wrong password it says so and asks again; the caller asks
// as often as the user wants and stops on Cancel.
class PasswordDialog : public QDialog {
    Q_OBJECT

public:
    // `fileName` is shown in the question; `previousWasWrong` adds why the
    // last password did not open the workbook.
    PasswordDialog(const QString &fileName, bool previousWasWrong, QWidget *parent = nullptr);
    // Clears the input, so that the typed password does not outlive the dialog.
    ~PasswordDialog() override;

    // The password typed so far.
    QString password() const;

    // Shows the dialog window-modally and waits: the password, or nothing
    // when the user cancels.
    static std::optional<QString> ask(QWidget *parent, const QString &fileName,
                                      bool previousWasWrong);

private:
    QLineEdit *edit = nullptr;
};
