#include "base/WQProperties.h"

#include <cstring>
#include <new>
#include <string>

#include "base/WQFileStream.h"
#include "base/WQMemory.h"

namespace WQSDK {

WQProperties::WQProperties()
    : WQObject()
    , Map()
    , WQParam()
{
    appendClassName("WQProperties");
}

int WQProperties::readLine(IWQIOStream* stream, WQString& out)
{
    if (stream == nullptr || stream->available() == -1)
        return 0;
    const int32_t start = stream->tell();
    if (start < 0)
        return 0;
    char byte = 0;
    do {
        if (stream->read(&byte, 1) < 1)
            break;
    } while (byte != '\n');
    const int32_t end = stream->tell();
    // Nothing consumed (a stream that reports bytes left but yields none)
    // must end the reading, or a caller looping over lines never stops.
    if (end <= start)
        return 0;
    const int32_t length = end - start;
    char* line = static_cast<char*>(memAlloc(static_cast<std::size_t>(length) + 1));
    if (line == nullptr)
        return 0;
    if (!stream->seek(start, 0) || stream->read(line, length) != length) {
        memFree(line);
        return 0;
    }
    line[length] = '\0';
    out.assign(line);
    memFree(line);
    return 1;
}

int WQProperties::load(IWQIOStream* stream)
{
    if (stream == nullptr)
        return 0;
    removeAll();
    stream->seek(0, 0);
    WQString line;
    while (readLine(stream, line)) {
        line.trimLeft();
        line.trimRight();
        const char* text = line.c_str();
        if (text == nullptr || text[0] == '\0' || text[0] == '#')
            continue;
        const char* equals = std::strchr(text, '=');
        if (equals == nullptr) {
            set(line, "");
            continue;
        }
        // A line starting with "=" gives the empty key, so that such an
        // entry is written back and read again unchanged.
        WQString key;
        key.assign(text, static_cast<int32_t>(equals - text));
        set(key, equals + 1);
    }
    return 1;
}

int WQProperties::load(const WQString& path)
{
    WQFileStream stream;
    if (!stream.open(path, IWQIOStream::MODE_READ))
        return 0;
    const int result = load(&stream);
    stream.close();
    return result;
}

int WQProperties::save(IWQIOStream* stream)
{
    if (stream == nullptr)
        return 0;
    std::string text;
    try {
        if (moveFirst()) {
            do {
                const WQString key = getKey();
                const WQString value = getValue();
                if (key.c_str() != nullptr)
                    text.append(key.c_str(), static_cast<std::size_t>(key.length()));
                text.push_back('=');
                if (value.c_str() != nullptr)
                    text.append(value.c_str(), static_cast<std::size_t>(value.length()));
                text.append("\r\n");
            } while (moveNext());
        }
    } catch (const std::bad_alloc&) {
        return 0;
    }
    if (text.size() > static_cast<std::size_t>(INT32_MAX))
        return 0;
    const int32_t length = static_cast<int32_t>(text.size());
    return stream->write(text.data(), length) == length ? 1 : 0;
}

int WQProperties::save(const WQString& path)
{
    WQFileStream stream;
    if (!stream.open(path, IWQIOStream::MODE_WRITE))
        return 0;
    int result = save(&stream);
    // A failure to write may only show when the buffer goes to the file.
    if (!stream.flush())
        result = 0;
    stream.close();
    return result;
}

} // namespace WQSDK
