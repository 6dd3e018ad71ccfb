#pragma once

#include "blockflag.h"
#include "serialport.h"

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QMainWindow>
#include <QString>
#include <QTimer>

namespace Ui {
class TicketStationClass;
}
class QtTransparentTisp;
class TtQTextEdit;

class TicketStation : public QMainWindow
{
    Q_OBJECT
public:
    explicit TicketStation(QWidget *parent = nullptr);
    ~TicketStation() override;

    // Page editor in tab `index` (-1: the current tab), or null.
    TtQTextEdit *pageEditor(int index) const;

    void GenPrintTextDat(int tab, BLOCK_FLAG flag, _ticketContext &ctx);
    QByteArray GenPrintTextDat(BLOCK_FLAG flag, QString text);

public slots:
    void onConnectSerialPort();
    void onBtnSetTime();
    void onReceiveDatFromSerialPort(QByteArray dat);
    void onBtnSetSystem();
    void onDownPic();
    void onTestPrint();
    // Shows the design as the device would print it after a download; sends nothing.
    void onPreview();
    void onSave(QString path);
    void onLoad(QString path);

private:
    void chooseLanguage(const QString &catalogue);
    void openDesign();
    void saveDesignAs();
    // onLoad's work; `reportFailures` tells the operator why a file was not taken.
    void loadDesign(const QString &path, bool reportFailures);
    void loadNextPage();
    // Loads at once the pages of an opened design still waiting for their turn, so what is
    // saved, downloaded or previewed never mixes two designs.
    void finishPageLoads();
    void refreshPortList(const QStringList &portlist);
    void showProgress(int percentage);
    void queueVersionQuery();
    void onDeviceLost();
    void showAbout();

    SerialPort serialPort;
    Ui::TicketStationClass *ui;
    QtTransparentTisp *tip = nullptr;
    QList<TtQTextEdit *> pageEditors;
    // The design being loaded page by page, and the page it gives next.
    QJsonObject loadingDesign;
    int nextPageToLoad = 0;
    QTimer pageLoadTimer;
};
