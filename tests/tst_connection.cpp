#include "faulttools.h"
#include "ptypair.h"
#include "qttransparenttisp.h"
#include "testmain.h"
#include "ticketstation.h"
#include "ttqtextedit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTcpServer>
#include <QTemporaryFile>

#include <cstdio>
#include <memory>
#include <unistd.h>

namespace {

// What the tip shows while it is up.
QString visibleTipText()
{
    QtTransparentTisp *tip = findTip();
    if (!tip || !tip->isVisible())
        return QString();
    const QLabel *label = tip->findChild<QLabel *>();
    return label ? label->text() : QString();
}

int fromBcd(char byte)
{
    const auto v = static_cast<unsigned char>(byte);
    return (v >> 4) * 10 + (v & 0x0F);
}

// Runs `action` with the process's standard output going to a file, and returns what it wrote.
template <typename Action> QByteArray captureStdout(Action action)
{
    QTemporaryFile file;
    if (!file.open())
        return QByteArray();
    std::fflush(stdout);
    const int saved = dup(STDOUT_FILENO);
    dup2(file.handle(), STDOUT_FILENO);
    action();
    std::fflush(stdout);
    dup2(saved, STDOUT_FILENO);
    ::close(saved);
    file.seek(0);
    return file.readAll();
}

} // namespace

class TestConnection : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void connectAndDisconnectTexts();
    void entriesThatOpenNothing_data();
    void entriesThatOpenNothing();
    void versionQueryAfterConnect();
    void versionReply_data();
    void versionReply();
    void disconnectWithinFirstSecondDropsQuery();
    void systemSettingsFromWidgets_data();
    void systemSettingsFromWidgets();
    void clockFromComputer();
    void testPrintWithoutBlocks_data();
    void testPrintWithoutBlocks();
    void portListFollowsDiscovery();
    void unpluggedDeviceDisconnects();

private:
    template <typename T> T *child(const char *name) const
    {
        return window->findChild<T *>(QLatin1String(name));
    }
    // The number-limit boxes in reading order on screen.
    QList<QSpinBox *> limitBoxesAsRead() const
    {
        QList<QSpinBox *> boxes;
        for (QSpinBox *box : window->findChildren<QSpinBox *>()) {
            if (box->objectName().startsWith(QLatin1String("spbNumberLimit_")))
                boxes.append(box);
        }
        const auto at = [this](QWidget *w) {
            return w->mapTo(window.get(), QPoint());
        };
        std::sort(boxes.begin(), boxes.end(), [&at](QSpinBox *a, QSpinBox *b) {
            return at(a).y() != at(b).y() ? at(a).y() < at(b).y() : at(a).x() < at(b).x();
        });
        return boxes;
    }
    QString limitLabel(QSpinBox *box) const
    {
        for (QLabel *label : window->findChildren<QLabel *>()) {
            if (label->buddy() == box)
                return label->text();
        }
        return QString();
    }
    // Puts `entry` into the port list, makes it current and presses the connect button.
    void connectTo(const QString &entry);

    std::unique_ptr<PtyPair> pty;
    std::unique_ptr<TicketStation> window;
};

void TestConnection::initTestCase()
{
    // Three pages, so that a test print can run on the third tab.
    const QString languageDir = QCoreApplication::applicationDirPath() + "/language";
    QVERIFY(QDir().mkpath(languageDir));
    QFile settings(languageDir + "/settings.ini");
    QVERIFY(settings.open(QIODevice::WriteOnly));
    settings.write("maxTabWidget=3\n");
}

void TestConnection::init()
{
    pty = std::make_unique<PtyPair>();
    QVERIFY(pty->isValid());
    window = std::make_unique<TicketStation>(nullptr, fastTiming());
}

void TestConnection::cleanup()
{
    window.reset();
    pty.reset();
}

void TestConnection::connectTo(const QString &entry)
{
    auto *ports = child<QComboBox>("cmbSerialPort");
    ports->addItem(entry);
    ports->setCurrentText(entry);
    child<QPushButton>("btnConnect")->click();
}

