// What the operator is told about a design, and what its jobs are made of, from the design
// alone: the same words for the window and the command line.

#include "design.h"
#include "designjobs.h"
#include "fontregistry.h"
#include "jobtexts.h"
#include "pagemeasures.h"
#include "pixeltools.h"
#include "ticketpage.h"

#include <QFontInfo>
#include <QGuiApplication>
#include <QJsonObject>
#include <QTextDocument>
#include <QtTest>

#include <climits>

namespace {

const QString kAbsentFamily = QStringLiteral("No Such Family 7f3e9c");
const QString kNumberMark = QStringLiteral("<span style=\"background-color:#e1ddfa;\">0001</span>");

// A design of `pages` pages in the program's own face, so fonts are told only when asked.
std::unique_ptr<Design> designOf(int pages)
{
    auto design = std::make_unique<Design>(pages);
    for (TicketPage *page : design->pages())
        page->setHtml(QStringLiteral("nothing to tell"));
    return design;
}

} // namespace

class TestDesignChecks : public QObject
{
    Q_OBJECT

private slots:
    void findings_data();
    void findings();
    void missingFontIsNamedOnceForTheDesign();
    void pagesBeyondTheDeviceAreNamedAndNotSent();
    void unrenderablePageStopsTheJobAndIsNamed_data();
    void unrenderablePageStopsTheJobAndIsNamed();
    void everyFailureHasItsOwnWords();
};

void TestDesignChecks::findings_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<QStringList>("told");

    QTest::newRow("as designed") << "Number " + kNumberMark << QStringList{};
    QTest::newRow("second number")
        << kNumberMark + "<p>again " + kNumberMark + "</p>"
        << QStringList{QObject::tr("%1：%2标记有第二段，会印成一条黑条")
                           .arg(QObject::tr("类型") + "2", QObject::tr("号码"))};
    QTest::newRow("picture past the paper")
        << R"(<img src="wide" width="400" height="20"/>)"
        << QStringList{
               QObject::tr("%1：图片超出纸宽，右边缘不会打印").arg(QObject::tr("类型") + "2")};
    QTest::newRow("below the page height")
        << R"(<img src="tall" width="20" height="600"/>)"
        << QStringList{
               QObject::tr("超出页面高度的内容不会打印：%1").arg(QObject::tr("类型") + "2")};
    QTest::newRow("missing font")
        << QStringLiteral("<span style=\"font-family:'%1';\">text</span>").arg(kAbsentFamily)
        << QStringList{QObject::tr("本机没有设计所用的字体，以程序自带的字体代替：%1")
                           .arg(QObject::tr("“%1”以“%2”代替")
                                    .arg(kAbsentFamily, replacementFamily(kAbsentFamily)))};
}

void TestDesignChecks::findings()
{
    QFETCH(QString, html);
    QFETCH(QStringList, told);
    const auto design = designOf(2);
    TicketPage *page = design->page(1);
    page->addImageResource(solidImage({400, 20}, Qt::black), QStringLiteral("wide"));
    page->addImageResource(solidImage({20, 600}, Qt::black), QStringLiteral("tall"));
    page->setHtml(html);
    QCOMPARE(findingTexts(checkDesign(*design)), told);
    // A download is told the same, from the pages it renders once.
    const PreparedDownload prepared = prepareDownload(*design);
    QVERIFY(prepared.ok());
    QCOMPARE(findingTexts(prepared.findings), told);
    QVERIFY(!leavesPagesOut(prepared.findings));
}

void TestDesignChecks::missingFontIsNamedOnceForTheDesign()
{
    const auto design = designOf(2);
    for (TicketPage *page : design->pages())
        page->setHtml(
            QStringLiteral("<span style=\"font-family:'%1';\">text</span>").arg(kAbsentFamily));
    const QStringList told = findingTexts(checkDesign(*design));
    QCOMPARE(told.size(), 1);
    QCOMPARE(told.first().count(kAbsentFamily), 1);
}

void TestDesignChecks::pagesBeyondTheDeviceAreNamedAndNotSent()
{
    const auto design = designOf(1);
    // A file of seven pages, as a later version or another station may write.
    QJsonObject root = design->toJson();
    root.insert(pageKey(7), root.value(pageKey(1)));
    design->loadJson(root);
    QCOMPARE(design->pageCount(), 7);
    const PreparedDownload prepared = prepareDownload(*design);
    QVERIFY(prepared.ok());
    QVERIFY(leavesPagesOut(prepared.findings));
    QCOMPARE(prepared.findings.first().kind, DesignFinding::PagesBeyondDevice);
    QVERIFY(prepared.findings.first().text.contains(QObject::tr("类型") + "7"));
    QCOMPARE(prepared.download.pages.size(), 6);
    // The device has no ticket type to print it as.
    QVERIFY(prepareTestPrint(*design, 6).error.contains(QObject::tr("类型") + "7"));
}

void TestDesignChecks::unrenderablePageStopsTheJobAndIsNamed_data()
{
    QTest::addColumn<bool>("download");
    QTest::newRow("download") << true;
    QTest::newRow("test print") << false;
}

void TestDesignChecks::unrenderablePageStopsTheJobAndIsNamed()
{
    QFETCH(bool, download);
    const auto design = designOf(3);
    // A canvas this tall cannot be allocated, so the page renders to nothing.
    design->page(1)->maxHeight = INT_MAX;
    const QString error =
        download ? prepareDownload(*design).error : prepareTestPrint(*design, 1).error;
    QVERIFY2(error.contains(QObject::tr("类型") + "2"), qPrintable(error));
    // The pages that do render print as before.
    QVERIFY(prepareTestPrint(*design, 0).ok());
    QVERIFY(!prepareTestPrint(*design, 3).ok());
}

void TestDesignChecks::everyFailureHasItsOwnWords()
{
    // Whatever the job and however far it got, the operator can tell the outcomes apart, and a
    // download cut short says what the device is left with.
    const QList<Dispenser::Job> jobs{Dispenser::Download, Dispenser::TestPrint, Dispenser::Clock,
                                     Dispenser::Settings, Dispenser::Version};
    const QList<Dispenser::Failure> failures{Dispenser::LineLost, Dispenser::Stalled,
                                             Dispenser::NotConfirmed, Dispenser::Cancelled};
    QSet<QString> texts;
    for (Dispenser::Job job : jobs) {
        texts << jobConfirmedText(job);
        for (Dispenser::Failure failure : failures) {
            // The device answers nothing before every frame is written.
            const int sent = failure == Dispenser::NotConfirmed ? 6 : 3;
            const QString partly = jobFailedText(job, failure, sent, 6);
            QVERIFY(partly.startsWith(jobName(job)));
            QCOMPARE(partly.contains(incompleteDesignText()),
                     job == Dispenser::Download && failure != Dispenser::NotConfirmed);
            texts << partly;
        }
    }
    QCOMPARE(texts.size(), jobs.size() * (1 + failures.size()));
}

int main(int argc, char **argv)
{
    // Fonts and layout, no widget.
    measurePagesAlike();
    QGuiApplication app(argc, argv);
    registerShippedFonts(QStringLiteral(TS_SHIPPED_FONT_DIR));
    TestDesignChecks test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_designchecks.moc"
