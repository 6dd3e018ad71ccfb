#include "emulatorsession.h"

#include "ticketstation.h"

#include <QComboBox>
#include <QDeadlineTimer>
#include <QFile>
#include <QPushButton>
#include <QTest>

EmulatorSession::~EmulatorSession()
{
    stop();
}

bool EmulatorSession::start(const QString &program, const QStringList &arguments)
{
    stop();
    m_process = std::make_unique<QProcess>();
    QProcess *process = m_process.get();
    QObject::connect(process, &QProcess::readyReadStandardOutput, process, [this, process] {
        m_log += QString::fromUtf8(process->readAllStandardOutput());
    });
    process->start(program, arguments);
    if (!process->waitForStarted(5000) || !waitForLog("\n", 5000))
        return false;
    const QString first = m_log.section('\n', 0, 0);
    if (!first.startsWith("PORT "))
        return false;
    m_portPath = first.mid(5).trimmed();
    return m_portPath.startsWith("tcp://") || QFile::exists(m_portPath);
}

void EmulatorSession::stop()
{
    if (m_process) {
        m_process->kill();
        m_process->waitForFinished(3000);
        m_process.reset();
    }
    m_log.clear();
    m_portPath.clear();
}

bool EmulatorSession::waitForLog(const QString &text, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!m_log.contains(text)) {
        if (deadline.hasExpired())
            return false;
        QTest::qWait(20);
    }
    return true;
}

void connectWindowTo(TicketStation *window, const QString &portPath)
{
    auto *ports = window->findChild<QComboBox *>("cmbSerialPort");
    ports->addItem(portPath);
    ports->setCurrentIndex(ports->count() - 1);
    window->findChild<QPushButton *>("btnConnect")->click();
}