void TestConnection::connectAndDisconnectTexts()
{
    auto *button = child<QPushButton>("btnConnect");
    auto *ports = child<QComboBox>("cmbSerialPort");
    auto *version = child<QLabel>("labVersion");
    auto *state = child<QLabel>("labState");
    QCOMPARE(button->text(), QStringLiteral("连接设备"));
    QCOMPARE(version->text(), QStringLiteral("版本号:--"));
    QCOMPARE(state->text(), QStringLiteral("连接状态:-- "));

    // A manufacturer text stands directly in front of the device path.
    connectTo(QStringLiteral("Prolific") + pty->slavePath());

    QCOMPARE(button->text(), QStringLiteral("断开连接"));
    QVERIFY(!ports->isEnabled());
    QCOMPARE(version->text(), QStringLiteral("版本号:--"));
    QCOMPARE(state->text(), QStringLiteral("连接状态:--"));

    button->click();

    QCOMPARE(button->text(), QStringLiteral("连接设备"));
    QVERIFY(ports->isEnabled());
    QCOMPARE(version->text(), QStringLiteral("版本号:--"));
    QCOMPARE(state->text(), QStringLiteral("连接状态:--"));
}

void TestConnection::entriesThatOpenNothing_data()
{
    // Why a port fails is the link's business; the window shows it, whether the open fails at
    // once or a network port fails after the click has returned.
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("tip");
    QTest::newRow("empty list") << QString() << QString();
    QTest::newRow("missing device") << "/dev/ticketstation-no-such-port"
                                    << "无法打开端口 ENTRY：端口不存在";
    QTest::newRow("refused tcp port") << "tcp://127.0.0.1:CLOSED"
                                      << "无法打开端口 ENTRY：连接被拒绝";
}

void TestConnection::entriesThatOpenNothing()
{
    QFETCH(QString, entry);
    QFETCH(QString, tip);
    auto *ports = child<QComboBox>("cmbSerialPort");
    ports->clear();
    if (entry.endsWith("CLOSED")) {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        entry.replace("CLOSED", QString::number(closed.serverPort()));
    }
    if (!entry.isEmpty())
        ports->addItem(entry);

    child<QPushButton>("btnConnect")->click();

    // A network port is refused after the click has returned.
    QTRY_COMPARE(child<QPushButton>("btnConnect")->text(), QStringLiteral("连接设备"));
    QVERIFY(ports->isEnabled());
    QVERIFY2(tipText().contains(tip.replace("ENTRY", entry)), qPrintable(tipText()));
}

void TestConnection::versionQueryAfterConnect()
{
    QElapsedTimer clock;
    clock.start();
    connectTo(pty->slavePath());

    QCOMPARE(pty->read(kVersionQuery.size(), 4000), kVersionQuery);
    QVERIFY2(clock.elapsed() >= fastTiming().versionQueryDelay * 9 / 10,
             qPrintable(QString::number(clock.elapsed())));
    // Progress is for downloads: a query alone shows none.
    QCOMPARE(visibleTipText(), QString());
}

void TestConnection::versionReply_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("state");
    QTest::newRow("answered") << QByteArray("#VERSION:V1.2") << QStringLiteral("版本号:V1.2")
                              << QStringLiteral("连接状态:已连接");
    QTest::newRow("no version in the reply")
        << QByteArray("VERSION V1.2") << QStringLiteral("版本号:--")
        << QStringLiteral("连接状态:设备无应答");
}

void TestConnection::versionReply()
{
    QFETCH(QByteArray, reply);
    QFETCH(QString, version);
    QFETCH(QString, state);
    if (!reply.contains("#VERSION:")) {
        // A device that never answers is as silent after a short wait as after a long one.
        DispenserTiming timing = fastTiming();
        timing.answerTimeout = 300;
        window = std::make_unique<TicketStation>(nullptr, timing);
    }
    connectTo(pty->slavePath());
    QCOMPARE(pty->read(kVersionQuery.size(), 4000), kVersionQuery);

    QVERIFY(pty->write(reply));

    QTRY_COMPARE_WITH_TIMEOUT(child<QLabel>("labState")->text(), state, 5000);
    QCOMPARE(child<QLabel>("labVersion")->text(), version);
}

