// The device side of the window: every job the operator starts ends in a confirmation or a
// failure that the status area keeps, the job log lists them, the checks are asked before a
// download, and the quit question goes once the transfer it warns about has ended.

#include "emulatorsession.h"
#include "faulttools.h"
#include "jobtexts.h"
#include "operatordialogs.h"
#include "ptypair.h"
#include "testmain.h"
#include "testpages.h"
#include "ticketstation.h"
#include "ttqtextedit.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <memory>

namespace {

const QByteArray kClockHeader = QByteArray::fromHex("14000000ffffffff");

// The jobs as the operator starts them: a button of the form or the window's slot.
void startJob(TicketStation *window, Dispenser::Job job)
{
    switch (job) {
    case Dispenser::TestPrint:
        window->onTestPrint();
        break;
    case Dispenser::Clock:
        window->findChild<QPushButton *>("btnSetTime")->click();
        break;
    case Dispenser::Settings:
        window->findChild<QPushButton *>("btnSetSystem")->click();
        break;
    default:
        window->onDownPic();
        break;
    }
}

// The rows of the job log, opened as the operator opens it: "job|outcome" each.
QStringList jobLogRows(TicketStation *window)
{
    window->findChild<QAction *>("actJobLog")->trigger();
    auto *table = window->findChild<QTreeWidget *>("jobLogTable");
    QStringList rows;
    for (int i = 0; table && i < table->topLevelItemCount(); ++i)
        rows << table->topLevelItem(i)->text(2) + '|' + table->topLevelItem(i)->text(3);
    return rows;
}

} // namespace

class TestDevicePanel : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void everyJobEndsVisibly_data();
    void everyJobEndsVisibly();
    void jobWithoutLineIsRefusedAndLogged();
    void checksAreAskedBeforeTheFirstFrame_data();
    void checksAreAskedBeforeTheFirstFrame();
    void quitQuestionGoesWhenTheTransferEnds();

private:
    std::unique_ptr<TicketStation> window;
};

void TestDevicePanel::init()
{
    removeSettingsIni();
    DispenserTiming timing = fastTiming();
    timing.answerTimeout = 500;
    window = std::make_unique<TicketStation>(nullptr, timing);
    window->show();
}

void TestDevicePanel::cleanup()
{
    window.reset();
    Asker::clearAnswers();
}

void TestDevicePanel::everyJobEndsVisibly_data()
{
    QTest::addColumn<int>("jobIndex");
    QTest::addColumn<bool>("answers");
    for (Dispenser::Job job : {Dispenser::TestPrint, Dispenser::Clock, Dispenser::Settings}) {
        QTest::newRow(qPrintable(jobName(job) + " confirmed")) << int(job) << true;
        QTest::newRow(qPrintable(jobName(job) + " unanswered")) << int(job) << false;
    }
}

void TestDevicePanel::everyJobEndsVisibly()
{
    QFETCH(int, jobIndex);
    const auto job = Dispenser::Job(jobIndex);
    QFETCH(bool, answers);
    QTemporaryDir out;
    EmulatorSession emulator;
    PtyPair silent;
    if (answers)
        QVERIFY(emulator.start(EMULATOR_PATH, {"--out", out.path()}));
    connectWindowTo(window.get(), answers ? emulator.portPath() : silent.slavePath());
    if (!answers)
        QVERIFY(!silent.read(8, 3000).isEmpty());

    startJob(window.get(), job);

    const QString told =
        answers ? jobConfirmedText(job) : jobFailedText(job, Dispenser::NotConfirmed, 1, 1);
    QTRY_COMPARE_WITH_TIMEOUT(jobStatusText(window.get()), told, 10000);
    // The device's state does not contradict what was said.
    const QString state = window->findChild<QLabel *>("labState")->text();
    QCOMPARE(state == QObject::tr("连接状态:已连接"), answers);
    QCOMPARE(jobLogRows(window.get()).filter(jobName(job) + '|'),
             QStringList{jobName(job) + '|' + told});
}

void TestDevicePanel::jobWithoutLineIsRefusedAndLogged()
{
    for (Dispenser::Job job : {Dispenser::Download, Dispenser::TestPrint, Dispenser::Clock})
        startJob(window.get(), job);
    const QString refused = jobStatusText(window.get());
    QVERIFY2(refused.startsWith(jobRefusedText(Dispenser::Clock, QString())), qPrintable(refused));
    QCOMPARE(jobLogRows(window.get()).size(), 3);
    // Read and dismissed, it goes.
    qobject_cast<QAbstractButton *>(window->findChild<QWidget *>("jobStatusDismiss"))->click();
    QVERIFY(jobStatusText(window.get()).isEmpty());
}

void TestDevicePanel::checksAreAskedBeforeTheFirstFrame_data()
{
    QTest::addColumn<int>("answer");
    QTest::newRow("downloads anyway") << int(QMessageBox::Yes);
    QTest::newRow("does not") << int(QMessageBox::No);
}

void TestDevicePanel::checksAreAskedBeforeTheFirstFrame()
{
    QFETCH(int, answer);
    PtyPair pty;
    connectWindowTo(window.get(), pty.slavePath());
    QVERIFY(!pty.read(8, 3000).isEmpty());
    // Taller than the page may be: the device would store it cut.
    setPictures(window->pageEditor(0), {{{20, 900}, 0xFF000000}});
    Asker::setNextAnswer(QMessageBox::StandardButton(answer));

    window->onDownPic();

    QVERIFY(Asker::lastText().contains(
        QObject::tr("超出页面高度的内容不会打印：%1").arg(QObject::tr("类型") + "1")));
    window->findChild<QPushButton *>("btnSetTime")->click();
    QCOMPARE(pty.read(8, 3000) == kClockHeader, answer == QMessageBox::No);
}

void TestDevicePanel::quitQuestionGoesWhenTheTransferEnds()
{
    DispenserTiming timing = fastTiming();
    timing.link.sendGap = 100;
    window = std::make_unique<TicketStation>(nullptr, timing);
    window->show();
    PtyPair pty;
    connectWindowTo(window.get(), pty.slavePath());
    QVERIFY(!pty.read(8, 3000).isEmpty());
    downloadAnyway(window.get());
    // Should the question stay, it is rejected in the end, so the test fails instead of hanging.
    bool stayed = false;
    QTimer guard;
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, [&stayed] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            stayed = true;
            modal->close();
        }
    });
    guard.start(20000);

    // Asked live: the transfer ending is what answers it.
    QVERIFY(!window->close());

    QVERIFY(!stayed);
    QVERIFY(Asker::lastText().startsWith(QObject::tr("下载尚未完成，退出会中断它。")));
    QVERIFY(window->isVisible());
}

TS_TEST_MAIN(TestDevicePanel)
#include "tst_devicepanel.moc"
