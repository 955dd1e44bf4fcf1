#pragma once

class QCoreApplication;
class QLocale;

// The program's texts are German; an English translation is compiled in.
// Locales with a translation get it (English), every other one keeps the
// German texts (German, C, French, ...).
bool hasProgramTranslation(const QLocale &locale);

// Loads the translation for the locale: with an English one the program's
// English texts and Qt's own English; else Qt's German texts.
void installTranslations(QCoreApplication &application, const QLocale &locale);

// Loads the program's English texts. Answers whether they were found.
bool installEnglishTranslation(QCoreApplication &application);

// Loads Qt's own German texts (qtbase_de from Qt's translations folder), so
// the file, font, print and message dialogs speak German like the rest of the
// program, whatever the system language. Answers whether they were found.
bool installGermanTranslations(QCoreApplication &application);
