#include "testmain.h"
#include "ticketdrawing.h"
#include "ticketstation.h"
#include "ttqtextedit.h"

#include <QComboBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextImageFormat>

#include <algorithm>
#include <memory>

namespace {

const QRgb kNumber = 0xFFE1DDFA;
const QRgb kDateTime = 0xFFFADBC0;
const QRgb kQueue = 0xFFFAC3C3;
const QRgb kInk = 0xFF000000;

struct Picture
{
    QSize size;
    QRgb colour;
};

// Solid pictures, one paragraph each: every pixel of the page is known whatever the fonts.
void setPictures(TtQTextEdit *page, const QList<Picture> &pictures)
{
    page->clear();
    QTextCursor cursor(page->document());
    for (int i = 0; i < pictures.size(); ++i) {
        QImage image(pictures.at(i).size, QImage::Format_RGB888);
        image.fill(pictures.at(i).colour);
        const QString name = QStringLiteral("picture%1").arg(i);
        page->addImageResource(image, name);
        if (i > 0)
            cursor.insertBlock();
        QTextImageFormat format;
        format.setName(name);
        format.setWidth(image.width());
        format.setHeight(image.height());
        cursor.insertImage(format);
    }
}

// Whether the first `rows` rows of two pictures show the same dots, leaving out `except`.
bool sameDots(const QImage &a, const QImage &b, int rows, const QList<QRect> &except = {})
{
    if (a.width() != b.width() || a.height() < rows || b.height() < rows)
        return false;
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (std::any_of(except.begin(), except.end(),
                            [&](const QRect &r) { return r.contains(x, y); }))
                continue;
            if ((a.pixel(x, y) == 0xFFFFFFFF) != (b.pixel(x, y) == 0xFFFFFFFF))
                return false;
        }
    }
    return true;
}

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
    void hangupAfterFrames();

private:
    bool startEmulator(const QStringList &extraArguments = {});
    void createWindow();
    // Waits until the emulator's log shows `text`.
    bool waitForLog(const QString &text, int timeoutMs);

    QTemporaryDir outDir;
    std::unique_ptr<QProcess> emulator;
    QString emulatorLog;
    QString portPath;
    std::unique_ptr<TicketStation> window;
};

void TestEndToEnd::init()
{
    QVERIFY(outDir.isValid());
    emulatorLog.clear();
}

void TestEndToEnd::cleanup()
{
    window.reset();
    if (emulator) {
        emulator->kill();
        emulator->waitForFinished(3000);
        emulator.reset();
    }
    QFile::remove(QCoreApplication::applicationDirPath() + "/language/settings.ini");
}

bool TestEndToEnd::startEmulator(const QStringList &extraArguments)
{
    emulator = std::make_unique<QProcess>();
    emulator->setProcessChannelMode(QProcess::SeparateChannels);
    connect(emulator.get(), &QProcess::readyReadStandardOutput, this,
            [this] { emulatorLog += QString::fromUtf8(emulator->readAllStandardOutput()); });
    emulator->start(QStringLiteral(EMULATOR_PATH),
                    QStringList{"--out", outDir.path(), "--version", "EMU-1.0"} + extraArguments);
    if (!emulator->waitForStarted(5000))
        return false;
    if (!waitForLog("\n", 5000))
        return false;
    const QString first = emulatorLog.section('\n', 0, 0);
    if (!first.startsWith("PORT "))
        return false;
    portPath = first.mid(5).trimmed();
    return QFile::exists(portPath);
}

bool TestEndToEnd::waitForLog(const QString &text, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!emulatorLog.contains(text)) {
        if (deadline.hasExpired())
            return false;
        QTest::qWait(20);
    }
    return true;
}

void TestEndToEnd::createWindow()
{
    const QString languageDir = QCoreApplication::applicationDirPath() + "/language";
    QVERIFY(QDir().mkpath(languageDir));
    QFile settings(languageDir + "/settings.ini");
    QVERIFY(settings.open(QIODevice::WriteOnly));
    settings.write("maxTabWidget=2\neditTextMaxHeight=72\n");
    settings.close();
    window = std::make_unique<TicketStation>();
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

    auto *ports = window->findChild<QComboBox *>("cmbSerialPort");
    ports->addItem(portPath);
    ports->setCurrentIndex(ports->count() - 1);
    window->findChild<QPushButton *>("btnConnect")->click();
    auto *version = window->findChild<QLabel *>("labVersion");
    QTRY_COMPARE_WITH_TIMEOUT(version->text(), QStringLiteral("版本号:EMU-1.0"), 5000);

    window->findChild<QPushButton *>("btn_down")->click();
    window->findChild<QPushButton *>("btnTest")->click();
    QVERIFY2(waitForLog("print_1.png", 20000), qPrintable(emulatorLog));
    QVERIFY2(!emulatorLog.contains("[reject]") && !emulatorLog.contains("REJECTED"),
             qPrintable(emulatorLog));

    // The pages the device stored are the pages' download images, dot for dot, down to the
    // last whole band.
    QList<QImage> stored;
    for (int k = 0; k < 2; ++k) {
        const QImage page = window->pageEditor(k)->downloadImage();
        const QImage nv(outDir.filePath(QStringLiteral("nv_page_%1.png").arg(k)));
        QVERIFY(!nv.isNull());
        QCOMPARE(nv.size(), QSize(384, page.height() / 8 * 8));
        QVERIFY(sameDots(nv, page, nv.height()));
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
    QVERIFY(emulatorLog.contains("text at"));
    const QImage print(outDir.filePath("print_1.png"));
    QVERIFY(!print.isNull());
    QVERIFY(sameDots(print, stored.at(current), stored.at(current).height(), texts));
}

void TestEndToEnd::hangupAfterFrames()
{
    QVERIFY(startEmulator({"--hangup-after", "1"}));
    createWindow();
    auto *ports = window->findChild<QComboBox *>("cmbSerialPort");
    ports->addItem(portPath);
    ports->setCurrentIndex(ports->count() - 1);
    window->findChild<QPushButton *>("btnConnect")->click();
    // The version query is answered, then the line goes away.
    QTRY_COMPARE_WITH_TIMEOUT(emulator->state(), QProcess::NotRunning, 5000);
    QCOMPARE(emulator->exitCode(), 0);
    QVERIFY(emulatorLog.contains("answered \"EMU-1.0\""));
    QVERIFY(emulatorLog.contains("hanging up after 1 frames"));
    QVERIFY(!QFile::exists(portPath));
}

TS_TEST_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
