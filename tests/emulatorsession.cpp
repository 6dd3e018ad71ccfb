#include "emulatorsession.h"

#include <QFile>
#include <QTest>

#include <csignal>

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
    return QTest::qWaitFor([&] { return m_log.contains(text); }, timeoutMs);
}

void EmulatorSession::resume()
{
    // A process that has ended has no id; kill(0) would wake every process of the group,
    // other tests' stopped emulators among them.
    const qint64 pid = m_process ? m_process->processId() : 0;
    if (pid > 0)
        ::kill(pid_t(pid), SIGCONT);
}
