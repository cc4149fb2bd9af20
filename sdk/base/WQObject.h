#ifndef WQSDK_BASE_WQOBJECT_H
#define WQSDK_BASE_WQOBJECT_H

#include <cstdint>
#include <mutex>
#include <optional>

namespace WQSDK {

// Timeout of WQObject::lock that waits without limit.
constexpr uint32_t WQ_WAIT_INFINITE = 0xFFFFFFFFu;

// Root of every library class, always inherited virtually, so that an
// object holds one reference count and one class name however it is
// reached.
class WQObject {
public:
    WQObject();
    // Every object has its own count, name and locks; derived classes that
    // are copyable write their copy operations themselves.
    WQObject(const WQObject&) = delete;
    WQObject& operator=(const WQObject&) = delete;
    virtual ~WQObject();

    // Returns the new count.
    virtual uint32_t addRef();
    // Returns the new count; at 0 the object deletes itself. An object that
    // was never addRef'ed is left alone (its owner deletes it).
    virtual uint32_t release();

    virtual uint32_t getLastError() const;
    virtual const char* getErrorText(uint32_t code) const;
    // Dotted path of the classes from WQObject down, e.g.
    // "WQObject.WQString"; null if it could not be allocated.
    virtual const char* getClassName() const;

    // 1 when the object lock was acquired within `timeout` milliseconds
    // (WQ_WAIT_INFINITE: no limit; 0: one attempt), else 0. Re-entrant.
    virtual int lock(uint32_t timeout);
    // Only after a successful lock on the same thread.
    virtual void unlock();

    // A new independent copy with a count of 1, or null when the class
    // cannot be copied.
    virtual WQObject* clone();

protected:
    // Adds "." and `segment` to the class name; each constructor calls it
    // once with its class's own name.
    void appendClassName(const char* segment);

private:
    uint32_t m_refCount;
    char* m_className;
    // Both locks are created on first use, not in the constructor: most
    // objects never need them.
    std::optional<std::recursive_mutex> m_refLock;
    std::optional<std::recursive_mutex> m_objectLock;
};

} // namespace WQSDK

#endif
