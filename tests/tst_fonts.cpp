// The program decides the faces a ticket is drawn with: the same dots from every PC, whatever
// fonts it has installed, and a design carries the faces the program does not ship.

#include "design.h"
#include "fontembedding.h"
#include "fontregistry.h"
#include "pagedownload.h"
#include "pagefonts.h"
#include "ticketpage.h"
#include "ticketstation.h"

#include "testmain.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QRawFont>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QtEndian>

namespace {

QByteArray runCliBytes(const QString &design, const QString &fontconfigFile)
{
    // A golden design is made with the page height its station settings give.
    const QSettings station(QFileInfo(design).dir().filePath(QStringLiteral("settings.ini")),
                            QSettings::IniFormat);
    QStringList arguments{QStringLiteral("bytes"), design};
    if (station.contains(QStringLiteral("editTextMaxHeight")))
        arguments << QStringLiteral("--max-height")
                  << station.value(QStringLiteral("editTextMaxHeight")).toString();
    qRegisterMetaType<QProcess::ExitStatus>();
    QProcess cli;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("FONTCONFIG_FILE"), fontconfigFile);
    cli.setProcessEnvironment(environment);
    QSignalSpy finished(&cli, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished));
    cli.start(QStringLiteral(CLI_PATH), arguments);
    if (!finished.wait(60000) || cli.exitStatus() != QProcess::NormalExit || cli.exitCode() != 0)
        return {};
    return cli.readAllStandardOutput();
}

QByteArray designBytes(const Design &design)
{
    QList<QImage> pages;
    QString error;
    if (!renderDesignPages(design.pages(), &pages, &error))
        return {};
    QByteArray bytes;
    for (const QByteArray &frame : downloadFrames(prepareDownload(pages)))
        bytes += frame;
    return bytes;
}

// A fontconfig of the test's own: the system's rules with `fontsXml` as the only fonts.
QString writeFontconfig(const QString &folder, const QString &name, const QString &fontsXml)
{
    const QString path = folder + QLatin1Char('/') + name + QStringLiteral(".conf");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write(QStringLiteral("<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM "
                              "\"urn:fontconfig:fonts.dtd\">\n<fontconfig>\n"
                              "<include ignore_missing=\"yes\">/etc/fonts/conf.d</include>\n"
                              "%1\n<cachedir>%2/%3-cache</cachedir>\n</fontconfig>\n")
                   .arg(fontsXml, folder, name)
                   .toUtf8());
    return path;
}

// A copy of a TrueType face with the OS/2 table's fsType set to `fsType` and the table's
// checksum made right again. (head's whole-file checksum is left: no reader checks it.)
QByteArray withFsType(QByteArray font, quint16 fsType)
{
    const int tables = qFromBigEndian<quint16>(font.constData() + 4);
    for (int i = 0; i < tables; ++i) {
        char *record = font.data() + 12 + 16 * i;
        if (QByteArray(record, 4) != "OS/2")
            continue;
        const quint32 offset = qFromBigEndian<quint32>(record + 8);
        const quint32 length = qFromBigEndian<quint32>(record + 12);
        qToBigEndian<quint16>(fsType, font.data() + offset + 8);
        quint32 sum = 0;
        for (quint32 at = 0; at < length; at += 4) {
            char word[4] = {0, 0, 0, 0};
            for (quint32 k = 0; k < 4 && at + k < length; ++k)
                word[k] = font.at(int(offset + at + k));
            sum += qFromBigEndian<quint32>(word);
        }
        qToBigEndian<quint32>(sum, record + 4);
    }
    return font;
}

const QString kThisPcFamily = QStringLiteral("DejaVu Sans Mono");

QString thisPcHtml()
{
    return QStringLiteral("<p style=\"font-family:'%1'; font-size:12pt\">Kolejka 0042 zażółć</p>"
                          "<p style=\"font-family:'%1'; font-size:10pt; font-weight:700\">"
                          "Bank Śląski, okienko 3</p>")
        .arg(kThisPcFamily);
}

} // namespace

class TestFonts : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void fixedReplacement_data();
    void fixedReplacement();
    void embeddingPermission_data();
    void embeddingPermission();
    void sameBytesWhateverFontsInstalled_data();
    void sameBytesWhateverFontsInstalled();
    void carriedFontPrintsAlikeWhereMissing();
    void forbiddenFontIsNamedNotCarried();
    void carriedFacesThatCannotBeTakenAreLeftOut_data();
    void carriedFacesThatCannotBeTakenAreLeftOut();

private:
    QTemporaryDir m_dir;
    QString m_newDesign;
};

void TestFonts::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(shippedFamilies().contains(QLatin1String(kShippedChineseFamily)));
    QVERIFY(shippedFamilies().contains(QLatin1String(kShippedSansFamily)));
    // A new design as the window starts one, saved as the operator would.
    TicketStation window;
    m_newDesign = m_dir.filePath(QStringLiteral("new.json"));
    window.onSave(m_newDesign);
    QVERIFY(QFileInfo::exists(m_newDesign));
}

