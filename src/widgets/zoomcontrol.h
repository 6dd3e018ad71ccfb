#pragma once

#include <QList>
#include <QObject>

class QAction;
class QComboBox;
class QWidget;

// The page views' zoom, a view setting only: the keys of desktop editors (Ctrl+=, Ctrl+-,
// Ctrl+0), steps for Ctrl + wheel and a box of levels for the status area.
class ZoomControl : public QObject
{
    Q_OBJECT
public:
    explicit ZoomControl(QObject *parent = nullptr);

    // Zoom in, zoom out, actual size; for a menu.
    QList<QAction *> actions() const { return {m_in, m_out, m_reset}; }
    // The box of levels; the caller places it and owns it from then on.
    QComboBox *createBox(QWidget *parent);

    int zoom() const { return m_zoom; }
    void setZoom(int percent);
    // Moves `steps` levels up (positive) or down.
    void step(int steps);

signals:
    void zoomChanged(int percent);

private:
    void showZoom();

    int m_zoom = 100;
    QAction *m_in;
    QAction *m_out;
    QAction *m_reset;
    QComboBox *m_box = nullptr;
};
