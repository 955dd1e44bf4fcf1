#include "app/TerminalProgress.h"

#include "pages/PrintRange.h"

#include <QTextStream>

xls::ProgressCallback TerminalProgress::reading() {
    return [this](std::uint64_t done, std::uint64_t total) {
        show(tr("Lesen: %1 %").arg(xls::percentDone(done, total)));
        return true;
    };
}

PageProgress TerminalProgress::printing() {
    return [this](int page, int pages) {
        show(pageOfPagesText(page, pages));
        return true;
    };
}

void TerminalProgress::show(const QString &line) {
    if (!terminal || line == shown)
        return;
    // Padded over the rest of a longer line before it.
    *terminal << '\r' << line.leftJustified(int(shown.size())) << Qt::flush;
    shown = line;
}

void TerminalProgress::clear() {
    if (!terminal || shown.isEmpty())
        return;
    *terminal << '\r' << QString(shown.size(), QLatin1Char(' ')) << '\r' << Qt::flush;
    shown.clear();
}
