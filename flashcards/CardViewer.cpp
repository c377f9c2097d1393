#include "CardViewer.h"

CardViewer::CardViewer(int order, int side, WordPairs pairsInFileOrder, rnd::Source random)
    : m_side(side), m_deck(order, std::move(pairsInFileOrder), std::move(random))
{
}

bool CardViewer::start(const QString &startLetter, const QString &notice, const QString &endOfList)
{
    m_endOfList = endOfList;
    clearCaptions();
    const bool noWord = m_deck.order() == CardDeck::FromStartLetter && !m_deck.seekStartLetter(startLetter);
    m_current = m_deck.moveForward();
    noteAdvance();
    if (noWord) {
        // The notice takes the first card's place; the next forward move
        // goes on from that card's position.
        m_current = {notice, QString()};
        m_notice = true;
        m_animation.wordReveal = true;
        m_animation.meaningReveal = true;
    }
    m_wordCaption = m_current.word;
    m_meaningCaption = m_current.meaning;
    if (m_side == ShowWord)
        m_animation.wordReveal = true;
    else
        m_animation.meaningReveal = true;
    return noWord;
}

void CardViewer::forward()
{
    m_deck.allowStepBack();
    clearCaptions();
    m_current = m_deck.moveForward();
    noteAdvance();
    showCard();
}

bool CardViewer::back()
{
    clearCaptions();
    const CardDeck::StepBack step = m_deck.stepBack();
    m_current = step.card;
    showCard();
    return step.beep;
}

void CardViewer::revealBoth()
{
    m_wordCaption = m_current.word;
    m_meaningCaption = m_current.meaning;
    m_animation.wordReveal = true;
    m_animation.meaningReveal = true;
    if (m_current.word.isEmpty()) {
        m_wordCaption = m_endOfList;
        m_meaningCaption = m_endOfList;
    }
}

bool CardViewer::backFromCover()
{
    clearCaptions();
    const CardDeck::StepBack step = m_deck.stepBack();
    m_current = step.card;
    setChosenCaption();
    if (m_current.word.isEmpty()) {
        m_meaningCaption = m_endOfList;
        m_revealButtonShown = false;
    }
    return step.beep;
}

CardViewer::Uncovered CardViewer::uncovered() const
{
    if (m_notice || m_current.word.isEmpty())
        return {m_cardsPutUp, false, false};
    const auto open = [](const QString &caption, const QString &text, bool revealing, int label) {
        return caption == text && (revealing || label > 0);
    };
    return {m_cardsPutUp, open(m_wordCaption, m_current.word, m_animation.wordReveal, m_animation.wordLabel),
            open(m_meaningCaption, m_current.meaning, m_animation.meaningReveal, m_animation.meaningLabel)};
}

void CardViewer::clearCaptions()
{
    ++m_cardsPutUp;
    m_notice = false;
    m_wordCaption.clear();
    m_meaningCaption.clear();
}

void CardViewer::setChosenCaption()
{
    if (m_side == ShowWord)
        m_wordCaption = m_current.word;
    else
        m_meaningCaption = m_current.meaning;
}

void CardViewer::showCard()
{
    setChosenCaption();
    if (m_side == ShowWord)
        m_animation.wordReveal = true;
    else
        m_animation.meaningReveal = true;
    if (m_current.word.isEmpty()) {
        // Both halves, so a half still covered shows it once uncovered.
        m_wordCaption = m_endOfList;
        m_meaningCaption = m_endOfList;
    } else {
        m_animation.cover();
    }
}

void CardViewer::noteAdvance()
{
    // Once shown, the Previous controls stay for the rest of the visit.
    if (m_deck.previousEnabled())
        m_previousShown = true;
}
