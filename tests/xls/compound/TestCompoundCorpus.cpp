// Real-world files: every one either opens and yields its workbook stream
// ("Workbook" in any letter case, or Excel 5.0/95's "Book") or is refused
// with a reason, without hanging. What the corpus manifest notes about a
// file (no container, stream name, stream size) is checked too.
#include "support/TestPaths.h"
#include "xls/compound/CompoundFile.h"

#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QtTest>

using xls::CompoundFile;
using xls::ReadErrorCode;

namespace {

// Generous: the point is that no file makes the reader hang.
constexpr qint64 kMillisecondsPerFile = 5000;

// local_file -> note, from the corpus folder's MANIFEST.tsv.
QHash<QString, QString> manifestNotes(const QString &root) {
    QHash<QString, QString> notes;
    QFile manifest(root + "/MANIFEST.tsv");
    if (!manifest.open(QIODevice::ReadOnly | QIODevice::Text))
        return notes;
    const QStringList header = QString::fromUtf8(manifest.readLine()).trimmed().split('\t');
    const qsizetype noteColumn = header.indexOf("note");
    const qsizetype fileColumn = header.indexOf("local_file");
    while (!manifest.atEnd()) {
        const QStringList fields = QString::fromUtf8(manifest.readLine()).chopped(1).split('\t');
        if (noteColumn >= 0 && fileColumn >= 0 && fields.size() > std::max(noteColumn, fileColumn))
            notes.insert(fields[fileColumn], fields[noteColumn]);
    }
    return notes;
}

QString describe(const CompoundFile &file) {
    return QString::fromStdString(file.lastError().describe());
}

} // namespace

class TestCompoundCorpus : public QObject {
    Q_OBJECT

private slots:
    void readsOrRefuses_data();
    void readsOrRefuses();
};

void TestCompoundCorpus::readsOrRefuses_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("note");
    const QString root = testpaths::corpusDir();
    if (root.isEmpty())
        QSKIP("the real-world corpus folder is absent (TAGOMAT_XLS_CORPUS)");
    const QHash<QString, QString> notes = manifestNotes(root);
    for (const QString &file : testpaths::corpusFiles())
        QTest::newRow(qPrintable(file)) << root + '/' + file << notes.value(file);
}

void TestCompoundCorpus::readsOrRefuses() {
    QFETCH(QString, path);
    QFETCH(QString, note);
    QElapsedTimer timer;
    timer.start();
    CompoundFile file;
    const bool opened = file.open(QFile::encodeName(path).constData());
    const xls::DirectoryNode *workbook = nullptr;
    std::vector<std::uint8_t> stream;
    int result = CompoundFile::NoSuchEntry;
    if (opened) {
        workbook = file.findChildIgnoringCase(file.rootNode(), u"Workbook");
        if (!workbook)
            workbook = file.findChildIgnoringCase(file.rootNode(), u"Book");
        if (workbook)
            result = file.readStream(workbook, stream);
    }
    QVERIFY2(timer.elapsed() < kMillisecondsPerFile, qPrintable(QString::number(timer.elapsed())));

    if (result != CompoundFile::Success) {
        QVERIFY2(file.lastError().code != ReadErrorCode::None || (opened && !workbook),
                 "refused without a reason");
        QVERIFY(opened || !file.lastError().text.empty());
        QVERIFY(stream.empty());
    }
    // What else such a file is (a BIFF2-4 worksheet among them) is told by
    // the workbook loader's format detection, tested with the model.
    if (note.contains("container=raw") || note.contains("container=not-ole")) {
        QVERIFY(!opened);
        QVERIFY2(file.lastError().code == ReadErrorCode::NotCompoundFile,
                 qPrintable(describe(file)));
    }
    // The notes on stream names and sizes describe what an undamaged file
    // holds; fuzzed files may be refused for damage elsewhere.
    if (note.contains("fuzzed/malformed"))
        return;
    if (note.contains("stream=Book")) {
        QVERIFY2(result == CompoundFile::Success, qPrintable(describe(file)));
        QCOMPARE(QString::fromStdU16String(std::u16string(workbook->name())), QString("Book"));
    }
    if (note.contains("stream=WORKBOOK")) {
        QVERIFY(opened);
        std::vector<std::uint8_t> exact;
        QCOMPARE(file.readStream("Workbook", exact), CompoundFile::NoSuchEntry);
        QVERIFY(workbook);
    }
    const QRegularExpressionMatch size = QRegularExpression("workbook stream (\\d+) B").match(note);
    if (size.hasMatch()) {
        QVERIFY2(result == CompoundFile::Success, qPrintable(describe(file)));
        QCOMPARE(qulonglong(stream.size()), size.captured(1).toULongLong());
    }
}

QTEST_GUILESS_MAIN(TestCompoundCorpus)
#include "TestCompoundCorpus.moc"
