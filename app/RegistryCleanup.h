#ifndef VELMO_APP_REGISTRYCLEANUP_H
#define VELMO_APP_REGISTRYCLEANUP_H

#include "base/WQParam.h"
#include "base/WQString.h"

namespace Velmo {

// Removes the product's registry key named by the manifest's last entry
// and, once that succeeded, the viewer's file types of the image
// extensions, giving each extension back to its earlier owner.
class RegistryCleanup {
public:
    // Number of image extensions; extension(i) gives them in the order in
    // which they are handled, with the dot and in upper case.
    static const int EXTENSION_COUNT = 19;
    static const char* extension(int index);

    // `associations` maps an extension (case-sensitive) to the file type
    // that owned it before the viewer; an absent or empty value restores
    // nothing. Both are only read, and must outlive this object.
    RegistryCleanup(const WQSDK::WQString& programFolder, const WQSDK::WQParam& associations);

    // `entry` is a root-key name ("HKEY_LOCAL_MACHINE" and the other four,
    // any letter case), a backslash and the key's path; without a
    // backslash the whole entry is a key below HKEY_CLASSES_ROOT. Deletes
    // the key (only a key without subkeys can be deleted); then restores
    // every extension, tells the shell that associations changed and
    // deletes filelink.txt in the program folder. 1 when the key was
    // deleted; 0, with nothing else done, when the root is unknown, the
    // entry has bytes that are no text of the ANSI code page, or the key
    // cannot be deleted.
    int removeRegistryEntry(const WQSDK::WQString& entry);

    // Deletes the viewer's file type "Velmo" + extension below
    // HKEY_CLASSES_ROOT from its leaves to its root, each step regardless
    // of the others, then writes the earlier owner back if there is one.
    // Always 1.
    int restoreAssociation(const char* extension);

    // Deletes the default value of HKEY_CLASSES_ROOT\subkey: 1 when it was
    // deleted.
    static int deleteDefaultValue(const WQSDK::WQString& subkey);

    // Gives the extension back to `fileType`: on Windows 7 in the per-user
    // choice of Explorer, only if that key exists; elsewhere as the default
    // value of HKEY_CLASSES_ROOT\extension, only if that key exists. 1 when
    // a value was written.
    static int setAssociation(const char* extension, const WQSDK::WQString& fileType);

private:
    const WQSDK::WQString& m_programFolder;
    const WQSDK::WQParam& m_associations;
};

} // namespace Velmo

#endif
