// Finding the first worksheet of an Office Open XML package: package
// relationships -> workbook -> its relationships -> the sheets in order.
#include "xls/xlsx/XlsxPackage.h"

#include "xls/xlsx/XlsxNames.h"
#include "xls/xml/XmlDocument.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace xls::xlsx {

namespace {

// Relationship elements of a .rels part.
class RelationshipsHandler : public XmlHandler {
public:
    std::vector<Relationship> found;

    void startElement(const XmlName &name, const XmlAttributes &attributes) override {
        if (name.local != "Relationship")
            return;
        const char *id = attributes.find("Id");
        const char *type = attributes.find("Type");
        const char *target = attributes.find("Target");
        const char *mode = attributes.find("TargetMode");
        if (id && type && target && !(mode && std::string_view(mode) == "External"))
            found.push_back({id, type, target});
    }
    void endElement(const XmlName &) override {}
    void characters(std::string_view) override {}
};

// The r:id of each sheet of workbook.xml, in order.
class WorkbookHandler : public XmlHandler {
public:
    std::vector<std::string> sheetIds;

    void startElement(const XmlName &name, const XmlAttributes &attributes) override {
        if (name.local != "sheet" || !isMain(name.ns))
            return;
        // r:id, in the transitional or strict relationships namespace.
        for (std::string_view uri :
             {"http://schemas.openxmlformats.org/officeDocument/2006/relationships",
              "http://purl.oclc.org/ooxml/officeDocument/relationships"}) {
            if (const char *id = attributes.find(uri, "id")) {
                sheetIds.emplace_back(id);
                return;
            }
        }
    }
    void endElement(const XmlName &) override {}
    void characters(std::string_view) override {}
};

// ECMA-376 Part 2, 10.1.2: the content type of one part, from its Override
// or else from the Default for its extension.
class ContentTypesHandler : public XmlHandler {
public:
    ContentTypesHandler(std::string_view part, std::string_view extension)
        : part(part), extension(extension) {}
    std::string overrideType, defaultType;

    void startElement(const XmlName &name, const XmlAttributes &attributes) override {
        const std::string_view local = name.local;
        const char *type = attributes.find("ContentType");
        if (!type)
            return;
        if (local == "Override") {
            const char *name = attributes.find("PartName");
            if (name && equalIgnoringCase(name, part))
                overrideType = type;
        } else if (local == "Default") {
            const char *name = attributes.find("Extension");
            if (name && equalIgnoringCase(name, extension))
                defaultType = type;
        }
    }
    void endElement(const XmlName &) override {}
    void characters(std::string_view) override {}

private:
    // Part names and extensions compare ignoring ASCII case (Part 2, 9.1.1.1).
    static bool equalIgnoringCase(std::string_view a, std::string_view b) {
        return a.size() == b.size() &&
               std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
                   return std::tolower(static_cast<unsigned char>(x)) ==
                          std::tolower(static_cast<unsigned char>(y));
               });
    }
    std::string part, extension;
};

bool contains(std::string_view text, std::string_view word) {
    return text.find(word) != std::string_view::npos;
}

// Which document a main part content type names; nullopt for a workbook or a
// type that names no main document (a bare "application/xml").
std::optional<PackageContent> contentOfType(std::string_view type) {
    if (contains(type, "spreadsheetml") || contains(type, "application/vnd.ms-excel"))
        return std::nullopt;
    if (contains(type, "wordprocessingml") || contains(type, "application/vnd.ms-word"))
        return PackageContent::WordDocument;
    if (contains(type, "presentationml") || contains(type, "application/vnd.ms-powerpoint"))
        return PackageContent::Presentation;
    if (contains(type, ".main+xml"))
        return PackageContent::OtherOfficeOpenXml;
    return std::nullopt;
}

bool endsWith(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

std::string folderOf(std::string_view part) {
    const auto slash = part.rfind('/');
    return slash == std::string_view::npos ? std::string() : std::string(part.substr(0, slash + 1));
}

} // namespace

std::optional<std::string> resolveTarget(std::string_view sourcePart, std::string_view target) {
    std::string path = !target.empty() && target.front() == '/'
                           ? std::string(target.substr(1))
                           : folderOf(sourcePart) + std::string(target);
    // Resolves "." and ".." segments; one that climbs above the root is refused.
    std::vector<std::string> segments;
    std::size_t start = 0;
    while (start <= path.size()) {
        const std::size_t end = std::min(path.find('/', start), path.size());
        const std::string segment = path.substr(start, end - start);
        if (segment == "..") {
            if (segments.empty())
                return std::nullopt;
            segments.pop_back();
        } else if (!segment.empty() && segment != ".") {
            segments.push_back(segment);
        }
        start = end + 1;
    }
    std::string out;
    for (const std::string &segment : segments)
        out += (out.empty() ? "" : "/") + segment;
    return out;
}

