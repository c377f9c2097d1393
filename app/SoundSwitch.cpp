#include "SoundSwitch.h"

#include <QAction>
#include <QMenu>

SoundSwitch::SoundSwitch(QMenu *optionsMenu)
    : QObject(optionsMenu), m_action(optionsMenu->addAction(tr("&Sound Effects-- Off")))
{
    m_action->setObjectName(QStringLiteral("SoundOn"));
    m_action->setCheckable(true);
    connect(m_action, &QAction::toggled, this, [this](bool on) {
        m_action->setText(on ? tr("&Sound Effects-- On") : tr("&Sound Effects-- Off"));
    });
}

void SoundSwitch::SoundOn_Click()
{
    m_action->toggle();
}

bool SoundSwitch::isOn() const
{
    return m_action->isChecked();
}
