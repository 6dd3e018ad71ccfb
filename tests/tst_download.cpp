#include "datapacket.h"
#include "faulttools.h"
#include "jobtexts.h"
#include "nvreference.h"
#include "operatordialogs.h"
#include "ptypair.h"
#include "testmain.h"
#include "testpages.h"
#include "ticketstation.h"
#include "ttqtextedit.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>

#include <climits>
#include <memory>

namespace {

const QRgb kInk = 0xFF202020;

QByteArray frames(qint32 type, const QByteArray &data)
{
    QByteArray out;
    for (const QByteArray &frame : chunkFrames(type, data))
        out += frame;
    return out;
}

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

// The block-type bytes of the three records of entry `page`.
QByteArray blockTypes(const QByteArray &table, int page)
{
    QByteArray types;
    for (int record = 0; record < 3; ++record)
        types.append(table.at(21 * page + 6 + 6 * record));
    return types;
}

} // namespace

class TestDownload : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void sendsWhatTheLiteralMethodSends();
    void writesPreviews();
    void createsMissingPreviewFolder();
    void blankPageIsThirtyDotsHigh();
    void unrenderablePageSendsNothing();
    void progressUntilTheDeviceAnswers_data();
    void progressUntilTheDeviceAnswers();
    void stopOrQuitAsksFirst_data();
    void stopOrQuitAsksFirst();

private:
    TicketStation *createWindow(int pages, int maxHeight,
                                const DispenserTiming &timing = fastTiming());
    bool connectTo(PtyPair &pty);
    void download();
    // Everything the download sends when done step by step as the page editors' own lookups
    // would: block records from GenPrintTextDat, images from downloadImage.
    QByteArray literalDownload();

    QString languageDir;
    QString tempDir;
    std::unique_ptr<TicketStation> window;
};

void TestDownload::init()
{
    languageDir = QCoreApplication::applicationDirPath() + "/language";
    tempDir = languageDir + "/temp";
    QVERIFY(QDir().mkpath(tempDir));
    QDir(tempDir).removeRecursively();
    QVERIFY(QDir().mkpath(tempDir));
}

void TestDownload::cleanup()
{
    window.reset();
    Asker::clearAnswers();
    QFile::remove(languageDir + "/settings.ini");
}

TicketStation *TestDownload::createWindow(int pages, int maxHeight, const DispenserTiming &timing)
{
    QFile file(languageDir + "/settings.ini");
    if (file.open(QIODevice::WriteOnly))
        file.write(QStringLiteral("maxTabWidget=%1\neditTextMaxHeight=%2\n")
                       .arg(pages)
                       .arg(maxHeight)
                       .toUtf8());
    file.close();
    window = std::make_unique<TicketStation>(nullptr, timing);
    window->show();
    return window.get();
}

bool TestDownload::connectTo(PtyPair &pty)
{
    auto *ports = window->findChild<QComboBox *>("cmbSerialPort");
    auto *button = window->findChild<QPushButton *>("btnConnect");
    if (!pty.isValid() || !ports || !button)
        return false;
    // The list refresh replaces the items every two seconds, so connect straight away.
    ports->addItem(pty.slavePath());
    ports->setCurrentIndex(ports->count() - 1);
    button->click();
    // The version query is the first frame after connecting.
    return pty.read(8, 3000) == kVersionQuery;
}

void TestDownload::download()
{
    downloadAnyway(window.get());
}

QByteArray TestDownload::literalDownload()
{
    auto *tabs = window->findChild<QTabWidget *>("tabWidget");
    QByteArray table(126, '\0');
    for (int i = 0; i < tabs->count(); ++i) {
        char *entry = table.data() + 21 * i;
        entry[0] = 0x66;
        for (BLOCK_FLAG flag : {1, 2, 3}) {
            _ticketContext ctx{};
            window->GenPrintTextDat(i, flag, ctx);
            memcpy(entry + 1 + 6 * (flag - 1), &ctx, 6);
        }
        const int height = window->pageEditor(i)->pageImage.height();
        entry[19] = char(height & 0xFF);
        entry[20] = char(height >> 8);
    }
    QByteArray command = hex("1c71") + QByteArray(1, char(tabs->count()));
    for (int k = 0; k < tabs->count(); ++k)
        command += referenceNvPage(window->pageEditor(k)->downloadImage());
    return frames(PACKET_TICKET_SET, table) + frames(PACKET_PRINT_DAT, hex("1b40")) +
           frames(PACKET_PRINT_DAT, command);
}

