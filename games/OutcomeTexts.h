#pragma once

#include "app/Controls.h"
#include "app/Twips.h"
#include "app/core/SharedState.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

inline constexpr int OutcomeExtraLineTop = 2970;

// The texts every game outcome screen shows: a headline, the word and its
// meaning, and the question whether to play again with Yes and No.
struct OutcomeTexts {
    Q_DECLARE_TR_FUNCTIONS(OutcomeTexts)

public:
    QLabel *Label1;
    QLabel *Label2;
    QLabel *Label3; // the word
    QLabel *Label4;
    QLabel *Label5; // the meaning
    QLabel *Label6;
    QPushButton *yes;
    QPushButton *no;

    void showWordAndMeaning() const
    {
        Label3->setText(Shared.CurrentWord);
        Label5->setText(Shared.CurrentMeaning);
    }
};

// Lays the texts out in a column 5520 twips wide from `left`, leaving the
// line at OutcomeExtraLineTop free for a screen's own sentence.
inline OutcomeTexts makeOutcomeTexts(QWidget *area, int left, const QString &headline, const QString &question)
{
    OutcomeTexts t;
    auto centred = [&](const QString &text, int top, int height, int points, bool bold) {
        QLabel *label = makeLabel(area, text);
        placeTw(label, left, top, 5520, height);
        label->setAlignment(Qt::AlignCenter);
        setPointSize(label, points, bold);
        return label;
    };
    t.Label1 = centred(headline, 120, 660, 22, true);
    t.Label1->setStyleSheet(QStringLiteral("color: #1d3c78;"));
    t.Label2 = centred(OutcomeTexts::tr("The word was"), 840, 330, 11, false);
    t.Label3 = centred(QString(), 1170, 540, 17, true);
    t.Label4 = centred(OutcomeTexts::tr("which means:"), 1740, 330, 11, false);
    t.Label5 = centred(QString(), 2070, 840, 12, false);
    t.Label6 = centred(question, 3420, 375, 12, true);

    t.yes = new QPushButton(OutcomeTexts::tr("Yes"), area);
    t.no = new QPushButton(OutcomeTexts::tr("No"), area);
    placeTw(t.yes, left + 1320, 3960, 1215, 495);
    placeTw(t.no, left + 2985, 3960, 1215, 495);
    for (QPushButton *button : {t.yes, t.no})
        button->setAutoDefault(true);
    return t;
}

