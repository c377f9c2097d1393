#pragma once

#include "ListEntries.h"

#include <QString>

// The editor's words for what ListEntries refuses. Every editor screen, the
// import and the import verb show the same sentences, so they are written
// once, in the editor's context.

QString entryRefusalText(EntryRefusal why, EntryKind kind);

QString nameTakenMessage(const QString &name);

// A list holds at most MaxPairs pairs: the practice screens hold no more.
QString listFullMessage();
