#pragma once

#include "import/ImportedTable.h"
#include "pages/LabelDesign.h"
#include "pages/LabelTemplate.h"

#include <QString>
#include <QStringList>

// The parts of a person a vCard is made of; empty parts are left out.
struct VCardFields {
    QString firstName;
    QString lastName;
    QString company;
    QString email;
};

// A vCard 3.0 (RFC 2426) of a person, lines ended CRLF, values escaped.
// N and FN are always written; ORG and EMAIL only with a value. Empty when
// the person has no value at all.
QString vCardText(const VCardFields &person);

// What a row of a table gives its label beside the lines: the text its code
// encodes and the value that picks its colour.
class RowDetails {
public:
    RowDetails(const ImportedTable &table, const CodeContent &code, int categoryColumn);

    // Empty without a code or when the row gives the code nothing.
    QString codeText(int row) const;
    // The category column's value without surrounding spaces.
    QString category(int row) const;
    // Whether any label gets a code text or category at all.
    bool isEmpty() const;

private:
    ImportedTable table;
    CodeContent code;
    LabelTemplate codeTemplate;
    int categoryColumn;
};
