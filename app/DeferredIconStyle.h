#pragma once

#include <QProxyStyle>

// The application's own style: the default style, except that the icon of
// the overflow button of menu bars and tool bars is loaded the first time it
// is drawn rather than when it is asked for. Every menu bar asks for it as it
// is made, and reading the format of that picture makes Qt load every image
// plugin, and the JPEG library with them, before its own PNG reader; a menu
// bar that fits its window never draws that button.
class DeferredIconStyle : public QProxyStyle {
public:
    // Draws as the style of that name (QStyle::name()) does.
    explicit DeferredIconStyle(const QString &baseStyleName)
        : QProxyStyle(baseStyleName)
    {
    }

    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};
