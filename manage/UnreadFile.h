#pragma once

#include <QDir>
#include <QCoreApplication>
#include <QString>

// What a teacher screen says when a data file it read could not be read.
// A screen that opened on an unreadable file saves nothing from it: what it
// shows is not the file's content, and writing it back would replace the
// teacher's lists or password by nothing.

inline QString unreadFileMessage(const QString &path)
{
    return QCoreApplication::translate("UnreadFile",
        "The file\n%1\ncould not be read. Check that it exists and can be read.")
        .arg(QDir::toNativeSeparators(path));
}

inline QString unreadAtLoadMessage(const QString &path)
{
    return QCoreApplication::translate("UnreadFile",
        "%1\n\nNothing can be changed on this screen; close it and open it "
        "again once the file can be read.")
        .arg(unreadFileMessage(path));
}

inline QString unreadAtSaveMessage(const QString &path)
{
    return QCoreApplication::translate("UnreadFile",
        "The file\n%1\ncould not be read when this screen opened, so nothing was saved. "
        "Close this screen and open it again.")
        .arg(QDir::toNativeSeparators(path));
}
