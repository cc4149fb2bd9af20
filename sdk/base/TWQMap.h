#ifndef WQSDK_BASE_TWQMAP_H
#define WQSDK_BASE_TWQMAP_H

#include <iterator>
#include <map>
#include <new>
#include <utility>

#include "base/TWQAllocator.h"
#include "base/WQClone.h"
#include "base/WQElement.h"
#include "base/WQObject.h"

namespace WQSDK {

// Ordered map with unique keys and a built-in cursor. Keys are ordered by
// K::compareTo. The map owns copies of keys and values; pointer values are
// stored as they are and never freed.
//
// Iteration: moveFirst(), then getKey()/getValue() while moveNext() returns
// 1. remove() leaves the cursor on the entry after the removed one and
// makes the next moveNext() stay there, so removing the current key while
// iterating skips nothing.
template <class K, class V>
class TWQMap : public virtual WQObject {
public:
    TWQMap();
    // Copies `other` through assign, which moves other's cursor to its end.
    TWQMap(TWQMap& other);
    TWQMap& operator=(const TWQMap&) = delete;
    ~TWQMap() override = default;

    // Inserts the pair when the key is absent: 1. A present key keeps its
    // value: 0. Also 0 (and no change) when allocation fails.
    virtual int put(const K& key, const V& value);
    // Copies the value of `key` into `out`: 1. Absent: 0, `out` untouched.
    virtual int get(const K& key, V& out) const;
    virtual int containsKey(const K& key) const;
    // 1 when some entry holds `value` (same bytes for strings, same pointer
    // for pointers).
    virtual int containsValue(const V& value) const;
    // Removes `key` and returns its value, leaving the cursor on the next
    // entry. An absent key returns an empty value and changes nothing, not
    // even the stay mark.
    virtual V remove(const K& key);
    virtual int size() const { return static_cast<int>(m_entries.size()); }
    virtual int moveFirst();
    virtual int moveNext();
    // Value at the cursor; `atEnd` when the cursor is at the end.
    virtual V getValue(const V& atEnd = V()) const;
    // Key at the cursor; an empty key at the end.
    virtual K getKey() const;
    virtual void removeAll();
    virtual int isEmpty() const { return m_entries.empty() ? 1 : 0; }

    // Replaces the contents with copies of other's entries and moves
    // other's cursor to its end. On allocation failure this map is
    // unchanged and the result is 0.
    int assign(TWQMap& other);
    WQObject* clone() override;

private:
    struct KeyLess {
        bool operator()(const K& a, const K& b) const { return a.compareTo(b) < 0; }
    };
    using Entries = std::map<K, V, KeyLess, TWQAllocator<std::pair<const K, V>>>;
    using Position = typename Entries::iterator;

    // True when both parts of the stored entry are whole copies.
    static bool entryCopied(Position entry, const K& key, const V& value);

    Entries m_entries;
    Position m_cursor;
    int m_stay;
};

template <class K, class V>
TWQMap<K, V>::TWQMap()
    : WQObject()
    , m_entries()
    , m_cursor(m_entries.end())
    , m_stay(0)
{
    appendClassName("TWQMap");
}

template <class K, class V>
TWQMap<K, V>::TWQMap(TWQMap& other)
    : WQObject()
    , m_entries()
    , m_cursor(m_entries.end())
    , m_stay(0)
{
    appendClassName("TWQMap");
    assign(other);
}

template <class K, class V>
bool TWQMap<K, V>::entryCopied(Position entry, const K& key, const V& value)
{
    return elementCopied(entry->first, key) && elementCopied(entry->second, value);
}

template <class K, class V>
int TWQMap<K, V>::put(const K& key, const V& value)
{
    try {
        std::pair<Position, bool> inserted = m_entries.try_emplace(key, value);
        if (!inserted.second)
            return 0;
        if (!entryCopied(inserted.first, key, value)) {
            m_entries.erase(inserted.first);
            return 0;
        }
        return 1;
    } catch (const std::bad_alloc&) {
        return 0;
    }
}

template <class K, class V>
int TWQMap<K, V>::get(const K& key, V& out) const
{
    typename Entries::const_iterator found = m_entries.find(key);
    if (found == m_entries.end())
        return 0;
    out = found->second;
    return elementEquals(out, found->second);
}

template <class K, class V>
int TWQMap<K, V>::containsKey(const K& key) const
{
    return m_entries.find(key) != m_entries.end() ? 1 : 0;
}

template <class K, class V>
int TWQMap<K, V>::containsValue(const V& value) const
{
    for (const auto& entry : m_entries) {
        if (elementEquals(entry.second, value))
            return 1;
    }
    return 0;
}

template <class K, class V>
V TWQMap<K, V>::remove(const K& key)
{
    // One result object on every path, so that it is returned without
    // another copy.
    V removed = V();
    Position found = m_entries.find(key);
    if (found != m_entries.end()) {
        removed = found->second;
        // Without a whole copy to hand back, the entry stays.
        if (elementEquals(removed, found->second)) {
            m_cursor = m_entries.erase(found);
            m_stay = 1;
        }
    }
    return removed;
}

template <class K, class V>
int TWQMap<K, V>::moveFirst()
{
    m_stay = 0;
    m_cursor = m_entries.begin();
    return m_cursor != m_entries.end() ? 1 : 0;
}

template <class K, class V>
int TWQMap<K, V>::moveNext()
{
    if (m_cursor == m_entries.end()) {
        m_stay = 0;
        return 0;
    }
    if (m_stay) {
        m_stay = 0;
        return 1;
    }
    ++m_cursor;
    return m_cursor != m_entries.end() ? 1 : 0;
}

template <class K, class V>
V TWQMap<K, V>::getValue(const V& atEnd) const
{
    if (m_cursor == m_entries.end())
        return atEnd;
    return m_cursor->second;
}

template <class K, class V>
K TWQMap<K, V>::getKey() const
{
    if (m_cursor == m_entries.end())
        return K();
    return m_cursor->first;
}

template <class K, class V>
void TWQMap<K, V>::removeAll()
{
    m_entries.clear();
    m_cursor = m_entries.end();
    m_stay = 0;
}

template <class K, class V>
int TWQMap<K, V>::assign(TWQMap& other)
{
    if (&other == this)
        return 1;
    // Build the copy aside first, so that a failed allocation leaves this
    // map as it was.
    Entries copy;
    bool whole = true;
    try {
        for (const auto& entry : other.m_entries) {
            Position added = copy.emplace_hint(copy.end(), entry.first, entry.second);
            if (!entryCopied(added, entry.first, entry.second)) {
                whole = false;
                break;
            }
        }
    } catch (const std::bad_alloc&) {
        whole = false;
    }
    // Copying walks the source from its first entry to its end.
    other.m_cursor = other.m_entries.end();
    other.m_stay = 0;
    if (!whole)
        return 0;
    m_entries.swap(copy);
    m_cursor = m_entries.end();
    m_stay = 0;
    return 1;
}

template <class K, class V>
WQObject* TWQMap<K, V>::clone()
{
    return cloneByAssign(*this);
}

} // namespace WQSDK

#endif
