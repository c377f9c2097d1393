#pragma once

#include <QScrollBar>

// A scroll bar that stands for a number running from `first` at its top (or
// left) end to `last` at the other end, in either direction. Qt's range stays
// ascending, so a bar whose number falls along it (100 questions at the top
// down to 1) holds the mirrored value and the arrows move as drawn: the upper
// arrow of such a bar raises the number. Screen readers and accessibility
// clients read and set the number, never the inner value.
class NumberScrollBar : public QScrollBar {
    Q_OBJECT
public:
    NumberScrollBar(Qt::Orientation orientation, int first, int last, QWidget *parent = nullptr);

    int number() const;
    void setNumber(int number); // clamped to the bar's range
    int lowest() const { return qMin(m_first, m_last); }
    int highest() const { return qMax(m_first, m_last); }

private:
    int m_first;
    int m_last;
};