void TestConnection::disconnectWithinFirstSecondDropsQuery()
{
    auto *button = child<QPushButton>("btnConnect");
    connectTo(pty->slavePath());
    button->click();
    button->click();
    QCOMPARE(button->text(), QStringLiteral("断开连接"));
    QCOMPARE(pty->read(kVersionQuery.size(), 4000), kVersionQuery);

    // The first session's query would come around now, ahead of the clock frame.
    child<QPushButton>("btnSetTime")->click();
    QCOMPARE(pty->read(15, 4000).left(8), QByteArray::fromHex("14000000ffffffff"));
}

void TestConnection::systemSettingsFromWidgets_data()
{
    QTest::addColumn<int>("netWork");
    QTest::addColumn<QString>("resetTime");
    QTest::addColumn<int>("interval");
    QTest::addColumn<bool>("limitsOn");
    QTest::addColumn<int>("formatIndex");
    QTest::addColumn<QByteArray>("frame");
    const QByteArray header = QByteArray::fromHex("12000000ffffffff");
    const QByteArray limits =
        QByteArray::fromHex("0a000000140000001e00000028000000320000003c000000");
    QTest::newRow("padded format, limits on")
        << 12 << "08:00" << 3 << true << 1
        << header + QByteArray::fromHex("0c08030101000000") + limits;
    QTest::newRow("reset at 23:00") << 0 << "23:00" << 0 << true << 0
                                    << header + QByteArray::fromHex("0023000100000000") + limits;
    QTest::newRow("limits off are still sent")
        << 5 << "00:00" << 5 << false << 0
        << header + QByteArray::fromHex("0500050000000000") + limits;
}

void TestConnection::systemSettingsFromWidgets()
{
    QFETCH(int, netWork);
    QFETCH(QString, resetTime);
    QFETCH(int, interval);
    QFETCH(bool, limitsOn);
    QFETCH(int, formatIndex);
    QFETCH(QByteArray, frame);
    child<QComboBox>("cmbNetWork")->setCurrentText(QString::number(netWork));
    child<QComboBox>("cmbClearNumberTime")->setCurrentText(resetTime);
    child<QSpinBox>("spbTicketingInterval")->setValue(interval);
    child<QCheckBox>("cbEnableLimit")->setChecked(limitsOn);
    child<QComboBox>("cmbNumberFormat")->setCurrentIndex(formatIndex);
    // Filled in as an operator reads the boxes, row by row and left to right; each must go out
    // as the ticket type its label names (the frame holds 10 to 60 for types 1 to 6).
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    const QList<QSpinBox *> limits = limitBoxesAsRead();
    QCOMPARE(limits.size(), 6);
    for (int i = 0; i < limits.size(); ++i) {
        QCOMPARE(limitLabel(limits.at(i)), QStringLiteral("类型%1：").arg(i + 1));
        limits.at(i)->setValue((i + 1) * 10);
    }
    connectTo(pty->slavePath());

    child<QPushButton>("btnSetSystem")->click();

    QCOMPARE(pty->read(frame.size(), 3000).toHex(' '), frame.toHex(' '));
}

