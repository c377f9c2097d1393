#pragma once

#include <QString>
#include <functional>

class QWidget;

// Every message box of the program goes through MsgBox, so tests (and the
// monkey test) can answer it instead of blocking on a modal window.
// YesNoCancel: "save, discard or stay" when unsaved work would be lost.
// SaveOverCancel: "Save over it" (answered Yes) or Cancel, when another
// computer changed what the teacher is about to save.
enum class MsgButtons { Ok, YesNo, YesNoCancel, SaveOverCancel };
enum class MsgAnswer { Ok, Yes, No, Cancel };

MsgAnswer MsgBox(const QString &text, const QString &title, MsgButtons buttons = MsgButtons::Ok,
                 QWidget *parent = nullptr);

// The "Hey!" notice several screens give.
inline void heyMessage(const QString &text, QWidget *parent = nullptr)
{
    MsgBox(text, QStringLiteral("Hey!"), MsgButtons::Ok, parent);
}

using MessageBoxHandler = std::function<MsgAnswer(const QString &text, const QString &title, MsgButtons)>;
// Replaces the real boxes (tests); an empty handler restores them.
void setMessageBoxHandler(MessageBoxHandler handler);
