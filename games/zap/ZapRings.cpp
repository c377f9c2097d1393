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
    QPainter p(&layer);
    p.setBrush(Qt::NoBrush);
    const QPointF centre(x / 15.0, y / 15.0);
    QPen pen;
    pen.setCosmetic(true);
    pen.setWidth(1);
    for (int radius = 0; radius < BlastRings; ++radius) {
        const double r = random();
        const double g = random();
        const double b = random();
        pen.setColor(QColor(int(std::nearbyint(r * 255)), int(std::nearbyint(g * 255)), int(std::nearbyint(b * 255))));
        p.setPen(pen);
        const double rad = radius / 15.0;
        p.drawEllipse(centre, rad, rad);
    }
}
