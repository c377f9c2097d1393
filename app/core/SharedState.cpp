#include "SharedState.h"

#include <QDir>

Module1 Shared;

QString appFile(const QString &name)
{
    return QDir(Shared.AppPath).filePath(name);
}
