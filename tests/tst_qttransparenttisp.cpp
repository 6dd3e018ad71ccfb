#include "qttransparenttisp.h"
#include "testmain.h"

#include <QElapsedTimer>
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

    void appearance();
    void hiddenAfterConstruction();
    void screenTopLeftOfNull();
    void screenTopLeftOfChild();
    void centresOverAnchor_data();
    void centresOverAnchor();
    void nullAnchorKeepsPosition();
    void hidesAfterDisplayTime();
    void laterCallExtendsDisplay();
    void longTextWrapsInTheTip();
    void deleteOnCloseDestroysTip();
    void survivesHidingWithoutDeleteOnClose();

private:
    QLabel *label() const;

    std::unique_ptr<QWidget> anchor;
    std::unique_ptr<QtTransparentTisp> tip;
};

void TestQtTransparentTisp::init()
{
    anchor = std::make_unique<QWidget>();
    anchor->setWindowTitle(QStringLiteral("anchor"));
    tip = std::make_unique<QtTransparentTisp>(false, nullptr);
}

void TestQtTransparentTisp::cleanup()
{
    tip.reset();
    anchor.reset();
}

QLabel *TestQtTransparentTisp::label() const
{
    return tip->findChild<QLabel *>();
}

void TestQtTransparentTisp::appearance()
{
    QCOMPARE(tip->minimumSize(), QSize(360, 100));
    QCOMPARE(tip->maximumSize(), QSize(360, 100));
    QCOMPARE(tip->palette().color(QPalette::Window), QColor(Qt::gray));
    // Qt keeps the opacity in 8 bits.
    QVERIFY(qAbs(tip->windowOpacity() - 0.98) <= 1.0 / 255);
    QVERIFY(!tip->testAttribute(Qt::WA_DeleteOnClose));
    QVERIFY(!tip->testAttribute(Qt::WA_QuitOnClose));
    QVERIFY(!tip->parentWidget());

    QLabel *text = label();
    QVERIFY(text);
    QCOMPARE(text->alignment(), Qt::AlignHCenter | Qt::AlignVCenter);
    QCOMPARE(text->size(), QSize(360, 100));
}

void TestQtTransparentTisp::hiddenAfterConstruction()
{
    QVERIFY(!tip->isVisible());
}

void TestQtTransparentTisp::screenTopLeftOfNull()
{
    QCOMPARE(QtTransparentTisp::screenTopLeft(nullptr), QPoint(-1, -1));
}

void TestQtTransparentTisp::screenTopLeftOfChild()
{
    anchor->setGeometry(100, 130, 500, 800);
    auto *outer = new QWidget(anchor.get());
    outer->setGeometry(20, 30, 200, 200);
    auto *inner = new QWidget(outer);
    inner->setGeometry(5, 7, 50, 50);
    anchor->show();
    QVERIFY(QTest::qWaitForWindowExposed(anchor.get()));

    QCOMPARE(QtTransparentTisp::screenTopLeft(anchor.get()), QPoint(100, 130));
    QCOMPARE(QtTransparentTisp::screenTopLeft(inner), QPoint(125, 167));
    QCOMPARE(QtTransparentTisp::screenTopLeft(inner), inner->mapToGlobal(QPoint(0, 0)));
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

    anchor->setGeometry(anchorGeometry);
    anchor->show();
    QVERIFY(QTest::qWaitForWindowExposed(anchor.get()));
    QCOMPARE(QtTransparentTisp::screenTopLeft(anchor.get()), anchorGeometry.topLeft());

    tip->showTip(QStringLiteral("notice"), anchor.get(), 1000);
    QVERIFY(tip->isVisible());
    QCOMPARE(tip->pos(), tipPos);
    QCOMPARE(label()->text(), QStringLiteral("notice"));
}

void TestQtTransparentTisp::nullAnchorKeepsPosition()
{
    anchor->setGeometry(100, 130, 500, 800);
    anchor->show();
    QVERIFY(QTest::qWaitForWindowExposed(anchor.get()));
    tip->showTip(QStringLiteral("first"), anchor.get(), 100);
    QCOMPARE(tip->pos(), QPoint(170, 480));
    QTRY_VERIFY(!tip->isVisible());

    tip->showTip(QStringLiteral("second"), nullptr, 1000);
    QVERIFY(tip->isVisible());
    QCOMPARE(tip->pos(), QPoint(170, 480));
    QCOMPARE(label()->text(), QStringLiteral("second"));
}

void TestQtTransparentTisp::hidesAfterDisplayTime()
{
    tip->showTip(QStringLiteral("short"), anchor.get(), 200);
    QVERIFY(tip->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(!tip->isVisible(), 5000);
}

void TestQtTransparentTisp::laterCallExtendsDisplay()
{
    tip->showTip(QStringLiteral("first"), anchor.get(), 1000);
    QTest::qWait(500);
    QElapsedTimer sinceSecond;
    sinceSecond.start();
    tip->showTip(QStringLiteral("second"), anchor.get(), 1000);

    // The first call alone would have hidden the tip 500 ms after the second one.
    QTest::qWait(700);
    if (sinceSecond.elapsed() < 950) {
        QVERIFY(tip->isVisible());
        QCOMPARE(label()->text(), QStringLiteral("second"));
    }
    QTRY_VERIFY_WITH_TIMEOUT(!tip->isVisible(), 5000);
    // Qt's default coarse timers may fire up to 5 % early.
    QVERIFY(sinceSecond.elapsed() >= 950);
}

void TestQtTransparentTisp::longTextWrapsInTheTip()
{
    const QString text = QStringLiteral("word ").repeated(40).trimmed();
    tip->showTip(text, anchor.get(), 1000);
    QVERIFY(label()->wordWrap());
    QCOMPARE(label()->size(), QSize(360, 100));
    QCOMPARE(tip->size(), QSize(360, 100));
    QCOMPARE(label()->text(), text);
}

void TestQtTransparentTisp::deleteOnCloseDestroysTip()
{
    QPointer<QtTransparentTisp> transient = new QtTransparentTisp(true, nullptr);
    QVERIFY(transient->testAttribute(Qt::WA_DeleteOnClose));
    transient->showTip(QStringLiteral("bye"), anchor.get(), 50);
    QTRY_VERIFY(transient.isNull());
}

void TestQtTransparentTisp::survivesHidingWithoutDeleteOnClose()
{
    QPointer<QtTransparentTisp> kept = tip.get();
    tip->showTip(QStringLiteral("one"), anchor.get(), 50);
    QTRY_VERIFY(!tip->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!kept.isNull());
    tip->showTip(QStringLiteral("two"), anchor.get(), 50);
    QVERIFY(tip->isVisible());
}

TS_TEST_MAIN(TestQtTransparentTisp)
#include "tst_qttransparenttisp.moc"
