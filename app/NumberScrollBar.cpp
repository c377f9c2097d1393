#include "NumberScrollBar.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

// The value interface in the bar's own numbers; everything else (name, role,
// state, geometry) as for any widget.
class NumberScrollBarAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit NumberScrollBarAccessible(NumberScrollBar *bar)
        : QAccessibleWidget(bar, QAccessible::ScrollBar)
    {
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return QString::number(bar()->number());
        return QAccessibleWidget::text(t);
    }

    QVariant currentValue() const override { return bar()->number(); }
    void setCurrentValue(const QVariant &value) override { bar()->setNumber(value.toInt()); }
    QVariant maximumValue() const override { return bar()->highest(); }
    QVariant minimumValue() const override { return bar()->lowest(); }
    QVariant minimumStepSize() const override { return qMin(bar()->singleStep(), bar()->pageStep()); }

private:
    NumberScrollBar *bar() const { return static_cast<NumberScrollBar *>(widget()); }
};

QAccessibleInterface *accessibleNumberBar(const QString &className, QObject *object)
{
    if (className == QLatin1String(NumberScrollBar::staticMetaObject.className()) && object
        && object->isWidgetType())
        return new NumberScrollBarAccessible(static_cast<NumberScrollBar *>(object));
    return nullptr;
}

} // namespace

NumberScrollBar::NumberScrollBar(Qt::Orientation orientation, int first, int last, QWidget *parent)
    : QScrollBar(orientation, parent), m_first(first), m_last(last)
{
    // Installed before any interface of a bar is asked for; Qt caches them.
    static const bool installed = (QAccessible::installFactory(accessibleNumberBar), true);
    Q_UNUSED(installed);
    setRange(lowest(), highest());
}

int NumberScrollBar::number() const
{
    return m_first > m_last ? m_first + m_last - value() : value();
}

void NumberScrollBar::setNumber(int number)
{
    const int clamped = qBound(lowest(), number, highest());
    setValue(m_first > m_last ? m_first + m_last - clamped : clamped);
}
