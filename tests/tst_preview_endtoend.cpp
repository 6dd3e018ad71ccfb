#include "emulatorsession.h"
#include "faulttools.h"
#include "pagedownload.h"
#include "printpreviewdialog.h"
#include "testmain.h"
#include "testpages.h"
#include "ticketdrawing.h"
#include "ticketpage.h"
#include "ticketpreview.h"
#include "ticketstation.h"
#include "ttqtextedit.h"

#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>

#include <memory>

namespace {

// Every second from `from` to `to`, both included, widened by one on each side: the device
// model reads the clock at its own moment within the span.
QList<QDateTime> secondsAround(const QDateTime &from, const QDateTime &to)
{
    QList<QDateTime> seconds;
    QDateTime t = from.addSecs(-1);
    t.setTime(QTime(t.time().hour(), t.time().minute(), t.time().second()));
    for (; t <= to.addSecs(1); t = t.addSecs(1))
        seconds << t;
    return seconds;
}

} // namespace

class TestPreviewEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void previewOfTheDefaultDesignIsWhatTheDeviceStores();

private:
    // What a download of the window's pages as they are now would send.
    DesignDownload currentDownload() const;

    QTemporaryDir outDir;
    EmulatorSession emulator;
    std::unique_ptr<TicketStation> window;
};

void TestPreviewEndToEnd::init()
{
    QVERIFY(outDir.isValid());
}

void TestPreviewEndToEnd::cleanup()
{
    window.reset();
    emulator.stop();
    removeSettingsIni();
}

DesignDownload TestPreviewEndToEnd::currentDownload() const
{
    QList<TicketPage *> editors;
    for (int i = 0; i < window->findChild<QTabWidget *>("tabWidget")->count(); ++i)
        editors << window->pageEditor(i)->page();
    QList<QImage> pages;
    if (!renderDesignPages(editors, &pages))
        return {};
    return prepareDownload(pages);
}

void TestPreviewEndToEnd::previewOfTheDefaultDesignIsWhatTheDeviceStores()
{
    QVERIFY(emulator.start(QStringLiteral(EMULATOR_PATH), {"--out", outDir.path()}));
    QVERIFY(writeSettingsIni("maxTabWidget=2\n"));
    window = std::make_unique<TicketStation>(nullptr, fastTiming());
    window->show();
    const int pageCount = 2;

    connectWindowTo(window.get(), emulator.portPath());
    QTRY_VERIFY_WITH_TIMEOUT(
        window->findChild<QLabel *>("labVersion")->text().contains(QStringLiteral("EMU")), 5000);

    // The preview, before anything is downloaded.
    const QDateTime previewFrom = QDateTime::currentDateTime();
    window->findChild<QPushButton *>("btnPreview")->click();
    const QDateTime previewTo = QDateTime::currentDateTime();
    auto *dialog = window->findChild<PrintPreviewDialog *>();
    QVERIFY(dialog && dialog->isVisible());
    QList<QImage> shown;
    for (int k = 0; k < pageCount; ++k) {
        auto *label = dialog->findChild<QLabel *>(QStringLiteral("labPage_%1").arg(k));
        QVERIFY(label);
        shown << label->pixmap(Qt::ReturnByValue).toImage().convertToFormat(QImage::Format_RGB888);
    }
    dialog->close();

    // The download, and what the emulated device makes of it.
    const QDateTime downloadFrom = QDateTime::currentDateTime();
    downloadAnyway(window.get());
    QVERIFY2(emulator.waitForLog(QStringLiteral("preview_%1.png").arg(pageCount - 1), 60000),
             qPrintable(emulator.log()));
    const QDateTime downloadTo = QDateTime::currentDateTime();
    QVERIFY2(!emulator.log().contains("REJECTED") && !emulator.log().contains("rejected"),
             qPrintable(emulator.log()));

    const DesignDownload download = currentDownload();
    QCOMPARE(download.pages.size(), pageCount);

    const QList<QDateTime> previewSeconds = secondsAround(previewFrom, previewTo);
    const QList<QDateTime> deviceSeconds = secondsAround(downloadFrom, downloadTo);
    for (int k = 0; k < pageCount; ++k) {
        const QImage device = QImage(outDir.filePath(QStringLiteral("preview_%1.png").arg(k)))
                                  .convertToFormat(QImage::Format_RGB888);
        QVERIFY(!device.isNull());
        QCOMPARE(shown.at(k).size(), device.size());

        // Dot for dot what the device prints, but for the seconds of the clock, which moved on
        // between preview and download.
        const BlockRecord date = parseLayoutTable(download.layoutTable).value(k).blocks[1];
        QCOMPARE(date.blockType, 2);
        // Wide enough for the longest date and time the device prints.
        const QRect dateText =
            devicemodel::textRect({date.x, date.y, date.fontCode, QString(19, QLatin1Char('0'))});
        QVERIFY(sameDots(shown.at(k), device, {dateText}));

        // With the clock included: the shown page is the preview at the moment it was asked for,
        // and the device's picture the same preview at the moment it stored the pages.
        const auto matchesAt = [&](const QImage &image, const QList<QDateTime> &seconds,
                                   bool dotsOnly) {
            for (const QDateTime &t : seconds) {
                const TicketPreview preview = previewTickets(download, t).value(k);
                if (dotsOnly ? sameDots(image, preview.ticket) : image == preview.ticket)
                    return true;
            }
            return false;
        };
        QVERIFY(matchesAt(shown.at(k), previewSeconds, true));
        QVERIFY(matchesAt(device, deviceSeconds, false));
    }
}

TS_TEST_MAIN(TestPreviewEndToEnd)
#include "tst_preview_endtoend.moc"
