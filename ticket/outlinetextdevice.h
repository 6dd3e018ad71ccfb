#pragma once

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>

class QImage;

// Paints on an image as a painter on the image itself would, except that text is filled as the
// glyphs' outlines by Qt's own rasteriser. A painter on the image draws glyphs its font engine
// rasterised, and FreeType's rasterisers differ between the FreeType builds of Linux and of
// Qt for Windows by a few dots; the outlines of the same face, and Qt's rasteriser, do not, so
// the same design gives the same dots on every system.
//
//     OutlineTextDevice device(image);
//     QPainter painter(&device);
class OutlineTextDevice : public QPaintDevice
{
public:
    explicit OutlineTextDevice(QImage &image);
    ~OutlineTextDevice() override;

    QPaintEngine *paintEngine() const override;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    class Engine : public QPaintEngine
    {
    public:
        explicit Engine(QImage &image);

        bool begin(QPaintDevice *device) override;
        bool end() override;
        void updateState(const QPaintEngineState &state) override;
        void drawTextItem(const QPointF &position, const QTextItem &item) override;
        void drawPath(const QPainterPath &path) override;
        void drawPolygon(const QPointF *points, int count, PolygonDrawMode mode) override;
        void drawRects(const QRectF *rects, int count) override;
        void drawLines(const QLineF *lines, int count) override;
        void drawEllipse(const QRectF &rect) override;
        void drawPoints(const QPointF *points, int count) override;
        void drawPixmap(const QRectF &target, const QPixmap &pixmap, const QRectF &source) override;
        void drawTiledPixmap(const QRectF &target, const QPixmap &pixmap,
                             const QPointF &offset) override;
        void drawImage(const QRectF &target, const QImage &image, const QRectF &source,
                       Qt::ImageConversionFlags flags) override;
        Type type() const override;

    private:
        QImage &m_image;
        QPainter m_painter;
    };

    QImage &m_image;
    mutable Engine m_engine;
};
