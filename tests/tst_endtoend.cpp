#include "emulatorsession.h"
#include "faulttools.h"
#include "testmain.h"
#include "testpages.h"
#include "ticketdrawing.h"
#include "ticketstation.h"
#include "ttqtextedit.h"

#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>

#include <memory>

namespace {

const QRgb kInk = 0xFF000000;

// The area the printer's text covers for a 1A 54 01 text command.
QRect textArea(const QByteArray &command, const QString &text)
{
    if (command.size() < 12)
        return {};
    const auto *p = reinterpret_cast<const uchar *>(command.constData());
    const int x = p[3] | p[4] << 8;
    const int y = qint16(p[5] | p[6] << 8);
    return devicemodel::textRect({x, y, p[10], text});
}

} // namespace

class TestEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void designReachesTheDevice();
    void defaultDesignSameOverTcp();
    void hangupAfterFrames();

private:
    bool startEmulator(const QStringList &extraArguments = {});
    void createWindow();

    QTemporaryDir outDir;
    EmulatorSession emulator;
    std::unique_ptr<TicketStation> window;
};

void TestEndToEnd::init()
{
    QVERIFY(outDir.isValid());
}

void TestEndToEnd::cleanup()
{
    window.reset();
    emulator.stop();
    removeSettingsIni();
}

bool TestEndToEnd::startEmulator(const QStringList &extraArguments)
{
    return emulator.start(QStringLiteral(EMULATOR_PATH),
                          QStringList{"--out", outDir.path(), "--version", "EMU-1.0"} +
                              extraArguments);
}

void TestEndToEnd::createWindow()
{
    QVERIFY(writeSettingsIni("maxTabWidget=2\neditTextMaxHeight=72\n"));
    window = std::make_unique<TicketStation>(nullptr, fastTiming());
    window->show();
}

void TestEndToEnd::designReachesTheDevice()
{
    QVERIFY(startEmulator());
    createWindow();
    setPictures(
        window->pageEditor(0),
        {{{200, 6}, kInk}, {{72, 20}, kNumber}, {{216, 10}, kDateTime}, {{48, 12}, kQueue}});
    setPictures(window->pageEditor(1), {{{384, 8}, kInk}, {{40, 10}, kQueue}, {{16, 16}, kInk}});

    connectWindowTo(window.get(), emulator.portPath());
    auto *version = window->findChild<QLabel *>("labVersion");
    QTRY_COMPARE_WITH_TIMEOUT(version->text(), QStringLiteral("版本号:EMU-1.0"), 5000);

    downloadAnyway(window.get());
    window->findChild<QPushButton *>("btnTest")->click();
    QVERIFY2(emulator.waitForLog("print_1.png", 20000), qPrintable(emulator.log()));
    QVERIFY2(!emulator.log().contains("[reject]") && !emulator.log().contains("REJECTED"),
             qPrintable(emulator.log()));

    // The pages the device stored are the pages' download images, dot for dot, down to the
    // last whole band.
    QList<QImage> stored;
    for (int k = 0; k < 2; ++k) {
        const QImage page = window->pageEditor(k)->downloadImage();
        const QImage nv(outDir.filePath(QStringLiteral("nv_page_%1.png").arg(k)));
        QVERIFY(!nv.isNull());
        QCOMPARE(nv.size(), QSize(384, page.height() / 8 * 8));
        QVERIFY(sameDotsInRows(nv, page, nv.height()));
        QVERIFY(QFile::exists(outDir.filePath(QStringLiteral("preview_%1.png").arg(k))));
        stored << nv;
    }

    // The test print is the current page's stored image with the sample texts where the text
    // commands put them.
    const int current = window->findChild<QTabWidget *>("tabWidget")->currentIndex();
    const QList<QRect> texts{
        textArea(window->GenPrintTextDat(1, "001"), "001"),
        textArea(window->GenPrintTextDat(3, "002"), "002"),
        textArea(window->GenPrintTextDat(2, "7-17-2022 18:06:01"), "7-17-2022 18:06:01")};
    for (const QRect &text : texts)
        QVERIFY(text.isValid());
    QVERIFY(emulator.log().contains("text at"));
    const QImage print(outDir.filePath("print_1.png"));
    QVERIFY(!print.isNull());
    QVERIFY(sameDotsInRows(print, stored.at(current), stored.at(current).height(), texts));
}

void TestEndToEnd::defaultDesignSameOverTcp()
{
    QTemporaryDir tcpDir;
    EmulatorSession overTcp;
    QVERIFY(startEmulator());
    QVERIFY(overTcp.start(EMULATOR_PATH, {"--out", tcpDir.path(), "--tcp", "0"}));
    QVERIFY(writeSettingsIni("maxTabWidget=2\neditTextMaxHeight=480\n"));
    window = std::make_unique<TicketStation>(nullptr, fastTiming());
    window->show();
    auto *version = window->findChild<QLabel *>("labVersion");
    auto *connect = window->findChild<QPushButton *>("btnConnect");
    for (EmulatorSession *device : {&emulator, &overTcp}) {
        connectWindowTo(window.get(), device->portPath());
        QTRY_COMPARE_WITH_TIMEOUT(version->text(), QStringLiteral("版本号:EMU-1.0"), 5000);
        downloadAnyway(window.get());
        QVERIFY2(device->waitForLog("nv_page_1.png", 20000), qPrintable(device->log()));
        connect->click();
    }
    for (int k = 0; k < 2; ++k) {
        const QString page = QStringLiteral("nv_page_%1.png").arg(k);
        const QImage serial(outDir.filePath(page));
        QVERIFY(!serial.isNull());
        QCOMPARE(QImage(tcpDir.filePath(page)), serial);
    }
}

void TestEndToEnd::hangupAfterFrames()
{
    QVERIFY(startEmulator({"--hangup-after", "1"}));
    createWindow();
    connectWindowTo(window.get(), emulator.portPath());
    // The version query is answered, then the line goes away.
    QTRY_COMPARE_WITH_TIMEOUT(emulator.process()->state(), QProcess::NotRunning, 5000);
    QCOMPARE(emulator.process()->exitCode(), 0);
    QVERIFY(emulator.log().contains("answered \"EMU-1.0\""));
    QVERIFY(emulator.log().contains("hanging up after 1 frames"));
    // The window lets go of the terminal once it sees the hang-up, and then it is gone.
    QTRY_VERIFY(!QFile::exists(emulator.portPath()));
}

TS_TEST_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
