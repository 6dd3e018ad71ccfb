#include "designfileactions.h"

#include "defaultpage.h"
#include "design.h"
#include "designfile.h"
#include "operatordialogs.h"
#include "printnotices.h"
#include "stationpaths.h"
#include "stationsettings.h"
#include "ui_ticketstation.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace {

constexpr int kRecentDesigns = 8;

} // namespace

DesignFileActions::DesignFileActions(Design &design, StationSettingsFile &stationFile,
                                     StationSettings &station, Ui::TicketStationClass &ui,
                                     QWidget *window)
    : QObject(window), m_design(design), m_stationFile(stationFile), m_station(station),
      m_window(window)
{
    ui.actNew->setShortcut(QKeySequence::New);
    ui.Open->setShortcut(QKeySequence::Open);
    ui.Save->setShortcut(QKeySequence::Save);
    ui.SaveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    auto *closeAction = new QAction(QObject::tr("关闭(&C)"), this);
    closeAction->setObjectName(QStringLiteral("actClose"));
    closeAction->setShortcut(QKeySequence::Close);
    ui.menu->insertAction(ui.actUseAsStartup, closeAction);
    connect(ui.actNew, &QAction::triggered, this, &DesignFileActions::newDesign);
    connect(ui.Open, &QAction::triggered, this, &DesignFileActions::openDesign);
    connect(ui.Save, &QAction::triggered, this, &DesignFileActions::save);
    connect(ui.SaveAs, &QAction::triggered, this, &DesignFileActions::saveAs);
    connect(closeAction, &QAction::triggered, this, &DesignFileActions::close);
    connect(ui.actUseAsStartup, &QAction::triggered, this, &DesignFileActions::useAsStartupDesign);
    m_recentMenu = new QMenu(QObject::tr("最近的设计(&R)"), window);
    ui.menu->insertMenu(ui.Save, m_recentMenu);
    refreshRecentDesigns();
}

void DesignFileActions::startSession()
{
    // The start-up design is a template: a new design begins from it and never overwrites it.
    if (!m_design.openAsTemplate(startupDesignPath()).isEmpty())
        m_design.startNew(m_station.pageCount, defaultPageHtml());
    emit designShown();
}

bool DesignFileActions::open(const QString &path, bool report)
{
    // Saving over the start-up design is only ever asked for through "Use as start-up design".
    const bool isStartup = QFileInfo(path) == QFileInfo(startupDesignPath());
    const QString error = isStartup ? m_design.openAsTemplate(path) : m_design.open(path);
    if (!error.isEmpty()) {
        if (report)
            emit notice(QObject::tr("打开失败：%1").arg(QFileInfo(path).fileName()) +
                            QLatin1Char('\n') + error,
                        true);
        return false;
    }
    emit designShown();
    // Told when the operator opens a design, not at every start, where checking every page
    // would only delay the window.
    if (report) {
        rememberDesign(path);
        QStringList names;
        for (int i = 0; i < m_design.pageCount(); ++i)
            names.append(m_design.pageName(i));
        const QStringList notices = printNotices(m_design.pages(), names);
        if (!notices.isEmpty())
            emit notice(notices.join(QLatin1Char('\n')), true);
    }
    return true;
}

bool DesignFileActions::saveTo(const QString &path)
{
    const QString error = m_design.saveAs(path);
    const QString name = QFileInfo(path).fileName();
    if (!error.isEmpty()) {
        emit notice(QObject::tr("保存失败：%1").arg(name) + QLatin1Char('\n') + error, true);
        return false;
    }
    rememberDesign(path);
    emit notice(QObject::tr("已保存：%1").arg(name), false);
    return true;
}

bool DesignFileActions::confirmDiscard()
{
    if (!m_design.isModified())
        return true;
    const QMessageBox::StandardButton answer = Asker::question(
        m_window, QStringLiteral("TicketStation"), QObject::tr("设计已修改，是否保存？"),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (answer == QMessageBox::Cancel)
        return false;
    if (answer == QMessageBox::Save)
        return save();
    return true;
}

void DesignFileActions::newDesign()
{
    if (!confirmDiscard())
        return;
    m_design.startNew(m_station.pageCount, defaultPageHtml());
    emit designShown();
}

void DesignFileActions::openDesign()
{
    if (!confirmDiscard())
        return;
    const QString path = FileChooser::openFileName(m_window, QObject::tr("打开配置文件"),
                                                   lastFolder(), QStringLiteral("*.json"));
    if (!path.isEmpty())
        open(path, true);
}

bool DesignFileActions::save()
{
    if (m_design.filePath().isEmpty())
        return saveAs();
    return saveTo(m_design.filePath());
}

bool DesignFileActions::saveAs()
{
    const QString proposed = m_design.filePath().isEmpty()
                                 ? lastFolder() + QStringLiteral("/Config.json")
                                 : m_design.filePath();
    QString path = FileChooser::saveFileName(m_window, QObject::tr("保存配置文件"), proposed,
                                             QStringLiteral("*.json"));
    if (path.isEmpty())
        return false;
    // A name typed without the extension is still a design file.
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".json");
    return saveTo(path);
}

void DesignFileActions::close()
{
    // One design is open at a time: closing it leaves a new one, as at start.
    if (confirmDiscard())
        startSession();
}

void DesignFileActions::useAsStartupDesign()
{
    const QString startup = startupDesignPath();
    if (QFileInfo::exists(startup) &&
        Asker::question(m_window, QObject::tr("用作启动设计"),
                        QObject::tr("替换现有的启动设计？程序启动时将打开当前设计。"),
                        QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
        return;
    // The design keeps its own file; the start-up design is a copy of it.
    const QString error = writeDesignFile(startup, m_design.toJson());
    if (error.isEmpty())
        emit notice(QObject::tr("已设为启动设计"), false);
    else
        emit notice(QObject::tr("保存失败：%1").arg(QFileInfo(startup).fileName()) +
                        QLatin1Char('\n') + error,
                    true);
}

void DesignFileActions::rememberDesign(const QString &path)
{
    const QFileInfo file(path);
    StationSettingsFile::remember(m_station.recentDesigns, file.absoluteFilePath(), kRecentDesigns);
    m_station.lastFolder = file.absolutePath();
    if (!m_stationFile.write(m_station))
        emit notice(QObject::tr("保存失败：%1").arg(QStringLiteral("settings.ini")), true);
    refreshRecentDesigns();
}

void DesignFileActions::refreshRecentDesigns()
{
    m_recentMenu->clear();
    int number = 0;
    for (const QString &path : qAsConst(m_station.recentDesigns)) {
        // Numbered as desktop editors number them, so a key picks one.
        const QString text = QStringLiteral("&%1 %2").arg(++number).arg(
            QDir::toNativeSeparators(path).replace(QLatin1Char('&'), QLatin1String("&&")));
        QAction *action = m_recentMenu->addAction(text);
        connect(action, &QAction::triggered, this, [this, path] {
            if (confirmDiscard())
                open(path, true);
        });
    }
    m_recentMenu->setEnabled(!m_station.recentDesigns.isEmpty());
}

QString DesignFileActions::lastFolder() const
{
    return QFileInfo(m_station.lastFolder).isDir() ? m_station.lastFolder : QDir::homePath();
}
