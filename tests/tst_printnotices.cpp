// What the operator is told before a design prints, from the pages alone.

#include "printnotices.h"
#include "testmain.h"
#include "testpages.h"
#include "ticketpage.h"

#include <QFontInfo>
#include <QTextDocument>

#include <memory>
#include <vector>

namespace {

const QString kAbsentFamily = QStringLiteral("No Such Family 7f3e9c");
const QString kNumberMark = QStringLiteral("<span style=\"background-color:#e1ddfa;\">0001</span>");

} // namespace

class TestPrintNotices : public QObject
{
    Q_OBJECT

private slots:
    void notices_data();
    void notices();
    void missingFontIsNamedOnceForTheDesign();
};

void TestPrintNotices::notices_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<QStringList>("told");

    QTest::newRow("as designed") << "Number " + kNumberMark << QStringList{};
    QTest::newRow("second number")
        << kNumberMark + "<p>again " + kNumberMark + "</p>"
        << QStringList{QObject::tr("%1：%2标记有第二段，会印成一条黑条")
                           .arg(QStringLiteral("Page B"), QObject::tr("号码"))};
    QTest::newRow("picture past the paper")
        << R"(<img src="wide" width="400" height="20"/>)"
        << QStringList{QObject::tr("%1：图片超出纸宽，右边缘不会打印").arg("Page B")};
    QTest::newRow("below the page height")
        << R"(<img src="tall" width="20" height="600"/>)"
        << QStringList{QObject::tr("超出页面高度的内容不会打印：%1").arg("Page B")};
}

void TestPrintNotices::notices()
{
    QFETCH(QString, html);
    QFETCH(QStringList, told);
    // Both pages in a family this machine has, so fonts are not what is told.
    const QFont installed(QFontInfo(QGuiApplication::font()).family());
    TicketPage plain(1);
    TicketPage page(2);
    for (TicketPage *p : {&plain, &page})
        p->document()->setDefaultFont(installed);
    plain.setHtml(QStringLiteral("nothing to tell"));
    page.addImageResource(solidImage({400, 20}, Qt::black), QStringLiteral("wide"));
    page.addImageResource(solidImage({20, 600}, Qt::black), QStringLiteral("tall"));
    page.setHtml(html);
    QCOMPARE(printNotices({&plain, &page}, {"Page A", "Page B"}), told);
}

void TestPrintNotices::missingFontIsNamedOnceForTheDesign()
{
    std::vector<std::unique_ptr<TicketPage>> pages;
    for (int i = 0; i < 2; ++i) {
        pages.push_back(std::make_unique<TicketPage>(i + 1));
        pages.back()->document()->setDefaultFont(
            QFont(QFontInfo(QGuiApplication::font()).family()));
        pages.back()->setHtml(
            QStringLiteral("<span style=\"font-family:'%1';\">text</span>").arg(kAbsentFamily));
    }
    const QStringList told = printNotices({pages[0].get(), pages[1].get()}, {"A", "B"});
    QCOMPARE(told.size(), 1);
    QCOMPARE(told.first().count(kAbsentFamily), 1);
    QVERIFY(told.first().contains(QFontInfo(QFont(kAbsentFamily)).family()));
}

TS_TEST_MAIN(TestPrintNotices)
#include "tst_printnotices.moc"
