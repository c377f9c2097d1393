// Paints every picture shipped in data/. Usage: paint_pictures <output-folder>
//
// Everything is drawn with QPainter into QImages: gradients, paths and text,
// with fixed random seeds so the output is the same on every run. Runs without
// a display (the offscreen platform is selected automatically).

#include <QColor>
#include <QDir>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QConicalGradient>

#include <cmath>
#include <cstdio>
#include <functional>
#include <random>
#include <utility>
#include <vector>

namespace {

constexpr double kPi = 3.14159265358979323846;

// Deterministic random numbers for scattering stars, letters and confetti.
class Rng {
public:
    explicit Rng(unsigned seed) : m_gen(seed) {}
    double Real(double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(m_gen); }
    int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(m_gen); }

private:
    std::mt19937 m_gen;
};

QImage Canvas(int w, int h, bool transparent) {
    QImage img(w, h, transparent ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    img.fill(transparent ? Qt::transparent : Qt::white);
    return img;
}

void Setup(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

QColor Alpha(QColor c, int a) {
    c.setAlpha(a);
    return c;
}

QFont Font(const char* family, double pixelSize, bool bold) {
    QFont f(QString::fromLatin1(family));
    f.setPixelSize(static_cast<int>(pixelSize));
    f.setBold(bold);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

QPainterPath StarPath(QPointF c, double outer, double inner, int points, double rotation = -kPi / 2) {
    QPainterPath path;
    for (int i = 0; i < points * 2; ++i) {
        const double r = (i % 2 == 0) ? outer : inner;
        const double a = rotation + i * kPi / points;
        const QPointF pt(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
        if (i == 0) path.moveTo(pt); else path.lineTo(pt);
    }
    path.closeSubpath();
    return path;
}

// A gold five-pointed star with a radial shine and a dark rim.
void GoldStar(QPainter& p, QPointF c, double r, double rotation = -kPi / 2) {
    QRadialGradient g(c - QPointF(r * 0.25, r * 0.3), r * 1.1);
    g.setColorAt(0.0, QColor("#fff8c4"));
    g.setColorAt(0.5, QColor("#ffd33d"));
    g.setColorAt(1.0, QColor("#f29d00"));
    p.setBrush(g);
    p.setPen(QPen(QColor("#b36b00"), std::max(2.0, r * 0.06), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(StarPath(c, r, r * 0.45, 5, rotation));
}

// Four-pointed twinkle.
void Sparkle(QPainter& p, QPointF c, double r, QColor color) {
    QPainterPath path;
    path.moveTo(c.x(), c.y() - r);
    path.quadTo(c, QPointF(c.x() + r, c.y()));
    path.quadTo(c, QPointF(c.x(), c.y() + r));
    path.quadTo(c, QPointF(c.x() - r, c.y()));
    path.quadTo(c, QPointF(c.x(), c.y() - r));
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPath(path);
}

// Soft shadow: the shape drawn a few times, growing and fading.
void SoftShadow(QPainter& p, const QPainterPath& shape, QPointF offset, int alpha = 60) {
    p.save();
    p.setBrush(Qt::NoBrush);
    for (int i = 6; i >= 1; --i) {
        p.setPen(QPen(QColor(0, 0, 0, alpha / 6), i * 4.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(shape.translated(offset));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, alpha));
    p.drawPath(shape.translated(offset));
    p.restore();
}

// Glossy highlight over the upper part of a shape.
void Gloss(QPainter& p, const QPainterPath& shape, double alpha = 90) {
    const QRectF r = shape.boundingRect();
    p.save();
    p.setClipPath(shape);
    QLinearGradient g(r.topLeft(), QPointF(r.left(), r.center().y()));
    g.setColorAt(0.0, QColor(255, 255, 255, static_cast<int>(alpha)));
    g.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(QRectF(r.left() - r.width() * 0.2, r.top() - r.height() * 0.55, r.width() * 1.4, r.height()));
    p.restore();
}

void Letters(QPainter& p, Rng& rng, int count, QRectF area, QColor color, double minSize, double maxSize) {
    static const QString alphabet = QString::fromUtf8("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyzÄÉÑÖÜßçéèüñ");
    for (int i = 0; i < count; ++i) {
        p.save();
        p.translate(rng.Real(area.left(), area.right()), rng.Real(area.top(), area.bottom()));
        p.rotate(rng.Real(-25, 25));
        p.setFont(Font(rng.Int(0, 1) ? "DejaVu Serif" : "DejaVu Sans", rng.Real(minSize, maxSize), rng.Int(0, 1)));
        p.setPen(color);
        p.drawText(QPointF(0, 0), QString(alphabet[rng.Int(0, alphabet.size() - 1)]));
        p.restore();
    }
}

void Stars(QPainter& p, Rng& rng, int count, QRectF area, int maxAlpha) {
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const QPointF c(rng.Real(area.left(), area.right()), rng.Real(area.top(), area.bottom()));
        const double fade = 1.0 - (c.y() - area.top()) / area.height() * 0.7;
        const double r = rng.Real(0.6, 2.2);
        p.setBrush(QColor(255, 255, rng.Int(220, 255), static_cast<int>(maxAlpha * fade * rng.Real(0.4, 1.0))));
        p.drawEllipse(c, r, r);
        if (r > 1.9) Sparkle(p, c, r * 4.5, QColor(255, 255, 255, static_cast<int>(maxAlpha * fade * 0.6)));
    }
}

// Rounded tile used behind the game icons.
void Tile(QPainter& p, QSizeF size, QColor top, QColor bottom) {
    const QRectF r(24, 20, size.width() - 48, size.height() - 48);
    QPainterPath tile;
    tile.addRoundedRect(r, 60, 60);
    SoftShadow(p, tile, QPointF(6, 10), 70);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.setBrush(g);
    p.setPen(QPen(Qt::white, 10));
    p.drawPath(tile);
    Gloss(p, tile, 70);
}

// ---------------------------------------------------------------- backgrounds

QImage Lspark() {
    QImage img = Canvas(800, 600, false);
    QPainter p(&img);
    Setup(p);
    QLinearGradient sky(0, 0, 0, 600);
    sky.setColorAt(0.0, QColor("#cfe6fa"));
    sky.setColorAt(0.55, QColor("#eaf5fd"));
    sky.setColorAt(1.0, QColor("#fffaf0"));
    p.fillRect(img.rect(), sky);
    Rng rng(11);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 9; ++i) {  // soft clouds
        const QPointF c(rng.Real(0, 800), rng.Real(40, 380));
        const double rx = rng.Real(90, 200);
        QRadialGradient g(c, rx);
        g.setColorAt(0, QColor(255, 255, 255, 170));
        g.setColorAt(1, QColor(255, 255, 255, 0));
        p.setBrush(g);
        p.save();
        p.translate(c);
        p.scale(1.0, 0.45);
        p.translate(-c);
        p.drawEllipse(c, rx, rx);
        p.restore();
    }
    for (int band = 0; band < 3; ++band) {  // gentle waves at the bottom
        QPainterPath wave;
        const double y = 470 + band * 40;
        wave.moveTo(0, y);
        for (int x = 0; x <= 800; x += 200)
            wave.quadTo(x + 100, y + (band % 2 ? 26 : -26), x + 200, y);
        wave.lineTo(800, 600);
        wave.lineTo(0, 600);
        wave.closeSubpath();
        p.setBrush(QColor(170, 210, 240, 30 + band * 8));
        p.drawPath(wave);
    }
    Letters(p, rng, 46, QRectF(0, 40, 800, 580), QColor(110, 160, 210, 34), 28, 96);
    for (int i = 0; i < 40; ++i)
        Sparkle(p, QPointF(rng.Real(0, 800), rng.Real(0, 600)), rng.Real(4, 13), QColor(255, 200, 80, rng.Int(60, 120)));
    return img;
}

QImage First() {
    QImage img = Canvas(800, 600, false);
    QPainter p(&img);
    Setup(p);
    QLinearGradient sky(0, 0, 0, 600);
    sky.setColorAt(0.00, QColor("#060a22"));
    sky.setColorAt(0.40, QColor("#1c1a58"));
    sky.setColorAt(0.68, QColor("#5f3c8c"));
    sky.setColorAt(0.86, QColor("#e07a6c"));
    sky.setColorAt(1.00, QColor("#ffca7c"));
    p.fillRect(img.rect(), sky);
    QRadialGradient glow(QPointF(400, 640), 420);
    glow.setColorAt(0, QColor(255, 225, 160, 200));
    glow.setColorAt(1, QColor(255, 200, 140, 0));
    p.fillRect(img.rect(), glow);
    Rng rng(22);
    Stars(p, rng, 260, QRectF(0, 0, 800, 420), 240);
    // The alphabet drifting across the sky along a gentle arc.
    const QString abc = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    for (int i = 0; i < abc.size(); ++i) {
        const double a = kPi * (0.03 + 0.94 * i / (abc.size() - 1));
        const QPointF pos(400 - 375 * std::cos(a), 380 - 290 * std::sin(a));
        p.save();
        p.translate(pos);
        p.rotate(-90 + a * 180 / kPi);
        p.setFont(Font("DejaVu Serif", 36, true));
        p.setPen(QColor(255, 255, 255, 48));
        p.drawText(QRectF(-30, -30, 60, 60), Qt::AlignCenter, QString(abc[i]));
        p.restore();
    }
    Letters(p, rng, 16, QRectF(0, 60, 800, 420), QColor(255, 255, 255, 22), 30, 80);
    // Dark hills on the horizon.
    p.setPen(Qt::NoPen);
    const QColor hills[] = {QColor("#3a2455"), QColor("#22163a")};
    for (int layer = 0; layer < 2; ++layer) {
        QPainterPath h;
        h.moveTo(0, 600);
        h.lineTo(0, 530 + layer * 20);
        for (int x = 0; x < 800; x += 160)
            h.cubicTo(x + 50, 500 + layer * 25 + rng.Real(-25, 10), x + 110, 520 + layer * 25 + rng.Real(-20, 15), x + 160,
                      535 + layer * 20);
        h.lineTo(800, 600);
        h.closeSubpath();
        p.setBrush(hills[layer]);
        p.drawPath(h);
    }
    return img;
}

// Drawn at twice the 505x129 box it is shown in, then stretched vertically so
// that the squashed display looks square again.
QImage Card() {
    QImage img = Canvas(1010, 480, false);
    QPainter p(&img);
    Setup(p);
    const double logicalH = 258.0;
    p.scale(1.0, 480.0 / logicalH);
    const QRectF all(0, 0, 1010, logicalH);
    QLinearGradient bg(all.topLeft(), all.bottomRight());
    bg.setColorAt(0, QColor("#17306f"));
    bg.setColorAt(0.5, QColor("#2a55b8"));
    bg.setColorAt(1, QColor("#17306f"));
    p.fillRect(all, bg);
    // Diamond lattice with alternating shades.
    const double dw = 44, dh = 44;
    for (int row = -1; row * dh / 2 < logicalH + dh; ++row) {
        for (int col = -1; col * dw < 1010 + dw; ++col) {
            const QPointF c(col * dw + (row % 2 ? dw / 2 : 0), row * dh / 2);
            QPolygonF d;
            d << QPointF(c.x(), c.y() - dh / 2) << QPointF(c.x() + dw / 2, c.y()) << QPointF(c.x(), c.y() + dh / 2)
              << QPointF(c.x() - dw / 2, c.y());
            p.setBrush((row + col) % 2 ? QColor(255, 255, 255, 22) : QColor(0, 0, 40, 30));
            p.setPen(QPen(QColor(190, 215, 255, 70), 1.5));
            p.drawPolygon(d);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 230, 150, 90));
            p.drawEllipse(QPointF(c.x(), c.y() - dh / 2), 2.2, 2.2);
        }
    }
    // Frames.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor("#f2c94c"), 8));
    p.drawRoundedRect(all.adjusted(10, 10, -10, -10), 18, 18);
    p.setPen(QPen(QColor(242, 201, 76, 160), 2.5));
    p.drawRoundedRect(all.adjusted(22, 22, -22, -22), 12, 12);
    for (QPointF corner : {QPointF(40, 40), QPointF(970, 40), QPointF(40, logicalH - 40), QPointF(970, logicalH - 40)})
        GoldStar(p, corner, 13);
    // Central "?" medallion.
    const QPointF c(505, logicalH / 2);
    QPainterPath medal;
    medal.addEllipse(c, 92, 92);
    SoftShadow(p, medal, QPointF(4, 5), 80);
    QRadialGradient gold(c - QPointF(30, 30), 120);
    gold.setColorAt(0, QColor("#fff6cf"));
    gold.setColorAt(0.55, QColor("#f5c542"));
    gold.setColorAt(1, QColor("#c98a12"));
    p.setBrush(gold);
    p.setPen(QPen(QColor("#7a4d00"), 5));
    p.drawPath(medal);
    p.setPen(QPen(QColor(122, 77, 0, 140), 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 78, 78);
    p.setFont(Font("DejaVu Serif", 130, true));
    p.setPen(QColor(20, 40, 110, 90));
    p.drawText(QRectF(c.x() - 90 + 4, c.y() - 92 + 5, 180, 184), Qt::AlignCenter, QStringLiteral("?"));
    p.setPen(QColor("#1b3a8c"));
    p.drawText(QRectF(c.x() - 90, c.y() - 92, 180, 184), Qt::AlignCenter, QStringLiteral("?"));
    Gloss(p, medal, 110);
    return img;
}

QImage Sphinx() {
    QImage img = Canvas(800, 600, false);
    QPainter p(&img);
    Setup(p);
    const double horizon = 410;
    QLinearGradient sky(0, 0, 0, horizon);
    sky.setColorAt(0.0, QColor("#2a1a52"));
    sky.setColorAt(0.35, QColor("#8a3a7c"));
    sky.setColorAt(0.7, QColor("#f0705a"));
    sky.setColorAt(1.0, QColor("#ffc872"));
    p.fillRect(QRectF(0, 0, 800, horizon + 2), sky);
    Rng rng(33);
    Stars(p, rng, 50, QRectF(0, 0, 800, 140), 170);
    // Setting sun with a halo.
    const QPointF sun(135, 330);
    QRadialGradient halo(sun, 260);
    halo.setColorAt(0, QColor(255, 240, 180, 200));
    halo.setColorAt(1, QColor(255, 180, 120, 0));
    p.fillRect(QRectF(0, 0, 800, horizon), halo);
    QRadialGradient disc(sun - QPointF(15, 20), 80);
    disc.setColorAt(0, QColor("#fffbe0"));
    disc.setColorAt(1, QColor("#ffb04a"));
    p.setPen(Qt::NoPen);
    p.setBrush(disc);
    p.drawEllipse(sun, 62, 62);
    // Pyramids: a lit face and a shaded face, with faint stone courses.
    auto pyramid = [&](double cx, double apexY, double half, double baseY) {
        const QPointF apex(cx, apexY), left(cx - half, baseY), right(cx + half, baseY), mid(cx + half * 0.25, baseY);
        QPolygonF lit, shade;
        lit << apex << left << mid;
        shade << apex << mid << right;
        QLinearGradient lg(apex, left);
        lg.setColorAt(0, QColor("#f6c27a"));
        lg.setColorAt(1, QColor("#d98e4a"));
        p.setBrush(lg);
        p.drawPolygon(lit);
        QLinearGradient sg(apex, right);
        sg.setColorAt(0, QColor("#a4603a"));
        sg.setColorAt(1, QColor("#6e3a28"));
        p.setBrush(sg);
        p.drawPolygon(shade);
        p.save();
        QPainterPath clip;
        clip.addPolygon(QPolygonF() << apex << left << right);
        p.setClipPath(clip);
        p.setPen(QPen(QColor(90, 40, 20, 45), 1.5));
        for (double y = apexY + 14; y < baseY; y += 14) p.drawLine(QPointF(cx - half, y), QPointF(cx + half, y));
        p.restore();
        p.setPen(Qt::NoPen);
    };
    pyramid(720, 250, 150, horizon + 8);
    pyramid(470, 170, 230, horizon + 10);
    pyramid(250, 300, 110, horizon + 10);
    // Dunes.
    const QColor duneTop[] = {QColor("#e9a75c"), QColor("#f3bd6e"), QColor("#ffd38a")};
    const QColor duneBottom[] = {QColor("#b8703a"), QColor("#d08a48"), QColor("#e0a058")};
    for (int layer = 0; layer < 3; ++layer) {
        const double y = horizon + layer * 50;
        QPainterPath d;
        d.moveTo(0, y + 10);
        d.cubicTo(200, y - 30 + layer * 10, 420, y + 40, 800, y - 5 + layer * 12);
        d.lineTo(800, 600);
        d.lineTo(0, 600);
        d.closeSubpath();
        QLinearGradient g(0, y - 30, 0, 600);
        g.setColorAt(0, duneTop[layer]);
        g.setColorAt(1, duneBottom[layer]);
        p.setBrush(g);
        p.drawPath(d);
    }
    // The sphinx, lying on the front dune facing right.
    QPainterPath body;
    body.moveTo(40, 520);
    body.cubicTo(40, 470, 70, 440, 130, 432);   // haunch
    body.lineTo(300, 425);                      // back
    body.lineTo(330, 412);                      // shoulders rising to the neck
    body.lineTo(345, 470);                      // chest
    body.lineTo(455, 478);                      // front paws
    body.quadTo(470, 480, 470, 498);
    body.lineTo(470, 520);
    body.closeSubpath();
    QPainterPath head;
    head.moveTo(300, 425);
    head.lineTo(312, 330);     // back of headdress
    head.quadTo(335, 292, 368, 300);
    head.lineTo(380, 330);     // forehead
    head.lineTo(384, 372);     // face
    head.lineTo(372, 395);     // chin
    head.lineTo(352, 400);
    head.lineTo(340, 440);     // headdress lappet
    head.closeSubpath();
    QPainterPath sphinx = body.united(head);
    QLinearGradient sg(0, 300, 0, 520);
    sg.setColorAt(0, QColor("#e8b36a"));
    sg.setColorAt(1, QColor("#a8652e"));
    p.setBrush(sg);
    p.setPen(QPen(QColor("#6e3a1e"), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(sphinx);
    p.save();
    p.setClipPath(head);
    p.setPen(QPen(QColor(110, 58, 30, 120), 4));
    for (double y = 320; y < 445; y += 13) p.drawLine(QPointF(300, y), QPointF(352, y + 8));  // headdress stripes
    p.restore();
    p.setPen(QPen(QColor("#5a2e16"), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(362, 345), QPointF(376, 344));  // eye
    p.drawLine(QPointF(372, 378), QPointF(382, 376));  // mouth
    p.setPen(QPen(QColor(110, 58, 30, 150), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(350, 478), QPointF(440, 484));  // paw line
    p.drawArc(QRectF(90, 445, 80, 70), 30 * 16, 120 * 16);  // haunch muscle
    // Birds.
    p.setPen(QPen(QColor(40, 20, 40, 200), 3, Qt::SolidLine, Qt::RoundCap));
    for (QPointF b : {QPointF(180, 120), QPointF(215, 145), QPointF(150, 160)}) {
        QPainterPath w;
        w.moveTo(b - QPointF(14, 4));
        w.quadTo(b - QPointF(6, 10), b);
        w.quadTo(b + QPointF(6, -10), b + QPointF(14, -4));
        p.setBrush(Qt::NoBrush);
        p.drawPath(w);
    }
    return img;
}

QImage Summary() {
    QImage img = Canvas(800, 600, false);
    QPainter p(&img);
    Setup(p);
    QLinearGradient g(0, 0, 0, 600);
    g.setColorAt(0, QColor("#fff6e6"));
    g.setColorAt(0.6, QColor("#ffe6bf"));
    g.setColorAt(1, QColor("#ffd08c"));
    p.fillRect(img.rect(), g);
    // Faint rays from the top centre.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 18; ++i) {
        const double a0 = kPi * i / 18, a1 = a0 + kPi / 36;
        QPolygonF ray;
        ray << QPointF(400, -40) << QPointF(400 + 1200 * std::cos(a0), -40 + 1200 * std::sin(a0))
            << QPointF(400 + 1200 * std::cos(a1), -40 + 1200 * std::sin(a1));
        p.setBrush(QColor(255, 255, 255, 60));
        p.drawPolygon(ray);
    }
    Rng rng(44);
    const QColor colors[] = {QColor("#ff6b6b"), QColor("#4dabf7"), QColor("#51cf66"), QColor("#fcc419"),
                             QColor("#cc5de8"), QColor("#ff922b")};
    for (int i = 0; i < 140; ++i) {  // confetti
        p.save();
        p.translate(rng.Real(0, 800), rng.Real(0, 600));
        p.rotate(rng.Real(0, 360));
        p.setBrush(Alpha(colors[rng.Int(0, 5)], rng.Int(70, 140)));
        const double w = rng.Real(6, 14);
        if (rng.Int(0, 2) == 0) p.drawEllipse(QPointF(0, 0), w / 2, w / 2);
        else p.drawRect(QRectF(-w / 2, -w / 4, w, w / 2));
        p.restore();
    }
    for (int i = 0; i < 6; ++i) {  // streamers
        QPainterPath s;
        double x = rng.Real(0, 800), y = rng.Real(-20, 100);
        s.moveTo(x, y);
        for (int k = 0; k < 6; ++k) {
            s.quadTo(x + (k % 2 ? 30 : -30), y + 30, x, y + 60);
            y += 60;
        }
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Alpha(colors[i % 6], 90), 5, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(s);
    }
    for (int i = 0; i < 20; ++i)
        Sparkle(p, QPointF(rng.Real(0, 800), rng.Real(0, 600)), rng.Real(5, 14), QColor(255, 190, 60, 130));
    return img;
}

QImage Zap() {
    QImage img = Canvas(800, 600, false);
    QPainter p(&img);
    Setup(p);
    QLinearGradient g(0, 0, 0, 600);
    g.setColorAt(0, QColor("#04010e"));
    g.setColorAt(0.6, QColor("#170736"));
    g.setColorAt(1, QColor("#2a0a48"));
    p.fillRect(img.rect(), g);
    Rng rng(55);
    p.setPen(Qt::NoPen);
    const QColor nebula[] = {QColor(120, 40, 200), QColor(20, 150, 200), QColor(200, 40, 140)};
    for (int i = 0; i < 7; ++i) {
        const QPointF c(rng.Real(0, 800), rng.Real(40, 360));
        const double r = rng.Real(90, 220);
        QRadialGradient n(c, r);
        n.setColorAt(0, Alpha(nebula[i % 3], 70));
        n.setColorAt(1, Alpha(nebula[i % 3], 0));
        p.setBrush(n);
        p.drawEllipse(c, r, r);
    }
    Stars(p, rng, 320, QRectF(0, 0, 800, 420), 255);
    // Glowing horizon and a grid floor running off to the horizon.
    const double horizon = 420;
    QLinearGradient hg(0, horizon - 40, 0, horizon + 10);
    hg.setColorAt(0, QColor(255, 60, 200, 0));
    hg.setColorAt(1, QColor(255, 60, 200, 150));
    p.fillRect(QRectF(0, horizon - 40, 800, 50), hg);
    QLinearGradient floor(0, horizon, 0, 600);
    floor.setColorAt(0, QColor("#1a0530"));
    floor.setColorAt(1, QColor("#08020f"));
    p.fillRect(QRectF(0, horizon, 800, 180), floor);
    p.setPen(QPen(QColor(255, 70, 210, 170), 2));
    for (int i = -12; i <= 12; ++i) p.drawLine(QPointF(400 + i * 22, horizon), QPointF(400 + i * 110, 600));
    for (int k = 1; k < 12; ++k) {
        const double y = horizon + 180 * std::pow(k / 11.0, 2.2);
        p.drawLine(QPointF(0, y), QPointF(800, y));
    }
    p.setPen(QPen(QColor(120, 240, 255, 220), 3));
    p.drawLine(QPointF(0, horizon), QPointF(800, horizon));
    return img;
}

QImage Ready() {
    QImage img = Canvas(800, 600, false);
    QPainter p(&img);
    Setup(p);
    const QPointF c(400, 300);
    p.fillRect(img.rect(), QColor("#ffb238"));
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 24; ++i) {
        const double a0 = 2 * kPi * i / 24, a1 = a0 + kPi / 24;
        QPolygonF ray;
        ray << c << QPointF(c.x() + 900 * std::cos(a0), c.y() + 900 * std::sin(a0))
            << QPointF(c.x() + 900 * std::cos(a1), c.y() + 900 * std::sin(a1));
        p.setBrush(QColor("#ffc75a"));
        p.drawPolygon(ray);
    }
    QRadialGradient glow(c, 330);
    glow.setColorAt(0, QColor(255, 255, 240, 255));
    glow.setColorAt(0.45, QColor(255, 250, 220, 170));
    glow.setColorAt(1, QColor(255, 240, 200, 0));
    p.fillRect(img.rect(), glow);
    QRadialGradient vignette(c, 520);
    vignette.setColorAt(0.6, QColor(120, 40, 0, 0));
    vignette.setColorAt(1, QColor(120, 40, 0, 110));
    p.fillRect(img.rect(), vignette);
    Rng rng(66);
    for (int i = 0; i < 26; ++i) {
        const double a = rng.Real(0, 2 * kPi), r = rng.Real(230, 420);
        Sparkle(p, c + QPointF(r * std::cos(a), r * 0.8 * std::sin(a)), rng.Real(6, 16), QColor(255, 255, 255, 180));
    }
    return img;
}

// ---------------------------------------------------------------- figures

QImage Lightbulb() {
    QImage img = Canvas(648, 904, true);
    QPainter p(&img);
    Setup(p);
    const QPointF c(324, 350);
    QRadialGradient halo(c, 320);
    halo.setColorAt(0, QColor(255, 236, 120, 170));
    halo.setColorAt(0.6, QColor(255, 220, 90, 60));
    halo.setColorAt(1, QColor(255, 220, 90, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(c, 320, 320);
    for (int i = 0; i < 14; ++i) {  // rays, leaving room for the base below
        const double a = -kPi / 2 + (i - 6.5) * kPi / 9.5;
        if (std::sin(a) > 0.55) continue;
        const QPointF dir(std::cos(a), std::sin(a)), side(-std::sin(a), std::cos(a));
        QPolygonF ray;
        ray << c + dir * 250 + side * 10 << c + dir * 312 << c + dir * 250 - side * 10;
        p.setBrush(QColor(255, 200, 40, 230));
        p.drawPolygon(ray);
    }
    // Glass: a sphere that narrows into a neck.
    QPainterPath glass;
    glass.moveTo(244, 620);
    glass.cubicTo(244, 540, 120, 480, 120, 340);
    glass.arcTo(QRectF(120, 136, 408, 408), 180, -180);
    glass.cubicTo(528, 480, 404, 540, 404, 620);
    glass.closeSubpath();
    QRadialGradient fill(QPointF(270, 280), 300);
    fill.setColorAt(0, QColor("#fffdf0"));
    fill.setColorAt(0.45, QColor("#ffe774"));
    fill.setColorAt(1, QColor("#f3a900"));
    p.setBrush(fill);
    p.setPen(QPen(QColor("#a86a00"), 9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(glass);
    // Filament on two supports.
    p.setPen(QPen(QColor(150, 110, 60), 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(290, 610), QPointF(284, 380));
    p.drawLine(QPointF(358, 610), QPointF(364, 380));
    QPainterPath fil;
    fil.moveTo(284, 380);
    for (int k = 0; k < 6; ++k) fil.quadTo(290 + k * 13, k % 2 ? 410 : 340, 297 + k * 13.4, 380);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 140, 0, 120), 22, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(fil);
    p.setPen(QPen(QColor("#e05a00"), 7, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(fil);
    // Shine on the glass.
    p.setPen(QPen(QColor(255, 255, 255, 200), 20, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(170, 190, 300, 300), 110 * 16, 55 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 220));
    p.drawEllipse(QPointF(215, 330), 12, 12);
    // Screw base.
    for (int k = 0; k < 5; ++k) {
        const QRectF band(232 + k * 3, 620 + k * 34, 184 - k * 6, 40);
        QLinearGradient mg(band.topLeft(), band.topRight());
        mg.setColorAt(0, QColor("#8d969f"));
        mg.setColorAt(0.35, QColor("#eef2f5"));
        mg.setColorAt(1, QColor("#6d767f"));
        p.setBrush(mg);
        p.setPen(QPen(QColor("#4a5058"), 4));
        p.drawRoundedRect(band, 16, 16);
    }
    QPainterPath tip;
    tip.moveTo(268, 786);
    tip.lineTo(380, 786);
    tip.quadTo(370, 846, 324, 850);
    tip.quadTo(278, 846, 268, 786);
    p.setBrush(QColor("#3b3f46"));
    p.drawPath(tip);
    // Sparks.
    for (QPointF s : {QPointF(70, 120), QPointF(590, 150), QPointF(40, 520), QPointF(600, 560), QPointF(560, 40)})
        Sparkle(p, s, 30, QColor(255, 215, 60, 240));
    return img;
}

QImage OpenBook() {
    QImage img = Canvas(640, 480, true);
    QPainter p(&img);
    Setup(p);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 50));
    p.drawEllipse(QPointF(320, 420), 270, 28);
    QPainterPath cover;
    cover.moveTo(320, 150);
    cover.cubicTo(250, 110, 120, 110, 40, 140);
    cover.lineTo(40, 400);
    cover.cubicTo(120, 375, 250, 380, 320, 415);
    cover.cubicTo(390, 380, 520, 375, 600, 400);
    cover.lineTo(600, 140);
    cover.cubicTo(520, 110, 390, 110, 320, 150);
    cover.closeSubpath();
    p.setBrush(QColor("#b23a3a"));
    p.setPen(QPen(QColor("#6e1f1f"), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(cover);
    for (int side = -1; side <= 1; side += 2) {
        QPainterPath page;
        page.moveTo(320, 140);
        page.cubicTo(320 + side * 70, 95, 320 + side * 190, 95, 320 + side * 262, 118);
        page.lineTo(320 + side * 262, 382);
        page.cubicTo(320 + side * 190, 360, 320 + side * 70, 362, 320, 398);
        page.closeSubpath();
        QLinearGradient pg(QPointF(320, 0), QPointF(320 + side * 262, 0));
        pg.setColorAt(0, QColor("#d9d2c0"));
        pg.setColorAt(0.12, QColor("#fffdf6"));
        pg.setColorAt(1, QColor("#f4ecd8"));
        p.setBrush(pg);
        p.setPen(QPen(QColor("#8a7a5a"), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(page);
        // Lines of "text" following the page curve.
        p.setPen(QPen(QColor(90, 90, 120, 150), 5, Qt::SolidLine, Qt::RoundCap));
        for (int line = 0; line < 9; ++line) {
            const double y = 150 + line * 24;
            const double len = line == 8 ? 110 : (line % 3 == 2 ? 170 : 200);
            QPainterPath t;
            t.moveTo(320 + side * 34, y + 6);
            t.quadTo(320 + side * (34 + len / 2), y - 6, 320 + side * (34 + len), y);
            p.setBrush(Qt::NoBrush);
            p.drawPath(t);
        }
    }
    // Ribbon bookmark and letters rising from the pages.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor("#2f6fd6"));
    p.drawPolygon(QPolygonF() << QPointF(420, 110) << QPointF(444, 110) << QPointF(444, 450) << QPointF(432, 436)
                              << QPointF(420, 450));
    const char* letters[] = {"A", "b", "ç", "Ö", "ñ"};
    const QColor colors[] = {QColor("#e8590c"), QColor("#2b8a3e"), QColor("#5f3dc4"), QColor("#c2255c"),
                             QColor("#1971c2")};
    for (int i = 0; i < 5; ++i) {
        p.save();
        p.translate(150 + i * 85, 80 - std::sin(i * 1.3) * 25);
        p.rotate(-18 + i * 9);
        p.setFont(Font("DejaVu Serif", 64, true));
        p.setPen(QColor(255, 255, 255, 230));
        p.drawText(QPointF(3, 3), QString::fromUtf8(letters[i]));
        p.setPen(colors[i]);
        p.drawText(QPointF(0, 0), QString::fromUtf8(letters[i]));
        p.restore();
    }
    return img;
}

QImage PencilStars() {
    QImage img = Canvas(640, 480, true);
    QPainter p(&img);
    Setup(p);
    // A looping dashed trail drawn by the pencil, with stars along it.
    QPainterPath trail;
    trail.moveTo(210, 330);
    trail.cubicTo(140, 360, 80, 300, 120, 250);
    trail.cubicTo(160, 200, 230, 240, 200, 180);
    trail.cubicTo(170, 110, 260, 60, 330, 90);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(90, 90, 140, 180), 6, Qt::DashLine, Qt::RoundCap));
    p.drawPath(trail);
    GoldStar(p, QPointF(110, 250), 34, -kPi / 2 + 0.2);
    GoldStar(p, QPointF(205, 180), 26, -kPi / 2 - 0.3);
    GoldStar(p, QPointF(340, 88), 44);
    Sparkle(p, QPointF(60, 160), 20, QColor(255, 200, 50));
    Sparkle(p, QPointF(430, 60), 16, QColor(255, 200, 50));
    Sparkle(p, QPointF(280, 200), 12, QColor(255, 200, 50));
    // The pencil, tip at the start of the trail.
    p.save();
    p.translate(215, 335);
    p.rotate(-32);
    const double len = 390, w = 64;
    QPainterPath body;
    body.addRect(QRectF(90, -w / 2, len - 90 - 70, w));
    SoftShadow(p, body, QPointF(6, 12), 40);
    const QColor facets[] = {QColor("#ffe066"), QColor("#fcc419"), QColor("#f08c00")};
    for (int f = 0; f < 3; ++f) {
        p.setPen(Qt::NoPen);
        p.setBrush(facets[f]);
        p.drawRect(QRectF(90, -w / 2 + f * w / 3, len - 160, w / 3));
    }
    // Sharpened wood and graphite.
    QPolygonF wood;
    wood << QPointF(0, 0) << QPointF(90, -w / 2) << QPointF(90, w / 2);
    QPainterPath woodScallop;
    woodScallop.moveTo(90, -w / 2);
    for (int k = 0; k < 3; ++k) woodScallop.quadTo(80, -w / 2 + (k + 0.5) * w / 3, 90, -w / 2 + (k + 1) * w / 3);
    p.setBrush(QColor("#f1cf9c"));
    p.drawPolygon(wood);
    p.setBrush(facets[1]);
    p.drawPath(woodScallop);
    p.setBrush(QColor("#343a40"));
    p.drawPolygon(QPolygonF() << QPointF(0, 0) << QPointF(28, -w / 2 * 28 / 90) << QPointF(28, w / 2 * 28 / 90));
    // Ferrule and eraser.
    QLinearGradient metal(0, -w / 2, 0, w / 2);
    metal.setColorAt(0, QColor("#f1f3f5"));
    metal.setColorAt(0.5, QColor("#adb5bd"));
    metal.setColorAt(1, QColor("#6c757d"));
    p.setBrush(metal);
    p.drawRect(QRectF(len - 70, -w / 2 - 2, 34, w + 4));
    p.setPen(QPen(QColor("#495057"), 3));
    for (int k = 1; k < 4; ++k) p.drawLine(QPointF(len - 70 + k * 8.5, -w / 2), QPointF(len - 70 + k * 8.5, w / 2));
    p.setPen(Qt::NoPen);
    QLinearGradient eraser(0, -w / 2, 0, w / 2);
    eraser.setColorAt(0, QColor("#ffc9d6"));
    eraser.setColorAt(1, QColor("#e64980"));
    p.setBrush(eraser);
    p.drawRoundedRect(QRectF(len - 36, -w / 2, 40, w), 12, 12);
    // Outline.
    QPainterPath outline;
    outline.moveTo(0, 0);
    outline.lineTo(90, -w / 2);
    outline.lineTo(len + 4, -w / 2);
    outline.lineTo(len + 4, w / 2);
    outline.lineTo(90, w / 2);
    outline.closeSubpath();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor("#5c3d10"), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(outline);
    p.restore();
    return img;
}

QImage Arrow(bool pointsRight) {
    QImage img = Canvas(640, 480, true);
    QPainter p(&img);
    Setup(p);
    QPainterPath arrow;
    arrow.moveTo(60, 180);
    arrow.lineTo(340, 180);
    arrow.lineTo(340, 70);
    arrow.lineTo(590, 240);
    arrow.lineTo(340, 410);
    arrow.lineTo(340, 300);
    arrow.lineTo(60, 300);
    arrow.closeSubpath();
    if (!pointsRight) arrow = QTransform(-1, 0, 0, 1, 640, 0).map(arrow);
    SoftShadow(p, arrow, QPointF(8, 12), 70);
    QLinearGradient g(0, 70, 0, 410);
    g.setColorAt(0, QColor("#8ce99a"));
    g.setColorAt(0.5, QColor("#2fb344"));
    g.setColorAt(1, QColor("#1b7a2d"));
    p.setBrush(g);
    p.setPen(QPen(QColor("#0f4d1c"), 14, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(arrow);
    Gloss(p, arrow, 120);
    return img;
}

void FaceBase(QPainter& p, QPointF c, double r, QColor light, QColor mid, QColor dark, QColor rim) {
    QPainterPath face;
    face.addEllipse(c, r, r);
    SoftShadow(p, face, QPointF(6, 10), 60);
    QRadialGradient g(c - QPointF(r * 0.35, r * 0.4), r * 1.5);
    g.setColorAt(0, light);
    g.setColorAt(0.5, mid);
    g.setColorAt(1, dark);
    p.setBrush(g);
    p.setPen(QPen(rim, 8));
    p.drawPath(face);
}

void Eye(QPainter& p, QPointF c, double rx, double ry) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor("#2b1d0e"));
    p.drawEllipse(c, rx, ry);
    p.setBrush(Qt::white);
    p.drawEllipse(c + QPointF(-rx * 0.3, -ry * 0.35), rx * 0.35, rx * 0.35);
}

QImage Happy() {
    QImage img = Canvas(640, 480, true);
    QPainter p(&img);
    Setup(p);
    const QPointF c(320, 235);
    FaceBase(p, c, 205, QColor("#fffbd1"), QColor("#ffd43b"), QColor("#f59f00"), QColor("#b86e00"));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 110, 110, 90));
    p.drawEllipse(c + QPointF(-125, 45), 38, 24);
    p.drawEllipse(c + QPointF(125, 45), 38, 24);
    Eye(p, c + QPointF(-70, -55), 24, 36);
    Eye(p, c + QPointF(70, -55), 24, 36);
    QPainterPath mouth;
    mouth.moveTo(c + QPointF(-110, 20));
    mouth.quadTo(c + QPointF(0, 40), c + QPointF(110, 20));
    mouth.cubicTo(c + QPointF(95, 150), c + QPointF(-95, 150), c + QPointF(-110, 20));
    p.setBrush(QColor("#7a1d1d"));
    p.setPen(QPen(QColor("#5c1010"), 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(mouth);
    p.save();
    p.setClipPath(mouth);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor("#ff8787"));
    p.drawEllipse(c + QPointF(0, 125), 62, 38);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(c.x() - 110, c.y() + 10, 220, 30));
    p.restore();
    return img;
}

QImage Sad() {
    QImage img = Canvas(640, 480, true);
    QPainter p(&img);
    Setup(p);
    const QPointF c(320, 235);
    FaceBase(p, c, 205, QColor("#e7f5ff"), QColor("#74c0fc"), QColor("#1c7ed6"), QColor("#0b4f8a"));
    p.setPen(QPen(QColor("#0b3d6b"), 10, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(-110, -95), c + QPointF(-40, -120));  // worried brows
    p.drawLine(c + QPointF(110, -95), c + QPointF(40, -120));
    Eye(p, c + QPointF(-70, -45), 22, 30);
    Eye(p, c + QPointF(70, -45), 22, 30);
    QPainterPath mouth;
    mouth.moveTo(c + QPointF(-85, 110));
    mouth.quadTo(c + QPointF(0, 40), c + QPointF(85, 110));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor("#0b3d6b"), 14, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(mouth);
    QPainterPath tear;
    const QPointF t = c + QPointF(-92, 5);
    tear.moveTo(t);
    tear.cubicTo(t + QPointF(-22, 34), t + QPointF(-20, 62), t + QPointF(0, 62));
    tear.cubicTo(t + QPointF(20, 62), t + QPointF(22, 34), t);
    QLinearGradient tg(t, t + QPointF(0, 62));
    tg.setColorAt(0, QColor("#ffffff"));
    tg.setColorAt(1, QColor("#a5d8ff"));
    p.setBrush(tg);
    p.setPen(QPen(QColor("#1864ab"), 4));
    p.drawPath(tear);
    return img;
}

QImage HangmanFace() {
    QImage img = Canvas(640, 480, true);
    QPainter p(&img);
    Setup(p);
    const QPointF c(320, 250);
    p.setBrush(QColor("#f1c27d"));
    p.setPen(QPen(QColor("#6b3e16"), 8));
    p.drawEllipse(c + QPointF(-190, 10), 34, 46);  // ears
    p.drawEllipse(c + QPointF(190, 10), 34, 46);
    FaceBase(p, c, 190, QColor("#fff0dc"), QColor("#f7d2a4"), QColor("#e0a868"), QColor("#6b3e16"));
    // Hair tuft.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor("#5a3412"), 12, Qt::SolidLine, Qt::RoundCap));
    for (int k = -2; k <= 2; ++k) {
        QPainterPath h;
        h.moveTo(c + QPointF(k * 18, -186));
        h.quadTo(c + QPointF(k * 30 - 10, -240), c + QPointF(k * 40 + 20, -228));
        p.drawPath(h);
    }
    p.setPen(QPen(QColor("#5a3412"), 9, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(c.x() - 110, c.y() - 110, 70, 40), 20 * 16, 140 * 16);
    p.drawArc(QRectF(c.x() + 40, c.y() - 110, 70, 40), 20 * 16, 140 * 16);
    Eye(p, c + QPointF(-70, -45), 20, 26);
    Eye(p, c + QPointF(70, -45), 20, 26);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor("#9a5a22"), 7, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(c.x() - 22, c.y() - 10, 44, 50), 200 * 16, 140 * 16);  // nose
    p.setPen(QPen(QColor("#6b2a12"), 9, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(c.x() - 70, c.y() + 30, 140, 70), 200 * 16, 140 * 16);  // mouth
    return img;
}

void DrawTrophy(QPainter& p, QPointF c, double s) {
    // c is the centre of the cup's rim; s scales the whole trophy.
    QPainterPath cup;
    cup.moveTo(c + QPointF(-110, 0) * s);
    cup.lineTo(c + QPointF(110, 0) * s);
    cup.cubicTo(c + QPointF(110, 120) * s, c + QPointF(60, 170) * s, c + QPointF(18, 180) * s);
    cup.lineTo(c + QPointF(18, 225) * s);
    cup.lineTo(c + QPointF(-18, 225) * s);
    cup.lineTo(c + QPointF(-18, 180) * s);
    cup.cubicTo(c + QPointF(-60, 170) * s, c + QPointF(-110, 120) * s, c + QPointF(-110, 0) * s);
    cup.closeSubpath();
    QPainterPath base;
    base.addRoundedRect(QRectF(c + QPointF(-70, 222) * s, c + QPointF(70, 252) * s), 8 * s, 8 * s);
    base.addRoundedRect(QRectF(c + QPointF(-95, 250) * s, c + QPointF(95, 292) * s), 10 * s, 10 * s);
    SoftShadow(p, cup.united(base), QPointF(6, 10) * s, 60);
    const QPen rim(QColor("#8a5a00"), 7 * s, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor("#e0a400"), 18 * s, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(c + QPointF(-170, 10) * s, QSizeF(110, 110) * s), 90 * 16, 180 * 16);  // handles
    p.drawArc(QRectF(c + QPointF(60, 10) * s, QSizeF(110, 110) * s), -90 * 16, 180 * 16);
    QLinearGradient gold(c + QPointF(-110, 0) * s, c + QPointF(110, 0) * s);
    gold.setColorAt(0, QColor("#c98a00"));
    gold.setColorAt(0.3, QColor("#fff3bf"));
    gold.setColorAt(0.55, QColor("#fcc419"));
    gold.setColorAt(1, QColor("#b07400"));
    p.setBrush(gold);
    p.setPen(rim);
    p.drawPath(cup);
    QLinearGradient wood(c + QPointF(0, 222) * s, c + QPointF(0, 292) * s);
    wood.setColorAt(0, QColor("#8b5a2b"));
    wood.setColorAt(1, QColor("#4e2f14"));
    p.setBrush(wood);
    p.setPen(QPen(QColor("#2e1a08"), 5 * s));
    p.drawPath(base);
    p.setBrush(QColor("#fff3bf"));
    p.setPen(QPen(QColor("#8a5a00"), 3 * s));
    p.drawRoundedRect(QRectF(c + QPointF(-50, 260) * s, c + QPointF(50, 282) * s), 4 * s, 4 * s);
    GoldStar(p, c + QPointF(0, 75) * s, 42 * s);
}

QImage TrophyPicture(bool withLaurels) {
    QImage img = Canvas(640, 480, true);
    QPainter p(&img);
    Setup(p);
    if (withLaurels) {
        QRadialGradient glow(QPointF(320, 220), 260);
        glow.setColorAt(0, QColor(255, 230, 120, 150));
        glow.setColorAt(1, QColor(255, 230, 120, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawEllipse(QPointF(320, 220), 260, 220);
        for (int side = -1; side <= 1; side += 2) {  // laurel branches
            for (int k = 0; k < 7; ++k) {
                const double a = kPi / 2 + side * (0.35 + k * 0.3);
                const QPointF at(320 + 235 * std::cos(a), 240 + 200 * std::sin(a));
                p.save();
                p.translate(at);
                p.rotate(a * 180 / kPi + side * 60);
                p.setBrush(QColor(k % 2 ? "#37b24d" : "#2b8a3e"));
                p.setPen(QPen(QColor("#1e5c2a"), 3));
                p.drawEllipse(QPointF(0, 0), 30, 12);
                p.restore();
            }
        }
        Rng rng(77);
        for (int i = 0; i < 10; ++i)
            Sparkle(p, QPointF(rng.Real(40, 600), rng.Real(20, 440)), rng.Real(10, 22), QColor(255, 200, 40, 230));
    }
    DrawTrophy(p, QPointF(320, 70), 1.3);
    return img;
}

QImage StarSlide() {
    QImage img = Canvas(640, 480, true);
    QPainter p(&img);
    Setup(p);
    const QPointF c(320, 250);
    SoftShadow(p, StarPath(c, 210, 95, 5), QPointF(8, 12), 60);
    GoldStar(p, c, 210);
    Gloss(p, StarPath(c, 210, 95, 5), 120);
    Eye(p, c + QPointF(-40, -10), 14, 22);
    Eye(p, c + QPointF(40, -10), 14, 22);
    p.setPen(QPen(QColor("#8a4b00"), 8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c.x() - 40, c.y() + 10, 80, 50), 200 * 16, 140 * 16);
    Sparkle(p, QPointF(80, 90), 26, QColor(255, 210, 60));
    Sparkle(p, QPointF(560, 400), 20, QColor(255, 210, 60));
    return img;
}

QImage RocketSlide() {
    QImage img = Canvas(640, 480, true);
    QPainter p(&img);
    Setup(p);
    p.translate(320, 240);
    p.rotate(45);  // flying up and to the right
    // Flame.
    QPainterPath flame;
    flame.moveTo(-38, 120);
    flame.cubicTo(-45, 190, -10, 220, 0, 260);
    flame.cubicTo(10, 220, 45, 190, 38, 120);
    flame.closeSubpath();
    QLinearGradient fg(0, 120, 0, 260);
    fg.setColorAt(0, QColor("#fff3bf"));
    fg.setColorAt(0.4, QColor("#ffa94d"));
    fg.setColorAt(1, QColor(240, 62, 62, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(fg);
    p.drawPath(flame);
    // Fins.
    p.setBrush(QColor("#e03131"));
    p.setPen(QPen(QColor("#7a1010"), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (int side = -1; side <= 1; side += 2) {
        QPainterPath fin;
        fin.moveTo(side * 50, 30);
        fin.lineTo(side * 110, 110);
        fin.lineTo(side * 100, 140);
        fin.lineTo(side * 45, 115);
        fin.closeSubpath();
        p.drawPath(fin);
    }
    QPainterPath body;
    body.moveTo(0, -200);
    body.cubicTo(70, -150, 70, 40, 48, 125);
    body.lineTo(-48, 125);
    body.cubicTo(-70, 40, -70, -150, 0, -200);
    body.closeSubpath();
    QLinearGradient bg(-60, 0, 60, 0);
    bg.setColorAt(0, QColor("#ced4da"));
    bg.setColorAt(0.35, QColor("#ffffff"));
    bg.setColorAt(1, QColor("#868e96"));
    p.setBrush(bg);
    p.setPen(QPen(QColor("#343a40"), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(body);
    p.save();
    p.setClipPath(body);
    p.setBrush(QColor("#e03131"));
    p.drawRect(QRectF(-80, -220, 160, 70));  // nose cone
    p.restore();
    QRadialGradient win(QPointF(-8, -48), 40);
    win.setColorAt(0, QColor("#e7f5ff"));
    win.setColorAt(1, QColor("#1c7ed6"));
    p.setBrush(win);
    p.setPen(QPen(QColor("#495057"), 9));
    p.drawEllipse(QPointF(0, -40), 32, 32);
    p.resetTransform();
    for (QPointF s : {QPointF(90, 80), QPointF(540, 90), QPointF(120, 400), QPointF(580, 300)})
        Sparkle(p, s, 18, QColor(255, 220, 90));
    return img;
}

QImage BalloonSlide() {
    QImage img = Canvas(640, 480, true);
    QPainter p(&img);
    Setup(p);
    const QPointF c(320, 190);
    QPainterPath string;
    string.moveTo(320, 365);
    string.cubicTo(290, 400, 350, 430, 315, 475);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor("#495057"), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(string);
    QPainterPath balloon;
    balloon.moveTo(320, 355);
    balloon.cubicTo(200, 320, 170, 200, 190, 130);
    balloon.cubicTo(215, 40, 425, 40, 450, 130);
    balloon.cubicTo(470, 200, 440, 320, 320, 355);
    balloon.closeSubpath();
    SoftShadow(p, balloon, QPointF(8, 12), 50);
    QRadialGradient g(c - QPointF(50, 60), 220);
    g.setColorAt(0, QColor("#ffc9c9"));
    g.setColorAt(0.4, QColor("#fa5252"));
    g.setColorAt(1, QColor("#a61e1e"));
    p.setBrush(g);
    p.setPen(QPen(QColor("#7a1010"), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(balloon);
    p.setBrush(QColor("#c92a2a"));
    p.drawPolygon(QPolygonF() << QPointF(320, 352) << QPointF(300, 372) << QPointF(340, 372));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 170));
    p.save();
    p.translate(250, 130);
    p.rotate(-30);
    p.drawEllipse(QPointF(0, 0), 22, 48);
    p.restore();
    return img;
}

// ---------------------------------------------------------------- game pictures

QImage GameHangman() {
    QImage img = Canvas(640, 480, true);
    QPainter p(&img);
    Setup(p);
    Tile(p, img.size(), QColor("#d0ebff"), QColor("#74c0fc"));
    QPen wood(QColor("#7a4a1e"), 18, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(wood);
    p.drawLine(QPointF(120, 370), QPointF(300, 370));
    p.drawLine(QPointF(170, 370), QPointF(170, 80));
    p.drawLine(QPointF(170, 80), QPointF(340, 80));
    p.drawLine(QPointF(170, 130), QPointF(220, 80));
    p.setPen(QPen(QColor("#c9a66b"), 6));
    p.drawLine(QPointF(320, 80), QPointF(320, 130));
    p.setBrush(QColor("#ffe8cc"));
    p.setPen(QPen(QColor("#212529"), 7, Qt::SolidLine, Qt::RoundCap));
    p.drawEllipse(QPointF(320, 160), 30, 30);
    p.drawLine(QPointF(320, 190), QPointF(320, 275));
    p.drawLine(QPointF(320, 215), QPointF(285, 250));
    p.drawLine(QPointF(320, 215), QPointF(355, 250));
    p.drawLine(QPointF(320, 275), QPointF(295, 325));
    p.drawLine(QPointF(320, 275), QPointF(345, 325));
    // The word being guessed.
    p.setFont(Font("DejaVu Sans", 48, true));
    const QString word = QStringLiteral("C?T");
    for (int i = 0; i < 3; ++i) {
        const QRectF slot(396 + i * 66, 300, 48, 60);
        p.setPen(QPen(QColor("#1c3d5a"), 6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(slot.bottomLeft(), slot.bottomRight());
        if (word[i] != QLatin1Char('?')) {
            p.setPen(QColor("#1c3d5a"));
            p.drawText(slot, Qt::AlignCenter, QString(word[i]));
        }
    }
    p.setFont(Font("DejaVu Sans", 36, true));
    p.setPen(QColor("#c92a2a"));
    p.drawText(QRectF(400, 120, 180, 60), Qt::AlignCenter, QStringLiteral("A  E  ?"));
    return img;
}

QImage GameScramble() {
    QImage img = Canvas(640, 480, true);
    QPainter p(&img);
    Setup(p);
    Tile(p, img.size(), QColor("#fff3bf"), QColor("#ffc078"));
    const QString letters = QStringLiteral("WORD");
    const double angles[] = {-14, 9, -6, 15};
    const QPointF centres[] = {QPointF(160, 190), QPointF(275, 290), QPointF(380, 170), QPointF(490, 280)};
    for (int i = 0; i < 4; ++i) {
        p.save();
        p.translate(centres[i]);
        p.rotate(angles[i]);
        QPainterPath t;
        t.addRoundedRect(QRectF(-60, -60, 120, 120), 16, 16);
        SoftShadow(p, t, QPointF(5, 8), 60);
        QLinearGradient g(-60, -60, 60, 60);
        g.setColorAt(0, QColor("#fff4e0"));
        g.setColorAt(1, QColor("#e8c38a"));
        p.setBrush(g);
        p.setPen(QPen(QColor("#8a5a1e"), 5));
        p.drawPath(t);
        p.setFont(Font("DejaVu Serif", 80, true));
        p.setPen(QColor("#3b2410"));
        p.drawText(QRectF(-60, -64, 120, 120), Qt::AlignCenter, QString(letters[i]));
        p.restore();
    }
    // Curved swap arrows.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor("#e8590c"), 10, Qt::SolidLine, Qt::RoundCap));
    QPainterPath swap;
    swap.moveTo(200, 100);
    swap.quadTo(320, 40, 430, 90);
    p.drawPath(swap);
    p.setBrush(QColor("#e8590c"));
    p.setPen(Qt::NoPen);
    p.drawPolygon(QPolygonF() << QPointF(452, 100) << QPointF(418, 66) << QPointF(410, 110));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor("#e8590c"), 10, Qt::SolidLine, Qt::RoundCap));
    QPainterPath back;
    back.moveTo(440, 380);
    back.quadTo(320, 440, 210, 390);
    p.drawPath(back);
    p.setBrush(QColor("#e8590c"));
    p.setPen(Qt::NoPen);
    p.drawPolygon(QPolygonF() << QPointF(188, 380) << QPointF(222, 414) << QPointF(230, 370));
    return img;
}

void CardBackPattern(QPainter& p, QRectF r, double radius) {
    QPainterPath card;
    card.addRoundedRect(r, radius, radius);
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, QColor("#7048e8"));
    g.setColorAt(1, QColor("#3b1f9e"));
    p.setBrush(g);
    p.setPen(QPen(Qt::white, std::max(3.0, r.width() * 0.025)));
    p.drawPath(card);
    p.save();
    p.setClipPath(card);
    const double step = std::max(12.0, r.width() / 9);
    p.setPen(QPen(QColor(255, 255, 255, 55), std::max(1.5, step * 0.06)));
    for (double d = -r.height(); d < r.width() + r.height(); d += step) {
        p.drawLine(QPointF(r.left() + d, r.top()), QPointF(r.left() + d + r.height(), r.bottom()));
        p.drawLine(QPointF(r.left() + d, r.bottom()), QPointF(r.left() + d + r.height(), r.top()));
    }
    p.restore();
    const QRectF inner = r.adjusted(r.width() * 0.08, r.width() * 0.08, -r.width() * 0.08, -r.width() * 0.08);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 236, 153, 200), std::max(2.0, r.width() * 0.015)));
    p.drawRoundedRect(inner, radius * 0.6, radius * 0.6);
    GoldStar(p, r.center(), std::min(r.width(), r.height()) * 0.22);
}

QImage GameConcentration() {
    QImage img = Canvas(640, 480, true);
    QPainter p(&img);
    Setup(p);
    Tile(p, img.size(), QColor("#e5dbff"), QColor("#b197fc"));
    for (int row = 0; row < 2; ++row) {
        for (int col = 0; col < 3; ++col) {
            const QRectF r(95 + col * 160, 65 + row * 185, 130, 165);
            QPainterPath shadow;
            shadow.addRoundedRect(r, 14, 14);
            SoftShadow(p, shadow, QPointF(4, 7), 50);
            const bool faceUp = (row == 0 && col == 1) || (row == 1 && col == 2);
            if (faceUp) {
                p.setBrush(QColor("#fffdf5"));
                p.setPen(QPen(QColor("#5f3dc4"), 5));
                p.drawRoundedRect(r, 14, 14);
                p.setFont(Font("DejaVu Serif", 40, true));
                p.setPen(QColor("#2b8a3e"));
                p.drawText(r.adjusted(0, 10, 0, -70), Qt::AlignCenter, QStringLiteral("cat"));
                p.setFont(Font("DejaVu Serif", 34, true));
                p.setPen(QColor("#c92a2a"));
                p.drawText(r.adjusted(0, 80, 0, 0), Qt::AlignCenter, QStringLiteral("gato"));
            } else {
                CardBackPattern(p, r, 14);
            }
        }
    }
    return img;
}

QImage GameZap() {
    QImage img = Canvas(640, 480, true);
    QPainter p(&img);
    Setup(p);
    Tile(p, img.size(), QColor("#3b1f6e"), QColor("#0d0628"));
    Rng rng(88);
    Stars(p, rng, 80, QRectF(40, 40, 560, 380), 255);
    const QPointF c(360, 250);
    for (int k = 5; k >= 1; --k) {
        p.setBrush(k % 2 ? QColor("#f03e3e") : QColor("#ffffff"));
        p.setPen(QPen(QColor("#5c0b0b"), 3));
        p.drawEllipse(c, k * 32.0, k * 32.0);
    }
    QPainterPath bolt;
    bolt.moveTo(250, 40);
    bolt.lineTo(150, 250);
    bolt.lineTo(235, 250);
    bolt.lineTo(185, 430);
    bolt.lineTo(360, 190);
    bolt.lineTo(270, 190);
    bolt.lineTo(330, 40);
    bolt.closeSubpath();
    p.setPen(QPen(QColor(255, 240, 120, 90), 30, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(bolt);
    QLinearGradient g(150, 40, 360, 430);
    g.setColorAt(0, QColor("#fff9db"));
    g.setColorAt(0.5, QColor("#ffd43b"));
    g.setColorAt(1, QColor("#f59f00"));
    p.setBrush(g);
    p.setPen(QPen(QColor("#a35f00"), 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(bolt);
    return img;
}

QImage CardBack() {
    QImage img = Canvas(640, 480, true);
    QPainter p(&img);
    Setup(p);
    QPainterPath card;
    card.addRoundedRect(QRectF(12, 12, 616, 456), 40, 40);
    CardBackPattern(p, QRectF(12, 12, 616, 456), 40);
    Gloss(p, card, 60);
    return img;
}

QImage Target() {
    QImage img = Canvas(640, 480, true);
    QPainter p(&img);
    Setup(p);
    const QPointF c(320, 236);
    QPainterPath outer;
    outer.addEllipse(c, 215, 215);
    SoftShadow(p, outer, QPointF(8, 12), 70);
    for (int k = 5; k >= 1; --k) {
        const double r = 215.0 * k / 5;
        QRadialGradient g(c - QPointF(r * 0.3, r * 0.3), r * 1.6);
        if (k == 1) {
            g.setColorAt(0, QColor("#fff3bf"));
            g.setColorAt(1, QColor("#f59f00"));
        } else if (k % 2) {
            g.setColorAt(0, QColor("#ff8787"));
            g.setColorAt(1, QColor("#c92a2a"));
        } else {
            g.setColorAt(0, QColor("#ffffff"));
            g.setColorAt(1, QColor("#dee2e6"));
        }
        p.setBrush(g);
        p.setPen(QPen(QColor("#5c0b0b"), 5));
        p.drawEllipse(c, r, r);
    }
    Gloss(p, outer, 90);
    return img;
}

// ---------------------------------------------------------------- output

bool Save(const QImage& img, const QString& folder, const QString& name) {
    const QString path = QDir(folder).filePath(name);
    const bool jpeg = name.endsWith(QLatin1String(".jpg"));
    QImageWriter writer(path, jpeg ? "jpeg" : "png");
    if (jpeg) {
        writer.setQuality(85);
        writer.setOptimizedWrite(true);
    } else {
        writer.setQuality(0);  // smallest file: the png writer maps quality 0 to full compression
    }
    const QImage out = jpeg ? img.convertToFormat(QImage::Format_RGB32) : img.convertToFormat(QImage::Format_ARGB32);
    if (!writer.write(out)) {
        std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(path), qPrintable(writer.errorString()));
        return false;
    }
    std::printf("%-24s %dx%d\n", qPrintable(name), img.width(), img.height());
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output-folder>\n", argv[0]);
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);
    const std::vector<std::pair<const char*, std::function<QImage()>>> pictures = {
        {"lspark.jpg", Lspark},
        {"first.jpg", First},
        {"light.png", Lightbulb},
        {"card.jpg", Card},
        {"sphinx.jpg", Sphinx},
        {"deco1.png", OpenBook},
        {"deco2.png", PencilStars},
        {"arrow_next.png", [] { return Arrow(true); }},
        {"arrow_back.png", [] { return Arrow(false); }},
        {"happy.png", Happy},
        {"sad.png", Sad},
        {"summary.jpg", Summary},
        {"slide1.png", StarSlide},
        {"slide2.png", RocketSlide},
        {"slide3.png", [] { return TrophyPicture(false); }},
        {"slide4.png", BalloonSlide},
        {"face.png", HangmanFace},
        {"game_hangman.png", GameHangman},
        {"game_scramble.png", GameScramble},
        {"game_concentration.png", GameConcentration},
        {"game_zap.png", GameZap},
        {"cardback.png", CardBack},
        {"zap.jpg", Zap},
        {"target.png", Target},
        {"ready.jpg", Ready},
        {"trophy.png", [] { return TrophyPicture(true); }},
    };
    bool ok = true;
    for (const auto& [name, paint] : pictures) ok = Save(paint(), out, QString::fromLatin1(name)) && ok;
    return ok ? 0 : 1;
}
