#include "SpeechSettings.h"

#include "languages/ListLanguages.h"

#include <QSettings>
#include <QStandardPaths>

#include <optional>

namespace {

const QString Key = QStringLiteral("SpeakAutomatically");

QString ownFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/lingo-spark/speech.conf");
}

// A choice that could not be written still holds for the rest of the session.
std::optional<bool> &chosenThisSession()
{
    static std::optional<bool> chosen;
    return chosen;
}

} // namespace

namespace speech {

bool speakAutomatically()
{
    if (chosenThisSession())
        return *chosenThisSession();
    const QVariant own = QSettings(ownFile(), QSettings::IniFormat).value(Key);
    if (own.isValid())
        return own.toBool();
    return languages::schoolSpeechDefault().value_or(true);
}

void setSpeakAutomatically(bool on)
{
    chosenThisSession() = on;
    QSettings(ownFile(), QSettings::IniFormat).setValue(Key, on);
}

} // namespace speech
