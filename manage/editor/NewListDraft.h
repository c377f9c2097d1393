#pragma once

#include "ListEntries.h"

#include "app/core/WordPair.h"

#include <QString>
#include <QVector>

// A list being typed in pair by pair. Nothing reaches the store until the
// teacher saves it; then it is appended at the end.
class NewListDraft {
public:
    explicit NewListDraft(QString name = QString()) : m_name(std::move(name)) {}

    enum class Added { Yes, EmptyBox, Full, Refused };
    struct AddOutcome {
        Added result;
        std::optional<EntryRefusal> refusal; // for Refused
    };
    AddOutcome addPair(const QString &word, const QString &meaning);

    const QString &name() const { return m_name; }
    void rename(QString name) { m_name = std::move(name); }
    const WordPairs &pairs() const { return m_pairs; }
    int pairCount() const { return int(m_pairs.size()); }


private:
    QString m_name;
    WordPairs m_pairs;
};
