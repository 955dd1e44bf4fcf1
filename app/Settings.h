#pragma once

#include "app/SheetSettings.h"
#include "app/WindowSettings.h"
#include "pages/DesignFile.h"

#include <QString>
#include <QStringList>

#include <memory>

class QSettings;

// The one owner of what Tagomat keeps between runs, and the only code that
// opens QSettings. All of it lives in one file of the user's settings, filed
// under organisation and application "Tagomat", in four groups:
//   window/     the window and the label grid (WindowSettings)
//   sheets/     label sheets, frames and printer offsets (SheetSettings)
//   labelText/  the label text per set of captions
//   design/     the label design, as a .tagomat file holds it
// Opening carries the keys older versions wrote over to these groups once.
class Settings {
public:
    // The names Qt knows the program by; the settings file is named after them.
    static QString organisationName();
    static QString applicationName();

    Settings();
    ~Settings();
    Settings(const Settings &) = delete;
    Settings &operator=(const Settings &) = delete;

    // Missing or out-of-range values read as the first start's defaults.
    WindowSettings window() const;
    void setWindow(const WindowSettings &window);
    // Kept sheets that no longer read as valid sheets are left out.
    SheetSettings sheets() const;
    void setSheets(const SheetSettings &sheets);
    // The label text's lines kept for a list with these captions; empty when
    // none are kept. A text kept by older versions, its lines joined by "|",
    // reads as they read it.
    QStringList labelLines(const QStringList &captions) const;
    void setLabelLines(const QStringList &captions, const QStringList &lines);
    void forgetLabelText(const QStringList &captions);
    // The design last used; one missing or no longer readable reads as the
    // default design (plain text in the label font).
    SavedDesign design() const;
    void setDesign(const SavedDesign &design);

private:
    void carryOverOldKeys();

    std::unique_ptr<QSettings> store;
};
