#include "app/FullNameOffer.h"

#include "pages/NameColumns.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace {
// The context these texts are filed under in the translation.
struct FullNameOfferTexts {
    Q_DECLARE_TR_FUNCTIONS(FullNameOffer)
};
} // namespace

FullNameOffer::FullNameOffer(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("fullNameOffer"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *question = new QLabel(FullNameOfferTexts::tr("Vorname und Nachname zusammen drucken?"));
    auto *accept = new QPushButton(FullNameOfferTexts::tr("Ja, zusammen"));
    accept->setObjectName(QStringLiteral("fullNameOfferButton"));
    auto *dismiss = new QPushButton(FullNameOfferTexts::tr("Nein"));
    dismiss->setObjectName(QStringLiteral("fullNameDismissButton"));
    layout->addWidget(question);
    layout->addWidget(accept);
    layout->addWidget(dismiss);
    layout->addStretch();
    connect(accept, &QPushButton::clicked, this, [this] {
        hide();
        emit accepted(offeredLine);
    });
    connect(dismiss, &QPushButton::clicked, this, &QWidget::hide);
    hide();
}

void FullNameOffer::offerFor(const QStringList &captions, const QString &firstLine) {
    const std::optional<NameColumns> names = findNameColumns(captions);
    offeredLine = names ? fullNameLine(captions, *names) : QString();
    setVisible(names && firstLine != offeredLine);
}
