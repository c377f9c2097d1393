#pragma once

#include <QColor>
#include <QPixmap>
#include <QWidget>

// One piece of the gallows or the figure, painted in its own rectangle so it
// can be shown and hidden like any control. Clicks pass through to the window.
class FigureShape : public QWidget {
    Q_OBJECT
public:
    enum class Kind {
        Box,      // filled rectangle
        Disc,     // filled circle (or the picture, when one is set)
        LineDown, // from the top left to the bottom right corner
        LineUp,   // from the bottom left to the top right corner
    };

    FigureShape(Kind kind, const QColor &color, QWidget *parent);
    void setPicture(const QPixmap &picture);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Kind m_kind;
    QColor m_color;
    QPixmap m_picture;
};

// The ten parts of the hanged figure, in the order wrong guesses add them.
struct HangmanFigure {
    FigureShape *Head = nullptr;
    FigureShape *Body = nullptr;
    FigureShape *Arm1 = nullptr;
    FigureShape *Arm2 = nullptr;
    FigureShape *Hand1 = nullptr;
    FigureShape *Hand2 = nullptr;
    FigureShape *Leg1 = nullptr;
    FigureShape *Leg2 = nullptr;
    FigureShape *Foot1 = nullptr;
    FigureShape *Foot2 = nullptr;

    // Part 1 (Head) to 10 (Foot2).
    FigureShape *part(int step) const;
};

// Builds the whole figure, arms raised, its head's top left corner at the
// given point (twips). All parts start visible.
HangmanFigure buildFigure(QWidget *parent, int leftTw, int topTw);