void TestFonts::fixedReplacement_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<QString>("drawnWith");
    const QString chinese = QString::fromLatin1(kShippedChineseFamily);
    QTest::newRow("YaHei") << "Microsoft YaHei" << chinese;
    QTest::newRow("caiyun") << "华文彩云" << chinese;
    QTest::newRow("lishu") << "华文隶书" << chinese;
    QTest::newRow("zhongsong") << "华文中宋" << chinese;
    QTest::newRow("SimSun") << "SimSun" << chinese;
    QTest::newRow("Arial") << "Arial" << QString::fromLatin1(kShippedSansFamily);
    QTest::newRow("Times") << "Times New Roman" << QString::fromLatin1(kShippedSerifFamily);
    QTest::newRow("unknown") << "Nobody Has This Face" << chinese;
}

void TestFonts::fixedReplacement()
{
    QFETCH(QString, family);
    QFETCH(QString, drawnWith);
    QCOMPARE(replacementFamily(family), drawnWith);
    // Named in a page, the family is drawn with that face and the check says so.
    TicketPage page;
    page.setHtml(QStringLiteral("<p style=\"font-family:'%1'\">号码 Łódź</p>").arg(family));
    QCOMPARE(QFontInfo(QFont(family)).family(), drawnWith);
    QCOMPARE(missingFonts(page.document()), (QList<FontReplacement>{{family, drawnWith}}));
}

void TestFonts::embeddingPermission_data()
{
    QTest::addColumn<QByteArray>("os2");
    QTest::addColumn<bool>("allowed");
    const auto table = [](quint16 fsType) {
        QByteArray os2(96, '\0');
        qToBigEndian<quint16>(fsType, os2.data() + 8);
        return os2;
    };
    QTest::newRow("installable") << table(0x0000) << true;
    QTest::newRow("restricted") << table(0x0002) << false;
    QTest::newRow("preview and print") << table(0x0004) << true;
    QTest::newRow("editable") << table(0x0008) << true;
    QTest::newRow("restricted and editable: the least restrictive holds") << table(0x000A) << true;
    QTest::newRow("bitmaps only") << table(0x0200) << false;
    QTest::newRow("no subsetting") << table(0x0100) << true;
    QTest::newRow("table too short") << QByteArray(9, '\0') << true;
}

void TestFonts::embeddingPermission()
{
    QFETCH(QByteArray, os2);
    QFETCH(bool, allowed);
    QCOMPARE(embeddingAllowed(os2), allowed);
}

void TestFonts::sameBytesWhateverFontsInstalled_data()
{
    QTest::addColumn<QString>("design");
    QTest::addColumn<QString>("golden");
    QTest::newRow("new design") << QString() << QString();
    for (const char *name : {"default", "polish-default", "six-full", "tallest", "blank"})
        QTest::newRow(name) << QStringLiteral(TS_GOLDEN_DIR "/%1/design.json").arg(name)
                            << QStringLiteral(TS_GOLDEN_DIR "/%1/download.bin").arg(name);
}

void TestFonts::sameBytesWhateverFontsInstalled()
{
    QFETCH(QString, design);
    QFETCH(QString, golden);
    if (design.isEmpty())
        design = m_newDesign;
    // The README's faces only, and every face the system has with other faces preferred for
    // every family (the fonts of a PC that also has Noto, URW, Droid and AR PL installed).
    const QString readme =
        writeFontconfig(m_dir.path(), QStringLiteral("readme"),
                        QStringLiteral("<dir>%1</dir>").arg(QStringLiteral(TS_TEST_FONT_DIR)));
    const QString crowded = writeFontconfig(
        m_dir.path(), QStringLiteral("crowded"),
        QStringLiteral("<dir>/usr/share/fonts</dir><dir>/usr/local/share/fonts</dir>"
                       "<match target=\"pattern\"><edit name=\"family\" mode=\"prepend\" "
                       "binding=\"strong\"><string>AR PL UKai CN</string><string>Noto Serif"
                       "</string><string>Nimbus Sans</string><string>Droid Sans Fallback"
                       "</string></edit></match>"));
    const QByteArray fewFonts = runCliBytes(design, readme);
    const QByteArray manyFonts = runCliBytes(design, crowded);
    QVERIFY(!fewFonts.isEmpty());
    QVERIFY(fewFonts == manyFonts);
    qInfo("%s: %d bytes with either set of fonts", QTest::currentDataTag(), int(fewFonts.size()));
    if (!golden.isEmpty()) {
        QFile file(golden);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(qUncompress(file.readAll()) == fewFonts);
    }
}

