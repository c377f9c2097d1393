#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHashFunctions>
#include <QList>

namespace progress {

// Byte strings numbered 0, 1, 2... in the order added, their bytes one after
// another in one buffer, found through an open-addressing table that keeps
// each key's hash. A progress file's 30,000 keys are then a few allocations
// read in order, not 30,000 strings and hash nodes scattered over the heap,
// which cost more than the rest of a load or save. Copies share the buffers
// until one of them changes, as Qt's containers do.
class KeyIndex {
public:
    void reserve(qsizetype keys, qsizetype bytes);
    qsizetype size() const { return m_keys.size(); }

    // The key's number, or -1.
    qsizetype find(QByteArrayView key) const;
    // The key's number, the key added when new; `added` says which.
    qsizetype insert(QByteArrayView key, bool &added);
    QByteArrayView key(qsizetype number) const;

    // Drops every key whose `keep` is false; the others are renumbered in
    // their order.
    void keepOnly(const QList<bool> &keep);

private:
    struct Key {
        quint32 at;
        quint32 size;
        size_t hash;
    };

    size_t hashOf(QByteArrayView key) const;
    void rebuildSlots(qsizetype slotCount);

    QByteArray m_bytes;
    QList<Key> m_keys;
    QList<quint32> m_slots; // a key's number + 1; 0 is free. At most half full.
    quint64 m_seed = QHashSeed::globalSeed();
};

} // namespace progress
