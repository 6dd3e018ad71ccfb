// Writes the seed corpora of the fuzz targets from what the program itself produces: design
// files saved by the window, the frames of a download, a test print and the device commands,
// and the replies the emulated dispenser gives. Run it again when those formats change:
//   fuzz_seedgen <tests/fuzz/corpus>

#include "datapacket.h"
#include "devicecommands.h"
#include "devicestate.h"
#include "nvimage.h"
#include "pagemeasures.h"
#include "testpages.h"
#include "ticketstation.h"
#include "ttqtextedit.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTextCursor>

#include <cstdio>

namespace {

QDir corpus;

void writeSeed(const QString &target, const QString &name, const QByteArray &bytes)
{
    QDir().mkpath(corpus.filePath(target));
    QFile file(corpus.filePath(target + QLatin1Char('/') + name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

// Frames as the line carries them; the leading byte is the frames target's piece-size choice.
QByteArray lineBytes(const QList<QByteArray> &frames)
{
    QByteArray bytes(1, '\x07');
    for (const QByteArray &frame : frames)
        bytes += frame;
    return bytes;
}

// A picture in a paragraph of its own at the end of the page.
void addPicture(TtQTextEdit *page, const QSize &size, QRgb colour, const QString &name)
{
    QTextCursor cursor(page->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertBlock();
    insertPicture(*page, cursor, name, size, QColor(colour));
}

void designSeeds(TicketStation &window, const QString &folder)
{
    const QString path = folder + QStringLiteral("/design.json");
    window.onSave(path);
    writeSeed(QStringLiteral("design"), QStringLiteral("default.json"), readAll(path));

    TtQTextEdit *page = window.pageEditor(0);
    addPicture(page, QSize(12, 9), qRgb(0, 0, 0),
               QStringLiteral("{00000000-0000-0000-0000-000000000001}"));
    addPicture(page, QSize(3, 2), qRgb(40, 200, 90), QStringLiteral("plain"));
    window.findChild<QComboBox *>(QStringLiteral("cmbNetWork"))->setCurrentIndex(7);
    window.findChild<QComboBox *>(QStringLiteral("cmbClearNumberTime"))->setCurrentIndex(23);
    window.findChild<QComboBox *>(QStringLiteral("cmbNumberFormat"))->setCurrentIndex(1);
    window.findChild<QSpinBox *>(QStringLiteral("spbTicketingInterval"))->setValue(3);
    window.findChild<QSpinBox *>(QStringLiteral("spbNumberLimit_2"))->setValue(250);
    window.findChild<QCheckBox *>(QStringLiteral("cbEnableLimit"))->setChecked(true);
    window.onSave(path);
    writeSeed(QStringLiteral("design"), QStringLiteral("pictures.json"), readAll(path));

    writeSeed(QStringLiteral("design"), QStringLiteral("array.json"), "[1, {\"cmbNetWork\": 3}]");
    writeSeed(QStringLiteral("design"), QStringLiteral("broken.json"), "{\"cmbNetWork\": ");
}

void replySeeds()
{
    const QString target = QStringLiteral("reply");
    writeSeed(target, QStringLiteral("version"), "#VERSION:V1.2");
    writeSeed(target, QStringLiteral("version_crlf"), "#VERSION:V1.2\r\n");
    writeSeed(target, QStringLiteral("version_twice"), "#VERSION:A#VERSION:B");
    writeSeed(target, QStringLiteral("leading_zero"), QByteArray("\0#VERSION:X", 11));
    writeSeed(target, QStringLiteral("noise"), QByteArray::fromHex("ff00fe23564552e4b8ad"));

    // What the emulated dispenser answers to the program's own version query.
    devicemodel::DeviceState device(QStringLiteral("EMU-1.0"));
    QByteArray reply;
    QObject::connect(&device, &devicemodel::DeviceState::reply,
                     [&reply](const QByteArray &bytes) { reply += bytes; });
    devicemodel::FrameDecoder decoder;
    for (const auto &event : decoder.feed(versionQueryFrame()))
        device.handleFrame(event.frame);
    writeSeed(target, QStringLiteral("emulator"), reply);
}

void frameSeeds(TicketStation &window)
{
    const QString target = QStringLiteral("frames");
    writeSeed(target, QStringLiteral("version_query"), lineBytes({versionQueryFrame()}));
    writeSeed(target, QStringLiteral("time_set"),
              lineBytes({timeSetFrame(QDateTime(QDate(2022, 7, 17), QTime(18, 6, 1)))}));
    SystemConfigValues values;
    values.netWork = 12;
    values.clearNumberTime = 0x23;
    values.ticketingInterval = 2;
    values.numberLimits = {1, 20, 300, 4000, 50000, 999999};
    writeSeed(target, QStringLiteral("system_config"), lineBytes({systemConfigFrame(values)}));

    QByteArray testPage = testPageStart() + testPageTab(1);
    testPage += window.GenPrintTextDat(BLOCK_NUMBER, QStringLiteral("001"));
    testPage += window.GenPrintTextDat(BLOCK_QUEUE, QStringLiteral("002"));
    testPage += window.GenPrintTextDat(BLOCK_DATETIME, QStringLiteral("7-17-2022 18:06:01"));
    testPage += testPageEnd();
    writeSeed(target, QStringLiteral("test_print"),
              lineBytes(chunkFrames(PACKET_PRINT_DAT, testPage)));

    // A download of every page as the window renders it, and one of a blank page.
    auto download = [](const QList<QImage> &pages, const QList<QImage> &images) {
        QList<QByteArray> frames = chunkFrames(PACKET_TICKET_SET, layoutTable(pages));
        frames += chunkFrames(PACKET_PRINT_DAT, QByteArray("\x1b\x40"));
        frames += chunkFrames(PACKET_PRINT_DAT, nvImageCommand(images));
        return lineBytes(frames);
    };
    QList<QImage> pages;
    QList<QImage> images;
    for (int k = 0; window.pageEditor(k) && k < 6; ++k) {
        images.append(window.pageEditor(k)->downloadImage());
        pages.append(window.pageEditor(k)->pageImage);
    }
    writeSeed(target, QStringLiteral("download"), download(pages, images));
    QImage blank(384, 30, QImage::Format_RGB888);
    blank.fill(Qt::white);
    writeSeed(target, QStringLiteral("download_blank"), download({blank}, {blank}));
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Q_INIT_RESOURCE(resources);
    measurePagesAlike();
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <corpus folder>\n", argv[0]);
        return 2;
    }
    corpus = QDir(QString::fromLocal8Bit(argv[1]));
    QTemporaryDir folder;
    TicketStation window;
    QCoreApplication::processEvents();
    frameSeeds(window);
    designSeeds(window, folder.path());
    replySeeds();
    return 0;
}
