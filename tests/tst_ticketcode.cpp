// Codes as pictures on a page: what each symbology refuses, and a page keeping its codes'
// settings through its design file.

#include "fontregistry.h"
#include "pagemeasures.h"
#include "pagerender.h"
#include "ticketcode.h"
#include "ticketpage.h"

#include <QGuiApplication>
#include <QJsonArray>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QtTest>

Q_DECLARE_METATYPE(TicketCode)

class TestTicketCode : public QObject
{
    Q_OBJECT

private slots:
    void refusals_data();
    void refusals();
    void modulesAreWholeDots_data();
    void modulesAreWholeDots();
    void centredCodePrintsWithoutGrey();
    void pageKeepsItsCodes();
};

void TestTicketCode::refusals_data()
{
    QTest::addColumn<TicketCode>("code");
    const auto row = [](const char *name, CodeSymbology symbology, const QString &content,
                        int moduleDots) {
        QTest::newRow(name) << TicketCode{symbology, content, moduleDots};
    };
    const char *names[] = {"QR", "Code 128", "EAN-13", "Data Matrix", "PDF417"};
    for (int i = 0; i < kCodeSymbologyCount; ++i) {
        const auto symbology = CodeSymbology(i);
        const QString content = symbology == CodeSymbology::Ean13 ? "5901234123457" : "A042";
        row(qPrintable(QStringLiteral("%1 one dot below its smallest").arg(names[i])), symbology,
            content, minimumModuleDots(symbology) - 1);
        row(qPrintable(QStringLiteral("%1 empty").arg(names[i])), symbology, QString(), 4);
    }
    row("EAN-13 of 11 digits", CodeSymbology::Ean13, "59012341234", 2);
    row("EAN-13 of 7 digits (an EAN-8 to zint)", CodeSymbology::Ean13, "5901234", 2);
    row("EAN-13 with a wrong check digit", CodeSymbology::Ean13, "5901234123458", 2);
    row("EAN-13 with a letter", CodeSymbology::Ean13, "59012341234A", 2);
    row("Code 128 with Chinese", CodeSymbology::Code128, QStringLiteral("号码"), 2);
    row("QR beyond its capacity", CodeSymbology::Qr, QString(3000, 'x'), 3);
    row("Code 128 wider than the paper", CodeSymbology::Code128, "TICKET-0042-2026", 2);
    row("QR wider than the paper", CodeSymbology::Qr, QString(300, 'x'), 6);
    row("module beyond the largest", CodeSymbology::Qr, "A042", kMaxModuleDots + 1);
}

void TestTicketCode::refusals()
{
    QFETCH(TicketCode, code);
    const CodePicture picture = makeCodePicture(code);
    QVERIFY(picture.image.isNull());
    QVERIFY(!picture.error.isEmpty());
}

void TestTicketCode::modulesAreWholeDots_data()
{
    QTest::addColumn<TicketCode>("code");
    QTest::addColumn<QSize>("size");
    // A 21-module QR with its 4-module quiet zone; a 16-module Data Matrix with 1.
    QTest::newRow("QR, 3 dots") << TicketCode{CodeSymbology::Qr, "A042", 3} << QSize(87, 87);
    QTest::newRow("QR, 5 dots") << TicketCode{CodeSymbology::Qr, "A042", 5} << QSize(145, 145);
    QTest::newRow("Data Matrix, 4 dots")
        << TicketCode{CodeSymbology::DataMatrix, "A042 2026-12-08", 4} << QSize(72, 72);
}

void TestTicketCode::modulesAreWholeDots()
{
    QFETCH(TicketCode, code);
    QFETCH(QSize, size);
    const QImage image = makeCodePicture(code).image;
    QCOMPARE(image.size(), size);
    QCOMPARE(image.format(), QImage::Format_Mono);
    // Every module is a square of moduleDots dots of one colour.
    const int m = code.moduleDots;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            QCOMPARE(image.pixel(x, y), image.pixel(x / m * m, y / m * m));
    }
}

// An odd-width code centred on the page starts half a dot in; it must still land on whole dots.
void TestTicketCode::centredCodePrintsWithoutGrey()
{
    TicketPage page(1);
    QTextCursor cursor(page.document());
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    cursor.setBlockFormat(centred);
    const TicketCode code{CodeSymbology::Qr, "A042", 3};
    const QImage picture = makeCodePicture(code).image;
    QCOMPARE(picture.width() % 2, 1);
    page.insertCode(cursor, code, picture);

    // Every dot pure black or white, and as many black as the code has.
    const auto blackDots = [](const QImage &image) {
        int black = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb dot = image.pixel(x, y);
                if (dot != qRgb(0, 0, 0) && dot != qRgb(255, 255, 255))
                    return -1;
                black += dot == qRgb(0, 0, 0);
            }
        }
        return black;
    };
    QCOMPARE(blackDots(renderPage(page)), blackDots(picture));
}

void TestTicketCode::pageKeepsItsCodes()
{
    TicketPage page(1);
    QTextCursor cursor(page.document());
    const TicketCode code{CodeSymbology::Pdf417, QStringLiteral("排队 A042"), 2, QrLevel::H, true};
    const CodePicture picture = makeCodePicture(code);
    QVERIFY2(!picture.image.isNull(), qPrintable(picture.error));
    page.insertCode(cursor, code, picture.image);
    const QString name = page.imageNames.first();

    QJsonObject file;
    page.saveToJson(file);
    // Entries an older or damaged file may hold are left out, not fatal.
    QJsonObject pageJson = file.value(pageKey(1)).toObject();
    QJsonArray codes = pageJson.value("codes").toArray();
    QCOMPARE(codes.size(), 1);
    codes.append(QJsonObject{{"uri", "{not-a-picture}"}, {"symbology", "qr"}, {"content", "x"}});
    codes.append(QJsonObject{{"uri", name}, {"symbology", "aztec"}, {"content", "x"}});
    codes.append(QJsonObject{{"uri", name}, {"symbology", "qr"}, {"content", 5}});
    codes.append(QStringLiteral("not an object"));
    pageJson.insert("codes", codes);
    file.insert(pageKey(1), pageJson);

    TicketPage loaded(1);
    loaded.loadFromJson(file);
    QVERIFY(loaded.code(name));
    QCOMPARE(*loaded.code(name), code);
    QVERIFY(!loaded.code("{not-a-picture}"));
    QCOMPARE(loaded.picture(name), page.picture(name));

    // A page without codes is stored without the key.
    QJsonObject plain;
    TicketPage(2).saveToJson(plain);
    QVERIFY(!plain.value(pageKey(2)).toObject().contains("codes"));
}

// Pages are laid out as the program lays them out, with its faces and measures.
int main(int argc, char **argv)
{
    measurePagesAlike();
    QGuiApplication app(argc, argv);
    registerShippedFonts(QStringLiteral(TS_SHIPPED_FONT_DIR));
    TestTicketCode test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_ticketcode.moc"
