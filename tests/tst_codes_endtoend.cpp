// Codes as the operator places them, downloaded to the emulated dispenser, printed there and
// read back from the printed ticket with a real decoder: every symbology at the smallest module
// the dialog allows still scans after printing.

#include "emulatorsession.h"
#include "faulttools.h"
#include "testmain.h"
#include "ticketstation.h"
#include "ttqedittool.h"
#include "ttqtextedit.h"

#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>

#include <ZXing/ReadBarcode.h>

namespace {

struct PrintedCode
{
    TicketCode code;
    ZXing::BarcodeFormat format;
    QString decoded;
};

QString decode(const QImage &print, ZXing::BarcodeFormat format)
{
    const QImage grey = print.convertToFormat(QImage::Format_Grayscale8);
    const ZXing::ImageView view(grey.constBits(), grey.width(), grey.height(),
                                ZXing::ImageFormat::Lum, int(grey.bytesPerLine()));
    ZXing::DecodeHints hints;
    hints.setFormats(format);
    const ZXing::Result result = ZXing::ReadBarcode(view, hints);
    return result.isValid() ? QString::fromStdString(result.text()) : QString();
}

} // namespace

class TestCodesEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void printedCodesScan();
};

void TestCodesEndToEnd::printedCodesScan()
{
    using ZXing::BarcodeFormat;
    const QList<PrintedCode> codes{
        {{CodeSymbology::Qr, "https://example.com/q/A042", 0, QrLevel::M},
         BarcodeFormat::QRCode,
         "https://example.com/q/A042"},
        {{CodeSymbology::Code128, "TS-0042", 0, QrLevel::M, true},
         BarcodeFormat::Code128,
         "TS-0042"},
        {{CodeSymbology::Ean13, "590123412345", 0, QrLevel::M, true},
         BarcodeFormat::EAN13,
         "5901234123457"},
        {{CodeSymbology::DataMatrix, "A042 2026-12-08"},
         BarcodeFormat::DataMatrix,
         "A042 2026-12-08"},
        {{CodeSymbology::Pdf417, "TicketStation A042"},
         BarcodeFormat::PDF417,
         "TicketStation A042"},
    };

    QTemporaryDir outDir;
    EmulatorSession emulator;
    QVERIFY(emulator.start(QStringLiteral(EMULATOR_PATH),
                           {"--out", outDir.path(), "--version", "EMU-1.0"}));
    QVERIFY(writeSettingsIni("maxTabWidget=5\neditTextMaxHeight=200\n"));
    TicketStation window(nullptr, fastTiming());
    window.show();
    auto *tabs = window.findChild<QTabWidget *>("tabWidget");
    auto *tool = window.findChild<TtQEditTool *>();
    for (int k = 0; k < codes.size(); ++k) {
        tabs->setCurrentIndex(k);
        window.pageEditor(k)->clear();
        TicketCode code = codes.at(k).code;
        code.moduleDots = minimumModuleDots(code.symbology);
        QString error;
        QVERIFY2(tool->insertCode(code, &error), qPrintable(error));
    }

    connectWindowTo(&window, emulator.portPath());
    QTRY_COMPARE_WITH_TIMEOUT(window.findChild<QLabel *>("labVersion")->text(),
                              QStringLiteral("版本号:EMU-1.0"), 5000);
    downloadAnyway(&window);
    for (int k = 0; k < codes.size(); ++k) {
        tabs->setCurrentIndex(k);
        window.findChild<QPushButton *>("btnTest")->click();
    }
    QVERIFY2(emulator.waitForLog(QStringLiteral("print_%1.png").arg(codes.size()), 30000),
             qPrintable(emulator.log()));

    for (int k = 0; k < codes.size(); ++k) {
        const QImage print(outDir.filePath(QStringLiteral("print_%1.png").arg(k + 1)));
        QVERIFY(!print.isNull());
        QCOMPARE(decode(print, codes.at(k).format), codes.at(k).decoded);
    }
    removeSettingsIni();
}

TS_TEST_MAIN(TestCodesEndToEnd)
#include "tst_codes_endtoend.moc"
