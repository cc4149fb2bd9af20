#include "base/WQParam.h"

#include <cstring>

#include "base/WQClone.h"

namespace WQSDK {

WQParam::WQParam()
    : WQObject()
    , Map()
{
    appendClassName("WQParam");
}

WQParam::WQParam(WQParam& other)
    : WQObject()
    , Map()
{
    appendClassName("WQParam");
    assign(other);
}

int WQParam::set(const WQString& key, const WQString& value)
{
    WQString old;
    const int present = get(key, old);
    if (present)
        remove(key);
    if (put(key, value))
        return 1;
    // The new pair could not be stored: the table keeps what it had.
    if (present)
        put(key, old);
    return 0;
}

int WQParam::set(const WQString& key, const char* value)
{
    return set(key, WQString(value));
}

int WQParam::set(const char* key, const char* value)
{
    return set(WQString(key), WQString(value));
}

int WQParam::set(const char* key, const WQString& value)
{
    return set(WQString(key), value);
}

int WQParam::getText(const WQString& key, char* buffer, int size) const
{
    if (buffer == nullptr || size <= 0)
        return 0;
    WQString value;
    if (!get(key, value))
        return 0;
    const char* text = value.c_str() != nullptr ? value.c_str() : "";
    std::size_t length = std::strlen(text);
    if (length > static_cast<std::size_t>(size) - 1)
        length = static_cast<std::size_t>(size) - 1;
    std::memcpy(buffer, text, length);
    buffer[length] = '\0';
    return 1;
}

int WQParam::getText(const char* key, char* buffer, int size) const
{
    return getText(WQString(key), buffer, size);
}

int WQParam::get(const char* key, WQString& out) const
{
    return get(WQString(key), out);
}

WQString WQParam::getString(const WQString& key, const WQString& fallback) const
{
    WQString value;
    if (get(key, value))
        return value;
    return fallback;
}

WQString WQParam::getString(const WQString& key, const char* fallback) const
{
    return getString(key, WQString(fallback));
}

WQString WQParam::getString(const char* key, const WQString& fallback) const
{
    return getString(WQString(key), fallback);
}

WQString WQParam::getString(const char* key, const char* fallback) const
{
    return getString(WQString(key), WQString(fallback));
}

int WQParam::getInt(const WQString& key) const
{
    WQString value;
    if (!get(key, value) || value.isEmpty())
        return 0;
    return value.toInt();
}

int WQParam::getInt(const char* key) const
{
    return getInt(WQString(key));
}

WQObject* WQParam::clone()
{
    return cloneByAssign(*this);
}

} // namespace WQSDK
