// The bytes of files a test writes or reads.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// Empty when there is no such file.
inline QByteArray contentOf(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// False when the file could not be written whole.
inline bool writeFile(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
