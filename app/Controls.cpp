#include "Controls.h"

#include <QAbstractButton>

QLabel *makeLabel(QWidget *parent, const QString &text)
{
    auto *label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setText(text);
    return label;
}

void setPointSize(QWidget *widget, int points, bool bold)
{
    QFont font = widget->font();
    font.setPointSize(points);
    font.setBold(bold);
    widget->setFont(font);
}

void clickThrough(QAbstractButton *label, QAbstractButton *button)
{
    QObject::connect(label, &QAbstractButton::clicked, button, [button] { button->click(); });
}
