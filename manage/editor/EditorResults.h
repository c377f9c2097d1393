#pragma once

#include "app/core/WordPair.h"

#include <QVector>
#include <optional>

struct Module1;

// The word dialogs leave their results in the shared state (DeleteConfirmed,
// WordEdited, CardSide as "a word was added", CurrentWord, CurrentMeaning,
// WordIndex). The editor applies them when it is active again, in the order
// deletion, edit, addition, and clears each flag it applies.
struct AppliedResults {
    std::optional<int> removedRow;
    std::optional<int> replacedRow;
    bool appended = false;
    int selectRow = -1; // the row to select afterwards; -1: none

    bool any() const { return removedRow || replacedRow || appended; }
};

AppliedResults applyDialogResults(Module1 &shared, WordPairs &pairs);
