#include "app/ImportFailureText.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

QString text(const char *source) {
    return QCoreApplication::translate("ImportFailure", source);
}

QString saveAsXlsHint() {
    return text("Bitte die Datei in Excel mit „Speichern unter“ als "
                "„Excel 97-2003-Arbeitsmappe (*.xls)“ speichern und erneut importieren.");
}

QString inLine(std::optional<std::uint64_t> line) {
    return line ? text(" (Zeile %1)").arg(*line) : QString();
}

QString germanPackageName(xls::PackageContent content) {
    using xls::PackageContent;
    switch (content) {
    case PackageContent::Unknown:
        break;
    case PackageContent::WordDocument:
        return text("ein Word-Dokument (.docx)");
    case PackageContent::Presentation:
        return text("eine PowerPoint-Präsentation (.pptx)");
    case PackageContent::OtherOfficeOpenXml:
        return text("ein Office-Dokument");
    case PackageContent::OpenDocumentText:
        return text("ein OpenDocument-Text (.odt)");
    case PackageContent::OpenDocumentPresentation:
        return text("eine OpenDocument-Präsentation (.odp)");
    case PackageContent::OpenDocumentDrawing:
        return text("eine OpenDocument-Zeichnung (.odg)");
    case PackageContent::OtherOpenDocument:
        return text("ein OpenDocument-Dokument");
    }
    return text("eine ZIP-Datei");
}

QString notSpreadsheetPackage(xls::PackageContent content) {
    return text("Die Datei ist %1, keine Tabelle. Bitte eine Tabelle (.xls, .xlsx, .ods oder "
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
        parts << text("Stelle: Byte %1").arg(*error.offset);
    if (error.line)
        parts << text("Zeile %1").arg(*error.line);
    parts << text("Fehlerkennung: %1").arg(QString::fromLatin1(xls::codeName(error.code)));
    return parts.join(QStringLiteral("; "));
}

QString importFailureReason(xls::ReadErrorCode code, std::optional<std::uint64_t> line) {
    using xls::ReadErrorCode;
    switch (code) {
    case ReadErrorCode::None:
        return {};
    case ReadErrorCode::FileNotOpened:
    case ReadErrorCode::FileReadFailed:
        return text("Die Datei kann nicht gelesen werden. Bitte prüfen, ob sie vorhanden ist "
                    "und ob Sie sie öffnen dürfen.");
    case ReadErrorCode::FileTooLarge:
        return text("Die Datei ist zu groß für eine Excel-Arbeitsmappe (.xls).");
    case ReadErrorCode::NotCompoundFile:
        return text("Die Datei ist keine Excel-Arbeitsmappe (.xls).");
    case ReadErrorCode::OfficeOpenXml:
        return text("Die Datei ist eine Arbeitsmappe im neueren Format .xlsx oder ein anderes "
                    "Office-Dokument, keine Excel-Arbeitsmappe (.xls). ") +
               saveAsXlsHint();
    case ReadErrorCode::LegacyWorksheet:
    case ReadErrorCode::Excel95Workbook:
        // Both are read now; a reader that still refuses them says so here.
        return text("Die Datei ist im Format einer alten Excel-Version gespeichert, das nicht "
                    "gelesen werden kann. ") +
               saveAsXlsHint();
    case ReadErrorCode::EncryptedWorkbook:
        return text("Die Arbeitsmappe ist mit einem Passwort geschützt. Ohne das Passwort kann "
                    "sie nicht importiert werden.");
    case ReadErrorCode::WrongPassword:
        return text("Falsches Passwort: Mit diesem Passwort lässt sich die Arbeitsmappe nicht "
                    "öffnen. Bitte auf Groß- und Kleinschreibung achten.");
    case ReadErrorCode::UnsupportedEncryption:
        return text("Die Arbeitsmappe ist mit einem Verfahren verschlüsselt, das nicht gelesen "
                    "werden kann. Bitte den Passwortschutz in Excel entfernen, die Datei "
                    "speichern und erneut importieren.");
    case ReadErrorCode::EncryptedOfficeOpenXml:
        return text("Die Datei ist eine verschlüsselte Arbeitsmappe im neueren Format .xlsx, "
                    "keine Excel-Arbeitsmappe (.xls). Bitte in Excel den Passwortschutz "
                    "entfernen und die Datei als „Excel 97-2003-Arbeitsmappe (*.xls)“ "
                    "speichern.");
    case ReadErrorCode::UnknownCodePage:
        return text("Die Arbeitsmappe verwendet eine Zeichenkodierung (Codepage), die auf diesem "
                    "System nicht gelesen werden kann. ") +
               saveAsXlsHint();
    case ReadErrorCode::UnsupportedSectorSize:
        return text("Die Datei ist in einer Variante des Dateiformats gespeichert, die nicht "
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
        return text("Die Datei ist beschädigt oder unvollständig.");
    case ReadErrorCode::NoSuchEntry:
    case ReadErrorCode::NoWorkbookStream:
        return text("Die Datei enthält keine Excel-Arbeitsmappe, vielleicht ist sie ein anderes "
                    "Office-Dokument.");
    case ReadErrorCode::NoWorksheet:
        return text("Die Arbeitsmappe enthält kein Tabellenblatt.");
    case ReadErrorCode::TextNotDecodable:
        return text("Der Text der Datei passt nicht zur gewählten Zeichenkodierung. Bitte beim "
                    "Textimport eine andere Kodierung wählen.");
    case ReadErrorCode::UnclosedQuote:
        return text("Ein Feld in Anführungszeichen wird nicht geschlossen%1. Bitte das fehlende "
                    "Anführungszeichen in der Datei ergänzen.")
            .arg(inLine(line));
    case ReadErrorCode::TextBeyondLimits:
        return text("Die Textdatei ist zu groß%1: erlaubt sind höchstens 256 MiB, 1.048.576 "
                    "Zeilen, 16.384 Felder je Zeile und 32.767 Zeichen je Feld.")
            .arg(inLine(line));
    case ReadErrorCode::CorruptZip:
    case ReadErrorCode::CorruptXml:
        return text("Die Datei ist beschädigt oder unvollständig.");
    case ReadErrorCode::UnsupportedZip:
        return text("Die Datei ist verschlüsselt oder auf eine Weise gepackt, die nicht gelesen "
                    "werden kann. Bitte die Datei in Excel oder LibreOffice ohne Kennwort neu "
                    "speichern und erneut importieren.");
    case ReadErrorCode::InflateLimit:
    case ReadErrorCode::XmlLimit:
        return text("Die Datei überschreitet die Grenzen, die beim Import gelten (Größe, "
                    "Zeilen, Spalten oder Textlänge einer Zelle), und wird nicht gelesen.");
    case ReadErrorCode::NoSpreadsheetPart:
        return text("Die Datei enthält keine Tabelle, die gelesen werden kann, vielleicht ist "
                    "sie ein anderes Dokument.");
    case ReadErrorCode::EmptyFile:
        return text("Die Datei ist leer.");
    case ReadErrorCode::NotSpreadsheetPackage:
        return notSpreadsheetPackage(xls::PackageContent::Unknown);
    case ReadErrorCode::Cancelled:
        return text("Der Import wurde abgebrochen.");
    case ReadErrorCode::BinaryWorkbook:
        return text("Die Arbeitsmappe ist als Excel-Binärarbeitsmappe (.xlsb) gespeichert. "
                    "Bitte in Excel als „Excel-Arbeitsmappe (*.xlsx)“ speichern und erneut "
                    "importieren.");
    }
    // A code added to the reader later and not yet named here.
    return text("Die Datei kann nicht importiert werden.");
}
