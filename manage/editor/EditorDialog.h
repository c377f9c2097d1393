#pragma once

#include "app/Screen.h"

class QLineEdit;

// A small dialog over the list editor. It closes itself when another of the
// program's screens becomes active, which counts as cancelling. A dialog
// that was answered is done: its later deactivation must not act again, and
// the editor is activated so that it applies the answer at once.
class EditorDialog : public Screen {
    Q_OBJECT
public:
    using Screen::Screen;

    void Form_Deactivate() override;
    void Form_Terminate() override;
    // Escape is Cancel (No for the delete question).
    void escapePressed() override;

protected:
    // Leaves without a result.
    virtual void cancel();
    // Closes after the result was left in the shared state.
    void finish();
    // Tells the teacher why a typed word or meaning cannot be stored and
    // puts the cursor in that box; false when both can be stored.
    bool pairRefused(QLineEdit *word, QLineEdit *meaning);

    bool m_done = false;
};
