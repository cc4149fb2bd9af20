#ifndef WQSDK_BASE_WQFILESTREAM_H
#define WQSDK_BASE_WQFILESTREAM_H

#include <cstdint>
#include <cstdio>

#include "base/IWQIOStream.h"
#include "base/WQString.h"

namespace WQSDK {

// Stream over a buffered C file. Every operation but setPath and setMode
// first clears the error code and then records its failure, if any, for
// getLastError()/getErrorText().
//
// Mode numbers open the file as: 0 "rb", 1 "wb" (created or truncated),
// 2 "ab+", anything else "rb+".
class WQFileStream : public virtual IWQIOStream {
public:
    static const uint32_t CODE_SUCCESS = 0;
    static const uint32_t CODE_OPEN_FAIL = 0xF0000001u;
    static const uint32_t CODE_NOT_OPEN = 0xF0000002u;
    // No operation reports this one; it keeps its text.
    static const uint32_t CODE_LENGTH_FAIL = 0xF0000003u;
    static const uint32_t CODE_READ_FAIL = 0xF0000004u;
    static const uint32_t CODE_WRITE_FAIL = 0xF0000005u;
    static const uint32_t CODE_SEEK_FAIL = 0xF0000006u;

    WQFileStream();
    WQFileStream(const WQFileStream&) = delete;
    WQFileStream& operator=(const WQFileStream&) = delete;
    // Closes the file if it is open.
    ~WQFileStream() override;

    void setMode(int32_t mode) override;
    // Null gives "".
    virtual void setPath(const char* path);
    virtual void setPath(const WQString& path);
    const WQString& getPath() const { return m_path; }

    // setPath, setMode, open().
    virtual int open(const char* path, int32_t mode);
    virtual int open(const WQString& path, int32_t mode);
    // Opens the stored path in the stored mode, closing any file open
    // before. 0 and CODE_OPEN_FAIL when the file cannot be opened.
    int open() override;
    int close() override;
    int isOpen() const { return m_file != nullptr ? 1 : 0; }

    // Size of the open file minus the position; -1 instead of 0 and when
    // closed. Negative when the file is shorter than the position.
    int32_t available() override;
    // Closed: -1 and CODE_NOT_OPEN. A negative count, or a null buffer
    // with a positive count: -1 and CODE_READ_FAIL / CODE_WRITE_FAIL.
    // Otherwise the bytes transferred; a transfer cut short by an error of
    // the file (not by its end) also records CODE_READ_FAIL /
    // CODE_WRITE_FAIL.
    int32_t read(void* buffer, int32_t count) override;
    int32_t write(const void* buffer, int32_t count) override;
    // Origin 0 start, 2 end, any other value the current position.
    int seek(int32_t offset, int32_t origin) override;
    int32_t tell() override;
    int flush() override;

    uint32_t getLastError() const override { return m_error; }
    // The fixed text of `code`; unknown codes read "Success". The text
    // stays valid until the next call.
    const char* getErrorText(uint32_t code) const override;
    // A closed stream with the same path and mode number.
    WQObject* clone() override;

private:
    // Fails with CODE_NOT_OPEN when closed.
    bool requireOpen();

    std::FILE* m_file;
    WQString m_path;
    WQString m_modeText;
    uint32_t m_error;
    mutable WQString m_errorText;
};

} // namespace WQSDK

#endif
