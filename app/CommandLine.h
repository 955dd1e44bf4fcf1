#pragma once

#include <QStringList>

class QTextStream;

// Tagomat without a window:
//   tagomat --list-stock
//   tagomat --print-pdf OUT.pdf [--stock CODE] [--font FAMILY,POINTS]
//           [--skip-header] [--start N] [--name-column CAPTION|NUMBER]
//           [--count-column CAPTION|NUMBER] [--text TEXT] [--frames]
//           [--offset-x MM] [--offset-y MM] [--max-pages N] [--tape-length MM]
//           [--design FILE] [--logo FILE] [--qr TEMPLATE] [--only TEXT]
//           [--rows 3,5-9] FILE
//   tagomat --test-page OUT.pdf [--stock CODE] [--offset-x MM] [--offset-y MM]
// FILE is imported as the window imports it, with the columns chosen by the
// same captions, and the labels are written to OUT.pdf as the printer would
// print them, in the look of a saved design and with a logo and a QR code
// (app/DesignOptions.h). tagomat --help (or -h) prints the usage, --version
// (or -v) the version.
class CommandLine {
public:
    // True when the arguments (without the program name) ask for a mode
    // without a window, the usage included.
    static bool wanted(const QStringList &arguments);

    // Runs a command line; an application object must exist (a GUI one for
    // the PDF modes). Answers the exit status: 0 done, 1 a file, stock or
    // label list that cannot be used (no labels, more pages than allowed), 2
    // a command line that cannot be used (OUT naming the input among them).
    // Nothing but OUT is written, and OUT only when the whole run succeeds.
    // `terminal`, when given, shows how far reading and printing have come.
    static int run(const QStringList &arguments, QTextStream &out, QTextStream &err,
                   QTextStream *terminal = nullptr);

    // main() for the modes without a window: makes the application object
    // they need (no display needed) and runs.
    static int main(int argc, char **argv);
};
