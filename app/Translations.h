#pragma once

class QCoreApplication;

// Loads Qt's own German texts (qtbase_de from Qt's translations folder), so
// the file, font, print and message dialogs speak German like the rest of the
// program, whatever the system language. Answers whether they were found.
bool installGermanTranslations(QCoreApplication &application);