void TestDownload::sendsWhatTheLiteralMethodSends()
{
    createWindow(2, 64);
    // Page 1: a picture, all three blocks, and a second run of the number colour that is
    // not a block and prints black. Page 2: a picture and the queue block only.
    setPictures(window->pageEditor(0), {{{120, 10}, kInk},
                                        {{60, 12}, kNumber},
                                        {{216, 9}, kDateTime},
                                        {{40, 8}, kQueue},
                                        {{20, 4}, kNumber}});
    setPictures(window->pageEditor(1), {{{300, 20}, kInk}, {{50, 16}, kQueue}});
    const QByteArray expected = literalDownload();
    // The design has what it should: all three blocks on page 1, only the queue on page 2.
    const QByteArray table = expected.mid(8, 126);
    QCOMPARE(expected.left(8), hex("130000007e000000"));
    QCOMPARE(blockTypes(table, 0), hex("010203"));
    QCOMPARE(blockTypes(table, 1), hex("000003"));

    PtyPair pty;
    QVERIFY(connectTo(pty));
    download();
    const QByteArray sent = pty.read(expected.size(), 10000);
    QCOMPARE(sent.size(), expected.size());
    QCOMPARE(sent, expected);
    // The device's answer to this is all that tells it has read the design.
    QCOMPARE(pty.read(kVersionQuery.size(), 2000), kVersionQuery);
}

void TestDownload::writesPreviews()
{
    createWindow(2, 120);
    setPictures(window->pageEditor(0), {{{100, 30}, kInk}, {{60, 20}, kNumber}});
    setPictures(window->pageEditor(1), {{{384, 70}, kInk}});
    PtyPair pty;
    QVERIFY(connectTo(pty));
    download();
    for (int k = 0; k < 2; ++k) {
        TtQTextEdit *page = window->pageEditor(k);
        // Written beside the download, off the window's thread.
        QImage origin;
        QImage sentDots;
        QTRY_VERIFY(
            !(origin = QImage(tempDir + QStringLiteral("/originImage_%1.bmp").arg(k))).isNull());
        QTRY_VERIFY(
            !(sentDots = QImage(tempDir + QStringLiteral("/newImage_%1.bmp").arg(k))).isNull());
        // The page as rendered, placeholder colours included.
        page->renderPage();
        QCOMPARE(origin.convertToFormat(QImage::Format_RGB888), page->pageImage);
        // The dots sent: the download image above the last whole band, white below.
        QImage expected = page->downloadImage();
        const int sentRows = expected.height() / 8 * 8;
        for (int y = sentRows; y < expected.height(); ++y)
            for (int x = 0; x < expected.width(); ++x)
                expected.setPixel(x, y, 0xFFFFFFFF);
        QVERIFY(sameDots(sentDots, expected));
    }
}

void TestDownload::createsMissingPreviewFolder()
{
    createWindow(1, 64);
    QVERIFY(QDir(tempDir).removeRecursively());
    PtyPair pty;
    QVERIFY(connectTo(pty));
    download();
    QTRY_VERIFY(QFile::exists(tempDir + "/newImage_0.bmp"));
    QTRY_VERIFY(QFile::exists(tempDir + "/originImage_0.bmp"));
}

void TestDownload::blankPageIsThirtyDotsHigh()
{
    createWindow(1, 480);
    window->pageEditor(0)->clear();
    PtyPair pty;
    QVERIFY(connectTo(pty));
    download();
    const QByteArray table = hex("66") + QByteArray(18, '\0') + hex("1e00") + QByteArray(105, '\0');
    const QByteArray expected = frames(PACKET_TICKET_SET, table) +
                                frames(PACKET_PRINT_DAT, hex("1b40")) +
                                frames(PACKET_PRINT_DAT, hex("1c7101"
                                                             "3000"
                                                             "0300") +
                                                             QByteArray(1152, '\0'));
    QCOMPARE(pty.read(expected.size(), 5000), expected);
}

