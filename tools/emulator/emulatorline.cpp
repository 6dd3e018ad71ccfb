#include "emulatorline.h"

#include <QSocketNotifier>
#include <QTcpServer>
#include <QTcpSocket>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>
#include <utility>

EmulatorLine::EmulatorLine(QObject *parent) : QObject(parent) {}

EmulatorLine::~EmulatorLine()
{
    close();
}

bool EmulatorLine::configureRaw(int fd)
{
    termios tio{};
    if (tcgetattr(fd, &tio) != 0)
        return false;
    cfmakeraw(&tio);
    tio.c_cflag |= CLOCAL | CREAD;
    tio.c_cflag &= ~(CSTOPB | PARENB | CRTSCTS);
    cfsetispeed(&tio, B115200);
    cfsetospeed(&tio, B115200);
    return tcsetattr(fd, TCSANOW, &tio) == 0;
}

bool EmulatorLine::openPty()
{
    close();
    m_fd = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (m_fd < 0 || grantpt(m_fd) != 0 || unlockpt(m_fd) != 0) {
        m_error = QString::fromLocal8Bit(std::strerror(errno));
        close();
        return false;
    }
    m_path = QString::fromLocal8Bit(ptsname(m_fd));
    // Raw mode on the terminal side before anyone opens it, so nothing the emulator answers is
    // echoed back into its own input.
    m_slaveFd = ::open(ptsname(m_fd), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (m_slaveFd < 0 || !configureRaw(m_slaveFd)) {
        m_error = QString::fromLocal8Bit(std::strerror(errno));
        close();
        return false;
    }
    watch();
    return true;
}

bool EmulatorLine::openDevice(const QString &path)
{
    close();
    m_fd = ::open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (m_fd < 0 || !configureRaw(m_fd)) {
        m_error = QString::fromLocal8Bit(std::strerror(errno));
        close();
        return false;
    }
    m_path = path;
    watch();
    return true;
}

bool EmulatorLine::listenTcp(quint16 port)
{
    close();
    m_server = new QTcpServer(this);
    if (!m_server->listen(QHostAddress::LocalHost, port)) {
        m_error = m_server->errorString();
        close();
        return false;
    }
    m_path = QStringLiteral("tcp://127.0.0.1:%1").arg(m_server->serverPort());
    connect(m_server, &QTcpServer::newConnection, this, &EmulatorLine::onTcpClient);
    return true;
}

void EmulatorLine::onTcpClient()
{
    while (QTcpSocket *client = m_server->nextPendingConnection()) {
        // The line serves one client at a time, and the newest takes it over: the one before
        // has most likely gone already, with its farewell still unread.
        if (QTcpSocket *previous = std::exchange(m_client, client)) {
            previous->abort();
            previous->deleteLater();
        }
        connect(client, &QTcpSocket::readyRead, this,
                [this, client] { emit received(client->readAll()); });
        connect(client, &QTcpSocket::disconnected, this, [this, client] {
            if (client == m_client)
                m_client = nullptr;
            client->deleteLater();
        });
    }
}

void EmulatorLine::close()
{
    if (m_client) {
        // Written replies still go out before the connection ends.
        m_client->disconnectFromHost();
        m_client = nullptr;
    }
    if (m_server) {
        m_server->close();
        m_server->deleteLater();
        m_server = nullptr;
    }
    // close() may run inside the notifier's own signal, so it is released later.
    if (m_notifier) {
        m_notifier->setEnabled(false);
        m_notifier->deleteLater();
        m_notifier = nullptr;
    }
    if (m_slaveFd >= 0)
        ::close(m_slaveFd);
    if (m_fd >= 0)
        ::close(m_fd);
    m_slaveFd = -1;
    m_fd = -1;
}

void EmulatorLine::watch()
{
    m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &EmulatorLine::onReadable);
}

void EmulatorLine::write(const QByteArray &bytes)
{
    // Out at once, not on the next turn of the event loop: a reply must leave even when the
    // emulator is stopped right after it.
    if (m_client) {
        m_client->write(bytes);
        m_client->flush();
    }
    if (m_fd < 0)
        return;
    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(m_fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return;
        done += n;
    }
}

void EmulatorLine::onReadable()
{
    QByteArray bytes;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(m_fd, buffer, sizeof buffer);
        if (n > 0) {
            bytes.append(buffer, int(n));
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno == EAGAIN)
            break;
        const QString why =
            n == 0 ? QStringLiteral("end of line") : QString::fromLocal8Bit(std::strerror(errno));
        if (!bytes.isEmpty())
            emit received(bytes);
        close();
        emit lost(why);
        return;
    }
    if (!bytes.isEmpty())
        emit received(bytes);
}
