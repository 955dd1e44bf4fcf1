#pragma once

#include "pages/LabelSheet.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// What reading gLabels template files gave: the sheets Tagomat can print on,
// and for every template it left out, why.
struct GLabelsImport {
    QList<LabelSheet> sheets;
    QStringList skipped; // "Brand Part: reason", in German
    // Set when the file as a whole is not a template file; then nothing was read.
    QString error;
};

// The most bytes and templates read from one file; gLabels' largest file
// has a few hundred templates in some 200 KB.
inline constexpr qsizetype maximumTemplateFileBytes = 16 * 1024 * 1024;
inline constexpr qsizetype maximumTemplatesPerFile = 20000;

// Reads a gLabels template file (<Glabels-templates> with <Template>
// elements, as installed under /usr/share/libglabels-3.0/templates/). Takes
// A4 and US-Letter templates of one rectangle, round or ellipse label with
// one layout; lengths in pt, in, mm, cm or pc, a bare number in pt. A
// template with equiv="" adds its part number as an alias to the template of
// the same brand read before it in the file. A document type declaration is
// refused, so no entity can be declared or expanded.
GLabelsImport readGLabelsTemplates(const QByteArray &xml, const QString &sourceName = QString());

// A gLabels length ("12.5mm", "1in", "36") in millimetres; false for
// anything else.
bool parseGLabelsLength(const QString &text, double *mm);
