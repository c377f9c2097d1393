#pragma once

#include "progress/Book.h"

#include <QWidget>
#include <optional>

// How many words of a list sit in each box, as bars: a picture for the eye,
// with the same numbers in words as its accessible description for a
// screen reader. Drawn in the palette's colours, so a high-contrast desktop
// theme carries over.
class BoxChart : public QWidget {
    Q_OBJECT
public:
    explicit BoxChart(QWidget *parent = nullptr);

    // Nothing: no list chosen.
    void setCounts(const std::optional<progress::BoxCounts> &counts);
    const std::optional<progress::BoxCounts> &counts() const { return m_counts; }

    // "Box 1: 4 words, box 2: 7 words, ..."
    static QString inWords(const progress::BoxCounts &counts);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::optional<progress::BoxCounts> m_counts;
};
