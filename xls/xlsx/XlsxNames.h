#pragma once

#include <string_view>

// Namespaces and relationship types of Office Open XML (ECMA-376), in both
// the transitional and the strict spelling.
namespace xls::xlsx {

constexpr std::string_view kMainTransitional =
    "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
constexpr std::string_view kMainStrict = "http://purl.oclc.org/ooxml/spreadsheetml/main";
constexpr std::string_view kPackageRelationships =
    "http://schemas.openxmlformats.org/package/2006/relationships";

// Relationship types end in these names under either prefix.
constexpr std::string_view kOfficeDocumentType = "/officeDocument";
constexpr std::string_view kWorksheetType = "/worksheet";
constexpr std::string_view kSharedStringsType = "/sharedStrings";

constexpr std::string_view kPackageRelationshipsPart = "_rels/.rels";
constexpr std::string_view kContentTypesPart = "[Content_Types].xml";

inline bool isMain(std::string_view uri) {
    return uri == kMainTransitional || uri == kMainStrict;
}

} // namespace xls::xlsx
