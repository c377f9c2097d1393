#include "ScreenSpeech.h"

#include "Speaker.h"
#include "SpeechSettings.h"
#include "app/Screen.h"
#include "app/core/SharedState.h"
#include "languages/LanguageNames.h"

#include <QAction>
#include <QLocale>
#include <QMenu>
#include <QShortcut>
#include <QWidget>

namespace {

const QKeySequence SayItKey(Qt::Key_F5);

// Meanings are most often in the pupils' own language, so that is what an
// unset meaning language means. A word's language is never guessed.
QString systemLanguage()
{
    const QLocale::Language language = QLocale::system().language();
    if (language == QLocale::C || language == QLocale::AnyLanguage)
        return {};
    return QLocale::languageToCode(language);
}

} // namespace

ScreenSpeech::ScreenSpeech(QWidget *screen, QMenu *menu, SayIt sayIt)
    : QObject(screen), m_offered(sayIt == SayIt::Offered)
{
    m_sayIt = menu->addAction(QString());
    m_sayIt->setShortcut(SayItKey);
    connect(m_sayIt, &QAction::triggered, this, &ScreenSpeech::sayIt);
    m_automatic = menu->addAction(tr("Speak &Automatically"));
    m_automatic->setCheckable(true);
    m_automatic->setChecked(speech::speakAutomatically());
    connect(m_automatic, &QAction::toggled, this, [](bool on) { speech::setSpeakAutomatically(on); });
    // The reason a disabled "Say It" gives is in its caption and its tool tip.
    menu->setToolTipsVisible(true);

    followSpeaker();
}

ScreenSpeech::ScreenSpeech(QWidget *screen)
    : QObject(screen), m_offered(true)
{
    m_sayIt = new QAction(screen);
    m_sayIt->setShortcut(SayItKey);
    screen->addAction(m_sayIt);
    connect(m_sayIt, &QAction::triggered, this, &ScreenSpeech::sayIt);
    followSpeaker();
}

// The engine starts loading now, off the interface thread; "Say It" shows
// its reason once the voices are known.
void ScreenSpeech::followSpeaker()
{
    speaker().prepare();
    connect(&speaker(), &Speaker::availabilityChanged, this, &ScreenSpeech::updateSayIt);
    updateSayIt();
}

ScreenSpeech::~ScreenSpeech()
{
    if (m_ticket != 0)
        speaker().stop(m_ticket);
}

QString ScreenSpeech::languageOf(Side side)
{
    // Read when first needed: the screen's list is loaded by then.
    if (!m_languages)
        m_languages = languages::ofList(Shared.CurrentList);
    if (side == Side::Word)
        return m_languages->words;
    return m_languages->meanings.isEmpty() ? systemLanguage() : m_languages->meanings;
}

void ScreenSpeech::shown(const QString &text, Side side)
{
    if (text.isEmpty())
        return;
    m_last = Text{text, languageOf(side)};
    updateSayIt();
    const bool automatic = m_automatic ? m_automatic->isChecked() : speech::speakAutomatically();
    if (automatic && reasonNotSaid().isEmpty())
        say();
}

void ScreenSpeech::sayIt()
{
    if (m_offered && m_last && reasonNotSaid().isEmpty())
        say();
}

void ScreenSpeech::say()
{
    m_ticket = speaker().say(m_last->text, m_last->language);
}

QString ScreenSpeech::reasonNotSaid() const
{
    if (m_last->language.isEmpty())
        return tr("no language set for this list");
    switch (speaker().blockFor(m_last->language)) {
    case SpeechBlock::None:
        return {};
    case SpeechBlock::NoVoice:
        return tr("no voice for %1 on this computer").arg(languages::ownName(m_last->language));
    case SpeechBlock::EngineFailed:
        return tr("speech cannot start on this computer");
    case SpeechBlock::NoSoundDevice:
        return tr("no sound device");
    }
    return {};
}

void ScreenSpeech::updateSayIt()
{
    const QString reason = m_offered && m_last ? reasonNotSaid() : QString();
    m_sayIt->setEnabled(m_offered && m_last && reason.isEmpty());
    const QString caption = reason.isEmpty() ? tr("&Say It") : tr("&Say It (%1)").arg(reason);
    m_sayIt->setText(caption);
    m_sayIt->setToolTip(visibleCaption(caption));
}
