#include "base/WQFileStream.h"

#include <new>

namespace WQSDK {

namespace {

const char* modeText(int32_t mode)
{
    switch (mode) {
    case IWQIOStream::MODE_READ:
        return "rb";
    case IWQIOStream::MODE_WRITE:
        return "wb";
    case IWQIOStream::MODE_APPEND:
        return "ab+";
    default:
        return "rb+";
    }
}

} // namespace

WQFileStream::WQFileStream()
    : WQObject()
    , IWQIOStream()
    , m_file(nullptr)
    , m_path()
    , m_modeText(modeText(MODE_UPDATE))
    , m_error(CODE_SUCCESS)
    , m_errorText()
{
    appendClassName("WQFileStream");
}

WQFileStream::~WQFileStream()
{
    if (m_file != nullptr)
        std::fclose(m_file);
}

void WQFileStream::setMode(int32_t mode)
{
    IWQIOStream::setMode(mode);
    m_modeText.assign(modeText(mode));
}

void WQFileStream::setPath(const char* path)
{
    m_path.assign(path);
}

void WQFileStream::setPath(const WQString& path)
{
    m_path = path;
}

int WQFileStream::open(const char* path, int32_t mode)
{
    setPath(path);
    setMode(mode);
    return open();
}

int WQFileStream::open(const WQString& path, int32_t mode)
{
    setPath(path);
    setMode(mode);
    return open();
}

int WQFileStream::open()
{
    m_error = CODE_SUCCESS;
    if (m_file != nullptr) {
        std::fclose(m_file);
        m_file = nullptr;
    }
    // A string left without text has no file name at all.
    if (m_path.c_str() == nullptr || m_modeText.c_str() == nullptr) {
        m_error = CODE_OPEN_FAIL;
        return 0;
    }
    m_file = std::fopen(m_path.c_str(), m_modeText.c_str());
    if (m_file == nullptr) {
        m_error = CODE_OPEN_FAIL;
        return 0;
    }
    return 1;
}

bool WQFileStream::requireOpen()
{
    m_error = CODE_SUCCESS;
    if (m_file == nullptr) {
        m_error = CODE_NOT_OPEN;
        return false;
    }
    return true;
}

int WQFileStream::close()
{
    if (!requireOpen())
        return 0;
    std::fclose(m_file);
    m_file = nullptr;
    return 1;
}

int32_t WQFileStream::available()
{
    if (!requireOpen())
        return -1;
    const long position = std::ftell(m_file);
    if (position < 0)
        return -1;
    // The size comes from the open file itself: seeking to the end also
    // counts bytes still waiting in the write buffer.
    long size = 0;
    if (std::fseek(m_file, 0, SEEK_END) == 0) {
        size = std::ftell(m_file);
        if (size < 0)
            size = 0;
    }
    std::fseek(m_file, position, SEEK_SET);
    const long left = size - position;
    return left == 0 ? -1 : static_cast<int32_t>(left);
}

int32_t WQFileStream::read(void* buffer, int32_t count)
{
    if (!requireOpen())
        return -1;
    if (count < 0 || (buffer == nullptr && count > 0)) {
        m_error = CODE_READ_FAIL;
        return -1;
    }
    if (count == 0)
        return 0;
    const std::size_t done = std::fread(buffer, 1, static_cast<std::size_t>(count), m_file);
    if (done < static_cast<std::size_t>(count) && std::ferror(m_file)) {
        m_error = CODE_READ_FAIL;
        // The error is recorded here; the file's own flag would otherwise
        // outlive this call.
        std::clearerr(m_file);
    }
    return static_cast<int32_t>(done);
}

int32_t WQFileStream::write(const void* buffer, int32_t count)
{
    if (!requireOpen())
        return -1;
    if (count < 0 || (buffer == nullptr && count > 0)) {
        m_error = CODE_WRITE_FAIL;
        return -1;
    }
    if (count == 0)
        return 0;
    const std::size_t done = std::fwrite(buffer, 1, static_cast<std::size_t>(count), m_file);
    if (done < static_cast<std::size_t>(count)) {
        m_error = CODE_WRITE_FAIL;
        std::clearerr(m_file);
    }
    return static_cast<int32_t>(done);
}

int WQFileStream::seek(int32_t offset, int32_t origin)
{
    if (!requireOpen())
        return 0;
    int whence = SEEK_CUR;
    if (origin == 0)
        whence = SEEK_SET;
    else if (origin == 2)
        whence = SEEK_END;
    if (std::fseek(m_file, offset, whence) != 0) {
        m_error = CODE_SEEK_FAIL;
        return 0;
    }
    return 1;
}

int32_t WQFileStream::tell()
{
    if (!requireOpen())
        return -1;
    return static_cast<int32_t>(std::ftell(m_file));
}

int WQFileStream::flush()
{
    if (!requireOpen())
        return 0;
    if (std::fflush(m_file) != 0) {
        m_error = CODE_WRITE_FAIL;
        return 0;
    }
    return 1;
}

const char* WQFileStream::getErrorText(uint32_t code) const
{
    const char* text = "Success";
    switch (code) {
    case CODE_OPEN_FAIL:
        text = "Open file fail";
        break;
    case CODE_NOT_OPEN:
        text = "File is not openned";
        break;
    case CODE_LENGTH_FAIL:
        text = "Can not get file length";
        break;
    case CODE_READ_FAIL:
        text = "Read file data fail";
        break;
    case CODE_WRITE_FAIL:
        text = "Write file data fail";
        break;
    case CODE_SEEK_FAIL:
        text = "File seek fail";
        break;
    default:
        break;
    }
    m_errorText.assign(text);
    // When the copy could not be made the fixed text itself serves.
    return m_errorText.differs(text) ? text : m_errorText.c_str();
}

WQObject* WQFileStream::clone()
{
    WQFileStream* copy = new (std::nothrow) WQFileStream();
    if (copy == nullptr)
        return nullptr;
    copy->setPath(m_path);
    copy->setMode(m_mode);
    if (!copy->m_path.equals(m_path) || copy->m_modeText.differs(m_modeText.c_str())) {
        delete copy;
        return nullptr;
    }
    copy->addRef();
    return copy;
}

} // namespace WQSDK
