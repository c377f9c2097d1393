#include "PasswordBox.h"

#include "TeacherSettings.h"

#include <QApplication>
#include <QLineEdit>
#include <QProxyStyle>

namespace {

class StarMaskStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_LineEdit_PasswordCharacter)
            return '*';
        // Never flash the last typed character in clear: the box may be watched.
        if (hint == SH_LineEdit_PasswordMaskDelay)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

QStyle *starMaskStyle()
{
    // One style for every box, owned by the application so it outlives them.
    static QStyle *style = [] {
        auto *s = new StarMaskStyle;
        s->setParent(qApp);
        return s;
    }();
    return style;
}

} // namespace

QLineEdit *makePasswordBox(QWidget *parent)
{
    auto *box = new QLineEdit(parent);
    box->setStyle(starMaskStyle());
    box->setEchoMode(QLineEdit::Password);
    box->setMaxLength(teacher::PasswordMaxLength);
    return box;
}
