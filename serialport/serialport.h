#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QSerialPort>
#include <QStringList>
#include <QTimer>

// Progress of a transfer in percent after `written` of `total` frames, in integer arithmetic
// so that the last frame of any transfer reports 100.
int transferPercentage(int written, int total);

// Derives the name to open from a port-list entry (manufacturer text directly followed by the
// system location); empty when the entry names no port.
QString portNameFromEntry(const QString &entry);

class SerialPort : public QObject
{
    Q_OBJECT
public:
    SerialPort();
    ~SerialPort() override;

    bool openSerialPort(QString name);
    bool closeSerialPort();
    bool isOpen() const;

    void queueDat(QByteArray dat);
    void sendDat(QByteArray dat);
    void sendDat(int type, QByteArray dat);

signals:
    void sgnReceiveDat(QByteArray dat);
    void sgnFindNewSerialPort(QStringList portlist);
    void sgnSerialPortError();
    void sgnTransmissionProgress(int percentage);
    // The open port reported a resource error (device unplugged); the link has closed it.
    void sgnDeviceLost();

private slots:
    void onFindNewSerialPort();
    void onReceiveDat();
    void onSendDat();

private:
    bool deviceGone(QSerialPort::SerialPortError error) const;
    void closeLostDevice();

    QTimer m_sendTimer;
    QTimer m_findTimer;
    QTimer m_receiveTimer;
    QList<QByteArray> m_sendList;
    QSerialPort m_serialPort;
    int m_sendTotal = 0;
    // Counts successful opens, so a late device-lost report cannot close a newer session.
    int m_openCount = 0;
};
