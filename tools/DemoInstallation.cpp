#include "DemoInstallation.h"

#include "FileTools.h"
#include "RegistryTools.h"

#include <windows.h>

#include <algorithm>

namespace VelmoDemo {

const char* const kProgramFolder = "C:\\Program Files\\Velmo";
const char* const kProductKey = "HKEY_LOCAL_MACHINE\\Software\\Velmo";
const char* const kFileExtsKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\";

namespace {

// Names in code page 936: "说明.txt", the folder "样例" with "示例.jpg" and
// "滤镜.dat" in the plug-in folder.
const char* const kReadmeGbk = "\xcb\xb5\xc3\xf7.txt";
const char* const kSamplesGbk = "\xd1\xf9\xc0\xfd";
const char* const kSampleGbk = "\xca\xbe\xc0\xfd.jpg";
const char* const kFilterGbk = "\xc2\xcb\xbe\xb5.dat";

const char* const kProductSubkey = "Software\\Velmo";

std::string moduleFolder()
{
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return std::string();
    std::string folder(path, length);
    return folder.substr(0, folder.rfind('\\'));
}

std::string lastError(const std::string& what)
{
    return what + " failed (error " + std::to_string(GetLastError()) + ")";
}

bool exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Creates the folder and any missing parents.
bool makeFolder(const std::string& folder)
{
    for (size_t at = folder.find('\\', 3); ; at = folder.find('\\', at + 1)) {
        std::string part = folder.substr(0, at);
        if (!CreateDirectoryA(part.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
            return false;
        if (at == std::string::npos)
            return true;
    }
}

// The value, or "" when it is missing.
std::string stringValue(HKEY root, const std::string& subkey, const char* name)
{
    std::string value;
    return readString(root, subkey, name, value) ? value : std::string();
}

bool runAndWait(const std::string& commandLine)
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::string buffer = commandLine;
    if (!CreateProcessA(nullptr, &buffer[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    DWORD code = 1;
    if (WaitForSingleObject(process.hProcess, 30000) == WAIT_OBJECT_0)
        GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code == 0;
}

std::string fileLinkText()
{
    std::string text = "# File types that owned the image extensions before Velmo\r\n";
    for (const EarlierOwner& owner : earlierOwners())
        text += owner.key + "=" + owner.value + "\r\n";
    return text;
}

// Code page 936 to UTF-8, for text shown on the terminal.
std::string toUtf8(const std::string& text)
{
    int wide = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    if (wide <= 0)
        return text;
    std::wstring buffer(static_cast<size_t>(wide), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, &buffer[0], wide);
    int bytes = WideCharToMultiByte(CP_UTF8, 0, buffer.c_str(), -1, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0)
        return text;
    std::string result(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, buffer.c_str(), -1, &result[0], bytes, nullptr, nullptr);
    result.resize(static_cast<size_t>(bytes - 1));
    return result;
}

} // namespace

std::string verifyComplete(const State& state)
{
    for (const PathState& path : state.paths)
        if (!path.present)
            return "missing " + path.path;
    if (!state.productKey)
        return std::string("missing ") + kProductKey;
    if (!state.fileLink)
        return "missing filelink.txt";
    const std::vector<std::string>& chosen = userChoiceExtensions();
    for (const ExtensionState& item : state.extensions) {
        const std::string type = progId(item.extension);
        const bool hasChoice = std::find(chosen.begin(), chosen.end(), item.extension) != chosen.end();
        if (!item.progIdKey || item.classDefault != type || item.userChoiceKey != hasChoice
            || (hasChoice && item.userChoice != type))
            return "the file type of " + item.extension + " is not as installed";
    }
    return std::string();
}

const std::vector<std::string>& imageExtensions()
{
    static const std::vector<std::string> extensions = {".JPEG", ".JPG", ".PNG", ".JP2", ".BMP", ".GIF", ".PCX",
        ".PGX", ".RAS", ".TGA", ".TIFF", ".TIF", ".JPC", ".PPM", ".PGM", ".PBM", ".ICO", ".ICON", ".WMF"};
    return extensions;
}

std::string progId(const std::string& extension)
{
    return "Velmo" + extension;
}

const std::vector<EarlierOwner>& earlierOwners()
{
    // .JP2 has an empty value, .PCX and the others not listed have no
    // line, and .WMF is written in lower case.
    static const std::vector<EarlierOwner> owners = {
        {".JPEG", "jpegfile"},
        {".JPG", "jpegfile"},
        {".PNG", "pngfile"},
        {".JP2", ""},
        {".BMP", "Paint.Picture"},
        {".GIF", "giffile"},
        {".TIFF", "TIFImage.Document"},
        {".TIF", "TIFImage.Document"},
        {".ICO", "icofile"},
        {".wmf", "WMFImage"},
    };
    return owners;
}

const std::vector<std::string>& userChoiceExtensions()
{
    static const std::vector<std::string> extensions = {".JPG", ".PNG", ".GIF", ".JP2", ".PCX", ".WMF"};
    return extensions;
}

std::vector<std::string> manifestLines(const std::string& folder)
{
    const std::string plugins = folder + "\\plugins";
    const std::string samples = folder + "\\" + kSamplesGbk;
    return {
        folder + "\\Velmo.exe",
        folder + "\\VelmoShellEx.dll",
        folder + "\\readme.txt",
        folder + "\\" + kReadmeGbk,
        plugins + "\\codec.dat",
        plugins + "\\" + kFilterGbk,
        plugins,
        samples + "\\" + kSampleGbk,
        samples + "\\",
        folder + "\\filelink.txt",
        folder + "\\install.txt",
        folder + "\\uninstall.exe",
        folder,
        kProductKey,
    };
}

std::string install(const Options& options)
{
    const std::string& folder = options.folder;
    const std::string tools = moduleFolder();
    const std::string uninstaller = options.uninstaller.empty() ? tools + "\\VelmoHelper.exe" : options.uninstaller;
    const std::string shellExtension =
        options.shellExtension.empty() ? tools + "\\VelmoShellEx.dll" : options.shellExtension;

    for (const std::string& sub : {folder, folder + "\\plugins", folder + "\\" + kSamplesGbk})
        if (!makeFolder(sub))
            return lastError("creating " + sub);

    const struct {
        std::string path;
        std::string contents;
    } files[] = {
        {folder + "\\Velmo.exe", "Velmo image viewer (demo)\r\n"},
        {folder + "\\readme.txt", "Velmo image viewer\r\n"},
        {folder + "\\" + kReadmeGbk, "\xcb\xb5\xc3\xf7\r\n"},
        {folder + "\\plugins\\codec.dat", "codec"},
        {folder + "\\plugins\\" + kFilterGbk, "filter"},
        {folder + "\\" + kSamplesGbk + "\\" + kSampleGbk, "\xff\xd8\xff\xe0 sample"},
        {folder + "\\filelink.txt", fileLinkText()},
    };
    for (const auto& file : files)
        if (!writeFile(file.path, file.contents))
            return lastError("writing " + file.path);
    if (!CopyFileA(shellExtension.c_str(), (folder + "\\VelmoShellEx.dll").c_str(), FALSE))
        return lastError("copying " + shellExtension);
    if (!CopyFileA(uninstaller.c_str(), (folder + "\\uninstall.exe").c_str(), FALSE))
        return lastError("copying " + uninstaller);

    std::string manifest;
    for (const std::string& line : manifestLines(folder))
        manifest += line + "\r\n";
    if (!writeFile(folder + "\\install.txt", manifest))
        return lastError("writing install.txt");

    deleteTree(HKEY_LOCAL_MACHINE, kProductSubkey);
    if (!setString(HKEY_LOCAL_MACHINE, kProductSubkey, "InstallDir", folder)
        || !setString(HKEY_LOCAL_MACHINE, kProductSubkey, "Version", "1.0"))
        return lastError("writing the product key");

    const std::string viewer = "\"" + folder + "\\Velmo.exe\"";
    for (const std::string& extension : imageExtensions()) {
        const std::string type = progId(extension);
        deleteTree(HKEY_CLASSES_ROOT, type);
        const bool written = setString(HKEY_CLASSES_ROOT, type, "", "Velmo " + extension.substr(1) + " image")
            && setString(HKEY_CLASSES_ROOT, type + "\\shell", "", "Open")
            && setString(HKEY_CLASSES_ROOT, type + "\\shell\\Open", "", "&Open")
            && setString(HKEY_CLASSES_ROOT, type + "\\shell\\Open\\Command", "", viewer + " \"%1\"")
            && setString(HKEY_CLASSES_ROOT, type + "\\FriendlyTypeName", "", extension.substr(1) + " image")
            && setString(HKEY_CLASSES_ROOT, type + "\\DefaultIcon", "", viewer + ",1")
            && setString(HKEY_CLASSES_ROOT, extension, "", type);
        if (!written)
            return lastError("writing the file type " + type);
        const std::string choice = std::string(kFileExtsKey) + extension + "\\UserChoice";
        deleteTree(HKEY_CURRENT_USER, choice);
        for (const std::string& chosen : userChoiceExtensions())
            if (chosen == extension && !setString(HKEY_CURRENT_USER, choice, "Progid", type))
                return lastError("writing the user choice of " + extension);
    }

    if (options.registerShellExtension
        && !runAndWait("regsvr32.exe /s \"" + folder + "\\VelmoShellEx.dll\""))
        return "registering the shell extension failed";
    return verifyComplete(examine(folder));
}

State examine(const std::string& folder)
{
    State state;
    std::vector<std::string> lines = manifestLines(folder);
    lines.pop_back();
    for (const std::string& line : lines)
        state.paths.push_back({line, exists(line)});
    state.productKey = keyExists(HKEY_LOCAL_MACHINE, kProductSubkey);
    for (const std::string& extension : imageExtensions()) {
        ExtensionState item;
        item.extension = extension;
        item.progIdKey = keyExists(HKEY_CLASSES_ROOT, progId(extension));
        item.classKey = keyExists(HKEY_CLASSES_ROOT, extension);
        item.classDefault = stringValue(HKEY_CLASSES_ROOT, extension, "");
        const std::string choice = std::string(kFileExtsKey) + extension + "\\UserChoice";
        item.userChoiceKey = keyExists(HKEY_CURRENT_USER, choice);
        item.userChoice = stringValue(HKEY_CURRENT_USER, choice, "Progid");
        state.extensions.push_back(item);
    }
    state.fileLink = exists(folder + "\\filelink.txt");
    return state;
}

std::string describe(const State& state)
{
    std::string text;
    for (const PathState& path : state.paths)
        text += (path.present ? "present  " : "gone     ") + toUtf8(path.path) + "\n";
    text += (state.fileLink ? "present  " : "gone     ") + std::string("filelink.txt\n");
    text += (state.productKey ? "present  " : "gone     ") + std::string(kProductKey) + "\n";
    for (const ExtensionState& item : state.extensions) {
        text += (item.progIdKey ? "present  " : "gone     ") + progId(item.extension);
        text += std::string(12 - item.extension.size(), ' ');
        text += item.extension + " -> " + (item.classKey ? "\"" + item.classDefault + "\"" : "(no key)");
        if (item.userChoiceKey)
            text += ", user choice \"" + item.userChoice + "\"";
        text += "\n";
    }
    return text;
}

} // namespace VelmoDemo
