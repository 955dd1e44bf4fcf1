#pragma once

#include <QString>
#include <QStringList>

// The settings key under which a list's label text is kept: the same captions
// in the same order give the same key, other captions another one.
QString labelTextSettingsKey(const QStringList &captions);
