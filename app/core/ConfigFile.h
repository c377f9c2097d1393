#pragma once

#include <QString>
#include <QStringList>

// lingo-spark/lingo-spark.conf: the hand-written settings a school or a user
// sets once (DataFolder=, Language=), "key=value" lines.

// The lingo-spark.conf files this process reads, the user's before the
// computer's (XDG config folders).
QStringList lingoSparkConfigFiles();

// The value of `key` in one config file ("# ..." and "; ..." are comments;
// the last line holds, as in other key files); empty when it sets none or
// cannot be read.
QString configFileValue(const QString &configFile, const QString &key);
