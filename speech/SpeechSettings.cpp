#include "SpeechSettings.h"

#include "languages/ListLanguages.h"

#include <QSettings>
#include <QStandardPaths>

namespace {

const QString Key = QStringLiteral("SpeakAutomatically");

QString ownFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/lingo-spark/speech.conf");
}

} // namespace

namespace speech {

bool speakAutomatically()
{
    const QVariant own = QSettings(ownFile(), QSettings::IniFormat).value(Key);
    if (own.isValid())
        return own.toBool();
    return languages::schoolSpeechDefault().value_or(true);
}

void setSpeakAutomatically(bool on)
{
    QSettings(ownFile(), QSettings::IniFormat).setValue(Key, on);
}

} // namespace speech
