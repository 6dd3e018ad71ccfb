// Hostile inputs where the program reads outside data: pictures declaring absurd sizes, design
// files that are huge or full of page keys, a settings file of garbage and extreme numbers, and
// a device reply that is not UTF-8. None may crash the program or take unbounded memory, and
// where the operator acted they are told why. How a design file is refused is tst_config's, how
// settings values are read tst_stationsettings'.

#include "faulttools.h"
#include "operatordialogs.h"
#include "testmain.h"
#include "ticketstation.h"
#include "ttqedittool.h"
#include "ttqtextedit.h"

#include <QAction>
#include <QCheckBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QMessageBox>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>

#include <memory>

namespace {

void appendLe(QByteArray &out, quint32 value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.append(char((value >> (8 * i)) & 0xFF));
}

// A BMP file: headers for `width` × `height` at `bitsPerPixel`, a grey palette for indexed
// formats, then `pixels` as the pixel data (possibly far less than the size declares).
QByteArray bmpFile(int width, int height, int bitsPerPixel, int compression,
                   const QByteArray &pixels)
{
    const int paletteEntries = bitsPerPixel <= 8 ? 1 << bitsPerPixel : 0;
    const int offset = 14 + 40 + 4 * paletteEntries;
    QByteArray bmp("BM");
    appendLe(bmp, quint32(offset + pixels.size()), 4);
    appendLe(bmp, 0, 4);
    appendLe(bmp, quint32(offset), 4);
    appendLe(bmp, 40, 4);
    appendLe(bmp, quint32(width), 4);
    appendLe(bmp, quint32(height), 4);
    appendLe(bmp, 1, 2);
    appendLe(bmp, quint32(bitsPerPixel), 2);
    appendLe(bmp, quint32(compression), 4);
    appendLe(bmp, quint32(pixels.size()), 4);
    appendLe(bmp, 2835, 4);
    appendLe(bmp, 2835, 4);
    appendLe(bmp, quint32(paletteEntries), 4);
    appendLe(bmp, 0, 4);
    for (int i = 0; i < paletteEntries; ++i) {
        const int grey = paletteEntries > 1 ? 255 * i / (paletteEntries - 1) : 0;
        appendLe(bmp, quint32(grey | grey << 8 | grey << 16), 4);
    }
    return bmp + pixels;
}

constexpr int kBiRgb = 0;
constexpr int kBiRle8 = 1;

// Run-length data that ends the bitmap at once: a few bytes that stand for every pixel.
const QByteArray kRleEndOfBitmap = QByteArray::fromHex("0001");

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

QJsonObject pageWithPicture(const QByteArray &bmp)
{
    QJsonObject picture{{"Image", QString::fromLatin1(bmp.toBase64())}, {"uri", "picture"}};
    return {{"html", "<p>a<img src=\"picture\" />b</p>"}, {"imageArry", QJsonArray{picture}}};
}

} // namespace

class TestFaultInputs : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void hugePicture_data();
    void hugePicture();
    void designWithManyPageKeys();
    void largeDesignFile_data();
    void largeDesignFile();
    void replyNotUtf8();
    void longReply();
    void settingsFile_data();
    void settingsFile();

private:
    void createWindow();
    // Loads `path` as the operator does through the Open action.
    void openThroughMenu(const QString &path);
    // Loads `path` through onLoad and waits until both pages are rebuilt.
    void loadAndWait(const QString &path);

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<TicketStation> window;
};

void TestFaultInputs::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
    QVERIFY(writeSettingsIni("maxTabWidget=2\n"));
    createWindow();
}

void TestFaultInputs::cleanup()
{
    Asker::clearAnswers();
    window.reset();
    dir.reset();
    removeSettingsIni();
}

void TestFaultInputs::createWindow()
{
    window.reset();
    window = std::make_unique<TicketStation>();
    window->show();
}

void TestFaultInputs::openThroughMenu(const QString &path)
{
    FileChooser::setNextFileName(path);
    Asker::setNextAnswer(QMessageBox::Discard);
    window->findChild<QAction *>("Open")->trigger();
}

void TestFaultInputs::loadAndWait(const QString &path)
{
    auto *tabs = window->findChild<QTabWidget *>("tabWidget");
    tabs->setCurrentIndex(tabs->count() - 1);
    window->onLoad(path);
    // A design opens at its first page.
    QCOMPARE(tabs->currentIndex(), 0);
}

