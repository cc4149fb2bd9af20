#include "FileRemoval.h"

#include <cstdio>

#include <windows.h>

#include "AnsiText.h"
#include "base/WQFile.h"

namespace Velmo {

using WQSDK::WQFile;
using WQSDK::WQString;

namespace {

bool scheduleDeletion(const char* path)
{
    // A read-only file can survive the deletion at restart; this one was
    // installed by us and is going anyway.
    DWORD attributes = GetFileAttributesA(path);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        SetFileAttributesA(path, attributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY));
    return MoveFileExA(path, nullptr, MOVEFILE_DELAY_UNTIL_REBOOT) != 0;
}

} // namespace

RemovalOutcome removeEntry(const WQString& entry)
{
    // Bytes that are no text of the code page would be dropped on the way
    // to the file system, and the rest could name another file.
    if (!isWellFormedAnsi(entry))
        return REMOVAL_LEFT;
    const char* path = entry.c_str() != nullptr ? entry.c_str() : "";
    WQFile file(entry);
    if (file.isDirectory()) {
        if (RemoveDirectoryA(path))
            return REMOVAL_DELETED;
    } else if (std::remove(path) == 0) {
        return REMOVAL_DELETED;
    }
    // A folder that could not be removed is left alone; only files are
    // moved out of the way.
    if (!file.isFile())
        return REMOVAL_LEFT;

    char folder[MAX_PATH];
    char name[MAX_PATH];
    DWORD length = GetTempPathA(MAX_PATH, folder);
    if (length == 0 || length >= MAX_PATH)
        return REMOVAL_LEFT;
    // Creates an empty file under a new name, which the move replaces.
    if (GetTempFileNameA(folder, "del", 0, name) == 0)
        return REMOVAL_LEFT;
    // A loaded program or library cannot be deleted but can be moved, which
    // frees its path at once.
    if (MoveFileExA(path, name, MOVEFILE_REPLACE_EXISTING)) {
        scheduleDeletion(name);
        return REMOVAL_MOVED;
    }
    // Open without delete sharing, or the temporary folder lies on another
    // volume: leave no empty "del" file behind and have the entry itself
    // deleted at the next restart.
    DeleteFileA(name);
    return scheduleDeletion(path) ? REMOVAL_SCHEDULED : REMOVAL_LEFT;
}

} // namespace Velmo
