#ifndef WQSDK_BASE_IWQIOSTREAM_H
#define WQSDK_BASE_IWQIOSTREAM_H

#include <cstdint>
#include <cstring>
#include <new>
#include <string>

#include "base/WQObject.h"
#include "base/WQString.h"

namespace WQSDK {

// Byte stream: raw read/write/seek over some medium, and typed values on
// top of the raw operations. The bare interface can do nothing (every
// operation fails); WQFileStream gives it a file.
//
// Typed values travel as their bytes lie in memory, which is little-endian
// on every target of the library. A typed read that gets fewer bytes than
// the value's size gives 0.
class IWQIOStream : public virtual WQObject {
public:
    // Mode numbers of setMode.
    static const int32_t MODE_READ = 0;
    static const int32_t MODE_WRITE = 1;
    static const int32_t MODE_APPEND = 2;
    // Any other number opens for reading and updating.
    static const int32_t MODE_UPDATE = 3;

    IWQIOStream() : WQObject(), m_mode(MODE_UPDATE) { appendClassName("IWQIOStream"); }
    IWQIOStream(const IWQIOStream&) = delete;
    IWQIOStream& operator=(const IWQIOStream&) = delete;
    ~IWQIOStream() override = default;

    // Takes effect at the next open().
    virtual void setMode(int32_t mode) { m_mode = mode; }
    int32_t getMode() const { return m_mode; }

    // Bytes left to read; -1 when there are none left or the stream is
    // closed (never 0).
    virtual int32_t available() { return -1; }
    virtual int open() { return 0; }
    virtual int close() { return 0; }
    // Bytes transferred (0 at the end), or -1 when the stream cannot
    // transfer at all.
    virtual int32_t read(void* /*buffer*/, int32_t /*count*/) { return -1; }
    virtual int32_t write(const void* /*buffer*/, int32_t /*count*/) { return -1; }
    // Origin 0 from the start, 2 from the end, anything else from the
    // current position. 1 on success.
    virtual int seek(int32_t /*offset*/, int32_t /*origin*/) { return 0; }
    virtual int32_t tell() { return -1; }
    virtual int flush() { return 0; }

    virtual char readChar() { return readValue<char>(); }
    virtual int writeChar(char value) { return writeValue(value); }
    virtual int32_t readInt32() { return readValue<int32_t>(); }
    virtual int writeInt32(int32_t value) { return writeValue(value); }
    virtual int16_t readInt16() { return readValue<int16_t>(); }
    virtual int writeInt16(int16_t value) { return writeValue(value); }
    virtual double readDouble() { return readValue<double>(); }
    virtual int writeDouble(double value) { return writeValue(value); }
    virtual float readFloat() { return readValue<float>(); }
    virtual int writeFloat(float value) { return writeValue(value); }

    // Reads up to and including a NUL byte and returns the bytes before
    // it. When the stream ends (or fails) before the NUL, the bytes read so
    // far are dropped and the result is "".
    virtual WQString readString();
    // Writes the string's bytes and a terminating NUL: 1 when all of them
    // were written.
    virtual int writeString(const WQString& text);

protected:
    int32_t m_mode;

private:
    template <class T>
    T readValue()
    {
        unsigned char bytes[sizeof(T)];
        if (read(bytes, static_cast<int32_t>(sizeof(T))) != static_cast<int32_t>(sizeof(T)))
            return T();
        T value;
        std::memcpy(&value, bytes, sizeof(T));
        return value;
    }

    template <class T>
    int writeValue(T value)
    {
        unsigned char bytes[sizeof(T)];
        std::memcpy(bytes, &value, sizeof(T));
        return write(bytes, static_cast<int32_t>(sizeof(T))) == static_cast<int32_t>(sizeof(T)) ? 1 : 0;
    }
};

inline WQString IWQIOStream::readString()
{
    WQString result;
    try {
        // Collected aside: appending to a WQString byte by byte would copy
        // the whole text for every byte.
        std::string collected;
        char byte = 0;
        for (;;) {
            if (read(&byte, 1) < 1)
                return result;
            if (byte == '\0')
                break;
            collected.push_back(byte);
        }
        result.assign(collected.data(), static_cast<int32_t>(collected.size()));
    } catch (const std::bad_alloc&) {
        result.assign(nullptr, 0);
    }
    return result;
}

inline int IWQIOStream::writeString(const WQString& text)
{
    const char* bytes = text.c_str();
    // A string without text (after a trim to nothing) writes only the NUL.
    if (bytes == nullptr || text.length() <= 0)
        return write("", 1) == 1 ? 1 : 0;
    if (text.length() == INT32_MAX)
        return 0;
    const int32_t total = text.length() + 1;
    return write(bytes, total) == total ? 1 : 0;
}

} // namespace WQSDK

#endif
