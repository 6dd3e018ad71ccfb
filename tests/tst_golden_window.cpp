// The window gives the golden files too: its editors render the stored pages and its download
// puts the stored bytes on the line.

#include "faulttools.h"
#include "operatordialogs.h"
#include "ptypair.h"
#include "testmain.h"
#include "ticketstation.h"
#include "ttqtextedit.h"

#include <QComboBox>
#include <QPushButton>
#include <QTabWidget>

#include <memory>

class TestGoldenWindow : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void windowMatchesGoldenFiles_data();
    void windowMatchesGoldenFiles();

private:
    std::unique_ptr<TicketStation> window;
};

void TestGoldenWindow::cleanup()
{
    Asker::clearAnswers();
    window.reset();
    removeSettingsIni();
}

void TestGoldenWindow::windowMatchesGoldenFiles_data()
{
    QTest::addColumn<QString>("design");
    for (const char *name : {"default", "polish-default", "six-full", "blank"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestGoldenWindow::windowMatchesGoldenFiles()
{
    QFETCH(QString, design);
    const QString dir = QStringLiteral(TS_GOLDEN_DIR "/") + design;
    QFile ini(dir + "/settings.ini");
    QVERIFY(ini.open(QIODevice::ReadOnly));
    QVERIFY(writeSettingsIni(ini.readAll()));
    window = std::make_unique<TicketStation>(nullptr, fastTiming());
    window->resize(500, 600);
    window->show();
    window->onLoad(dir + "/design.json");

    const int pages = window->findChild<QTabWidget *>("tabWidget")->count();
    for (int k = 0; k < pages; ++k) {
        TtQTextEdit *editor = window->pageEditor(k);
        editor->renderPage();
        QCOMPARE(editor->pageImage, QImage(dir + QStringLiteral("/page-%1.png").arg(k + 1))
                                        .convertToFormat(QImage::Format_RGB888));
    }

    PtyPair pty;
    QVERIFY(pty.isValid());
    auto *ports = window->findChild<QComboBox *>("cmbSerialPort");
    ports->addItem(pty.slavePath());
    ports->setCurrentText(pty.slavePath());
    window->findChild<QPushButton *>("btnConnect")->click();
    QCOMPARE(pty.read(8, 3000), kVersionQuery);
    downloadAnyway(window.get());
    QFile golden(dir + "/download.bin");
    QVERIFY(golden.open(QIODevice::ReadOnly));
    const QByteArray expected = qUncompress(golden.readAll());
    QCOMPARE(pty.read(expected.size(), 10000), expected);
}

TS_TEST_MAIN(TestGoldenWindow)
#include "tst_golden_window.moc"
