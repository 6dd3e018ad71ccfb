// Golden files: for a handful of stored designs, the exact bytes a download and a test print
// queue (zlib-compressed, as qCompress writes them) and the images the preview shows. Run with
// TS_GOLDEN_RECORD=1 to write them afresh.

#include "datapacket.h"
#include "devicecommands.h"
#include "nvimage.h"
#include "pagedownload.h"
#include "testmain.h"
#include "testpages.h"
#include "ticketpage.h"
#include "ticketpreview.h"
#include "ticketstation.h"
#include "ttqtextedit.h"

#include <QDir>
#include <QSettings>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextCursor>

#include <memory>

namespace {

const QDateTime kPreviewTime(QDate(2024, 5, 6), QTime(7, 8, 9));

QString goldenDir(const QString &design)
{
    return QStringLiteral(TS_GOLDEN_DIR "/") + design;
}

bool recording()
{
    return qEnvironmentVariableIsSet("TS_GOLDEN_RECORD");
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

QByteArray framed(qint32 type, const QByteArray &data)
{
    QByteArray out;
    for (const QByteArray &frame : chunkFrames(type, data))
        out += frame;
    return out;
}

QByteArray pngBytes(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// The station settings a design was recorded with, beside the program as it reads them.
void writeSettings(const QString &designDir)
{
    const QString ini = QCoreApplication::applicationDirPath() + "/language/settings.ini";
    QFile::remove(ini);
    QFile::copy(designDir + "/settings.ini", ini);
}

const char kPlaceholders[] =
    R"(<p><span style=" font-size:14pt; background-color:#e1ddfa;">0001</span> )"
    R"(<span style=" font-size:14pt; background-color:#fac3c3;">02</span></p>)"
    R"(<p align="center"><span style=" font-size:9pt; background-color:#fadbc0;">)"
    R"(&nbsp;02-02-2022 22:22:22&nbsp;</span></p>)";

QImage checkerPicture(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, ((x / 4 + y / 4) % 2) ? 0xFF000000 : 0xFFFFFFFF);
    // Stored as a 1-bit picture, so the design file stays small.
    return image.convertToFormat(QImage::Format_Mono);
}

QImage greyPicture(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(x * 255 / size.width(), y * 255 / size.height(), 128));
    return image.convertToFormat(QImage::Format_Grayscale8);
}

// Page k of the six-page design: text, a black-and-white and a grey picture, the three
// placeholders, filling the page height.
void fillFullPage(TtQTextEdit *page, int k)
{
    page->setHtml(QStringLiteral("<p style=\"font-size:16pt\">类型 %1 · Ticket Ąę</p>").arg(k) +
                  QString::fromUtf8(kPlaceholders));
    QTextCursor cursor(page->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertBlock();
    insertPicture(*page, cursor, QStringLiteral("bw%1").arg(k), checkerPicture(QSize(384, 150)));
    cursor.insertBlock();
    insertPicture(*page, cursor, QStringLiteral("grey%1").arg(k),
                  greyPicture(QSize(200 + 20 * k, 160)));
}

// Every paragraph with the line height the toolbar gives a page, as pages the program saves
// have them.
void giveLineHeights(TtQTextEdit *page)
{
    QTextCursor cursor(page->document());
    for (QTextBlock block = page->document()->begin(); block.isValid(); block = block.next()) {
        QTextBlockFormat format = block.blockFormat();
        format.setLineHeight(10, QTextBlockFormat::LineDistanceHeight);
        cursor.setPosition(block.position());
        cursor.setBlockFormat(format);
    }
}

struct Recipe
{
    int pages;
    int maxHeight;
    QString language;
    std::function<void(TicketStation &)> build;
};

} // namespace

class TestGolden : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void designMatchesGoldenFiles_data();
    void designMatchesGoldenFiles();

private:
    void record(const QString &name, const Recipe &recipe);
    std::unique_ptr<TicketStation> window;
};

void TestGolden::initTestCase()
{
    QDir().mkpath(QCoreApplication::applicationDirPath() + "/language/Config");
    if (!recording())
        return;
    const QMap<QString, Recipe> recipes{
        {"default",
         {2,
          480,
          {},
          [](TicketStation &) {
          }}},
        {"polish-default",
         {2, 480, "queuestation_pl.qm",
          [](TicketStation &) {
          }}},
        {"six-full",
         {6,
          480,
          {},
          [](TicketStation &w) {
              for (int k = 0; k < 6; ++k) {
                  fillFullPage(w.pageEditor(k), k + 1);
                  giveLineHeights(w.pageEditor(k));
              }
          }}},
        {"blank",
         {3,
          480,
          {},
          [](TicketStation &w) {
              for (int k = 0; k < 3; ++k)
                  w.pageEditor(k)->clear();
          }}},
        {"tallest",
         {1,
          65535,
          {},
          [](TicketStation &w) {
              TtQTextEdit *page = w.pageEditor(0);
              page->setHtml(QString::fromUtf8(kPlaceholders) +
                            "<p style=\"margin-top:65300px\">end</p>");
              QTextCursor cursor(page->document());
              cursor.movePosition(QTextCursor::End);
              insertPicture(*page, cursor, "last", checkerPicture(QSize(64, 64)));
              giveLineHeights(page);
          }}},
    };
    for (auto it = recipes.cbegin(); it != recipes.cend(); ++it)
        record(it.key(), it.value());
}