void TestFaultInputs::hugePicture_data()
{
    QTest::addColumn<QByteArray>("bmp");
    QTest::addColumn<bool>("inDesign"); // else picked as a file for the page
    const QList<QPair<const char *, QByteArray>> pictures = {
        {"100000x100000, header only", bmpFile(100000, 100000, 24, kBiRgb, {})},
        {"16384x16384, run-length", bmpFile(16384, 16384, 8, kBiRle8, kRleEndOfBitmap)},
        {"384x65535, run-length", bmpFile(384, 65535, 8, kBiRle8, kRleEndOfBitmap)}};
    for (const auto &picture : pictures) {
        QTest::addRow("%s, in a design", picture.first) << picture.second << true;
        QTest::addRow("%s, from a file", picture.first) << picture.second << false;
    }
}

void TestFaultInputs::hugePicture()
{
    QFETCH(QByteArray, bmp);
    QFETCH(bool, inDesign);
    const QString path = dir->filePath(inDesign ? "design.json" : "huge.bmp");
    QVERIFY(writeFile(
        path, inDesign ? QJsonDocument(QJsonObject{{"type_1_html", pageWithPicture(bmp)}}).toJson()
                       : bmp));
    resetPeakResident();
    const qint64 before = residentKiB();
    if (inDesign) {
        loadAndWait(path);
        // The name stays, so the page shows a broken picture where it was.
        QCOMPARE(window->pageEditor(0)->imageNames, QList<QString>{"picture"});
    } else {
        QString error;
        if (!window->findChild<TtQEditTool *>()->insertPicture(path, &error))
            QVERIFY2(!error.isEmpty(), "a refused picture needs a reason for the operator");
    }
    TtQTextEdit *page = window->pageEditor(0);
    page->downloadImage();
    QVERIFY(!page->pageImage.isNull());
    const qint64 grown = peakResidentKiB() - before;
    QVERIFY2(grown < memoryBoundKiB(128 * 1024), qPrintable(QString("%1 KiB").arg(grown)));
}

void TestFaultInputs::designWithManyPageKeys()
{
    QJsonObject root{{"spbTicketingInterval", 3}};
    for (int i = 1; i <= 100000; ++i)
        root.insert(QStringLiteral("type_%1_html").arg(i),
                    QJsonObject{{"html", QStringLiteral("<p>page %1</p>").arg(i)}});
    const QString path = dir->filePath("many.json");
    QVERIFY(writeFile(path, QJsonDocument(root).toJson()));
    resetPeakResident();
    const qint64 before = residentKiB();
    loadAndWait(path);
    QCOMPARE(window->pageEditor(0)->toPlainText(), QStringLiteral("page 1"));
    QCOMPARE(window->pageEditor(5)->toPlainText(), QStringLiteral("page 6"));
    // The pages beyond the device are kept, up to a bound; the rest stay as the file has them.
    QCOMPARE(window->findChild<QTabWidget *>("tabWidget")->count(), kMaxKeptPages);
    QVERIFY(window->findChild<QLabel *>("beyondDeviceBanner")->isVisibleTo(window.get()));
    QCOMPARE(window->findChild<QSpinBox *>("spbTicketingInterval")->value(), 3);
    const qint64 grown = peakResidentKiB() - before;
    QVERIFY2(grown < memoryBoundKiB(256 * 1024), qPrintable(QString("%1 KiB").arg(grown)));
}

void TestFaultInputs::largeDesignFile_data()
{
    QTest::addColumn<bool>("valid");
    // Opening brackets are the most a file can make the reader follow for its size.
    QTest::newRow("50 MB of opening brackets") << false;
    QTest::newRow("50 MB of valid JSON") << true;
}

