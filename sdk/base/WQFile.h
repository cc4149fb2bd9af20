#ifndef WQSDK_BASE_WQFILE_H
#define WQSDK_BASE_WQFILE_H

#include <cstdint>

#include "base/IWQFileFilter.h"
#include "base/TWQList.h"
#include "base/WQFileStream.h"
#include "base/WQObject.h"
#include "base/WQString.h"
#include "base/WQTime.h"

namespace WQSDK {

// A file or folder named by its path (as given: absolute or relative,
// bytes of the ANSI code page). Nothing is cached and no handle is kept:
// every query asks the system afresh. Every operation first clears the
// error code and then records its failure, if any, for getLastError() /
// getErrorText(); the result (0, null or "") tells that it failed.
//
// Objects handed out (getParent, getModifiedTime, listFiles, openStream,
// getModuleFolder) carry one reference for the caller. Built for Windows
// only.
class WQFile : public virtual WQObject {
public:
    static const uint32_t CODE_SUCCESS = 0;
    static const uint32_t CODE_FILE_EXISTS = 0xF0000001u;
    static const uint32_t CODE_BAD_PARAMETER = 0xF0000002u;
    // Not reported by any operation; kept with its text.
    static const uint32_t CODE_ACCESS_DENIED = 0xF0000003u;
    static const uint32_t CODE_NOT_FOUND = 0xF0000004u;
    // Not reported by any operation; kept with its text.
    static const uint32_t CODE_NO_DESCRIPTORS = 0xF0000005u;
    static const uint32_t CODE_NAME_ERROR = 0xF0000006u;
    static const uint32_t CODE_OPEN_FAIL = 0xF0000007u;
    static const uint32_t CODE_CLOSE_FAIL = 0xF0000008u;

    explicit WQFile(const WQString& path);
    WQFile(const WQFile&) = delete;
    WQFile& operator=(const WQFile&) = delete;
    ~WQFile() override = default;

    virtual int setPath(const WQString& path);
    virtual WQString getPath() const;

    virtual int isReadable();
    virtual int isWritable();
    virtual int exists();
    // Creates an empty file with read and write permission. An existing
    // path gives 0 and CODE_FILE_EXISTS.
    virtual int create();
    // Removes an empty folder, or a file. A folder with entries and a
    // read-only file are refused (0).
    virtual int remove();

    // The part after the last backslash; "" and CODE_NAME_ERROR without a
    // backslash.
    virtual WQString getName();
    // The part before the last backslash, with a backslash added after a
    // bare drive ("C:\a.txt" gives "C:\"). "" and CODE_NAME_ERROR when
    // there is no backslash or nothing before it.
    virtual WQString getParentPath();
    // A new file object of getParentPath(), or null and CODE_NAME_ERROR.
    virtual WQFile* getParent();

    // Both look at the path without a trailing backslash, a bare drive
    // ("C:") taken as its root. A missing path: 0 and CODE_NOT_FOUND.
    virtual int isDirectory();
    virtual int isFile();
    // The run time's execute permission (programs by their extension, and
    // folders). A missing path: 0 and CODE_NOT_FOUND.
    virtual int isExecutable();
    // The last modification in universal time, to the second; null and
    // CODE_NOT_FOUND for a missing path.
    virtual WQTime* getModifiedTime();
    // Sizes of 4 GiB and more are cut to their low 32 bits.
    virtual uint32_t getSize();

    // The entries of this folder (not of its subfolders; "." and ".."
    // left out) appended to `out` in the order the file system gives them,
    // as full paths in their long form. A path too long for the long form
    // is given as built. A null `out` or `filter`: 0 and
    // CODE_BAD_PARAMETER; not a folder: 0. 0 also when an entry could not
    // be appended (the others are).
    virtual int listFiles(TWQList<WQFile*>* out, IWQFileFilter* filter);
    virtual int listFiles(TWQList<WQFile*>* out);
    virtual int list(TWQList<WQString>* out, IWQFileFilter* filter);
    virtual int list(TWQList<WQString>* out);

    // Failures: 0 and CODE_NOT_FOUND.
    virtual int makeDirectory();
    // This object keeps its path.
    virtual int renameTo(const WQString& newPath);
    // Sets the last-write time of the file. The time is addRef'ed and
    // released, so one with a count of 0 is deleted here. Null, fields
    // that are not a valid time, or a time the system does not set: 0 and
    // CODE_BAD_PARAMETER. The file cannot be opened for writing (a folder,
    // a read-only file): 0 and CODE_OPEN_FAIL.
    virtual int setModifiedTime(WQTime* time);
    // Sets the permissions again as they are (`flag` has no effect).
    virtual int setReadable(int flag);
    // Non-zero allows writing, 0 makes the file read-only.
    virtual int setWritable(int flag);
    // A new open stream on the file (see WQFileStream for the modes), or
    // null for a folder and when it cannot be opened.
    virtual WQFileStream* openStream(int32_t mode);

    uint32_t getLastError() const override { return m_error; }
    // The fixed text of `code`; unknown codes read "Success". The text
    // stays valid until the next call.
    const char* getErrorText(uint32_t code) const override;

    // The folder of the running program in its long form, without a
    // trailing backslash.
    static WQFile* getModuleFolder();

private:
    const char* pathText() const;
    // Appends the entries that `filter` (when given) accepts, through
    // `add`; false when `add` failed for one.
    template <class Add>
    int listEntries(IWQFileFilter* filter, Add add);

    WQString m_path;
    uint32_t m_error;
    mutable WQString m_errorText;
};

} // namespace WQSDK

#endif
