#pragma once

#include <QImage>
#include <functional>

constexpr int BlastRings = 701; // radius 0 to 700 twips

// A transparent layer of the window's size, in logical pixels, on which the
// rings of shots stay until the next turn clears it.
QImage makeRingLayer(const QSize &logicalSize, qreal devicePixelRatio);

// Draws the rings of one shot centred at (x, y) twips: one ring for each
// radius from 0 to 700 twips, each in a colour of three draws from `random`
// (uniform in [0, 1): red, green, blue in that order).
void drawBlastRings(QImage &layer, double x, double y, const std::function<double()> &random);
