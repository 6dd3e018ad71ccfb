// A save cut short by the process being killed must leave the previous design or the new one,
// whole, never a mixture or a torn file.

#include "faulttools.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

class TestFaultSave : public QObject
{
    Q_OBJECT

private slots:
    void killedSaveLeavesAWholeDesign();
};

namespace {

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

void TestFaultSave::killedSaveLeavesAWholeDesign()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QProcess references;
    references.start(QStringLiteral(SAVELOOP_PATH), {"--references", dir.path()});
    QVERIFY(references.waitForFinished(60000));
    QCOMPARE(references.exitCode(), 0);
    const QByteArray a = readFile(dir.filePath("a.json"));
    const QByteArray b = readFile(dir.filePath("b.json"));
    QVERIFY(a.size() > 1000000);
    QVERIFY(b.size() > 1000000);
    QVERIFY(a != b);

    const QString path = dir.filePath("design.json");
    constexpr int kRounds = 15;
    // Fixed seed: a failure is repeated by running the test again.
    QRandomGenerator random(4711);
    int sawA = 0;
    int sawB = 0;
    for (int round = 0; round < kRounds; ++round) {
        QProcess saver;
        saver.start(QStringLiteral(SAVELOOP_PATH), {path});
        QVERIFY(saver.waitForStarted(10000));
        QVERIFY(saver.waitForReadyRead(60000));
        QCOMPARE(saver.readLine().trimmed(), QByteArray("saving"));
        // A save of these designs takes about 100 ms: the kill lands anywhere in one.
        QTest::qSleep(int(random.bounded(150)));
        ::kill(pid_t(saver.processId()), SIGKILL);
        QVERIFY(saver.waitForFinished(10000));
        QCOMPARE(saver.exitStatus(), QProcess::CrashExit);

        const QByteArray found = readFile(path);
        QVERIFY2(
            found == a || found == b,
            qPrintable(QString("round %1: %2 bytes, neither design").arg(round).arg(found.size())));
        (found == a ? sawA : sawB)++;
        QVERIFY(QJsonDocument::fromJson(found).isObject());
    }
    qDebug("killed %d saves: the file held the first design %d times, the second %d times; %d "
           "unfinished temporary files remain beside it",
           kRounds, sawA, sawB, int(QDir(dir.path()).entryList(QDir::Files).size()) - 3);
}

QTEST_GUILESS_MAIN(TestFaultSave)
#include "tst_fault_save.moc"
