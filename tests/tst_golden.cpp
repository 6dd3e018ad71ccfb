// Golden files: for a handful of stored designs, the exact bytes a download and a test print
// queue (zlib-compressed, as qCompress writes them) and the images the preview shows, as the
// window made them. Here they are made from the design alone, with no widget at all. Run with
// TS_GOLDEN_RECORD=1 to write them afresh, with TS_GOLDEN_ACTUAL=DIR to keep what a run made.

#include "datapacket.h"
#include "design.h"
#include "designfile.h"
#include "devicecommands.h"
#include "fontregistry.h"
#include "goldendesigns.h"
#include "layouttable.h"
#include "pagedownload.h"
#include "pagemeasures.h"
#include "ticketpreview.h"

#include <QBuffer>
#include <QDir>
#include <QGuiApplication>
#include <QtTest>

namespace {

const QDateTime kPreviewTime(QDate(2024, 5, 6), QTime(7, 8, 9));

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

QByteArray framed(const QList<QByteArray> &frames)
{
    QByteArray out;
    for (const QByteArray &frame : frames)
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

} // namespace

class TestGolden : public QObject
{
    Q_OBJECT

private slots:
    void designMatchesGoldenFiles_data();
    void designMatchesGoldenFiles();
    void sharpTextLeavesNoGreyDots();
};

void TestGolden::designMatchesGoldenFiles_data()
{
    QTest::addColumn<QString>("design");
    for (const QString &name : goldenDesignNames())
        QTest::newRow(qPrintable(name)) << name;
}

void TestGolden::designMatchesGoldenFiles()
{
    QFETCH(QString, design);
    const QString dir = goldenDir(design);
    const std::unique_ptr<Design> loaded = loadGoldenDesign(design);
    QVERIFY(loaded);
    const Design &model = *loaded;

    QList<QImage> pages;
    QVERIFY(renderDesignPages(model.pages().mid(0, kLayoutTableEntries), &pages));
    const DesignDownload download = prepareDownload(pages);

    QMap<QString, QByteArray> bytes;
    QMap<QString, QImage> images;
    bytes.insert("download.bin", framed(downloadFrames(download)));
    const QList<TicketPreview> previews = previewTickets(download, kPreviewTime);
    for (int k = 0; k < previews.size(); ++k) {
        images.insert(QStringLiteral("page-%1.png").arg(k + 1), download.pages.at(k));
        images.insert(QStringLiteral("preview-%1.png").arg(k + 1), previews.at(k).marked);
    }
    for (int k = 0; k < pages.size(); ++k)
        bytes.insert(QStringLiteral("testprint-%1.bin").arg(k + 1),
                     framed(chunkFrames(PACKET_PRINT_DAT, testPrintData(k, pages.at(k)))));

    const QString actualDir = qEnvironmentVariable("TS_GOLDEN_ACTUAL");
    const bool record = qEnvironmentVariableIsSet("TS_GOLDEN_RECORD");
    const QString outDir = record ? dir : actualDir + "/" + design;
    if (record || !actualDir.isEmpty()) {
        QDir().mkpath(outDir);
        for (auto it = bytes.cbegin(); it != bytes.cend(); ++it)
            QVERIFY(
                writeAll(outDir + "/" + it.key(), record ? qCompress(it.value(), 9) : it.value()));
        for (auto it = images.cbegin(); it != images.cend(); ++it)
            QVERIFY(writeAll(outDir + "/" + it.key(), pngBytes(it.value())));
    }
    if (record)
        return;
    for (auto it = bytes.cbegin(); it != bytes.cend(); ++it)
        QVERIFY2(qUncompress(readAll(dir + "/" + it.key())) == it.value(), qPrintable(it.key()));
    // PNG encoders may differ in their bytes; the pixels are what counts.
    for (auto it = images.cbegin(); it != images.cend(); ++it)
        QCOMPARE(QImage(dir + "/" + it.key()).convertToFormat(QImage::Format_RGB888),
                 it.value().convertToFormat(QImage::Format_RGB888));
    QCOMPARE(QDir(dir).entryList({"*.bin", "*.png"}, QDir::Files).size(),
             bytes.size() + images.size());
}

// The default page's small text prints grey glyph edges as black dots; drawn sharp, it has none.
void TestGolden::sharpTextLeavesNoGreyDots()
{
    const DesignReadResult read = readDesignFile(goldenDir("default") + "/design.json");
    QVERIFY(read.ok);
    int greyDots[2] = {};
    for (bool sharp : {false, true}) {
        QJsonObject root = read.root;
        root.insert(designkey::sharpText, sharp);
        Design model;
        model.loadJson(root);
        QList<QImage> pages;
        QVERIFY(renderDesignPages(model.pages(), &pages));
        for (const TicketPreview &preview : previewTickets(prepareDownload(pages), kPreviewTime))
            greyDots[sharp] += preview.greyDots;
    }
    QVERIFY2(greyDots[false] > 500, qPrintable(QString::number(greyDots[false])));
    QCOMPARE(greyDots[true], 0);
}

// No widget exists in this test: the pages must render without any.
int main(int argc, char **argv)
{
    measurePagesAlike();
    QGuiApplication app(argc, argv);
    registerShippedFonts(QStringLiteral(TS_SHIPPED_FONT_DIR));
    TestGolden test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_golden.moc"
