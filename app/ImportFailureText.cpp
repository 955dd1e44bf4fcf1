#include "app/ImportFailureText.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

// The context these texts are filed under in the translation.
struct ImportFailureTexts {
    Q_DECLARE_TR_FUNCTIONS(ImportFailure)
};

QString saveAsXlsHint() {
    return ImportFailureTexts::tr(
        "Bitte die Datei in Excel mit „Speichern unter“ als "
        "„Excel 97-2003-Arbeitsmappe (*.xls)“ speichern und erneut importieren.");
}

QString inLine(std::optional<std::uint64_t> line) {
    return line ? ImportFailureTexts::tr(" (Zeile %1)").arg(*line) : QString();
}

QString germanPackageName(xls::PackageContent content) {
    using xls::PackageContent;
    switch (content) {
    case PackageContent::Unknown:
        break;
    case PackageContent::WordDocument:
        return ImportFailureTexts::tr("ein Word-Dokument (.docx)");
    case PackageContent::Presentation:
        return ImportFailureTexts::tr("eine PowerPoint-Präsentation (.pptx)");
    case PackageContent::OtherOfficeOpenXml:
        return ImportFailureTexts::tr("ein Office-Dokument");
    case PackageContent::OpenDocumentText:
        return ImportFailureTexts::tr("ein OpenDocument-Text (.odt)");
    case PackageContent::OpenDocumentPresentation:
        return ImportFailureTexts::tr("eine OpenDocument-Präsentation (.odp)");
    case PackageContent::OpenDocumentDrawing:
        return ImportFailureTexts::tr("eine OpenDocument-Zeichnung (.odg)");
    case PackageContent::OtherOpenDocument:
        return ImportFailureTexts::tr("ein OpenDocument-Dokument");
    }
    return ImportFailureTexts::tr("eine ZIP-Datei");
}

QString notSpreadsheetPackage(xls::PackageContent content) {
    return ImportFailureTexts::tr(
               "Die Datei ist %1, keine Tabelle. Bitte eine Tabelle (.xls, .xlsx, .ods oder "
               ".csv) wählen.")
        .arg(germanPackageName(content));
}

} // namespace

QString importFailureReason(const xls::ReadError &error) {
    if (error.code == xls::ReadErrorCode::NotSpreadsheetPackage)
        return notSpreadsheetPackage(error.package);
    return importFailureReason(error.code, error.line);
}

QString importFailureDetail(const xls::ReadError &error) {
    if (!error)
        return {};
    QStringList parts;
    if (error.offset)
        parts << ImportFailureTexts::tr("Stelle: Byte %1").arg(*error.offset);
    if (error.line)
        parts << ImportFailureTexts::tr("Zeile %1").arg(*error.line);
    parts << ImportFailureTexts::tr("Fehlerkennung: %1")
                 .arg(QString::fromLatin1(xls::codeName(error.code)));
    return parts.join(QStringLiteral("; "));
}

