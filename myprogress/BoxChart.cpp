#include "BoxChart.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <algorithm>

namespace {

QString noListText()
{
    return BoxChart::tr("Choose a word list to see its words in their boxes.");
}

} // namespace

BoxChart::BoxChart(QWidget *parent)
    : QWidget(parent)
{
    setAccessibleName(tr("Words in each box"));
    setAccessibleDescription(noListText());
    // Reached with Tab, so a screen reader that follows the focus says it.
    setFocusPolicy(Qt::TabFocus);
}

QString BoxChart::inWords(const progress::BoxCounts &counts)
{
    QStringList parts;
    for (int box = 1; box <= progress::BoxCount; ++box) {
        const int n = counts.inBox[box];
        // Whole phrases with %n, so each language words its own plural forms and capital.
        const QString part = box == 1 ? tr("Box %1: %n word(s)", nullptr, n) : tr("box %1: %n word(s)", nullptr, n);
        parts.append(part.arg(box));
    }
    return parts.join(QStringLiteral(", ")) + u'.';
}

void BoxChart::setCounts(const std::optional<progress::BoxCounts> &counts)
{
    m_counts = counts;
    setAccessibleDescription(counts ? inWords(*counts) : noListText());
    update();
}

void BoxChart::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QPalette &pal = palette();
    const QRect frame = rect().adjusted(0, 0, -1, -1);
    p.fillRect(rect(), pal.color(QPalette::Base));
    p.setPen(pal.color(QPalette::Text));
    p.drawRect(frame);
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(2, 2, -2, -2);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &p, this);
    }

    const QFontMetrics metrics(font());
    const int line = metrics.height();
    const int margin = line / 2;
    if (!m_counts) {
        p.drawText(rect().adjusted(margin, margin, -margin, -margin), Qt::AlignCenter | Qt::TextWordWrap,
                   noListText());
        return;
    }

    // A count above each bar and the box's name below it; the bars share
    // the height left between, the fullest box reaching the top.
    const int most = std::max(1, *std::max_element(m_counts->inBox.begin() + 1, m_counts->inBox.end()));
    const int floor = height() - margin - line;
    const int room = floor - margin - line;
    const int slot = (width() - 2 * margin) / progress::BoxCount;
    const int barWidth = slot * 3 / 5;
    // Some languages' word for a box is long: the names shrink together until
    // the widest fits its slot, so they never run into each other.
    QFont nameFont = font();
    QStringList names;
    int widest = 0;
    for (int box = 1; box <= progress::BoxCount; ++box) {
        names.append(tr("Box %1").arg(box));
        widest = std::max(widest, metrics.horizontalAdvance(names.last()));
    }
    if (const int room = slot - 6; widest > room) {
        const double scale = double(room) / widest;
        if (nameFont.pointSizeF() > 0)
            nameFont.setPointSizeF(std::max(6.0, nameFont.pointSizeF() * scale));
        else
            nameFont.setPixelSize(std::max(8, int(nameFont.pixelSize() * scale)));
    }
    const QFontMetrics nameMetrics(nameFont);
    for (int box = 1; box <= progress::BoxCount; ++box) {
        const int n = m_counts->inBox[box];
        const int left = margin + (box - 1) * slot;
        const int barHeight = room * n / most;
        const QRect bar(left + (slot - barWidth) / 2, floor - barHeight, barWidth, barHeight);
        p.fillRect(bar, pal.color(QPalette::Highlight));
        p.drawText(QRect(left, bar.top() - line, slot, line), Qt::AlignCenter, QString::number(n));
        p.save();
        p.setFont(nameFont);
        p.drawText(QRect(left, floor, slot, line), Qt::AlignCenter,
                   nameMetrics.elidedText(names[box - 1], Qt::ElideRight, slot));
        p.restore();
    }
    p.drawLine(margin, floor, width() - margin, floor);
}
