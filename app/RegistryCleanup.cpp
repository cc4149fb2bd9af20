#include "RegistryCleanup.h"

#include <windows.h>
#include <shlobj.h>

#include "AnsiText.h"
#include "base/WQFile.h"
#include "base/WQWindowsVersion.h"

namespace Velmo {

using WQSDK::WQFile;
using WQSDK::WQParam;
using WQSDK::WQString;

namespace {

const char* const kExtensions[RegistryCleanup::EXTENSION_COUNT] = {".JPEG", ".JPG", ".PNG", ".JP2", ".BMP", ".GIF",
    ".PCX", ".PGX", ".RAS", ".TGA", ".TIFF", ".TIF", ".JPC", ".PPM", ".PGM", ".PBM", ".ICO", ".ICON", ".WMF"};

const struct {
    const char* name;
    HKEY key;
} kRoots[] = {
    {"HKEY_CLASSES_ROOT", HKEY_CLASSES_ROOT},
    {"HKEY_CURRENT_USER", HKEY_CURRENT_USER},
    {"HKEY_LOCAL_MACHINE", HKEY_LOCAL_MACHINE},
    {"HKEY_USERS", HKEY_USERS},
    {"HKEY_CURRENT_CONFIG", HKEY_CURRENT_CONFIG},
};

const char* const kUserChoicePrefix = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\";

const char* textOf(const WQString& text)
{
    return text.c_str() != nullptr ? text.c_str() : "";
}

HKEY findRoot(const WQString& name)
{
    for (const auto& root : kRoots)
        if (name.compareNoCase(root.name) == 0)
            return root.key;
    return nullptr;
}

// Deletes the subkey `child` (which must have no subkeys of its own) of
// HKEY_CLASSES_ROOT\parent.
void deleteSubkey(const WQString& parent, const char* child)
{
    HKEY key;
    if (RegOpenKeyA(HKEY_CLASSES_ROOT, textOf(parent), &key) != ERROR_SUCCESS)
        return;
    RegDeleteKeyA(key, child);
    RegCloseKey(key);
}

int writeString(HKEY root, const char* subkey, const char* name, const WQString& value)
{
    HKEY key;
    if (RegOpenKeyExA(root, subkey, 0, KEY_WRITE, &key) != ERROR_SUCCESS)
        return 0;
    // The size includes the terminator.
    LONG result = RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(textOf(value)),
        static_cast<DWORD>(value.length() + 1));
    RegCloseKey(key);
    return result == ERROR_SUCCESS ? 1 : 0;
}

} // namespace

const char* RegistryCleanup::extension(int index)
{
    return index >= 0 && index < EXTENSION_COUNT ? kExtensions[index] : nullptr;
}

RegistryCleanup::RegistryCleanup(const WQString& programFolder, const WQParam& associations)
    : m_programFolder(programFolder)
    , m_associations(associations)
{
}

int RegistryCleanup::removeRegistryEntry(const WQString& entry)
{
    // The registry would drop the bytes that are no text of the code page
    // and could delete another key.
    if (!isWellFormedAnsi(entry))
        return 0;
    WQString rootName("HKEY_CLASSES_ROOT");
    WQString keyPath(entry);
    const int backslash = entry.indexOf('\\');
    if (!entry.isEmpty() && backslash >= 0) {
        // An entry that starts with a backslash leaves an empty root name,
        // which matches no root.
        rootName.assign(entry.c_str(), backslash);
        keyPath.assign(entry.c_str() + backslash + 1);
    }
    HKEY root = findRoot(rootName);
    if (root == nullptr)
        return 0;
    HKEY rootKey;
    if (RegOpenKeyA(root, nullptr, &rootKey) != ERROR_SUCCESS)
        return 0;
    // Fails for a missing key and for one that still has subkeys.
    if (RegDeleteKeyA(rootKey, textOf(keyPath)) != ERROR_SUCCESS) {
        RegCloseKey(rootKey);
        return 0;
    }
    RegCloseKey(rootKey);

    for (int i = 0; i < EXTENSION_COUNT; ++i)
        restoreAssociation(kExtensions[i]);
    // Without this Explorer would go on showing the viewer's icons until
    // the next logon.
    SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);

    WQFile fileLink(m_programFolder.concat("\\filelink.txt"));
    fileLink.remove();
    return 1;
}

int RegistryCleanup::restoreAssociation(const char* extension)
{
    // RegDeleteKeyA removes only keys without subkeys, so the tree goes
    // from its leaves to its root; a step whose key is missing just fails.
    const WQString type = WQString("Velmo").concat(extension);
    const WQString shell = type.concat("\\shell");
    const WQString open = shell.concat("\\Open");
    deleteDefaultValue(open.concat("\\Command"));
    deleteSubkey(open, "Command");
    deleteSubkey(shell, "Open");
    deleteDefaultValue(shell);
    deleteSubkey(type, "shell");
    deleteDefaultValue(type.concat("\\FriendlyTypeName"));
    deleteSubkey(type, "FriendlyTypeName");
    deleteDefaultValue(type.concat("\\DefaultIcon"));
    deleteSubkey(type, "DefaultIcon");
    deleteDefaultValue(type);
    deleteSubkey(WQString(""), textOf(type));

    const WQString owner = m_associations.getString(extension, "");
    if (!owner.isEmpty())
        setAssociation(extension, owner);
    return 1;
}

int RegistryCleanup::deleteDefaultValue(const WQString& subkey)
{
    HKEY key;
    if (RegOpenKeyA(HKEY_CLASSES_ROOT, textOf(subkey), &key) != ERROR_SUCCESS)
        return 0;
    LONG result = RegDeleteValueA(key, "");
    RegCloseKey(key);
    return result == ERROR_SUCCESS ? 1 : 0;
}

int RegistryCleanup::setAssociation(const char* extension, const WQString& fileType)
{
    // Windows 7 keeps the user's choice in Explorer's per-user key, which
    // wins over the extension's default value; it is only updated, never
    // created.
    if (WQSDK::getWindowsVersion() == WQSDK::WQ_WINDOWS_7) {
        const WQString choice = WQString(kUserChoicePrefix).concat(extension).concat("\\UserChoice");
        return writeString(HKEY_CURRENT_USER, textOf(choice), "Progid", fileType);
    }
    return writeString(HKEY_CLASSES_ROOT, extension, "", fileType);
}

} // namespace Velmo
