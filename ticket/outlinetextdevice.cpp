#include "outlinetextdevice.h"

#include "textoutlines.h"

#include <QImage>
#include <QPainterPath>
#include <QTextItem>

OutlineTextDevice::OutlineTextDevice(QImage &image) : m_image(image), m_engine(image) {}

OutlineTextDevice::~OutlineTextDevice() = default;

QPaintEngine *OutlineTextDevice::paintEngine() const
{
    return &m_engine;
}

int OutlineTextDevice::metric(PaintDeviceMetric metric) const
{
    // The image's own measures, so that fonts and layouts come out as they would on it.
    switch (metric) {
    case PdmWidth:
        return m_image.width();
    case PdmHeight:
        return m_image.height();
    case PdmWidthMM:
        return m_image.widthMM();
    case PdmHeightMM:
        return m_image.heightMM();
    case PdmNumColors:
        return m_image.colorCount();
    case PdmDepth:
        return m_image.depth();
    case PdmDpiX:
        return m_image.logicalDpiX();
    case PdmDpiY:
        return m_image.logicalDpiY();
    case PdmPhysicalDpiX:
        return m_image.physicalDpiX();
    case PdmPhysicalDpiY:
        return m_image.physicalDpiY();
    case PdmDevicePixelRatio:
        return m_image.devicePixelRatio();
    case PdmDevicePixelRatioScaled:
        return qRound(m_image.devicePixelRatioF() * devicePixelRatioFScale());
    }
    return QPaintDevice::metric(metric);
}

OutlineTextDevice::Engine::Engine(QImage &image) : QPaintEngine(AllFeatures), m_image(image) {}

bool OutlineTextDevice::Engine::begin(QPaintDevice *)
{
    return m_painter.begin(&m_image);
}

bool OutlineTextDevice::Engine::end()
{
    return m_painter.end();
}

void OutlineTextDevice::Engine::updateState(const QPaintEngineState &state)
{
    const DirtyFlags dirty = state.state();
    if (dirty & DirtyPen)
        m_painter.setPen(state.pen());
    if (dirty & DirtyBrush)
        m_painter.setBrush(state.brush());
    if (dirty & DirtyBrushOrigin)
        m_painter.setBrushOrigin(state.brushOrigin());
    if (dirty & DirtyBackground)
        m_painter.setBackground(state.backgroundBrush());
    if (dirty & DirtyBackgroundMode)
        m_painter.setBackgroundMode(state.backgroundMode());
    if (dirty & DirtyHints) {
        m_painter.setRenderHints(m_painter.renderHints(), false);
        m_painter.setRenderHints(state.renderHints());
    }
    if (dirty & DirtyCompositionMode)
        m_painter.setCompositionMode(state.compositionMode());
    if (dirty & DirtyOpacity)
        m_painter.setOpacity(state.opacity());
    // A clip is given in the coordinates of the transformation that comes with it.
    if (dirty & DirtyTransform)
        m_painter.setTransform(state.transform());
    if (dirty & DirtyClipPath)
        m_painter.setClipPath(state.clipPath(), state.clipOperation());
    if (dirty & DirtyClipRegion)
        m_painter.setClipRegion(state.clipRegion(), state.clipOperation());
    if (dirty & DirtyClipEnabled)
        m_painter.setClipping(state.isClipEnabled());
}

void OutlineTextDevice::Engine::drawTextItem(const QPointF &position, const QTextItem &item)
{
    const QPainterPath outlines = textItemOutlines(item, position);
    if (outlines.isEmpty())
        return;
    // Grey edges unless the item's font asks for whole dots; a layout draws with the item's
    // font, not the painter's.
    const QPainter::RenderHints hints = m_painter.renderHints();
    m_painter.setRenderHint(QPainter::Antialiasing,
                            hints.testFlag(QPainter::TextAntialiasing) &&
                                !(item.font().styleStrategy() & QFont::NoAntialias));
    m_painter.fillPath(outlines, m_painter.pen().brush());
    m_painter.setRenderHint(QPainter::Antialiasing, hints.testFlag(QPainter::Antialiasing));
}

void OutlineTextDevice::Engine::drawPath(const QPainterPath &path)
{
    m_painter.drawPath(path);
}

void OutlineTextDevice::Engine::drawPolygon(const QPointF *points, int count, PolygonDrawMode mode)
{
    switch (mode) {
    case PolylineMode:
        m_painter.drawPolyline(points, count);
        return;
    case ConvexMode:
        m_painter.drawConvexPolygon(points, count);
        return;
    case OddEvenMode:
        m_painter.drawPolygon(points, count, Qt::OddEvenFill);
        return;
    case WindingMode:
        m_painter.drawPolygon(points, count, Qt::WindingFill);
        return;
    }
}

void OutlineTextDevice::Engine::drawRects(const QRectF *rects, int count)
{
    m_painter.drawRects(rects, count);
}

void OutlineTextDevice::Engine::drawLines(const QLineF *lines, int count)
{
    m_painter.drawLines(lines, count);
}

void OutlineTextDevice::Engine::drawEllipse(const QRectF &rect)
{
    m_painter.drawEllipse(rect);
}

void OutlineTextDevice::Engine::drawPoints(const QPointF *points, int count)
{
    m_painter.drawPoints(points, count);
}

void OutlineTextDevice::Engine::drawPixmap(const QRectF &target, const QPixmap &pixmap,
                                           const QRectF &source)
{
    m_painter.drawPixmap(target, pixmap, source);
}

void OutlineTextDevice::Engine::drawTiledPixmap(const QRectF &target, const QPixmap &pixmap,
                                                const QPointF &offset)
{
    m_painter.drawTiledPixmap(target, pixmap, offset);
}

void OutlineTextDevice::Engine::drawImage(const QRectF &target, const QImage &image,
                                          const QRectF &source, Qt::ImageConversionFlags flags)
{
    m_painter.drawImage(target, image, source, flags);
}

QPaintEngine::Type OutlineTextDevice::Engine::type() const
{
    return User;
}
