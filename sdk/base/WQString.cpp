#include "base/WQString.h"

#include <cstdarg>
#include <cstdlib>
#include <cstring>

#include "base/WQCompat.h"
#include "base/WQMemory.h"

namespace WQSDK {

namespace {

const std::size_t FORMAT_STEP = 1000;
const std::size_t MAX_BYTES = 0x7FFFFFFF;

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

} // namespace

WQString::WQString()
    : WQObject()
    , m_text(nullptr)
    , m_length(0)
{
    appendClassName("WQString");
    replace(nullptr, 0);
}

WQString::WQString(const char* text)
    : WQObject()
    , m_text(nullptr)
    , m_length(0)
{
    appendClassName("WQString");
    assign(text);
}

WQString::WQString(const WQString& other)
    : WQObject()
    , m_text(nullptr)
    , m_length(0)
{
    appendClassName("WQString");
    replace(other.m_text, other.m_length);
}

WQString& WQString::operator=(const WQString& other)
{
    if (this != &other)
        assign(other.m_text, other.m_length);
    return *this;
}

WQString::~WQString()
{
    memFree(m_text);
}

bool WQString::replace(const char* bytes, int32_t length)
{
    if (bytes == nullptr || length < 0)
        length = 0;
    char* buffer = static_cast<char*>(memAlloc(static_cast<std::size_t>(length) + 1));
    if (buffer == nullptr)
        return false;
    std::memset(buffer, 0, static_cast<std::size_t>(length) + 1);
    if (length > 0)
        std::memcpy(buffer, bytes, static_cast<std::size_t>(length));
    memFree(m_text);
    m_text = buffer;
    m_length = length;
    return true;
}

WQString& WQString::assign(const char* bytes, int32_t length)
{
    if ((bytes != nullptr && bytes == m_text) || length < 0)
        return *this;
    replace(bytes, length);
    return *this;
}

WQString& WQString::assign(const char* text)
{
    if (text == nullptr)
        return assign(nullptr, 0);
    const std::size_t length = std::strlen(text);
    if (length > MAX_BYTES)
        return *this;
    return assign(text, static_cast<int32_t>(length));
}

WQString& WQString::append(const char* text)
{
    if (text != nullptr && text == m_text)
        return *this;
    const std::size_t added = text != nullptr ? std::strlen(text) : 0;
    const std::size_t old = m_length > 0 ? static_cast<std::size_t>(m_length) : 0;
    if (added > MAX_BYTES - old)
        return *this;
    char* buffer = static_cast<char*>(memAlloc(old + added + 1));
    if (buffer == nullptr)
        return *this;
    std::memset(buffer, 0, old + added + 1);
    // Both parts are copied as NUL-terminated texts; the length still
    // counts every byte of the old contents.
    if (m_text != nullptr)
        std::strcpy(buffer, m_text);
    if (text != nullptr)
        std::strcat(buffer, text);
    memFree(m_text);
    m_text = buffer;
    m_length = static_cast<int32_t>(old + added);
    return *this;
}

WQString WQString::concat(const char* text) const
{
    WQString result(*this);
    result.append(text);
    return result;
}

int WQString::differs(const char* text) const
{
    if (text == nullptr)
        return m_length != 0 ? 1 : 0;
    const std::size_t length = std::strlen(text);
    if (m_length < 0 || length != static_cast<std::size_t>(m_length))
        return 1;
    if (length == 0)
        return 0;
    return std::memcmp(m_text, text, length) != 0 ? 1 : 0;
}

int WQString::equals(const WQString& other) const
{
    if (m_length != other.m_length)
        return 0;
    if (m_length <= 0)
        return 1;
    return std::memcmp(m_text, other.m_text, static_cast<std::size_t>(m_length)) == 0 ? 1 : 0;
}

int WQString::compareNoCase(const char* text) const
{
    const std::size_t a = (m_length <= 0 || m_text == nullptr) ? 0 : std::strlen(m_text);
    const std::size_t b = text != nullptr ? std::strlen(text) : 0;
    if (a == 0 || b == 0) {
        if (a == b)
            return 0;
        return a < b ? -1 : 1;
    }
    return compatStricmp(m_text, text);
}

int WQString::compareTo(const WQString& other) const
{
    if (m_text == nullptr || other.m_text == nullptr) {
        if (m_text == other.m_text)
            return 0;
        return m_text == nullptr ? -1 : 1;
    }
    return std::strcmp(m_text, other.m_text);
}

int WQString::indexOf(char byte) const
{
    if (m_text == nullptr || m_length <= 0)
        return -1;
    const char* found = std::strchr(m_text, byte);
    if (found == nullptr || found - m_text >= m_length)
        return -1;
    return static_cast<int>(found - m_text);
}

int WQString::lastBackslash() const
{
    if (m_text == nullptr || m_length < 0)
        return -1;
    const char* found = std::strrchr(m_text, '\\');
    if (found == nullptr || found - m_text >= m_length)
        return -1;
    return static_cast<int>(found - m_text);
}

WQString WQString::substring(int start, int end) const
{
    WQString result;
    if (m_text == nullptr)
        return result;
    if (end == -1)
        end = m_length;
    if (start < 0 || start > m_length || end < 0 || end > m_length || start > end)
        return result;
    // The range may take in the terminator at index length; the copy ends
    // at the first NUL it holds.
    const std::size_t span = static_cast<std::size_t>(end - start) + 1;
    const void* nul = std::memchr(m_text + start, 0, span);
    const std::size_t length = nul != nullptr
        ? static_cast<std::size_t>(static_cast<const char*>(nul) - (m_text + start))
        : span;
    result.assign(m_text + start, static_cast<int32_t>(length));
    return result;
}

void WQString::trimRight()
{
    if (m_text == nullptr || m_length <= 0)
        return;
    int32_t last = m_length - 1;
    while (last >= 0 && isBlank(m_text[last]))
        --last;
    if (last >= 0) {
        // Shortened in place; the buffer keeps its size.
        m_text[last + 1] = '\0';
        m_length = last + 1;
    } else {
        memFree(m_text);
        m_text = nullptr;
        m_length = 0;
    }
}

void WQString::trimLeft()
{
    if (m_text == nullptr)
        return;
    const std::size_t length = std::strlen(m_text);
    std::size_t first = 0;
    while (first < length && isBlank(m_text[first]))
        ++first;
    if (first == length) {
        memFree(m_text);
        m_text = nullptr;
        m_length = 0;
        return;
    }
    replace(m_text + first, static_cast<int32_t>(length - first));
}

WQString& WQString::format(const char* fmt, ...)
{
    if (fmt == nullptr) {
        memFree(m_text);
        m_text = nullptr;
        m_length = 0;
        return *this;
    }
    std::size_t capacity = FORMAT_STEP;
    for (;;) {
        char* buffer = static_cast<char*>(memAlloc(capacity + 1));
        if (buffer == nullptr)
            return *this;
        va_list args;
        va_start(args, fmt);
        const int written = compatVsnprintf(buffer, capacity, fmt, args);
        va_end(args);
        if (written >= 0) {
            buffer[written] = '\0';
            memFree(m_text);
            m_text = buffer;
            m_length = written;
            return *this;
        }
        memFree(buffer);
        // An output that never fits (or a format the runtime rejects) ends
        // here instead of growing without bound.
        if (capacity > MAX_BYTES - FORMAT_STEP - 1)
            return *this;
        capacity += FORMAT_STEP;
    }
}

int WQString::toInt() const
{
    if (m_length <= 0)
        return 0;
    return std::atoi(m_text);
}

int WQString::isEmpty() const
{
    return m_length == 0 ? 1 : 0;
}

} // namespace WQSDK
