#include "HangmanFigure.h"

#include "app/Screen.h"
#include "app/Twips.h"

#include <QPainter>

FigureShape::FigureShape(Kind kind, const QColor &color, QWidget *parent)
    : QWidget(parent), m_kind(kind), m_color(color)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void FigureShape::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    update();
}

void FigureShape::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = rect();
    switch (m_kind) {
    case Kind::Box:
        p.fillRect(r, m_color);
        break;
    case Kind::Disc:
        if (!m_picture.isNull()) {
            p.setRenderHint(QPainter::SmoothPixmapTransform);
            p.drawPixmap(rect(), m_picture);
        } else {
            p.setPen(Qt::NoPen);
            p.setBrush(m_color);
            p.drawEllipse(r);
        }
        break;
    case Kind::LineDown:
    case Kind::LineUp: {
        const qreal width = 4;
        p.setPen(QPen(m_color, width, Qt::SolidLine, Qt::RoundCap));
        const QRectF inner = r.adjusted(width / 2, width / 2, -width / 2, -width / 2);
        if (m_kind == Kind::LineDown)
            p.drawLine(inner.topLeft(), inner.bottomRight());
        else
            p.drawLine(inner.bottomLeft(), inner.topRight());
        break;
    }
    }
}

FigureShape *HangmanFigure::part(int step) const
{
    FigureShape *const parts[] = {Head, Body, Arm1, Arm2, Hand1, Hand2, Leg1, Leg2, Foot1, Foot2};
    return step >= 1 && step <= 10 ? parts[step - 1] : nullptr;
}

HangmanFigure buildFigure(QWidget *parent, int leftTw, int topTw)
{
    const QColor ink(0x23, 0x2b, 0x3a);
    const QColor skin(0xf2, 0xc9, 0x9c);
    auto make = [&](FigureShape::Kind kind, const QColor &color, int left, int top, int width, int height) {
        auto *shape = new FigureShape(kind, color, parent);
        placeTw(shape, leftTw + left, topTw + top, width, height);
        return shape;
    };
    using K = FigureShape::Kind;
    HangmanFigure f;
    // Arms and legs first, so the trunk, hands and feet cover their ends.
    f.Arm1 = make(K::LineDown, ink, -240, 420, 600, 480);
    f.Arm2 = make(K::LineUp, ink, 360, 420, 600, 480);
    f.Leg1 = make(K::LineUp, ink, -60, 1920, 420, 840);
    f.Leg2 = make(K::LineDown, ink, 360, 1920, 420, 840);
    f.Body = make(K::Box, ink, 300, 690, 120, 1260);
    f.Head = make(K::Disc, skin, 0, 0, 720, 720);
    f.Head->setPicture(appPicture(QStringLiteral("face.png")));
    f.Hand1 = make(K::Disc, skin, -330, 330, 180, 180);
    f.Hand2 = make(K::Disc, skin, 870, 330, 180, 180);
    f.Foot1 = make(K::Box, ink, -330, 2730, 330, 105);
    f.Foot2 = make(K::Box, ink, 750, 2730, 330, 105);
    return f;
}
