#ifndef WQSDK_BASE_TWQLIST_H
#define WQSDK_BASE_TWQLIST_H

#include <cstdint>
#include <new>

#include "base/WQClone.h"
#include "base/WQElement.h"
#include "base/WQMemory.h"
#include "base/WQObject.h"

namespace WQSDK {

// Doubly linked list with a built-in cursor. The list owns copies of the
// values given to it. The cursor is null exactly when the list is empty.
template <class T>
class TWQList : public virtual WQObject {
public:
    TWQList();
    // Copies `other` through assign, which moves other's cursor to its last
    // element.
    TWQList(TWQList& other);
    TWQList& operator=(const TWQList&) = delete;
    ~TWQList() override;

    virtual int getCount() const { return m_count; }
    virtual int isFirst() const { return m_current != nullptr && m_current == m_first ? 1 : 0; }
    virtual int isLast() const { return m_current != nullptr && m_current == m_last ? 1 : 0; }
    virtual int moveFirst();
    virtual int moveLast();
    virtual int movePrev();
    virtual int moveNext();
    virtual void removeAll();
    // New head; the cursor of a non-empty list stays. 0 when the node
    // cannot be allocated.
    virtual int addFirst(const T& value);
    // New tail; the cursor of a non-empty list stays.
    virtual int addLast(const T& value);
    // New node directly after the cursor (`after` non-zero) or before it;
    // the cursor stays. 0 without a cursor.
    virtual int insert(const T& value, int after);
    virtual int setCurrent(const T& value);
    // Removes the current node; the cursor moves to the next node, or to
    // the previous one when the last node was removed.
    virtual int removeCurrent();
    // The current element, still owned by the list; null when empty.
    virtual T* getCurrent() { return m_current != nullptr ? &m_current->value : nullptr; }

    // Replaces the contents with copies of other's elements; the cursor of
    // this list ends on its first element, other's on its last. On
    // allocation failure this list is unchanged and the result is 0.
    int assign(TWQList& other);
    WQObject* clone() override;

private:
    struct Node {
        explicit Node(const T& v) : value(v), prev(nullptr), next(nullptr) {}
        T value;
        Node* prev;
        Node* next;
    };

    static Node* newNode(const T& value);
    static void deleteNode(Node* node);

    int32_t m_count;
    Node* m_first;
    Node* m_current;
    Node* m_last;
};

template <class T>
TWQList<T>::TWQList()
    : WQObject()
    , m_count(0)
    , m_first(nullptr)
    , m_current(nullptr)
    , m_last(nullptr)
{
    appendClassName("TWQList");
}

template <class T>
TWQList<T>::TWQList(TWQList& other)
    : WQObject()
    , m_count(0)
    , m_first(nullptr)
    , m_current(nullptr)
    , m_last(nullptr)
{
    appendClassName("TWQList");
    assign(other);
}

template <class T>
TWQList<T>::~TWQList()
{
    removeAll();
}

template <class T>
typename TWQList<T>::Node* TWQList<T>::newNode(const T& value)
{
    void* block = memAlloc(sizeof(Node));
    if (block == nullptr)
        return nullptr;
    Node* node = new (block) Node(value);
    if (!elementCopied(node->value, value)) {
        deleteNode(node);
        return nullptr;
    }
    return node;
}

template <class T>
void TWQList<T>::deleteNode(Node* node)
{
    node->~Node();
    memFree(node);
}

template <class T>
int TWQList<T>::moveFirst()
{
    if (m_count == 0)
        return 0;
    m_current = m_first;
    return 1;
}

template <class T>
int TWQList<T>::moveLast()
{
    if (m_count == 0)
        return 0;
    m_current = m_last;
    return 1;
}

template <class T>
int TWQList<T>::movePrev()
{
    if (m_count == 0 || m_current == nullptr || m_current->prev == nullptr)
        return 0;
    m_current = m_current->prev;
    return 1;
}

template <class T>
int TWQList<T>::moveNext()
{
    if (m_count == 0 || m_current == nullptr || m_current->next == nullptr)
        return 0;
    m_current = m_current->next;
    return 1;
}

template <class T>
void TWQList<T>::removeAll()
{
    Node* node = m_first;
    while (node != nullptr) {
        Node* next = node->next;
        deleteNode(node);
        node = next;
    }
    m_count = 0;
    m_first = m_current = m_last = nullptr;
}

template <class T>
int TWQList<T>::addFirst(const T& value)
{
    Node* node = newNode(value);
    if (node == nullptr)
        return 0;
    node->next = m_first;
    if (m_first != nullptr)
        m_first->prev = node;
    else
        m_last = m_current = node;
    m_first = node;
    ++m_count;
    return 1;
}

template <class T>
int TWQList<T>::addLast(const T& value)
{
    Node* node = newNode(value);
    if (node == nullptr)
        return 0;
    node->prev = m_last;
    if (m_last != nullptr)
        m_last->next = node;
    else
        m_first = m_current = node;
    m_last = node;
    ++m_count;
    return 1;
}

template <class T>
int TWQList<T>::insert(const T& value, int after)
{
    if (m_current == nullptr)
        return 0;
    Node* node = newNode(value);
    if (node == nullptr)
        return 0;
    if (after) {
        node->prev = m_current;
        node->next = m_current->next;
        if (m_current->next != nullptr)
            m_current->next->prev = node;
        else
            m_last = node;
        m_current->next = node;
    } else {
        node->next = m_current;
        node->prev = m_current->prev;
        if (m_current->prev != nullptr)
            m_current->prev->next = node;
        else
            m_first = node;
        m_current->prev = node;
    }
    ++m_count;
    return 1;
}

template <class T>
int TWQList<T>::setCurrent(const T& value)
{
    if (m_current == nullptr)
        return 0;
    m_current->value = value;
    return elementEquals(m_current->value, value);
}

template <class T>
int TWQList<T>::removeCurrent()
{
    Node* node = m_current;
    if (node == nullptr)
        return 0;
    if (node == m_first) {
        m_first = m_current = node->next;
        if (m_first != nullptr)
            m_first->prev = nullptr;
        else
            m_last = nullptr;
    } else if (node == m_last) {
        m_last = m_current = node->prev;
        m_last->next = nullptr;
    } else {
        node->prev->next = node->next;
        node->next->prev = node->prev;
        m_current = node->next;
    }
    deleteNode(node);
    --m_count;
    return 1;
}

template <class T>
int TWQList<T>::assign(TWQList& other)
{
    if (&other == this)
        return 1;
    // Build the copy aside first, so that a failed allocation leaves this
    // list as it was.
    Node* first = nullptr;
    Node* last = nullptr;
    int32_t count = 0;
    bool whole = true;
    if (other.moveFirst()) {
        const int32_t total = other.getCount();
        do {
            Node* node = newNode(*other.getCurrent());
            if (node == nullptr) {
                whole = false;
                break;
            }
            node->prev = last;
            if (last != nullptr)
                last->next = node;
            else
                first = node;
            last = node;
            ++count;
        } while (count < total && other.moveNext());
    }
    if (!whole) {
        while (first != nullptr) {
            Node* next = first->next;
            deleteNode(first);
            first = next;
        }
        return 0;
    }
    removeAll();
    m_first = m_current = first;
    m_last = last;
    m_count = count;
    return 1;
}

template <class T>
WQObject* TWQList<T>::clone()
{
    return cloneByAssign(*this);
}

} // namespace WQSDK

#endif