QString importFailureReason(xls::ReadErrorCode code, std::optional<std::uint64_t> line) {
    using xls::ReadErrorCode;
    switch (code) {
    case ReadErrorCode::None:
        return {};
    case ReadErrorCode::FileNotOpened:
    case ReadErrorCode::FileReadFailed:
        return ImportFailureTexts::tr(
            "Die Datei kann nicht gelesen werden. Bitte prüfen, ob sie vorhanden ist "
            "und ob Sie sie öffnen dürfen.");
    case ReadErrorCode::FileTooLarge:
        return ImportFailureTexts::tr("Die Datei ist zu groß für eine Excel-Arbeitsmappe (.xls).");
    case ReadErrorCode::NotCompoundFile:
        return ImportFailureTexts::tr("Die Datei ist keine Excel-Arbeitsmappe (.xls).");
    case ReadErrorCode::OfficeOpenXml:
        return ImportFailureTexts::tr(
                   "Die Datei ist eine Arbeitsmappe im neueren Format .xlsx oder ein anderes "
                   "Office-Dokument, keine Excel-Arbeitsmappe (.xls). ") +
               saveAsXlsHint();
    case ReadErrorCode::LegacyWorksheet:
    case ReadErrorCode::Excel95Workbook:
        // Both are read now; a reader that still refuses them says so here.
        return ImportFailureTexts::tr(
                   "Die Datei ist im Format einer alten Excel-Version gespeichert, das nicht "
                   "gelesen werden kann. ") +
               saveAsXlsHint();
    case ReadErrorCode::EncryptedWorkbook:
        return ImportFailureTexts::tr(
            "Die Arbeitsmappe ist mit einem Passwort geschützt. Ohne das Passwort kann "
            "sie nicht importiert werden.");
    case ReadErrorCode::WrongPassword:
        return ImportFailureTexts::tr(
            "Falsches Passwort: Mit diesem Passwort lässt sich die Arbeitsmappe nicht "
            "öffnen. Bitte auf Groß- und Kleinschreibung achten.");
    case ReadErrorCode::UnsupportedEncryption:
        return ImportFailureTexts::tr(
            "Die Arbeitsmappe ist mit einem Verfahren verschlüsselt, das nicht gelesen "
            "werden kann. Bitte den Passwortschutz in Excel entfernen, die Datei "
            "speichern und erneut importieren.");
    case ReadErrorCode::EncryptedOfficeOpenXml:
        return ImportFailureTexts::tr(
            "Die Datei ist eine verschlüsselte Arbeitsmappe im neueren Format .xlsx, "
            "keine Excel-Arbeitsmappe (.xls). Bitte in Excel den Passwortschutz "
            "entfernen und die Datei als „Excel 97-2003-Arbeitsmappe (*.xls)“ "
            "speichern.");
    case ReadErrorCode::UnknownCodePage:
        return ImportFailureTexts::tr(
                   "Die Arbeitsmappe verwendet eine Zeichenkodierung (Codepage), die auf diesem "
                   "System nicht gelesen werden kann. ") +
               saveAsXlsHint();
    case ReadErrorCode::UnsupportedSectorSize:
        return ImportFailureTexts::tr(
                   "Die Datei ist in einer Variante des Dateiformats gespeichert, die nicht "
                   "gelesen werden kann. ") +
               saveAsXlsHint();
    case ReadErrorCode::CorruptHeader:
    case ReadErrorCode::CorruptAllocationTable:
    case ReadErrorCode::CorruptChain:
    case ReadErrorCode::CorruptDirectory:
    case ReadErrorCode::StreamExceedsChain:
    case ReadErrorCode::TruncatedFile:
    case ReadErrorCode::CorruptWorkbookStream:
    case ReadErrorCode::TruncatedWorkbookStream:
        return ImportFailureTexts::tr("Die Datei ist beschädigt oder unvollständig.");
    case ReadErrorCode::NoSuchEntry:
    case ReadErrorCode::NoWorkbookStream:
        return ImportFailureTexts::tr(
            "Die Datei enthält keine Excel-Arbeitsmappe, vielleicht ist sie ein anderes "
            "Office-Dokument.");
    case ReadErrorCode::NoWorksheet:
        return ImportFailureTexts::tr("Die Arbeitsmappe enthält kein Tabellenblatt.");
    case ReadErrorCode::TextNotDecodable:
        return ImportFailureTexts::tr(
            "Der Text der Datei passt nicht zur gewählten Zeichenkodierung. Bitte beim "
            "Textimport eine andere Kodierung wählen.");
    case ReadErrorCode::UnclosedQuote:
        return ImportFailureTexts::tr(
                   "Ein Feld in Anführungszeichen wird nicht geschlossen%1. Bitte das fehlende "
                   "Anführungszeichen in der Datei ergänzen.")
            .arg(inLine(line));
    case ReadErrorCode::TextBeyondLimits:
        return ImportFailureTexts::tr(
                   "Die Textdatei ist zu groß%1: erlaubt sind höchstens 256 MiB, 1.048.576 "
                   "Zeilen, 16.384 Felder je Zeile und 32.767 Zeichen je Feld.")
            .arg(inLine(line));
    case ReadErrorCode::CorruptZip:
    case ReadErrorCode::CorruptXml:
        return ImportFailureTexts::tr("Die Datei ist beschädigt oder unvollständig.");
    case ReadErrorCode::UnsupportedZip:
        return ImportFailureTexts::tr(
            "Die Datei ist verschlüsselt oder auf eine Weise gepackt, die nicht gelesen "
            "werden kann. Bitte die Datei in Excel oder LibreOffice ohne Kennwort neu "
            "speichern und erneut importieren.");
    case ReadErrorCode::InflateLimit:
    case ReadErrorCode::XmlLimit:
        return ImportFailureTexts::tr(
            "Die Datei überschreitet die Grenzen, die beim Import gelten (Größe, "
            "Zeilen, Spalten oder Textlänge einer Zelle), und wird nicht gelesen.");
    case ReadErrorCode::NoSpreadsheetPart:
        return ImportFailureTexts::tr(
            "Die Datei enthält keine Tabelle, die gelesen werden kann, vielleicht ist "
            "sie ein anderes Dokument.");
    case ReadErrorCode::EmptyFile:
        return ImportFailureTexts::tr("Die Datei ist leer.");
    case ReadErrorCode::NotSpreadsheetPackage:
        return notSpreadsheetPackage(xls::PackageContent::Unknown);
    case ReadErrorCode::Cancelled:
        return ImportFailureTexts::tr("Der Import wurde abgebrochen.");
    case ReadErrorCode::BinaryWorkbook:
        return ImportFailureTexts::tr(
            "Die Arbeitsmappe ist als Excel-Binärarbeitsmappe (.xlsb) gespeichert. "
            "Bitte in Excel als „Excel-Arbeitsmappe (*.xlsx)“ speichern und erneut "
            "importieren.");
    }
    // A code added to the reader later and not yet named here.
    return ImportFailureTexts::tr("Die Datei kann nicht importiert werden.");
}
