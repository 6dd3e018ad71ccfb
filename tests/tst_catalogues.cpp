// Every text of the program must have a finished translation in each catalogue: the sources are
// scanned afresh with lupdate and compared with the committed catalogues.

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

struct Message
{
    QString context;
    QString source;
    QString comment;
    QStringList translations; // one, or one per numerus form
    QString type;             // "", "unfinished", "vanished" or "obsolete"

    QString key() const { return context + QChar(0) + source + QChar(0) + comment; }
    QString where() const { return context + " / " + source.left(60); }
};

// The translation element holds either the text itself or one numerusform per plural form.
void readTranslation(QXmlStreamReader &xml, Message &message)
{
    message.type = xml.attributes().value("type").toString();
    QString text;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isCharacters())
            text += xml.text();
        else if (xml.isStartElement() && xml.name() == QLatin1String("numerusform"))
            message.translations << xml.readElementText();
        else if (xml.isEndElement() && xml.name() == QLatin1String("translation"))
            break;
    }
    if (message.translations.isEmpty())
        message.translations << text;
}

QList<Message> readCatalogue(const QString &path, QString *error)
{
    QList<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return messages;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
            messages << message;
            continue;
        }
        if (!xml.isStartElement())
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            message = Message{};
            message.context = context;
        } else if (name == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (name == QLatin1String("comment")) {
            message.comment = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            readTranslation(xml, message);
        }
    }
    if (xml.hasError())
        *error = xml.errorString();
    return messages;
}

QSet<QString> argumentMarkers(const QString &text)
{
    static const QRegularExpression marker(QStringLiteral("%(\\d+|n)"));
    QSet<QString> found;
    for (auto it = marker.globalMatch(text); it.hasNext();)
        found << it.next().captured(0);
    return found;
}

QStringList tags(const QString &html)
{
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    QStringList found;
    for (auto it = tag.globalMatch(html); it.hasNext();)
        found << it.next().captured(0);
    return found;
}

// Texts of the runs that carry a background colour: the placeholder samples of a page.
QStringList colouredRuns(const QString &html)
{
    static const QRegularExpression run(
        QStringLiteral("background-color:(#[0-9a-fA-F]{6});\">([^<]*)</span>"));
    QStringList found;
    for (auto it = run.globalMatch(html); it.hasNext();) {
        const auto match = it.next();
        found << match.captured(1) + "=" + match.captured(2);
    }
    return found;
}

} // namespace

class TestCatalogues : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyTextIsTranslated_data();
    void everyTextIsTranslated();
    void noStaleTexts_data();
    void noStaleTexts();

private:
    void addCatalogueRows();

    QTemporaryDir scratch;
    QList<Message> current;
};

void TestCatalogues::initTestCase()
{
    QVERIFY(scratch.isValid());
    const QString scanned = scratch.filePath("scan.ts");
    QStringList arguments{"-silent",      "-locations",       "none",
                          "-no-obsolete", "-source-language", "zh_CN"};
    arguments << QString(TS_SOURCE_DIRS).split('|') << "-ts" << scanned;
    QProcess lupdate;
    lupdate.start(TS_LUPDATE, arguments);
    QVERIFY2(lupdate.waitForFinished(120000), qPrintable(lupdate.errorString()));
    QCOMPARE(lupdate.exitStatus(), QProcess::NormalExit);
    QVERIFY2(lupdate.exitCode() == 0, lupdate.readAllStandardError().constData());

    QString error;
    current = readCatalogue(scanned, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY(current.size() > 20);
}

void TestCatalogues::addCatalogueRows()
{
    QTest::addColumn<QString>("catalogue");
    for (const char *name : {"ticketstation_zh.ts", "ticketstation_en.ts", "queuestation_pl.ts"})
        QTest::newRow(name) << QString(TS_CATALOGUE_SOURCES "/") + name;
}

void TestCatalogues::everyTextIsTranslated_data()
{
    addCatalogueRows();
}

void TestCatalogues::everyTextIsTranslated()
{
    QFETCH(QString, catalogue);
    QString error;
    const QList<Message> committed = readCatalogue(catalogue, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));

    QHash<QString, Message> byKey;
    for (const Message &message : committed)
        byKey.insert(message.key(), message);

    QStringList problems;
    for (const Message &wanted : qAsConst(current)) {
        const auto found = byKey.constFind(wanted.key());
        if (found == byKey.constEnd()) {
            problems << "missing: " + wanted.where();
            continue;
        }
        if (!found->type.isEmpty()) {
            problems << found->type + ": " + wanted.where();
            continue;
        }
        for (const QString &translation : found->translations) {
            if (translation.trimmed().isEmpty()) {
                problems << "empty: " + wanted.where();
            } else if (argumentMarkers(translation) != argumentMarkers(wanted.source)) {
                problems << "markers differ: " + wanted.where();
            } else if (wanted.source.contains(QLatin1String("<html"))) {
                // Rich text keeps its structure, so styles and placeholder blocks survive.
                if (tags(translation) != tags(wanted.source))
                    problems << "HTML structure differs: " + wanted.where();
                else if (colouredRuns(translation) != colouredRuns(wanted.source))
                    problems << "placeholder blocks differ: " + wanted.where();
            }
        }
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
}

void TestCatalogues::noStaleTexts_data()
{
    addCatalogueRows();
}

void TestCatalogues::noStaleTexts()
{
    QFETCH(QString, catalogue);
    QString error;
    const QList<Message> committed = readCatalogue(catalogue, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QSet<QString> wanted;
    for (const Message &message : qAsConst(current))
        wanted << message.key();
    QStringList stale;
    for (const Message &message : committed) {
        if (!wanted.contains(message.key()))
            stale << message.where();
    }
    QVERIFY2(stale.isEmpty(), qPrintable("no longer in the sources:\n" + stale.join('\n')));
}

QTEST_GUILESS_MAIN(TestCatalogues)
#include "tst_catalogues.moc"
