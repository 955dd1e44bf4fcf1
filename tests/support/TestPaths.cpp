#include "support/TestPaths.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

namespace testpaths {

QString dataFile(const QString &name) {
    return qEnvironmentVariable("TAGOMAT_TEST_DATA") + QLatin1Char('/') + name;
}

QString corpusDir() {
    const QString dir = qEnvironmentVariable("TAGOMAT_XLS_CORPUS");
    if (dir.isEmpty() || !QFileInfo(dir).isDir())
        return {};
    return QDir(dir).canonicalPath();
}

QStringList corpusFiles() {
    const QString root = corpusDir();
    if (root.isEmpty())
        return {};
    QStringList files;
    QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
    const QDir base(root);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString relative = base.relativeFilePath(path);
        if (relative.endsWith(QLatin1String(".md")) || relative.endsWith(QLatin1String(".tsv")))
            continue;
        files << relative;
    }
    files.sort();
    return files;
}

} // namespace testpaths
