#ifndef WQSDK_BASE_WQSTRING_H
#define WQSDK_BASE_WQSTRING_H

#include <cstdint>

#include "base/WQObject.h"
#include "base/WQWindowsVersion.h"

namespace WQSDK {

// Heap byte string with an explicit length. Every change allocates a new
// buffer of exactly the needed size; when that fails the string keeps its
// old contents. After the trims or format(nullptr) the text may be null
// (length 0); every operation takes that as empty.
class WQString : public virtual WQObject {
public:
    WQString();
    // Null gives the empty string.
    explicit WQString(const char* text);
    WQString(const WQString& other);
    WQString& operator=(const WQString& other);
    ~WQString() override;

    // Copies exactly `length` bytes, NUL bytes included; null bytes give
    // the empty string. Does nothing when `bytes` is this string's own
    // buffer or `length` is negative.
    WQString& assign(const char* bytes, int32_t length);
    // Copies a NUL-terminated text; null gives the empty string.
    WQString& assign(const char* text);
    // Appends a NUL-terminated text; appending the string's own buffer does
    // nothing.
    WQString& append(const char* text);
    // A copy of this string with `text` appended.
    WQString concat(const char* text) const;

    // Case-sensitive: 0 when `text` has the same length and bytes, else 1.
    int differs(const char* text) const;
    // 1 when `other` has the same length and bytes, else 0.
    int equals(const WQString& other) const;
    // Case-insensitive three-way comparison with a NUL-terminated text.
    int compareNoCase(const char* text) const;
    // Key order of the maps: unsigned byte-wise, case-sensitive, and a
    // string without text before every string with one. Negative, 0 or
    // positive.
    int compareTo(const WQString& other) const;

    // Index of the first `byte` within the length, or -1.
    int indexOf(char byte) const;
    // Index of the last backslash within the length, or -1.
    int lastBackslash() const;
    // Bytes start..end, both inclusive; end -1 means up to the end. Empty
    // when the range does not lie within 0..length.
    WQString substring(int start, int end) const;

    // Remove trailing / leading spaces, tabs, CR and LF. A text of blanks
    // only leaves the text null.
    void trimRight();
    void trimLeft();

    // printf-style; a null format leaves the text null.
    WQString& format(const char* fmt, ...);

    // atoi of the text; 0 for an empty string.
    int toInt() const;
    int isEmpty() const;

    const char* c_str() const { return m_text; }
    int32_t length() const { return m_length; }

private:
    // Replaces the contents with a copy of `length` bytes; false (and no
    // change) when the buffer cannot be allocated.
    bool replace(const char* bytes, int32_t length);

    char* m_text;
    int32_t m_length;
};

} // namespace WQSDK

#endif