std::string relationshipsPartOf(std::string_view part) {
    const auto slash = part.rfind('/');
    const std::string_view name = slash == std::string_view::npos ? part : part.substr(slash + 1);
    return folderOf(part) + "_rels/" + std::string(name) + ".rels";
}

bool readRelationships(Package &package, std::string_view relsPart, std::vector<Relationship> &out,
                       ReadError &error) {
    out.clear();
    const ZipEntry *entry = package.zip.find(relsPart);
    if (!entry)
        return true; // no relationships
    RelationshipsHandler handler;
    if (!parseZipEntry(package.zip, *entry, handler, package.budget, error))
        return false;
    out = std::move(handler.found);
    return true;
}

bool findWorkbookPart(Package &package, std::string &workbookPart, ReadError &error) {
    std::vector<Relationship> relationships;
    if (!readRelationships(package, kPackageRelationshipsPart, relationships, error))
        return false;
    for (const Relationship &relationship : relationships) {
        if (!endsWith(relationship.type, kOfficeDocumentType))
            continue;
        const auto part = resolveTarget("", relationship.target);
        if (part && package.zip.find(*part)) {
            workbookPart = *part;
            if (endsWith(workbookPart, ".bin")) {
                error = {ReadErrorCode::BinaryWorkbook,
                         "an Excel binary workbook (.xlsb), which this reader does not read",
                         std::nullopt};
                return false;
            }
            return true;
        }
    }
    error = {ReadErrorCode::NoSpreadsheetPart,
             "the package relationships name no office document that is present", std::nullopt};
    return false;
}

bool checkWorkbookContentType(Package &package, std::string_view workbookPart, ReadError &error) {
    const ZipEntry *entry = package.zip.find(kContentTypesPart);
    if (!entry)
        return true;
    const auto dot = workbookPart.rfind('.');
    const std::string_view extension =
        dot == std::string_view::npos ? std::string_view() : workbookPart.substr(dot + 1);
    // Appended, not "/" + std::string(...): gcc 12 warns wrongly of an
    // overlapping copy in that operator+ (-Wrestrict).
    std::string partName = "/";
    partName += workbookPart;
    ContentTypesHandler handler(partName, extension);
    if (!parseZipEntry(package.zip, *entry, handler, package.budget, error))
        return false;
    const std::string &type =
        handler.overrideType.empty() ? handler.defaultType : handler.overrideType;
    const std::optional<PackageContent> content = contentOfType(type);
    if (!content)
        return true;
    error = {ReadErrorCode::NotSpreadsheetPackage,
             std::string(packageContentName(*content)) + ": its office document " +
                 std::string(workbookPart) + " has the content type " + type,
             entry->headerOffset, std::nullopt, *content};
    return false;
}

bool findFirstWorksheet(Package &package, std::string_view workbookPart, SheetParts &parts,
                        ReadError &error) {
    std::vector<Relationship> relationships;
    if (!readRelationships(package, relationshipsPartOf(workbookPart), relationships, error))
        return false;
    const ZipEntry *workbook = package.zip.find(workbookPart);
    WorkbookHandler handler;
    if (!parseZipEntry(package.zip, *workbook, handler, package.budget, error))
        return false;
    for (const Relationship &relationship : relationships) {
        if (endsWith(relationship.type, kSharedStringsType))
            parts.sharedStrings = resolveTarget(workbookPart, relationship.target).value_or("");
    }
    // Chart, dialog and macro sheets have relationship types of their own.
    for (const std::string &id : handler.sheetIds) {
        for (const Relationship &relationship : relationships) {
            if (relationship.id != id || !endsWith(relationship.type, kWorksheetType))
                continue;
            const auto part = resolveTarget(workbookPart, relationship.target);
            if (part && package.zip.find(*part)) {
                parts.worksheet = *part;
                return true;
            }
        }
    }
    error = {ReadErrorCode::NoWorksheet, "the workbook holds no worksheet", std::nullopt};
    return false;
}

} // namespace xls::xlsx
