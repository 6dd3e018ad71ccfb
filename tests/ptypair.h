#pragma once

#include <QByteArray>
#include <QString>

// What a dispenser reads when it is asked for its version, spelled out as on the line.
inline const QByteArray kVersionQuery = QByteArray::fromHex("15000000ffffffff");

// A pseudo-terminal standing in for a serial device: the code under test opens slavePath()
// like any serial port, the test plays the device on the master side. Reads keep the Qt event
// loop running, so the link under test goes on writing while the test waits for its bytes.
class PtyPair
{
public:
    PtyPair();
    ~PtyPair();
    PtyPair(const PtyPair &) = delete;
    PtyPair &operator=(const PtyPair &) = delete;

    bool isValid() const { return m_master >= 0; }
    QString slavePath() const { return m_slavePath; }

    // Writes all of dat to the master side; false when the master is closed or fails.
    bool write(const QByteArray &dat);
    // Reads until `count` bytes have arrived or `timeoutMs` has passed; returns what arrived,
    // never more than `count` bytes.
    QByteArray read(int count, int timeoutMs);
    // Closes the master side: for the slave this is the device being unplugged.
    void closeMaster();

private:
    int m_master = -1;
    QString m_slavePath;
};
