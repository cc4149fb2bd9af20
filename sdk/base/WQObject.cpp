#include "base/WQObject.h"

#include <chrono>
#include <cstring>
#include <thread>

#include "base/WQMemory.h"
#include "base/WQTicks.h"

namespace WQSDK {

namespace {

const char ROOT_CLASS_NAME[] = "WQObject";
const uint32_t LOCK_POLL_MS = 100;

} // namespace

WQObject::WQObject()
    : m_refCount(0)
    , m_className(static_cast<char*>(memAlloc(sizeof ROOT_CLASS_NAME)))
{
    if (m_className != nullptr)
        std::memcpy(m_className, ROOT_CLASS_NAME, sizeof ROOT_CLASS_NAME);
}

WQObject::~WQObject()
{
    memFree(m_className);
}

uint32_t WQObject::addRef()
{
    if (!m_refLock)
        m_refLock.emplace();
    std::lock_guard<std::recursive_mutex> guard(*m_refLock);
    return ++m_refCount;
}

uint32_t WQObject::release()
{
    if (!m_refLock)
        return 0;
    uint32_t count;
    {
        std::lock_guard<std::recursive_mutex> guard(*m_refLock);
        if (m_refCount == 0)
            return 0;
        count = --m_refCount;
    }
    if (count == 0)
        delete this;
    return count;
}

uint32_t WQObject::getLastError() const
{
    return 0;
}

const char* WQObject::getErrorText(uint32_t) const
{
    return nullptr;
}

const char* WQObject::getClassName() const
{
    return m_className;
}

int WQObject::lock(uint32_t timeout)
{
    if (!m_objectLock)
        m_objectLock.emplace();
    std::recursive_mutex& mutex = *m_objectLock;
    if (timeout == WQ_WAIT_INFINITE) {
        mutex.lock();
        return 1;
    }
    const uint32_t start = tickCount();
    if (mutex.try_lock())
        return 1;
    for (;;) {
        const uint32_t now = tickCount();
        if (timeout == 0)
            return 0;
        if (ticksElapsed(start, now) >= timeout)
            return 0;
        std::this_thread::sleep_for(std::chrono::milliseconds(LOCK_POLL_MS));
        if (mutex.try_lock())
            return 1;
    }
}

void WQObject::unlock()
{
    if (m_objectLock)
        m_objectLock->unlock();
}

WQObject* WQObject::clone()
{
    return nullptr;
}

void WQObject::appendClassName(const char* segment)
{
    // A name that could not be allocated stays missing: a partial path
    // would name the wrong class.
    if (m_className == nullptr || segment == nullptr)
        return;
    const std::size_t nameLength = std::strlen(m_className);
    const std::size_t segmentLength = std::strlen(segment);
    char* name = static_cast<char*>(memAlloc(nameLength + segmentLength + 2));
    if (name == nullptr)
        return;
    std::memcpy(name, m_className, nameLength);
    name[nameLength] = '.';
    std::memcpy(name + nameLength + 1, segment, segmentLength + 1);
    memFree(m_className);
    m_className = name;
}

} // namespace WQSDK
