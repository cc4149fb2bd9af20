#include "base/WQFile.h"

#include <cstdio>
#include <cstring>
#include <new>

#include <direct.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

namespace WQSDK {

namespace {

const DWORD PATH_BUFFER = 260;
const int ACCESS_EXISTS = 0;
const int ACCESS_WRITE = 2;
const int ACCESS_READ = 4;
const int MODE_DIRECTORY = 0x4000;
const int MODE_WRITE = 0x80;
const int MODE_EXECUTE = 0x40;
// Read and write permission for a new file.
const int MODE_NEW_FILE = 0x180;

bool endsWith(const WQString& text, char byte)
{
    return text.c_str() != nullptr && text.length() > 0 && text.c_str()[text.length() - 1] == byte;
}

// The long form of `path`, or `path` itself when there is none that fits
// the buffer.
WQString longForm(const WQString& path)
{
    char buffer[PATH_BUFFER];
    std::memset(buffer, 0, sizeof(buffer));
    const DWORD length = GetLongPathNameA(path.c_str() != nullptr ? path.c_str() : "", buffer, PATH_BUFFER);
    if (length == 0 || length >= PATH_BUFFER)
        return path;
    return WQString(buffer);
}

// Appends listed entries as path strings.
struct PathAdder {
    TWQList<WQString>* out;
    bool operator()(const WQString& path) const { return out->addLast(path) != 0; }
};

// Appends listed entries as new file objects, one reference each.
struct FileAdder {
    TWQList<WQFile*>* out;
    bool operator()(const WQString& path) const
    {
        WQFile* file = new (std::nothrow) WQFile(path);
        if (file == nullptr)
            return false;
        file->addRef();
        if (!out->addLast(file)) {
            file->release();
            return false;
        }
        return true;
    }
};

} // namespace

WQFile::WQFile(const WQString& path)
    : WQObject()
    , m_path(path)
    , m_error(CODE_SUCCESS)
    , m_errorText()
{
    appendClassName("WQFile");
}

const char* WQFile::pathText() const
{
    return m_path.c_str() != nullptr ? m_path.c_str() : "";
}

int WQFile::setPath(const WQString& path)
{
    m_error = CODE_SUCCESS;
    m_path = path;
    return 1;
}

WQString WQFile::getPath() const
{
    return m_path;
}

int WQFile::isReadable()
{
    m_error = CODE_SUCCESS;
    return _access(pathText(), ACCESS_READ) == 0 ? 1 : 0;
}

int WQFile::isWritable()
{
    m_error = CODE_SUCCESS;
    return _access(pathText(), ACCESS_WRITE) == 0 ? 1 : 0;
}

int WQFile::exists()
{
    m_error = CODE_SUCCESS;
    return _access(pathText(), ACCESS_EXISTS) == 0 ? 1 : 0;
}

int WQFile::create()
{
    m_error = CODE_SUCCESS;
    if (exists()) {
        m_error = CODE_FILE_EXISTS;
        return 0;
    }
    const int descriptor = _creat(pathText(), MODE_NEW_FILE);
    if (descriptor < 0)
        return 0;
    _close(descriptor);
    return 1;
}

int WQFile::remove()
{
    m_error = CODE_SUCCESS;
    if (isDirectory())
        return RemoveDirectoryA(pathText()) ? 1 : 0;
    return std::remove(pathText()) == 0 ? 1 : 0;
}

WQString WQFile::getName()
{
    m_error = CODE_SUCCESS;
    const int index = m_path.lastBackslash();
    if (index < 0) {
        m_error = CODE_NAME_ERROR;
        return WQString();
    }
    return m_path.substring(index + 1, -1);
}

WQString WQFile::getParentPath()
{
    m_error = CODE_SUCCESS;
    const int index = m_path.lastBackslash();
    // Nothing before the backslash ("\name") is no parent either.
    if (index <= 0) {
        m_error = CODE_NAME_ERROR;
        return WQString();
    }
    WQString parent;
    parent.assign(m_path.c_str(), index);
    if (endsWith(parent, ':'))
        parent.append("\\");
    return parent;
}

WQFile* WQFile::getParent()
{
    const WQString parentPath = getParentPath();
    if (parentPath.isEmpty()) {
        m_error = CODE_NAME_ERROR;
        return nullptr;
    }
    WQFile* parent = new (std::nothrow) WQFile(parentPath);
    if (parent == nullptr)
        return nullptr;
    parent->addRef();
    return parent;
}

int WQFile::isDirectory()
{
    m_error = CODE_SUCCESS;
    // The run time's stat refuses a folder named with a trailing
    // backslash, and takes a bare drive as its current folder.
    WQString folder;
    if (endsWith(m_path, '\\'))
        folder.assign(m_path.c_str(), m_path.length() - 1);
    else
        folder = m_path;
    if (endsWith(folder, ':'))
        folder.append("\\");
    struct _stat64 status;
    if (_stat64(folder.c_str() != nullptr ? folder.c_str() : "", &status) != 0) {
        m_error = CODE_NOT_FOUND;
        return 0;
    }
    return (status.st_mode & MODE_DIRECTORY) != 0 ? 1 : 0;
}

int WQFile::isFile()
{
    const int directory = isDirectory();
    if (m_error != CODE_SUCCESS)
        return 0;
    return directory ? 0 : 1;
}

int WQFile::isExecutable()
{
    m_error = CODE_SUCCESS;
    struct _stat64 status;
    if (_stat64(pathText(), &status) != 0) {
        m_error = CODE_NOT_FOUND;
        return 0;
    }
    return (status.st_mode & MODE_EXECUTE) != 0 ? 1 : 0;
}

WQTime* WQFile::getModifiedTime()
{
    m_error = CODE_SUCCESS;
    struct _stat64 status;
    if (_stat64(pathText(), &status) != 0) {
        m_error = CODE_NOT_FOUND;
        return nullptr;
    }
    // Seconds since 1970 as 100 ns units since 1601.
    const uint64_t fileTime = static_cast<uint64_t>(status.st_mtime) * 10000000ULL + 116444736000000000ULL;
    WQTime* time = new (std::nothrow) WQTime(static_cast<uint32_t>(fileTime), static_cast<uint32_t>(fileTime >> 32));
    if (time == nullptr)
        return nullptr;
    time->addRef();
    return time;
}

uint32_t WQFile::getSize()
{
    m_error = CODE_SUCCESS;
    struct _stat64 status;
    if (_stat64(pathText(), &status) != 0) {
        m_error = CODE_NOT_FOUND;
        return 0;
    }
    return static_cast<uint32_t>(status.st_size);
}

template <class Add>
int WQFile::listEntries(IWQFileFilter* filter, Add add)
{
    if (!isDirectory())
        return 0;
    // "C:" and "C:\" both list the root; a folder given with its trailing
    // backslash does not get a second one.
    const WQString folder = endsWith(m_path, '\\') ? m_path : m_path.concat("\\");
    const WQString pattern = folder.concat("*.*");
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA(pattern.c_str() != nullptr ? pattern.c_str() : "", &entry);
    if (search == INVALID_HANDLE_VALUE)
        return 0;
    int whole = 1;
    do {
        if (std::strcmp(entry.cFileName, ".") == 0 || std::strcmp(entry.cFileName, "..") == 0)
            continue;
        if (filter != nullptr && !filter->accept(WQString(entry.cFileName)))
            continue;
        if (!add(longForm(folder.concat(entry.cFileName))))
            whole = 0;
    } while (FindNextFileA(search, &entry));
    FindClose(search);
    return whole;
}

int WQFile::listFiles(TWQList<WQFile*>* out, IWQFileFilter* filter)
{
    m_error = CODE_SUCCESS;
    if (out == nullptr || filter == nullptr) {
        m_error = CODE_BAD_PARAMETER;
        return 0;
    }
    return listEntries(filter, FileAdder{out});
}

int WQFile::listFiles(TWQList<WQFile*>* out)
{
    m_error = CODE_SUCCESS;
    if (out == nullptr) {
        m_error = CODE_BAD_PARAMETER;
        return 0;
    }
    return listEntries(nullptr, FileAdder{out});
}

int WQFile::list(TWQList<WQString>* out, IWQFileFilter* filter)
{
    m_error = CODE_SUCCESS;
    if (out == nullptr || filter == nullptr) {
        m_error = CODE_BAD_PARAMETER;
        return 0;
    }
    return listEntries(filter, PathAdder{out});
}

int WQFile::list(TWQList<WQString>* out)
{
    m_error = CODE_SUCCESS;
    if (out == nullptr) {
        m_error = CODE_BAD_PARAMETER;
        return 0;
    }
    return listEntries(nullptr, PathAdder{out});
}

int WQFile::makeDirectory()
{
    m_error = CODE_SUCCESS;
    if (_mkdir(pathText()) != 0) {
        m_error = CODE_NOT_FOUND;
        return 0;
    }
    return 1;
}

int WQFile::renameTo(const WQString& newPath)
{
    m_error = CODE_SUCCESS;
    if (std::rename(pathText(), newPath.c_str() != nullptr ? newPath.c_str() : "") != 0) {
        m_error = CODE_NOT_FOUND;
        return 0;
    }
    return 1;
}

int WQFile::setModifiedTime(WQTime* time)
{
    m_error = CODE_SUCCESS;
    if (time == nullptr) {
        m_error = CODE_BAD_PARAMETER;
        return 0;
    }
    time->addRef();
    SYSTEMTIME systemTime;
    ZeroMemory(&systemTime, sizeof(systemTime));
    systemTime.wYear = static_cast<WORD>(time->getYear());
    systemTime.wMonth = static_cast<WORD>(time->getMonth());
    systemTime.wDayOfWeek = static_cast<WORD>(time->getDayOfWeek());
    systemTime.wDay = static_cast<WORD>(time->getDay());
    systemTime.wHour = static_cast<WORD>(time->getHour());
    systemTime.wMinute = static_cast<WORD>(time->getMinute());
    systemTime.wSecond = static_cast<WORD>(time->getSecond());
    systemTime.wMilliseconds = static_cast<WORD>(time->getMillisecond());
    time->release();
    // Fields that are no time must not reach the file as whatever the
    // conversion left behind.
    FILETIME lastWrite;
    if (!SystemTimeToFileTime(&systemTime, &lastWrite)) {
        m_error = CODE_BAD_PARAMETER;
        return 0;
    }
    HANDLE file = CreateFileA(pathText(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_ARCHIVE, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        m_error = CODE_OPEN_FAIL;
        return 0;
    }
    int result = 1;
    if (!SetFileTime(file, nullptr, nullptr, &lastWrite)) {
        m_error = CODE_BAD_PARAMETER;
        result = 0;
    }
    if (!CloseHandle(file)) {
        m_error = CODE_CLOSE_FAIL;
        result = 0;
    }
    return result;
}

int WQFile::setReadable(int /*flag*/)
{
    m_error = CODE_SUCCESS;
    struct _stat64 status;
    if (_stat64(pathText(), &status) != 0 || _chmod(pathText(), status.st_mode) != 0) {
        m_error = CODE_NOT_FOUND;
        return 0;
    }
    return 1;
}

int WQFile::setWritable(int flag)
{
    m_error = CODE_SUCCESS;
    struct _stat64 status;
    if (_stat64(pathText(), &status) != 0) {
        m_error = CODE_NOT_FOUND;
        return 0;
    }
    const int mode = flag ? (status.st_mode | MODE_WRITE) : (status.st_mode & 0x7F);
    if (_chmod(pathText(), mode) != 0) {
        m_error = CODE_NOT_FOUND;
        return 0;
    }
    return 1;
}

WQFileStream* WQFile::openStream(int32_t mode)
{
    m_error = CODE_SUCCESS;
    if (isDirectory())
        return nullptr;
    WQFileStream* stream = new (std::nothrow) WQFileStream();
    if (stream == nullptr)
        return nullptr;
    stream->addRef();
    if (!stream->open(m_path, mode)) {
        stream->release();
        return nullptr;
    }
    return stream;
}

const char* WQFile::getErrorText(uint32_t code) const
{
    const char* text = "Success";
    switch (code) {
    case CODE_FILE_EXISTS:
        text = "File exis";
        break;
    case CODE_BAD_PARAMETER:
        text = "Paramater is wrong";
        break;
    case CODE_ACCESS_DENIED:
        text = "Access denied: file's permission setting does not allow specified access";
        break;
    case CODE_NOT_FOUND:
        text = "Filename or path not found";
        break;
    case CODE_NO_DESCRIPTORS:
        text = "No more file descriptors are available";
        break;
    case CODE_NAME_ERROR:
        text = "File name error";
        break;
    case CODE_OPEN_FAIL:
        text = "Open file fail";
        break;
    case CODE_CLOSE_FAIL:
        text = "Close file fail";
        break;
    default:
        break;
    }
    m_errorText.assign(text);
    // When the copy could not be made the fixed text itself serves.
    return m_errorText.differs(text) ? text : m_errorText.c_str();
}

WQFile* WQFile::getModuleFolder()
{
    char moduleName[PATH_BUFFER];
    std::memset(moduleName, 0, sizeof(moduleName));
    GetModuleFileNameA(nullptr, moduleName, PATH_BUFFER);
    // A name cut at the buffer's end comes without a terminator on older
    // systems.
    moduleName[PATH_BUFFER - 1] = '\0';
    // A program started by its short (8.3) name gets that form here.
    WQString folder = longForm(WQString(moduleName));
    const int index = folder.lastBackslash();
    if (index >= 0) {
        WQString cut;
        cut.assign(folder.c_str(), index);
        folder = cut;
    }
    WQFile* file = new (std::nothrow) WQFile(folder);
    if (file == nullptr)
        return nullptr;
    file->addRef();
    return file;
}

} // namespace WQSDK