void TestFonts::carriedFontPrintsAlikeWhereMissing()
{
    // "PC A": this process, which has the face; the command line run below lacks it.
    QVERIFY(!QFontDatabase().hasFamily(kThisPcFamily));
    const int id = QFontDatabase::addApplicationFont(QStringLiteral(TS_THIS_PC_FONT));
    QVERIFY(id >= 0);
    Design design(1);
    design.page(0)->setHtml(thisPcHtml());
    QCOMPARE(fontFindings(design.page(0)->document()).value(0).origin, FontOrigin::ThisPcOnly);
    const QByteArray onPcA = designBytes(design);
    QVERIFY(!onPcA.isEmpty());

    const QString carried = m_dir.filePath(QStringLiteral("carried.json"));
    QCOMPARE(design.saveAs(carried), QString());
    QCOMPARE(fontFindings(design.page(0)->document()).value(0).origin, FontOrigin::Embedded);
    QFile file(carried);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QJsonObject root = QJsonDocument::fromJson(file.readAll()).object();
    const QJsonArray fonts = root.value(QLatin1String(kEmbeddedFontsKey)).toArray();
    // One face: PC A has no bold of its own, so bold is drawn from the regular face there too.
    QCOMPARE(fonts.size(), 1);
    // The same design without the faces, as an older version wrote it.
    root.remove(QLatin1String(kEmbeddedFontsKey));
    const QString bare = m_dir.filePath(QStringLiteral("bare.json"));
    QFile bareFile(bare);
    QVERIFY(bareFile.open(QIODevice::WriteOnly));
    bareFile.write(QJsonDocument(root).toJson());
    bareFile.close();
    qInfo("design file %lld bytes without the faces, %lld bytes carrying them (the regular "
          "face's file alone is %lld bytes)",
          bareFile.size(), file.size(), QFileInfo(QStringLiteral(TS_THIS_PC_FONT)).size());
    QFontDatabase::removeApplicationFont(id);

    const QString suiteFonts = qEnvironmentVariable("FONTCONFIG_FILE");
    QVERIFY(runCliBytes(carried, suiteFonts) == onPcA);
    // Without the faces the other PC draws a shipped one: other dots.
    const QByteArray replaced = runCliBytes(bare, suiteFonts);
    QVERIFY(!replaced.isEmpty());
    QVERIFY(replaced != onPcA);
}

void TestFonts::forbiddenFontIsNamedNotCarried()
{
    QFile face(QStringLiteral(TS_THIS_PC_FONT));
    QVERIFY(face.open(QIODevice::ReadOnly));
    const QByteArray restricted = withFsType(face.readAll(), 0x0002);
    QVERIFY(!embeddingAllowed(QRawFont(restricted, 12)));
    const int id = QFontDatabase::addApplicationFontFromData(restricted);
    QVERIFY(id >= 0);
    // A page of a design of its own, which carries nothing yet.
    setCarriedFamilies({});
    TicketPage page;
    page.setHtml(thisPcHtml());
    const FontFinding finding{kThisPcFamily, FontOrigin::NotEmbeddable,
                              QString::fromLatin1(kShippedMonoFamily)};
    QCOMPARE(fontFindings(page.document()), QList<FontFinding>{finding});
    const FontEmbedding embedding = embedPageFonts({&page});
    QCOMPARE(embedding.refused, QStringList{kThisPcFamily});
    QVERIFY(embedding.fonts.isEmpty());
    QFontDatabase::removeApplicationFont(id);
}

void TestFonts::carriedFacesThatCannotBeTakenAreLeftOut_data()
{
    QTest::addColumn<QJsonValue>("fonts");
    QFile shipped(QStringLiteral(TS_SHIPPED_FONT_DIR "/DejaVuSans.ttf"));
    QVERIFY(shipped.open(QIODevice::ReadOnly));
    const auto carrying = [](const QByteArray &data) {
        return QJsonValue(QJsonArray{
            QJsonObject{{QStringLiteral("family"), QStringLiteral("Anything")},
                        {QStringLiteral("data"), QString::fromLatin1(data.toBase64())}}});
    };
    QTest::newRow("not a list") << QJsonValue(QStringLiteral("fonts"));
    QTest::newRow("not base64") << QJsonValue(QJsonArray{QJsonObject{{"data", "%%%"}}});
    QTest::newRow("not a font") << carrying(QByteArray(4096, 'x'));
    // A face that would take the place of a shipped one changes what every design prints.
    QTest::newRow("a shipped family") << carrying(shipped.readAll());
}

void TestFonts::carriedFacesThatCannotBeTakenAreLeftOut()
{
    QFETCH(QJsonValue, fonts);
    const QStringList before = QFontDatabase().families();
    Design design(1);
    QJsonObject root{{pageKey(1), QJsonObject{{"html", "<p>Łódź 号码</p>"}}}};
    root.insert(QLatin1String(kEmbeddedFontsKey), fonts);
    design.loadJson(root);
    QCOMPARE(QFontDatabase().families(), before);
    QVERIFY(!isCarriedFamily(QLatin1String(kShippedSansFamily)));
    QCOMPARE(design.page(0)->document()->toPlainText(), QStringLiteral("Łódź 号码"));
}

TS_TEST_MAIN(TestFonts)
#include "tst_fonts.moc"
