#include "KeyIndex.h"

#include <QHashFunctions>
#include <bit>
#include <cstring>

namespace progress {

namespace {

constexpr qsizetype FewestSlots = 64;

qsizetype slotsFor(qsizetype keys)
{
    return std::max<qsizetype>(FewestSlots, qsizetype(std::bit_ceil(quint64(keys) * 2)));
}

} // namespace

size_t KeyIndex::hashOf(QByteArrayView key) const
{
    // Eight bytes a step, multiplied and folded, then murmur's finalizer
    // for the low bits the table uses. Qt's seeded qHash took 250 ns a key
    // here, more than a whole line's parse. The seed is QHash's, per
    // process, so the slots differ from run to run as QHash's do.
    quint64 h = m_seed ^ (quint64(key.size()) * 0x9E3779B97F4A7C15u);
    const char *p = key.data();
    qsizetype left = key.size();
    for (; left >= 8; p += 8, left -= 8) {
        quint64 chunk;
        std::memcpy(&chunk, p, 8);
        h = (h ^ chunk) * 0x9E3779B97F4A7C15u;
        h ^= h >> 29;
    }
    if (left > 0) {
        quint64 chunk = 0;
        std::memcpy(&chunk, p, size_t(left));
        h = (h ^ chunk) * 0x9E3779B97F4A7C15u;
    }
    h ^= h >> 33;
    h *= 0xFF51AFD7ED558CCDu;
    h ^= h >> 33;
    h *= 0xC4CEB9FE1A85EC53u;
    h ^= h >> 33;
    return size_t(h);
}

void KeyIndex::reserve(qsizetype keys, qsizetype bytes)
{
    m_bytes.reserve(bytes);
    m_keys.reserve(keys);
    if (slotsFor(keys) > m_slots.size())
        rebuildSlots(slotsFor(keys));
}

QByteArrayView KeyIndex::key(qsizetype number) const
{
    const Key &k = m_keys[number];
    return QByteArrayView(m_bytes.constData() + k.at, k.size);
}

qsizetype KeyIndex::find(QByteArrayView key) const
{
    if (m_slots.isEmpty())
        return -1;
    const size_t hash = hashOf(key);
    const size_t mask = size_t(m_slots.size()) - 1;
    for (size_t slot = hash & mask;; slot = (slot + 1) & mask) {
        const quint32 taken = m_slots[slot];
        if (taken == 0)
            return -1;
        if (m_keys[taken - 1].hash == hash && this->key(taken - 1) == key)
            return taken - 1;
    }
}

qsizetype KeyIndex::insert(QByteArrayView key, bool &added)
{
    if ((m_keys.size() + 1) * 2 > m_slots.size())
        rebuildSlots(slotsFor(m_keys.size() + 1));
    const size_t hash = hashOf(key);
    const size_t mask = size_t(m_slots.size()) - 1;
    size_t slot = hash & mask;
    for (; m_slots[slot] != 0; slot = (slot + 1) & mask) {
        const quint32 taken = m_slots[slot];
        if (m_keys[taken - 1].hash == hash && this->key(taken - 1) == key) {
            added = false;
            return taken - 1;
        }
    }
    m_keys.append({quint32(m_bytes.size()), quint32(key.size()), hash});
    m_bytes.append(key);
    m_slots[slot] = quint32(m_keys.size());
    added = true;
    return m_keys.size() - 1;
}

void KeyIndex::keepOnly(const QList<bool> &keep)
{
    QByteArray bytes;
    QList<Key> keys;
    bytes.reserve(m_bytes.size());
    keys.reserve(m_keys.size());
    for (qsizetype n = 0; n < m_keys.size(); ++n) {
        if (!keep[n])
            continue;
        keys.append({quint32(bytes.size()), m_keys[n].size, m_keys[n].hash});
        bytes.append(key(n));
    }
    m_bytes = std::move(bytes);
    m_keys = std::move(keys);
    rebuildSlots(slotsFor(m_keys.size()));
}

void KeyIndex::rebuildSlots(qsizetype slotCount)
{
    m_slots.fill(0, slotCount);
    const size_t mask = size_t(slotCount) - 1;
    for (qsizetype n = 0; n < m_keys.size(); ++n) {
        size_t slot = m_keys[n].hash & mask;
        while (m_slots[slot] != 0)
            slot = (slot + 1) & mask;
        m_slots[slot] = quint32(n + 1);
    }
}

} // namespace progress
