#include "EditorResults.h"

#include "app/core/SharedState.h"

AppliedResults applyDialogResults(Module1 &shared, WordPairs &pairs)
{
    AppliedResults applied;
    if (shared.DeleteConfirmed == 1) {
        shared.DeleteConfirmed = 0;
        const int i = shared.WordIndex;
        if (i >= 0 && i < pairs.size()) {
            pairs.removeAt(i);
            applied.removedRow = i;
            // The word after the deleted one, or the new last word.
            applied.selectRow = i < pairs.size() ? i : int(pairs.size()) - 1;
        }
    }
    if (shared.WordEdited == 1) {
        shared.WordEdited = 0;
        const int i = shared.WordIndex;
        if (i >= 0 && i < pairs.size()) {
            pairs[i] = {shared.CurrentWord, shared.CurrentMeaning};
            applied.replacedRow = i;
            applied.selectRow = i;
        }
    }
    if (shared.CardSide == 1) {
        shared.CardSide = 0;
        pairs.append({shared.CurrentWord, shared.CurrentMeaning});
        applied.appended = true;
        applied.selectRow = int(pairs.size()) - 1;
    }
    return applied;
}
