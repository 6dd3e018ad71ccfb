#pragma once

#include "designsettings.h"
#include "framedecoder.h"
#include "printerparser.h"
#include "ticketdrawing.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QImage>
#include <QList>
#include <QObject>

namespace devicemodel {

struct SystemConfig
{
    int network = 0;
    int clearHourBcd = 0;
    int ticketingInterval = 0;
    bool limitEnabled = false;
    qint32 numberFormat = 0;
    qint32 limits[kMaxDesignPages] = {};
};

// What the dispenser keeps and does with the frames it receives: settings, clock, layout table,
// NV pages, and the tickets its printer prints.
class DeviceState : public QObject
{
    Q_OBJECT
public:
    explicit DeviceState(const QString &version, QObject *parent = nullptr);

    // Acts on one decoded frame; returns a one-line description of it for the log.
    QString handleFrame(const Frame &frame);

    bool hasSystemConfig() const { return m_hasSystemConfig; }
    SystemConfig systemConfig() const { return m_systemConfig; }
    bool hasClock() const { return m_clockSet.isValid(); }
    // The device clock: the time last set, running on since.
    QDateTime clock() const;
    QList<LayoutEntry> layoutTable() const { return m_layout; }
    QList<QImage> nvPages() const { return m_nvPages; }
    // Page entry k of the layout table with sample texts drawn on stored NV page k.
    QImage previewTicket(int k, const QDateTime &now = QDateTime::currentDateTime()) const;
    QImage previewTicket(int k, const SampleValues &values) const;

signals:
    // Bytes the device answers with.
    void reply(const QByteArray &bytes);
    void nvPagesStored(const QList<QImage> &pages);
    void ticketPrinted(const QImage &ticket);
    // Events worth a log line of their own (faults, stored pages, prints).
    void note(const QString &line);

private:
    QString handleSystemConfig(const QByteArray &payload);
    QString handleClock(const QByteArray &payload);
    QString handleLayout(const QByteArray &payload);
    QString handlePrinterData(const QByteArray &payload);
    void runPrinterCommand(const PrinterCommand &command);

    QString m_version;
    bool m_hasSystemConfig = false;
    SystemConfig m_systemConfig;
    QDateTime m_clockSet;
    QElapsedTimer m_sinceClockSet;
    QList<LayoutEntry> m_layout;
    QList<QImage> m_nvPages;
    PrinterParser m_printer;

    // Page being composed for printing.
    int m_pageImageIndex = -1;
    QPoint m_pageImageOrigin;
    QList<TextPlacement> m_pageTexts;
};

} // namespace devicemodel