void TestConnection::clockFromComputer()
{
    connectTo(pty->slavePath());
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);

    child<QPushButton>("btnSetTime")->click();

    const QByteArray frame = pty->read(15, 3000);
    const QDateTime after = QDateTime::currentDateTime().addSecs(1);
    QCOMPARE(frame.size(), 15);
    QCOMPARE(frame.left(8), QByteArray::fromHex("14000000ffffffff"));
    const QDate date(2000 + fromBcd(frame.at(14)), fromBcd(frame.at(13)), fromBcd(frame.at(12)));
    const QTime time(fromBcd(frame.at(10)), fromBcd(frame.at(9)), fromBcd(frame.at(8)));
    QVERIFY(date.isValid() && time.isValid());
    QCOMPARE(int(frame.at(11)), date.dayOfWeek());
    const QDateTime sent(date, time);
    QVERIFY2(sent >= before.addMSecs(-before.time().msec()) && sent <= after,
             qPrintable(sent.toString(Qt::ISODate)));
}

void TestConnection::testPrintWithoutBlocks_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QByteArray>("tabByte");
    QTest::newRow("first tab") << 0 << QByteArray("00");
    QTest::newRow("third tab") << 2 << QByteArray("02");
}

void TestConnection::testPrintWithoutBlocks()
{
    QFETCH(int, tab);
    QFETCH(QByteArray, tabByte);
    auto *tabs = child<QTabWidget>("tabWidget");
    QVERIFY(tabs->count() > tab);
    tabs->setCurrentIndex(tab);
    window->pageEditor(-1)->setPlainText(QStringLiteral("plain text, no placeholder"));
    connectTo(pty->slavePath());
    const QByteArray dump = "1a 5b 01 00 00 00 00 80 01 ff 03 00 1a 76 01 00 00 00 00 50 00 50 "
                            "00 00 00 " +
                            tabByte + " 00 1a 5d 00 1a 4f 00 ";

    const QByteArray out = captureStdout([this] { window->onTestPrint(); });

    const QList<QByteArray> lines = out.split('\n');
    QList<QByteArray> dumps;
    for (const QByteArray &line : lines) {
        if (line.startsWith("printf-PC"))
            dumps.append(line);
    }
    QCOMPARE(dumps, QList<QByteArray>{"printf-PC : " + dump});
    QVERIFY(out.contains("printf-PC : " + dump + '\n'));
    const QByteArray payload = QByteArray::fromHex(dump);
    QCOMPARE(payload.size(), 33);
    QCOMPARE(pty->read(8 + payload.size(), 3000).toHex(' '),
             (QByteArray::fromHex("1600000021000000") + payload).toHex(' '));
}

void TestConnection::portListFollowsDiscovery()
{
    DispenserTiming timing = fastTiming();
    timing.link.discovery = 50;
    window = std::make_unique<TicketStation>(nullptr, timing);
    auto *ports = child<QComboBox>("cmbSerialPort");
    const QString stale = QStringLiteral("Gone/dev/ticketstation-unplugged");
    ports->addItem(stale);
    QTRY_VERIFY(ports->findText(stale) < 0);
}

void TestConnection::unpluggedDeviceDisconnects()
{
    auto *button = child<QPushButton>("btnConnect");
    connectTo(pty->slavePath());
    QCOMPARE(pty->read(kVersionQuery.size(), 4000), kVersionQuery);
    QVERIFY(pty->write("#VERSION:V1.2"));
    QTRY_COMPARE(child<QLabel>("labState")->text(), QStringLiteral("连接状态:已连接"));

    pty->closeMaster();

    QTRY_COMPARE_WITH_TIMEOUT(button->text(), QStringLiteral("连接设备"), 1000);
    QVERIFY(child<QComboBox>("cmbSerialPort")->isEnabled());
    QCOMPARE(child<QLabel>("labVersion")->text(), QStringLiteral("版本号:--"));
    QCOMPARE(child<QLabel>("labState")->text(), QStringLiteral("连接状态:--"));
    QCOMPARE(visibleTipText(), QStringLiteral("设备连接已断开"));

    PtyPair replacement;
    QVERIFY(replacement.isValid());
    connectTo(replacement.slavePath());
    QCOMPARE(button->text(), QStringLiteral("断开连接"));
    QCOMPARE(replacement.read(kVersionQuery.size(), 4000), kVersionQuery);
}

TS_TEST_MAIN(TestConnection)
#include "tst_connection.moc"
