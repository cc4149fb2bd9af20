#ifndef WQSDK_BASE_WQCOMPAT_H
#define WQSDK_BASE_WQCOMPAT_H

// The two C runtime calls whose names and results differ between the
// Windows runtime and other C libraries, behind one spelling.

#include <cstdarg>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#ifndef _WIN32
#include <strings.h>
#endif

namespace WQSDK {

// Case-insensitive comparison of two NUL-terminated texts: negative, 0 or
// positive.
inline int compatStricmp(const char* a, const char* b)
{
#ifdef _WIN32
    return _stricmp(a, b);
#else
    return strcasecmp(a, b);
#endif
}

// Formats at most `count` bytes into `buffer`. Returns the number of bytes
// written when the whole output fits in `count` bytes (no terminator is
// written when it fills them exactly), and a negative value when the output
// was cut off. Callers size their buffers by growing until the result is
// not negative.
inline int compatVsnprintf(char* buffer, std::size_t count, const char* format, va_list args)
{
#ifdef _WIN32
    int written = _vsnprintf(buffer, count, format, args);
#else
    va_list again;
    va_copy(again, args);
    int written = std::vsnprintf(buffer, count, format, args);
    if (written >= 0 && static_cast<std::size_t>(written) == count && count > 0) {
        // The output fits exactly, but vsnprintf gave the last byte to the
        // terminator: format once more with room for it.
        char* whole = static_cast<char*>(std::malloc(count + 1));
        if (whole == nullptr) {
            written = -1;
        } else {
            std::vsnprintf(whole, count + 1, format, again);
            std::memcpy(buffer, whole, count);
            std::free(whole);
        }
    }
    va_end(again);
#endif
    if (written < 0 || static_cast<std::size_t>(written) > count)
        return -1;
    return written;
}

} // namespace WQSDK

#endif
