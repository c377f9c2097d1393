#include "Controls.h"

#include "Picture.h"

#include "app/core/Letters.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QStyledItemDelegate>

QLabel *makeLabel(QWidget *parent, const QString &text)
{
    auto *label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setText(text);
    return label;
}

QValidator::State OneLetterValidator::validate(QString &text, int &) const
{
    return letters::count(text) <= 1 ? Acceptable : Invalid;
}

namespace {

class ItemDirectionDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        if (option->text.isRightToLeft())
            option->direction = Qt::RightToLeft;
    }
};

} // namespace

void followItemDirections(QAbstractItemView *view)
{
    view->setItemDelegate(new ItemDirectionDelegate(view));
}

QLabel *makePicture(QWidget *parent, const QString &fileName, const QRect &geometry)
{
    auto *picture = new QLabel(parent);
    picture->setGeometry(geometry);
    picture->setPixmap(appPictureAt(fileName, geometry.size(), parent->devicePixelRatioF()));
    return picture;
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
