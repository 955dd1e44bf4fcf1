#include "pages/PrintRange.h"

#include <QCoreApplication>

#include <algorithm>

PageSpan presetPrintRange(int currentPage, int lastPageIndex) {
    return {currentPage + 1, std::max(currentPage, lastPageIndex) + 1};
}

PageSpan chosenPrintPages(int fromPage, int toPage, int lastPageIndex) {
    if (fromPage <= 0 && toPage <= 0)
        return {0, lastPageIndex};
    const int first = std::max(fromPage, 1) - 1;
    const int last = toPage > 0 ? toPage - 1 : lastPageIndex;
    return {first, std::max(first, last)};
}

QString pageOfPagesText(int page, int pageCount) {
    // Told apart from the same words within a sentence below.
    return QCoreApplication::translate("PrintRange", "Seite %1 von %2", "on a line of its own")
        .arg(page)
        .arg(pageCount);
}

QString printRangeText(PageSpan oneBased, int pageCount) {
    if (oneBased.first == oneBased.last)
        return QCoreApplication::translate("PrintRange", "Seite %1 von %2")
            .arg(oneBased.first)
            .arg(pageCount);
    return QCoreApplication::translate("PrintRange", "Seiten %1 bis %2 von %3")
        .arg(oneBased.first)
        .arg(oneBased.last)
        .arg(pageCount);
}
