#pragma once

#include <QObject>
#include <QString>

class Design;
class QAction;
class QMenu;
class QWidget;
class StationSettingsFile;
struct StationSettings;
namespace Ui {
class TicketStationClass;
}

// The File menu's work on the design: new, open, recent designs, save, save as, close and the
// start-up design. Every replace or discard of unsaved edits asks first.
class DesignFileActions : public QObject
{
    Q_OBJECT
public:
    DesignFileActions(Design &design, StationSettingsFile &stationFile, StationSettings &station,
                      Ui::TicketStationClass &ui, QWidget *window);

    // Begins the session's design: a new one from the start-up design, or from the sample page.
    void startSession();
    // Opens `path`; `report` tells the operator why a file was not taken, and what it holds
    // that will not print as it shows.
    bool open(const QString &path, bool report);
    // Writes the design to `path`, which becomes its file; false when it was not written.
    bool saveTo(const QString &path);
    // Offers to save unsaved edits; false when the operator cancels.
    bool confirmDiscard();

signals:
    // A design was opened or started, with nothing to save.
    void designShown();
    void notice(const QString &text, bool error);

private:
    void newDesign();
    void openDesign();
    // Writes the design to its own file, or asks for one; false when it was not written.
    bool save();
    bool saveAs();
    void close();
    void useAsStartupDesign();
    void rememberDesign(const QString &path);
    void refreshRecentDesigns();
    // Where file dialogs start: the folder of the last design opened or saved.
    QString lastFolder() const;

    Design &m_design;
    StationSettingsFile &m_stationFile;
    StationSettings &m_station;
    QWidget *m_window;
    QMenu *m_recentMenu = nullptr;
};