void TestFaultInputs::largeDesignFile()
{
    QFETCH(bool, valid);
    constexpr int size = 50 * 1024 * 1024;
    QByteArray bytes =
        valid ? "{\"spbTicketingInterval\": 2, \"padding\": \"" + QByteArray(size, 'x') + "\"}"
              : QByteArray(size, '[');
    const QString path = dir->filePath("large.json");
    QVERIFY(writeFile(path, bytes));
    bytes.clear();
    bytes.squeeze();
    auto *interval = window->findChild<QSpinBox *>("spbTicketingInterval");
    interval->setValue(4);

    resetPeakResident();
    const qint64 before = residentKiB();
    openThroughMenu(path);
    if (valid) {
        QTRY_COMPARE_WITH_TIMEOUT(interval->value(), 2, 20000);
    } else {
        QTRY_VERIFY_WITH_TIMEOUT(
            tipText().startsWith(QObject::tr("打开失败：%1").arg("large.json")), 20000);
        QVERIFY(tipText().contains(QObject::tr("不是有效的 JSON 文件")));
        QCOMPARE(interval->value(), 4);
    }
    // The file, its parsed form and a copy or two: a bounded multiple of its size.
    const qint64 grown = peakResidentKiB() - before;
    QVERIFY2(grown < memoryBoundKiB(5 * size / 1024), qPrintable(QString("%1 KiB").arg(grown)));
}

void TestFaultInputs::replyNotUtf8()
{
    auto *version = window->findChild<QLabel *>("labVersion");
    window->onReceiveDatFromSerialPort(QByteArray("\xc3(\xff#VERSION:V\xed\xa0\x80"
                                                  "1"));
    QVERIFY(version->text().startsWith(QObject::tr("版本号:%1").arg(QString())));
    QVERIFY(version->text().endsWith(QStringLiteral("1")));
    QVERIFY(!version->text().contains(QStringLiteral("#VERSION:")));
}

void TestFaultInputs::longReply()
{
    // The most a babbling device gets into one burst, all of it after the marker.
    const QSize before = window->size();
    window->onReceiveDatFromSerialPort("#VERSION:" + QByteArray(64 * 1024, 'A'));
    // The label's new size reaches the layout through posted events.
    QCoreApplication::processEvents();
    auto *version = window->findChild<QLabel *>("labVersion");
    QVERIFY(version->text().startsWith(QObject::tr("版本号:%1").arg("AAAA")));
    QVERIFY2(window->width() <= before.width() && window->minimumSizeHint().width() <= 2000,
             qPrintable(QString("window %1 wide, needs %2")
                            .arg(window->width())
                            .arg(window->minimumSizeHint().width())));
}

void TestFaultInputs::settingsFile_data()
{
    QTest::addColumn<QByteArray>("ini");
    QByteArray noise(4096, Qt::Uninitialized);
    QRandomGenerator(7).fillRange(reinterpret_cast<quint32 *>(noise.data()), noise.size() / 4);
    QTest::newRow("noise") << noise;
    QTest::newRow("int limits") << QByteArray("maxTabWidget=2147483647\n"
                                              "editTextMaxHeight=2147483647\n");
    QTest::newRow("lists and sections") << QByteArray("[General]\nmaxTabWidget=1, 2, 3\n"
                                                      "editTextMaxHeight=@Variant(\\0\\0\\0\\x7f)\n"
                                                      "Language=../../../../etc/passwd\n");
    QTest::newRow("long line") << "Language=" + QByteArray(1024 * 1024, 'z') + "\n";
    QTest::newRow("language not UTF-8") << QByteArray("Language=\xff\xfe\xc3\n");
}

void TestFaultInputs::settingsFile()
{
    QFETCH(QByteArray, ini);
    QVERIFY(writeSettingsIni(ini));
    resetPeakResident();
    const qint64 before = residentKiB();
    createWindow();
    const int pages = window->findChild<QTabWidget *>("tabWidget")->count();
    QVERIFY2(pages >= 1 && pages <= 6, qPrintable(QString::number(pages)));
    for (int i = 0; i < pages; ++i) {
        TtQTextEdit *page = window->pageEditor(i);
        QVERIFY(page);
        QVERIFY2(page->maxHeight >= 1 && page->maxHeight <= 65535,
                 qPrintable(QString::number(page->maxHeight)));
    }
    window->pageEditor(0)->downloadImage();
    QVERIFY(!window->pageEditor(0)->pageImage.isNull());
    // The tallest page the device takes is a 100 MB canvas while it is rendered.
    const qint64 grown = peakResidentKiB() - before;
    QVERIFY2(grown < memoryBoundKiB(256 * 1024), qPrintable(QString("%1 KiB").arg(grown)));
}

TS_TEST_MAIN(TestFaultInputs)
#include "tst_fault_inputs.moc"
