#pragma once

#include "pages/LabelJob.h"
#include "xls/common/LoadProgress.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QString>

#include <memory>

class QProgressDialog;
class QWidget;

// The progress dialog of one long job of the window (an import, a print run),
// fed by the job's own callback. It shows only once the job has run for a
// while (an import) or is long (a print run), and while it shows, the callback
// serves the event loop, so the dialog paints and its "Abbrechen" is heard.
class JobProgress {
    Q_DECLARE_TR_FUNCTIONS(JobProgress)

public:
    // Object names the dialogs carry.
    static constexpr const char *importName = "importProgress";
    static constexpr const char *printName = "printProgress";
    // A print run of more pages than this shows its progress.
    static constexpr int pagesShownFrom = 21;

    JobProgress(QWidget *window, const char *objectName, int showAfterMs);
    ~JobProgress();
    JobProgress(const JobProgress &) = delete;
    JobProgress &operator=(const JobProgress &) = delete;

    // "Liste wird gelesen …" at the reader's share of its work, as a percentage.
    bool reading(std::uint64_t done, std::uint64_t total);
    // "Seite 5 von 120" before page 5 is painted.
    bool printing(int page, int pages);
    bool cancelled() const { return wasCancelled; }

    // A load's callback that reports here; the progress must outlive the load.
    xls::ProgressCallback readingCallback() {
        return [this](std::uint64_t done, std::uint64_t total) {
            return reading(done, total);
        };
    }
    // A print run's callback: a progress of its own, made for the window.
    static PageProgress printCallback(QWidget *window);

private:
    // Shows the dialog once it is due and serves the events; false once cancelled.
    bool show(int value, int maximum, const QString &label);

    QPointer<QWidget> window;
    const char *objectName;
    int showAfterMs;
    QElapsedTimer running;
    QElapsedTimer sinceEvents;
    std::unique_ptr<QProgressDialog> dialog;
    bool wasCancelled = false;
};
