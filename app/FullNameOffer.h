#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

class QLabel;

// The status line's one-click offer for lists that keep first and last names
// apart: "Vorname und Nachname zusammen drucken?" with a button that sets the
// first label line to both names. Nothing changes without that click.
class FullNameOffer : public QWidget {
    Q_OBJECT

public:
    explicit FullNameOffer(QWidget *parent = nullptr);

    // Shown after an import whose captions hold a first-name and a last-name
    // column, unless line 1 already prints both; hidden otherwise.
    void offerFor(const QStringList &captions, const QString &firstLine);

signals:
    // The user took the offer: the first label line to print.
    void accepted(const QString &firstLine);

private:
    QString offeredLine;
};
