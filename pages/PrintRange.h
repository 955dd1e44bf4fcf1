#pragma once

#include <QString>

// A run of pages, both ends included.
struct PageSpan {
    int first = 0;
    int last = 0;
    friend bool operator==(const PageSpan &, const PageSpan &) = default;
};

// What the print dialog offers, one-based: the page shown up to the last page.
PageSpan presetPrintRange(int currentPage, int lastPageIndex);

// The zero-based pages to print for the dialog's one-based from and to page.
// The dialog reports 0 and 0 when the whole document is chosen.
PageSpan chosenPrintPages(int fromPage, int toPage, int lastPageIndex);

// The page a run is at, on a line of its own: "Seite 5 von 120".
QString pageOfPagesText(int page, int pageCount);

// The one-based pages of a span among all pages, in German: "Seiten 2 bis 25
// von 25", or "Seite 1 von 1" for a single page.
QString printRangeText(PageSpan oneBased, int pageCount);