void TestGolden::cleanup()
{
    window.reset();
}

void TestGolden::record(const QString &name, const Recipe &recipe)
{
    const QString dir = goldenDir(name);
    QVERIFY(QDir().mkpath(dir));
    {
        QSettings ini(dir + "/settings.ini", QSettings::IniFormat);
        ini.clear();
        ini.setValue("maxTabWidget", recipe.pages);
        ini.setValue("editTextMaxHeight", recipe.maxHeight);
        if (!recipe.language.isEmpty())
            ini.setValue("Language", recipe.language);
    }
    writeSettings(dir);
    const QString languageDir = QCoreApplication::applicationDirPath() + "/language/";
    QFile::copy(QStringLiteral(TS_CATALOGUE_DIR "/") + recipe.language,
                languageDir + recipe.language);
    QFile::remove(languageDir + "Config/template.json");
    TicketStation w;
    recipe.build(w);
    w.onSave(dir + "/design.json");
    QVERIFY(QFile::exists(dir + "/design.json"));
}

void TestGolden::designMatchesGoldenFiles_data()
{
    QTest::addColumn<QString>("design");
    for (const char *name : {"default", "polish-default", "six-full", "blank", "tallest"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestGolden::designMatchesGoldenFiles()
{
    QFETCH(QString, design);
    const QString dir = goldenDir(design);
    writeSettings(dir);
    // Only the design's own catalogue-free content matters: its pages are stored translated.
    QSettings ini(QCoreApplication::applicationDirPath() + "/language/settings.ini",
                  QSettings::IniFormat);
    ini.remove("Language");
    ini.sync();
    QFile::remove(QCoreApplication::applicationDirPath() + "/language/Config/template.json");

    window = std::make_unique<TicketStation>();
    // As on a laptop screen: every page is taller than its editor, which shows its scroll bar.
    window->resize(500, 600);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    window->onLoad(dir + "/design.json");
    // Saving first waits for every page of the opened design.
    window->onSave(QCoreApplication::applicationDirPath() + "/language/Config/scratch.json");

    auto *tabs = window->findChild<QTabWidget *>("tabWidget");
    QList<TicketPage *> editors;
    for (int i = 0; i < qMin(tabs->count(), kLayoutTableEntries); ++i)
        editors.append(window->pageEditor(i)->page());
    QList<QImage> pages;
    QVERIFY(renderDesignPages(editors, &pages));
    const DesignDownload download = prepareDownload(pages);

    QMap<QString, QByteArray> outputs;
    QByteArray bytes;
    for (const DownloadMessage &message : downloadMessages(download))
        bytes += framed(message.type, message.data);
    outputs.insert("download.bin", bytes);

    const QList<TicketPreview> previews = previewTickets(download, kPreviewTime);
    for (int k = 0; k < previews.size(); ++k) {
        outputs.insert(QStringLiteral("page-%1.png").arg(k + 1), pngBytes(download.pages.at(k)));
        outputs.insert(QStringLiteral("preview-%1.png").arg(k + 1),
                       pngBytes(previews.at(k).marked));
    }
    for (int k = 0; k < tabs->count(); ++k) {
        tabs->setCurrentIndex(k);
        QByteArray print = testPageStart() + testPageTab(k);
        print += window->GenPrintTextDat(BLOCK_NUMBER, QStringLiteral("001"));
        print += window->GenPrintTextDat(BLOCK_QUEUE, QStringLiteral("002"));
        print += window->GenPrintTextDat(BLOCK_DATETIME, QStringLiteral("7-17-2022 18:06:01"));
        print += testPageEnd();
        outputs.insert(QStringLiteral("testprint-%1.bin").arg(k + 1),
                       framed(PACKET_PRINT_DAT, print));
    }

    // TS_GOLDEN_ACTUAL=DIR keeps what this run made, to be compared by eye with the files.
    const QString actualDir = qEnvironmentVariable("TS_GOLDEN_ACTUAL");
    if (!actualDir.isEmpty()) {
        QDir().mkpath(actualDir + "/" + design);
        for (auto it = outputs.cbegin(); it != outputs.cend(); ++it)
            writeAll(actualDir + "/" + design + "/" + it.key(), it.value());
    }
    for (auto it = outputs.cbegin(); it != outputs.cend(); ++it) {
        const QString path = dir + "/" + it.key();
        if (recording()) {
            QVERIFY(
                writeAll(path, it.key().endsWith(".bin") ? qCompress(it.value(), 9) : it.value()));
            continue;
        }
        QVERIFY2(QFile::exists(path), qPrintable(path));
        if (it.key().endsWith(".png")) {
            // PNG encoders may differ in their bytes; the pixels are what counts.
            const QImage expected(path);
            const QImage actual = QImage::fromData(it.value(), "PNG");
            QVERIFY2(expected.convertToFormat(QImage::Format_RGB888) ==
                         actual.convertToFormat(QImage::Format_RGB888),
                     qPrintable(it.key()));
        } else {
            QVERIFY2(qUncompress(readAll(path)) == it.value(), qPrintable(it.key()));
        }
    }
    QCOMPARE(QDir(dir).entryList({"*.bin", "*.png"}, QDir::Files).size(), outputs.size());
}

TS_TEST_MAIN(TestGolden)
#include "tst_golden.moc"
