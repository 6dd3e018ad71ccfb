// Feeds every stored input of one fuzz target (its seed corpus and the inputs that once made
// it fail) through the target's entry point, so the normal test run guards those findings.

#include "fuzzsupport.h"

#include <QDir>
#include <QFile>
#include <QtTest>

class tst_FuzzReplay : public QObject
{
    Q_OBJECT
private slots:
    void corpusPresent();
    void replay_data();
    void replay();
};

namespace {

// Folders of this target's inputs, '|'-separated, given by the build.
QStringList inputFolders()
{
    return QString::fromUtf8(TS_FUZZ_INPUT_DIRS).split(QLatin1Char('|'), Qt::SkipEmptyParts);
}

} // namespace

void tst_FuzzReplay::corpusPresent()
{
    const QStringList folders = inputFolders();
    QVERIFY(!folders.isEmpty());
    QVERIFY2(!QDir(folders.first()).entryList(QDir::Files).isEmpty(), qPrintable(folders.first()));
}

void tst_FuzzReplay::replay_data()
{
    QTest::addColumn<QString>("path");
    for (const QString &folder : inputFolders()) {
        const QDir dir(folder);
        for (const QString &name : dir.entryList(QDir::Files, QDir::Name))
            QTest::newRow(qPrintable(dir.dirName() + QLatin1Char('/') + name))
                << dir.filePath(name);
    }
}

void tst_FuzzReplay::replay()
{
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.errorString()));
    const QByteArray bytes = file.readAll();
    QCOMPARE(LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(bytes.constData()),
                                    size_t(bytes.size())),
             0);
}

int main(int argc, char **argv)
{
    LLVMFuzzerInitialize(&argc, &argv);
    tst_FuzzReplay test;
    return QTest::qExec(&test, argc, argv);
}

#include "replay.moc"
