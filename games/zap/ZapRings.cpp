#include "ZapRings.h"

#include <QPainter>
#include <cmath>

QImage makeRingLayer(const QSize &logicalSize, qreal devicePixelRatio)
{
    QImage layer(logicalSize * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    layer.setDevicePixelRatio(devicePixelRatio);
    layer.fill(Qt::transparent);
    return layer;
}

void drawBlastRings(QImage &layer, double x, double y, const std::function<double()> &random)
{
    // Whole device pixels keep the painter on its fast path for thin,
    // untransformed circles (about three times faster than fractional
    // ones); rings a fraction of a pixel apart would not be told apart anyway.
    const qreal ratio = layer.devicePixelRatio();
    layer.setDevicePixelRatio(1.0);
    {
        QPainter p(&layer);
        p.setBrush(Qt::NoBrush);
        const QPoint centre(int(std::lround(x / 15.0 * ratio)), int(std::lround(y / 15.0 * ratio)));
        QPen pen(Qt::black, 0);
        for (int radius = 0; radius < BlastRings; ++radius) {
            const double r = random();
            const double g = random();
            const double b = random();
            pen.setColor(QColor(int(std::nearbyint(r * 255)), int(std::nearbyint(g * 255)),
                                int(std::nearbyint(b * 255))));
            p.setPen(pen);
            const int rad = int(std::lround(radius / 15.0 * ratio));
            p.drawEllipse(centre, rad, rad);
        }
    }
    layer.setDevicePixelRatio(ratio);
}
