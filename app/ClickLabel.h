#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QPixmap>

// A label or picture that can be clicked. Built on QAbstractButton so that
// screen readers and UI test tools find it by its caption and can press it;
// it paints its text as plain text (a word like "<b>" shows as typed).
// clicked() fires on release, pressed() on mouse down; Space and Enter press
// it from the keyboard. A click is accepted here and never falls through to
// the window behind.
class ClickLabel : public QAbstractButton {
    Q_OBJECT
public:
    explicit ClickLabel(QWidget *parent = nullptr, const QString &text = QString());

    // A picture stretched over the whole label, drawn beneath any text.
    void setPicture(const QPixmap &picture);
    void setPictureFile(const QString &fileName); // one of the program's pictures
    void setAlignment(Qt::Alignment alignment);
    void setTextColor(const QColor &color);
    void setBackgroundColor(const QColor &color); // invalid: transparent
    QColor backgroundColor() const { return m_background; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    // Enter presses a focused label as it presses a focused button.
    void keyPressEvent(QKeyEvent *event) override;

private:
    QPixmap m_picture;
    Qt::Alignment m_alignment = Qt::AlignLeft | Qt::AlignVCenter;
    QColor m_textColor;
    QColor m_background;
};
