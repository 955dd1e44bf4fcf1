#include "pages/NameColumns.h"

#include "pages/LabelTemplate.h"

namespace {

// Whole captions only, so "Firmenname" or "Name des Hotels" is no last name.
const QStringList firstNameCaptions{QStringLiteral("Vorname"),   QStringLiteral("Vornamen"),
                                    QStringLiteral("Rufname"),   QStringLiteral("First name"),
                                    QStringLiteral("Firstname"), QStringLiteral("Given name")};
const QStringList lastNameCaptions{QStringLiteral("Nachname"),     QStringLiteral("Name"),
                                   QStringLiteral("Familienname"), QStringLiteral("Zuname"),
                                   QStringLiteral("Last name"),    QStringLiteral("Lastname"),
                                   QStringLiteral("Surname")};

int firstColumnCaptioned(const QStringList &captions, const QStringList &wanted) {
    for (int column = 0; column < captions.size(); ++column)
        if (wanted.contains(captions.at(column).trimmed(), Qt::CaseInsensitive))
            return column;
    return -1;
}

} // namespace

std::optional<NameColumns> findNameColumns(const QStringList &captions) {
    const int firstName = firstColumnCaptioned(captions, firstNameCaptions);
    const int lastName = firstColumnCaptioned(captions, lastNameCaptions);
    if (firstName < 0 || lastName < 0)
        return std::nullopt;
    return NameColumns{firstName, lastName};
}

QString fullNameLine(const QStringList &captions, NameColumns columns) {
    return fieldText(captions, columns.firstName) + u' ' + fieldText(captions, columns.lastName);
}
