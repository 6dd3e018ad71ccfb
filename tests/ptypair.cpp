#include "ptypair.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

PtyPair::PtyPair()
{
    const int fd = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return;
    termios raw{};
    if (grantpt(fd) != 0 || unlockpt(fd) != 0 || tcgetattr(fd, &raw) != 0) {
        ::close(fd);
        return;
    }
    cfmakeraw(&raw);
    tcsetattr(fd, TCSANOW, &raw);
    m_slavePath = QString::fromLocal8Bit(ptsname(fd));
    m_master = fd;
}

PtyPair::~PtyPair()
{
    closeMaster();
}

bool PtyPair::write(const QByteArray &dat)
{
    if (m_master < 0)
        return false;
    qint64 done = 0;
    QDeadlineTimer deadline(5000);
    while (done < dat.size()) {
        const ssize_t n = ::write(m_master, dat.constData() + done, size_t(dat.size() - done));
        if (n > 0) {
            done += n;
        } else if (n < 0 && errno != EAGAIN && errno != EINTR) {
            return false;
        } else if (deadline.hasExpired()) {
            return false;
        } else {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
    }
    return true;
}

QByteArray PtyPair::read(int count, int timeoutMs)
{
    QByteArray out;
    if (m_master < 0)
        return out;
    QDeadlineTimer deadline(timeoutMs);
    char buffer[4096];
    while (out.size() < count) {
        // Let the code under test run (timers, its own writes) between polls.
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        pollfd pfd{m_master, POLLIN, 0};
        const int remaining = int(qMin<qint64>(deadline.remainingTime(), 10));
        if (poll(&pfd, 1, qMax(0, remaining)) > 0 && (pfd.revents & POLLIN)) {
            const size_t wanted = size_t(qMin<qint64>(count - out.size(), sizeof buffer));
            const ssize_t n = ::read(m_master, buffer, wanted);
            if (n > 0)
                out.append(buffer, int(n));
        } else if (pfd.revents & POLLHUP) {
            // Nobody holds the slave open: poll does not wait, so pause briefly here.
            usleep(2000);
        }
        if (deadline.hasExpired())
            break;
    }
    return out;
}

void PtyPair::closeMaster()
{
    if (m_master < 0)
        return;
    ::close(m_master);
    m_master = -1;
}
