#include "ClickLabel.h"

#include "Picture.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace {

// Qt reads a button's caption as holding a mnemonic and drops its "&"; a
// clickable label paints its text as typed ("salt & pepper"), so it is
// announced exactly so, and pressed as a click would press it.
class ClickLabelAccessible : public QAccessibleWidget {
public:
    explicit ClickLabelAccessible(ClickLabel *label)
        : QAccessibleWidget(label, QAccessible::Button)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return label()->text();
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (widget()->isEnabled())
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString &action) override
    {
        if (action == pressAction()) {
            if (widget()->isEnabled())
                label()->click();
            return;
        }
        QAccessibleWidget::doAction(action);
    }

private:
    ClickLabel *label() const { return static_cast<ClickLabel *>(widget()); }
};

QAccessibleInterface *accessibleClickLabel(const QString &className, QObject *object)
{
    if (className == QLatin1String(ClickLabel::staticMetaObject.className()) && object && object->isWidgetType())
        return new ClickLabelAccessible(static_cast<ClickLabel *>(object));
    return nullptr;
}

} // namespace

ClickLabel::ClickLabel(QWidget *parent, const QString &text)
    : QAbstractButton(parent)
{
    // Installed before any interface of a label is asked for; Qt caches them.
    static const bool installed = (QAccessible::installFactory(accessibleClickLabel), true);
    Q_UNUSED(installed);
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
        // An Arabic or Hebrew word reads right to left from the label's start,
        // as a QLabel lays it out by itself.
        if (text().isRightToLeft())
            p.setLayoutDirection(Qt::RightToLeft);
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
