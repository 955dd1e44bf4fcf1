#pragma once

#include "pages/LabelDesign.h"
#include "pages/LabelSheet.h"
#include "pages/LabelSource.h"

#include <QByteArray>
#include <QFont>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// A whole label design as a .tagomat file keeps it: the sheet, the label
// font, the look, and the column choices by caption, so that it applies to
// any list whose captions match.
struct SavedDesign {
    static constexpr int currentVersion = 1;

    // A catalogue sheet (kept by its code) or a sheet of one's own (kept in
    // full); none: the grid of the label size the window has.
    std::optional<LabelSheet> sheet;
    QFont font;
    LabelDesign look;

    // The column choices, by caption.
    QString labelText;       // the label text's form, e.g. "«Vorname» «Nachname»|«Firma»"
    QString quantityCaption; // empty: every label once
    CodeContent::Kind codeKind = CodeContent::Kind::None;
    QString codeTemplate;
    // First name, last name, company and e-mail of a vCard; empty for none.
    QStringList vCardCaptions;
    QString categoryCaption;
    struct SortCaption {
        QString caption;
        bool descending = false;
        friend bool operator==(const SortCaption &, const SortCaption &) = default;
    };
    QList<SortCaption> sortCaptions;
    bool skipCaptions = false;
    bool mergeEqual = true;

    // The choice for a table with these captions; a caption it does not have
    // chooses nothing (a field keeps its caption and gives no text).
    LabelChoice choiceFor(const QStringList &captions) const;
    // Keeps a choice by the captions of its table.
    void setChoice(const LabelChoice &choice, const QStringList &captions);

    friend bool operator==(const SavedDesign &, const SavedDesign &) = default;
};

// The limits a design file is read with. The design dialog and the command
// line keep them too, so that every design they make can be read back.
namespace designLimits {
inline constexpr qsizetype fileBytes = 32 * 1024 * 1024;
inline constexpr qsizetype pictureBytes = 16 * 1024 * 1024;
inline constexpr qsizetype pictures = 8;
// All pictures together: in Base64 (4 characters for 3 bytes) they leave
// room in the file for everything else.
inline constexpr qsizetype allPictureBytes = 20 * 1024 * 1024;
} // namespace designLimits

// Why a design cannot take one more picture of this many bytes, in German:
// the picture is too large, it would be one too many, or the pictures would
// be too large together. Empty when it can.
QString pictureRoomProblem(const LabelDesign &look, qsizetype addedBytes);

// A design as a .tagomat file: versioned JSON, pictures embedded.
QByteArray writeDesign(const SavedDesign &design);
// Reads a .tagomat file; a damaged file, one of a newer version or one whose
// values cannot be used gives nothing and the reason, in German.
std::optional<SavedDesign> readDesign(const QByteArray &bytes, QString *reason);

// The designs that come with the program.
struct DesignPreset {
    QString name; // "Namensschild mit Logo", "Namensschild mit QR-Code", "Adressetikett"
    SavedDesign design;
};
QList<DesignPreset> designPresets();
