#pragma once

#include <QString>

// The command line's exit statuses.
constexpr int exitDone = 0;
constexpr int exitUnusableInput = 1;
constexpr int exitUnusableCommandLine = 2;

// A failed run: the exit status and what to print on standard error.
struct CommandLineFailure {
    int status = exitUnusableCommandLine;
    QString reason;
};
