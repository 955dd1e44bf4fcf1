#pragma once

#include <QStringList>

#include <optional>

// The columns of a list that keeps first and last names apart.
struct NameColumns {
    int firstName = 0;
    int lastName = 0;
    friend bool operator==(const NameColumns &, const NameColumns &) = default;
};

// Finds a first-name column ("Vorname") and a last-name column ("Nachname",
// "Name") by their whole captions, in any letter case and without surrounding
// spaces; the first of each counts. None unless both are there.
std::optional<NameColumns> findNameColumns(const QStringList &captions);

// The line that prints both names together: "«Vorname» «Nachname»".
QString fullNameLine(const QStringList &captions, NameColumns columns);
