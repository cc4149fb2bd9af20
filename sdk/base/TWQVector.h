#ifndef WQSDK_BASE_TWQVECTOR_H
#define WQSDK_BASE_TWQVECTOR_H

#include <cstdint>
#include <cstring>
#include <type_traits>

#include "base/WQClone.h"
#include "base/WQMemory.h"
#include "base/WQObject.h"

namespace WQSDK {

// Growable array of pointers (or other plain values). It never owns what
// the pointers point to. The capacity grows 10 slots at a time and never
// shrinks.
template <class T>
class TWQVector : public virtual WQObject {
    static_assert(std::is_trivially_copyable<T>::value, "TWQVector holds plain values only");

public:
    static constexpr int32_t GROWTH = 10;

    TWQVector();
    TWQVector(const TWQVector& other);
    TWQVector& operator=(const TWQVector&) = delete;
    ~TWQVector() override;

    // 0 when the array cannot grow; the vector is then unchanged.
    int add(T item);
    // The element at `index`, or a null value outside 0..count-1.
    T get(int index) const;
    int getCount() const { return m_count; }
    int getCapacity() const { return m_capacity; }
    // Removes the first slot holding `item`; 0 when there is none.
    int remove(T item);
    // Replaces the contents with other's elements; 0 (and no change) when
    // the array cannot grow.
    int assign(const TWQVector& other);
    WQObject* clone() override;

private:
    // Grows the capacity in steps until it holds `needed` slots.
    bool reserve(int32_t needed);

    T* m_items;
    int32_t m_capacity;
    int32_t m_count;
};

template <class T>
TWQVector<T>::TWQVector()
    : WQObject()
    , m_items(static_cast<T*>(memAlloc(GROWTH * sizeof(T))))
    , m_capacity(m_items != nullptr ? GROWTH : 0)
    , m_count(0)
{
    appendClassName("TWQVector");
}

template <class T>
TWQVector<T>::TWQVector(const TWQVector& other)
    : TWQVector()
{
    assign(other);
}

template <class T>
TWQVector<T>::~TWQVector()
{
    memFree(m_items);
}

template <class T>
bool TWQVector<T>::reserve(int32_t needed)
{
    if (needed <= m_capacity)
        return true;
    int32_t capacity = m_capacity;
    while (capacity < needed)
        capacity += GROWTH;
    T* items = static_cast<T*>(memRealloc(m_items, static_cast<std::size_t>(capacity) * sizeof(T)));
    if (items == nullptr)
        return false;
    m_items = items;
    m_capacity = capacity;
    return true;
}

template <class T>
int TWQVector<T>::add(T item)
{
    if (!reserve(m_count + 1))
        return 0;
    m_items[m_count++] = item;
    return 1;
}

template <class T>
T TWQVector<T>::get(int index) const
{
    if (index < 0 || index >= m_count)
        return T();
    return m_items[index];
}

template <class T>
int TWQVector<T>::remove(T item)
{
    for (int32_t i = 0; i < m_count; ++i) {
        if (m_items[i] == item) {
            std::memmove(m_items + i, m_items + i + 1, static_cast<std::size_t>(m_count - i - 1) * sizeof(T));
            --m_count;
            return 1;
        }
    }
    return 0;
}

template <class T>
int TWQVector<T>::assign(const TWQVector& other)
{
    if (&other == this)
        return 1;
    if (!reserve(other.m_count))
        return 0;
    if (other.m_count > 0)
        std::memcpy(m_items, other.m_items, static_cast<std::size_t>(other.m_count) * sizeof(T));
    m_count = other.m_count;
    return 1;
}

template <class T>
WQObject* TWQVector<T>::clone()
{
    return cloneByAssign(*this);
}

} // namespace WQSDK

#endif
