#include "pages/CodeText.h"

#include <algorithm>

namespace {

const QString crlf = QStringLiteral("\r\n");

// RFC 2426 section 4: backslash, comma and semicolon are escaped with a
// backslash, a line break is written \n.
QString escaped(QString value) {
    value.replace(u'\\', QStringLiteral("\\\\"));
    value.replace(u',', QStringLiteral("\\,"));
    value.replace(u';', QStringLiteral("\\;"));
    value.replace(QStringLiteral("\r\n"), QStringLiteral("\\n"));
    value.replace(u'\r', QStringLiteral("\\n"));
    value.replace(u'\n', QStringLiteral("\\n"));
    return value;
}

QString cell(const ImportedTable &table, int column, int row) {
    return column < 0 ? QString() : table.value(column).value(row).trimmed();
}

} // namespace

QString vCardText(const VCardFields &person) {
    const QString first = person.firstName.trimmed();
    const QString last = person.lastName.trimmed();
    const QString company = person.company.trimmed();
    const QString email = person.email.trimmed();
    if (first.isEmpty() && last.isEmpty() && company.isEmpty() && email.isEmpty())
        return {};
    QStringList names;
    for (const QString &name : {first, last})
        if (!name.isEmpty())
            names << escaped(name);
    const QString fullName = names.join(u' ');
    QString card = QStringLiteral("BEGIN:VCARD") + crlf + QStringLiteral("VERSION:3.0") + crlf;
    card += QStringLiteral("N:%1;%2;;;").arg(escaped(last), escaped(first)) + crlf;
    card += QStringLiteral("FN:") + fullName + crlf;
    if (!company.isEmpty())
        card += QStringLiteral("ORG:") + escaped(company) + crlf;
    if (!email.isEmpty())
        card += QStringLiteral("EMAIL;TYPE=INTERNET:") + escaped(email) + crlf;
    return card + QStringLiteral("END:VCARD") + crlf;
}

RowDetails::RowDetails(const ImportedTable &table, const CodeContent &code, int categoryColumn)
    : table(table), code(code), categoryColumn(categoryColumn) {
    if (code.kind == CodeContent::Kind::Template)
        codeTemplate = LabelTemplate::parse(code.templateText, captionsOf(table));
}

QString RowDetails::codeText(int row) const {
    switch (code.kind) {
    case CodeContent::Kind::None:
        return {};
    case CodeContent::Kind::Template:
        return codeTemplate.labelLines(table, row).join(u'\n');
    case CodeContent::Kind::VCard:
        return vCardText(
            {cell(table, code.firstNameColumn, row), cell(table, code.lastNameColumn, row),
             cell(table, code.companyColumn, row), cell(table, code.emailColumn, row)});
    }
    return {};
}

QString RowDetails::category(int row) const {
    return cell(table, categoryColumn, row);
}

bool RowDetails::isEmpty() const {
    return code.kind == CodeContent::Kind::None && categoryColumn < 0;
}
