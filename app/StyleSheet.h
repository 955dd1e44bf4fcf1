#pragma once

#include <QString>

// The application's style sheet: a grey gradient behind the window and the
// menu bar, and a dark frame on a pressed menu title.
QString applicationStyleSheet();

// Installs applicationStyleSheet() on the application object.
void applyStyleSheet();
