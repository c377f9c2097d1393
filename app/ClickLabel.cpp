#include "ClickLabel.h"

#include "Picture.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

ClickLabel::ClickLabel(QWidget *parent, const QString &text)
    : QAbstractButton(parent)
{
    setText(text);
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
}

void ClickLabel::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    update();
}

void ClickLabel::setPictureFile(const QString &fileName)
{
    setPicture(appPicture(fileName));
}

void ClickLabel::setAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment;
    update();
}

void ClickLabel::setTextColor(const QColor &color)
{
    m_textColor = color;
    update();
}

void ClickLabel::setBackgroundColor(const QColor &color)
{
    m_background = color;
    update();
}

QSize ClickLabel::sizeHint() const
{
    if (!m_picture.isNull())
        return m_picture.size();
    return fontMetrics().size(0, text()) + QSize(4, 4);
}

void ClickLabel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (m_background.isValid())
        p.fillRect(rect(), m_background);
    if (!m_picture.isNull()) {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawPixmap(rect(), m_picture);
    }
    if (!text().isEmpty()) {
        p.setPen(m_textColor.isValid() ? m_textColor : palette().color(QPalette::WindowText));
        // Clipped to the label's current size, so text grows into view with it.
        p.drawText(rect().adjusted(2, 0, -2, 0), int(m_alignment) | Qt::TextWordWrap, text());
    }
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &p, this);
    }
}

void ClickLabel::mousePressEvent(QMouseEvent *event)
{
    QAbstractButton::mousePressEvent(event);
    event->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QAbstractButton::mouseReleaseEvent(event);
    event->accept();
}

void ClickLabel::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat()) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}
