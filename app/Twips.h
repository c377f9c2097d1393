#pragma once

#include <QRect>
#include <QWidget>
#include <cmath>

// Layout is designed in twips, 15 to a logical pixel; Qt scales logical
// pixels to the screen itself, so no device pixel ratio appears here.
inline int tw(int twips)
{
    return int(std::lround(twips / 15.0));
}

inline QRect twRect(int left, int top, int width, int height)
{
    return QRect(tw(left), tw(top), tw(width), tw(height));
}

inline void placeTw(QWidget *w, int left, int top, int width, int height)
{
    w->setGeometry(twRect(left, top, width, height));
}
