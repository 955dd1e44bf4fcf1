#include "app/JobProgress.h"

#include "pages/PrintRange.h"

#include <QApplication>
#include <QProgressDialog>

namespace {
// Events are served at most this often, so a fast job is not slowed by them.
constexpr int eventsEveryMs = 30;
constexpr int percent = 100;
} // namespace

JobProgress::JobProgress(QWidget *window, const char *objectName, int showAfterMs)
    : window(window), objectName(objectName), showAfterMs(showAfterMs) {
    running.start();
}

JobProgress::~JobProgress() = default;

bool JobProgress::reading(std::uint64_t done, std::uint64_t total) {
    return show(xls::percentDone(done, total), percent, tr("Liste wird gelesen …"));
}

bool JobProgress::printing(int page, int pages) {
    if (pages < pagesShownFrom)
        return true;
    return show(page - 1, pages, pageOfPagesText(page, pages));
}

bool JobProgress::show(int value, int maximum, const QString &label) {
    if (wasCancelled)
        return false;
    if (!dialog) {
        if (running.elapsed() < showAfterMs)
            return true;
        dialog = std::make_unique<QProgressDialog>(label, tr("Abbrechen"), 0, maximum, window);
        dialog->setObjectName(QString::fromLatin1(objectName));
        dialog->setWindowTitle(QApplication::applicationDisplayName());
        dialog->setWindowModality(Qt::WindowModal);
        dialog->setMinimumDuration(0);
        dialog->setAutoReset(false);
        dialog->setAutoClose(false);
        dialog->show();
        sinceEvents.invalidate();
    }
    dialog->setLabelText(label);
    dialog->setValue(value);
    if (!sinceEvents.isValid() || sinceEvents.elapsed() >= eventsEveryMs) {
        QCoreApplication::processEvents();
        sinceEvents.start();
    }
    wasCancelled = dialog->wasCanceled();
    return !wasCancelled;
}

PageProgress JobProgress::printCallback(QWidget *window) {
    // Shared by the copies of the callback; the dialog goes with the last.
    auto progress = std::make_shared<JobProgress>(window, printName, 0);
    return [progress](int page, int pages) {
        return progress->printing(page, pages);
    };
}
