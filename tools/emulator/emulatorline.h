#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QSocketNotifier;
class QTcpServer;
class QTcpSocket;

// The emulator's end of the serial line: the master side of a fresh pseudo-terminal, or a
// serial device, in raw 115200 8N1; or, like a serial device server in raw TCP mode, a
// listening TCP port on the loopback address.
class EmulatorLine : public QObject
{
    Q_OBJECT
public:
    explicit EmulatorLine(QObject *parent = nullptr);
    ~EmulatorLine() override;

    // Opens a pseudo-terminal; path() is then the name a program connects to.
    bool openPty();
    bool openDevice(const QString &path);
    // Listens on 127.0.0.1:`port` (0: any free port); path() is then tcp://127.0.0.1:PORT. One
    // client is served at a time, the newest; a client leaving is not the line going away.
    bool listenTcp(quint16 port);
    void close();

    QString path() const { return m_path; }
    QString errorString() const { return m_error; }

    void write(const QByteArray &bytes);

signals:
    void received(const QByteArray &bytes);
    // The line cannot be read any more (device removed).
    void lost(const QString &why);

private:
    bool configureRaw(int fd);
    void watch();
    void onReadable();
    void onTcpClient();

    int m_fd = -1;
    int m_slaveFd = -1; // held so the pseudo-terminal survives the program closing its port
    QString m_path;
    QString m_error;
    QSocketNotifier *m_notifier = nullptr;
    QTcpServer *m_server = nullptr;
    QTcpSocket *m_client = nullptr;
};
