#include "NewListDraft.h"

#include "ListEntries.h"
#include "app/core/SharedState.h"

NewListDraft::AddOutcome NewListDraft::addPair(const QString &word, const QString &meaning)
{
    if (word.isEmpty() || meaning.isEmpty())
        return {Added::EmptyBox, {}};
    if (m_pairs.size() >= MaxPairs)
        return {Added::Full, {}};
    for (const auto &[text, kind] : {std::pair{word, EntryKind::Word}, std::pair{meaning, EntryKind::Meaning}}) {
        if (auto refusal = entryRefusal(text, kind))
            return {Added::Refused, *refusal};
    }
    m_pairs.append({takenText(word), takenText(meaning)});
    return {Added::Yes, {}};
}
