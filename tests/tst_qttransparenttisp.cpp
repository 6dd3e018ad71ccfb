#include "qttransparenttisp.h"
#include "testmain.h"

#include <QLabel>
#include <QPointer>
#include <QTimer>

#include <memory>

class TestQtTransparentTisp : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void screenTopLeftIsTheGlobalPosition();
    void centresOverAnchor_data();
    void centresOverAnchor();
    void nullAnchorKeepsPosition();
    void longTextIsNotCut();
    void staysForItsTime_data();
    void staysForItsTime();
    void clickDismisses();
    void closingDeletesOnlyWhenAsked_data();
    void closingDeletesOnlyWhenAsked();

private:
    QLabel *label() const { return tip->findChild<QLabel *>(); }
    void showAnchor(const QRect &geometry);

    std::unique_ptr<QWidget> anchor;
    std::unique_ptr<QtTransparentTisp> tip;
};

void TestQtTransparentTisp::init()
{
    anchor = std::make_unique<QWidget>();
    tip = std::make_unique<QtTransparentTisp>(false, nullptr);
}

void TestQtTransparentTisp::cleanup()
{
    tip.reset();
    anchor.reset();
}

void TestQtTransparentTisp::showAnchor(const QRect &geometry)
{
    anchor->setGeometry(geometry);
    anchor->show();
    QVERIFY(QTest::qWaitForWindowExposed(anchor.get()));
}

void TestQtTransparentTisp::screenTopLeftIsTheGlobalPosition()
{
    auto *outer = new QWidget(anchor.get());
    outer->setGeometry(20, 30, 200, 200);
    auto *inner = new QWidget(outer);
    inner->setGeometry(5, 7, 50, 50);
    showAnchor(QRect(100, 130, 500, 800));

    QCOMPARE(QtTransparentTisp::screenTopLeft(anchor.get()), QPoint(100, 130));
    QCOMPARE(QtTransparentTisp::screenTopLeft(inner), QPoint(125, 167));
    QCOMPARE(QtTransparentTisp::screenTopLeft(inner), inner->mapToGlobal(QPoint(0, 0)));
    QCOMPARE(QtTransparentTisp::screenTopLeft(nullptr), QPoint(-1, -1));
}

void TestQtTransparentTisp::centresOverAnchor_data()
{
    QTest::addColumn<QRect>("anchorGeometry");
    QTest::addColumn<QPoint>("tipPos");

    QTest::newRow("main window") << QRect(100, 130, 500, 800) << QPoint(170, 480);
    QTest::newRow("odd sizes round down") << QRect(100, 130, 501, 801) << QPoint(170, 480);
    QTest::newRow("anchor smaller than tip") << QRect(300, 300, 100, 40) << QPoint(170, 270);
}

void TestQtTransparentTisp::centresOverAnchor()
{
    QFETCH(QRect, anchorGeometry);
    QFETCH(QPoint, tipPos);
    showAnchor(anchorGeometry);

    tip->showTip(QStringLiteral("notice"), anchor.get(), 60000);
    QVERIFY(tip->isVisible());
    QCOMPARE(tip->pos(), tipPos);
    QCOMPARE(label()->text(), QStringLiteral("notice"));
}

void TestQtTransparentTisp::nullAnchorKeepsPosition()
{
    showAnchor(QRect(100, 130, 500, 800));
    tip->showTip(QStringLiteral("first"), anchor.get(), 60000);
    tip->showTip(QStringLiteral("second"), nullptr, 60000);
    QCOMPARE(tip->pos(), QPoint(170, 480));
    QCOMPARE(label()->text(), QStringLiteral("second"));
}

// A notice of many lines (a longer translation, a list of page warnings) grows to show them
// all, still centred; a short one keeps the usual size.
void TestQtTransparentTisp::longTextIsNotCut()
{
    showAnchor(QRect(100, 130, 500, 800));
    tip->showTip(QStringLiteral("short"), anchor.get(), 60000);
    const QSize usual = tip->size();
    const QString text = QStringLiteral("Strona zawiera znak\n").repeated(12).trimmed();
    tip->showTip(text, anchor.get(), 60000);
    QVERIFY(tip->height() > usual.height());
    QCOMPARE(tip->width(), usual.width());
    QVERIFY(label()->height() >= label()->heightForWidth(label()->width()));
    QVERIFY(qAbs(tip->geometry().center().y() - QRect(100, 130, 500, 800).center().y()) <= 1);
    tip->showTip(QStringLiteral("short"), anchor.get(), 60000);
    QCOMPARE(tip->size(), usual);
}

void TestQtTransparentTisp::staysForItsTime_data()
{
    QTest::addColumn<int>("earlierMs"); // an earlier notice still up, 0 for none
    QTest::addColumn<int>("shownMs");
    QTest::newRow("one notice") << 0 << 300;
    QTest::newRow("a later notice restarts the time") << 10 << 300;
}

void TestQtTransparentTisp::staysForItsTime()
{
    QFETCH(int, earlierMs);
    QFETCH(int, shownMs);
    if (earlierMs)
        tip->showTip(QStringLiteral("earlier"), anchor.get(), earlierMs);
    tip->showTip(QStringLiteral("later"), anchor.get(), shownMs);

    // Timers fire in the order they are due, however late the machine runs: a probe due
    // halfway through finds the tip still up.
    bool probed = false;
    bool shownAtProbe = false;
    QTimer::singleShot(shownMs / 2, this, [&] {
        probed = true;
        shownAtProbe = tip->isVisible();
    });
    QTRY_VERIFY(probed);
    QVERIFY(shownAtProbe);
    QCOMPARE(label()->text(), QStringLiteral("later"));
    QTRY_VERIFY(!tip->isVisible());
}

void TestQtTransparentTisp::clickDismisses()
{
    tip->showTip(QStringLiteral("read"), anchor.get(), 60000);
    QTest::mouseClick(tip.get(), Qt::LeftButton);
    QVERIFY(!tip->isVisible());
}

void TestQtTransparentTisp::closingDeletesOnlyWhenAsked_data()
{
    QTest::addColumn<bool>("deleteOnClose");
    QTest::newRow("transient tip goes") << true;
    // The window keeps one tip for all its notices.
    QTest::newRow("kept tip shows again") << false;
}

void TestQtTransparentTisp::closingDeletesOnlyWhenAsked()
{
    QFETCH(bool, deleteOnClose);
    QPointer<QtTransparentTisp> shown =
        deleteOnClose ? new QtTransparentTisp(true, nullptr) : tip.get();
    QVERIFY(!shown->testAttribute(Qt::WA_QuitOnClose));
    shown->showTip(QStringLiteral("one"), anchor.get(), 20);
    if (deleteOnClose) {
        QTRY_VERIFY(shown.isNull());
        return;
    }
    QTRY_VERIFY(!shown->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!shown.isNull());
    shown->showTip(QStringLiteral("two"), anchor.get(), 60000);
    QVERIFY(shown->isVisible());
}

TS_TEST_MAIN(TestQtTransparentTisp)
#include "tst_qttransparenttisp.moc"
