#include "ConfigFile.h"

#include <QFile>
#include <QStandardPaths>

QStringList lingoSparkConfigFiles()
{
    return QStandardPaths::locateAll(QStandardPaths::GenericConfigLocation,
                                     QStringLiteral("lingo-spark/lingo-spark.conf"));
}

QString configFileValue(const QString &configFile, const QString &key)
{
    QFile file(configFile);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString value;
    for (const QString &raw : QString::fromUtf8(file.readAll()).split(u'\n')) {
        const QString line = raw.trimmed();
        if (line.startsWith(u'#') || line.startsWith(u';'))
            continue;
        const qsizetype equals = line.indexOf(u'=');
        if (equals > 0 && line.left(equals).trimmed() == key)
            value = line.mid(equals + 1).trimmed();
    }
    return value;
}