void TestDownload::unrenderablePageSendsNothing()
{
    createWindow(2, 64);
    // A canvas this tall cannot be allocated, so the page renders to nothing.
    window->pageEditor(1)->maxHeight = INT_MAX;
    PtyPair pty;
    QVERIFY(connectTo(pty));
    download();
    // The operator hears which page stopped it.
    QVERIFY(jobStatusText(window.get()).contains(QObject::tr("类型") + "2"));
    // Nothing was queued: a clock frame is the next thing on the line.
    window->findChild<QPushButton *>("btnSetTime")->click();
    QCOMPARE(pty.read(8, 2000), QByteArray::fromHex("14000000ffffffff"));
    QVERIFY(!QFile::exists(tempDir + "/newImage_0.bmp"));
}

void TestDownload::progressUntilTheDeviceAnswers_data()
{
    QTest::addColumn<bool>("answers");
    QTest::addColumn<QString>("told");
    QTest::newRow("device answers") << true << jobConfirmedText(Dispenser::Download);
    QTest::newRow("device silent")
        << false << jobFailedText(Dispenser::Download, Dispenser::NotConfirmed, 6, 6);
}

void TestDownload::progressUntilTheDeviceAnswers()
{
    QFETCH(bool, answers);
    QFETCH(QString, told);
    DispenserTiming timing = fastTiming();
    timing.link.sendGap = 100;
    // Silence is silence after any wait; an answer is given at once.
    if (!answers)
        timing.answerTimeout = 300;
    createWindow(1, 64, timing);
    PtyPair pty;
    QVERIFY(connectTo(pty));
    auto *bar = window->findChild<QProgressBar *>("transferBar");
    auto *text = window->findChild<QLabel *>("transferText");
    QVERIFY(bar && text && !bar->isVisible());

    download();
    // The table, the reset and four image frames: the frame count and the time left at the
    // device's pace.
    const QRegularExpression counting(
        QObject::tr("第 %1/%2 帧，剩余约 %3 秒").arg("[1-5]", "6", "[1-9]").prepend('^') + '$');
    QTRY_VERIFY2(counting.match(text->text()).hasMatch(), qPrintable(text->text()));
    QVERIFY(bar->isVisible());
    QTRY_COMPARE(text->text(), QObject::tr("等待设备应答…"));
    // The device answers the query that follows the design.
    QByteArray line;
    QTRY_VERIFY_WITH_TIMEOUT((line += pty.read(4096, 10)).endsWith(kVersionQuery), 5000);
    if (answers)
        QVERIFY(pty.write("#VERSION:V1"));

    QTRY_VERIFY_WITH_TIMEOUT(!bar->isVisible(), 5000);
    // Said where the device's state is, and kept there.
    QTRY_COMPARE(jobStatusText(window.get()), told);
}

void TestDownload::stopOrQuitAsksFirst_data()
{
    QTest::addColumn<bool>("quit");
    QTest::addColumn<int>("answer");
    QTest::newRow("Esc, stopped") << false << int(QMessageBox::Yes);
    QTest::newRow("Esc, goes on") << false << int(QMessageBox::No);
    QTest::newRow("quit, stopped") << true << int(QMessageBox::Yes);
    QTest::newRow("quit, goes on") << true << int(QMessageBox::No);
}

void TestDownload::stopOrQuitAsksFirst()
{
    QFETCH(bool, quit);
    QFETCH(int, answer);
    DispenserTiming timing = fastTiming();
    timing.link.sendGap = 100;
    createWindow(1, 64, timing);
    PtyPair pty;
    QVERIFY(connectTo(pty));
    download();
    QVERIFY(!pty.read(8 + 126, 2000).isEmpty());
    // The design is unchanged, so quitting asks nothing else.
    Asker::setNextAnswer(QMessageBox::StandardButton(answer));

    auto *stop = window->findChild<QAction *>("actStopDownload");
    QCOMPARE(stop->shortcut(), QKeySequence(Qt::Key_Escape));
    if (quit)
        window->close();
    else
        stop->trigger();

    QVERIFY(
        Asker::lastText().contains(QObject::tr("设备将保留不完整的设计，直到下一次完整下载。")));
    const bool stopped = answer == QMessageBox::Yes;
    QCOMPARE(window->isVisible(), !(quit && stopped));
    if (stopped && !quit)
        QTRY_VERIFY(jobStatusText(window.get()).contains(incompleteDesignText()));
    // Stopped, the next thing on the line is the clock frame; going on, the rest of the design.
    window->findChild<QPushButton *>("btnSetTime")->click();
    const QByteArray next = pty.read(8, 3000);
    QCOMPARE(next == QByteArray::fromHex("14000000ffffffff"), stopped);
}

TS_TEST_MAIN(TestDownload)
#include "tst_download.moc"
