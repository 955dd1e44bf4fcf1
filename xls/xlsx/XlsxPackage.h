#pragma once

#include "xls/common/ReadError.h"
#include "xls/zip/ZipArchive.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace xls::xlsx {

struct Package {
    const ZipArchive &zip;
    InflateBudget budget;
};

struct Relationship {
    std::string id;
    std::string type;
    std::string target;
};

struct SheetParts {
    std::string worksheet;
    std::string sharedStrings; // empty when the workbook has none
};

// The part a relationship target names, relative to its source part's folder
// (or to the root when it starts with '/'); nullopt when ".." climbs above it.
std::optional<std::string> resolveTarget(std::string_view sourcePart, std::string_view target);
// "xl/workbook.xml" -> "xl/_rels/workbook.xml.rels".
std::string relationshipsPartOf(std::string_view part);

bool readRelationships(Package &package, std::string_view relsPart, std::vector<Relationship> &out,
                       ReadError &error);
bool findWorkbookPart(Package &package, std::string &workbookPart, ReadError &error);
// Refuses, as NotSpreadsheetPackage, a package whose office document is by its
// content type a Word document, a presentation or another main document than
// a workbook. A part without a stated type is given the benefit of the doubt.
bool checkWorkbookContentType(Package &package, std::string_view workbookPart, ReadError &error);
bool findFirstWorksheet(Package &package, std::string_view workbookPart, SheetParts &parts,
                        ReadError &error);

} // namespace xls::xlsx
