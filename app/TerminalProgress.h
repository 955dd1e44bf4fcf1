#pragma once

#include "pages/LabelJob.h"
#include "xls/common/LoadProgress.h"

#include <QCoreApplication>
#include <QString>

class QTextStream;

// How far a command-line run has come, on one line of a terminal rewritten
// in place ("Lesen: 45 %", "Seite 12 von 120") and cleared when the run ends.
// Without a terminal it shows nothing.
class TerminalProgress {
    Q_DECLARE_TR_FUNCTIONS(TerminalProgress)

public:
    explicit TerminalProgress(QTextStream *terminal) : terminal(terminal) {}
    ~TerminalProgress() { clear(); }
    TerminalProgress(const TerminalProgress &) = delete;
    TerminalProgress &operator=(const TerminalProgress &) = delete;

    // Callbacks that report here and never cancel; this must outlive them.
    xls::ProgressCallback reading();
    PageProgress printing();
    // Empties the line, so what follows starts on a clean one.
    void clear();

private:
    void show(const QString &line);

    QTextStream *terminal;
    QString shown;
};
