#pragma once

#include <QString>
#include <QStringList>

namespace testpaths {

// A file under tests/data/.
QString dataFile(const QString &name);

// The folder of real-world .xls files, or an empty string when it is absent
// (the corpus tests then skip with a message).
QString corpusDir();

// Every .xls, .xlt and other file of the corpus folder, relative paths, sorted.
QStringList corpusFiles();

} // namespace testpaths
