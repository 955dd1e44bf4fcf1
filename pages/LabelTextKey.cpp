#include "pages/LabelTextKey.h"

#include <QByteArray>
#include <QCryptographicHash>

namespace {
const QString settingsGroup = QStringLiteral("labelText/");
// Half a SHA-256: short in the settings file, and no two lists a person keeps meet.
constexpr qsizetype keyBytes = 16;
} // namespace

QString labelTextSettingsKey(const QStringList &captions) {
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const QString &caption : captions) {
        // Each caption with its length, so that ("ab", "c") and ("a", "bc") differ.
        const QByteArray bytes = caption.toUtf8();
        hash.addData(QByteArray::number(bytes.size()) + ':');
        hash.addData(bytes);
    }
    return settingsGroup + QString::fromLatin1(hash.result().first(keyBytes).toHex());
}
