#ifndef VELMO_APP_FILEREMOVAL_H
#define VELMO_APP_FILEREMOVAL_H

#include "base/WQString.h"

namespace Velmo {

// What removeEntry did with its entry.
enum RemovalOutcome {
    // Nothing: the entry names nothing, a folder that is not empty, or a
    // file that could not be touched.
    REMOVAL_LEFT = 0,
    // The file or empty folder is gone.
    REMOVAL_DELETED = 1,
    // The file could not be deleted (in use, read-only) and was moved into
    // the temporary folder under a "del" name, to be deleted at the next
    // restart; its path is free now.
    REMOVAL_MOVED = 2,
    // The file could be neither deleted nor moved; it stays and is
    // scheduled itself for deletion at the next restart.
    REMOVAL_SCHEDULED = 3,
};

// Removes the file or folder named by one manifest entry. Folders are only
// removed when empty. An entry with bytes that are no text of the ANSI code
// page is left alone.
RemovalOutcome removeEntry(const WQSDK::WQString& entry);

} // namespace Velmo

#endif
