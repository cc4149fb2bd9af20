#ifndef VELMO_TOOLS_DEMOINSTALLATION_H
#define VELMO_TOOLS_DEMOINSTALLATION_H

// A complete Velmo installation as the installer leaves it, laid down on
// the machine (in practice a throw-away Wine prefix), and a look at what of
// it is left afterwards. Used by the demo and as the fixture of the
// uninstall tests.

#include <string>
#include <vector>

namespace VelmoDemo {

// Where the installation goes unless told otherwise; the blank in the path
// is on purpose.
extern const char* const kProgramFolder;
// The product key, the last line of install.txt.
extern const char* const kProductKey;
// Below HKEY_CURRENT_USER: followed by the extension and "\UserChoice".
extern const char* const kFileExtsKey;

// The image extensions whose file types the installation takes over, in
// the order in which the uninstaller handles them.
const std::vector<std::string>& imageExtensions();

// The installation's own file type of an extension: "Velmo" + extension.
std::string progId(const std::string& extension);

// How filelink.txt records the earlier owner of an extension.
struct EarlierOwner {
    std::string key;   // as written in the file (one of them in lower case)
    std::string value; // may be empty
};
const std::vector<EarlierOwner>& earlierOwners();

// Extensions for which the installation leaves a per-user choice
// (UserChoice "Progid" = its own file type).
const std::vector<std::string>& userChoiceExtensions();

struct Options {
    std::string folder = kProgramFolder;
    // Copied as "uninstall.exe"; empty: VelmoHelper.exe from the folder of
    // the running program.
    std::string uninstaller;
    // Copied as "VelmoShellEx.dll"; empty: from the folder of the running
    // program.
    std::string shellExtension;
    // Register the shell extension with regsvr32 (and wait for it).
    bool registerShellExtension = true;
};

// Lays the installation down, replacing whatever an earlier one left, and
// checks that all of it is there. Returns "" on success, else what went
// wrong.
std::string install(const Options& options);

// The lines of install.txt for an installation in `folder` (files first,
// folders after their contents, the product key last).
std::vector<std::string> manifestLines(const std::string& folder);

struct PathState {
    std::string path;
    bool present;
};

struct ExtensionState {
    std::string extension;
    bool progIdKey;           // HKEY_CLASSES_ROOT\Velmo<ext> exists
    bool classKey;            // HKEY_CLASSES_ROOT\<ext> exists
    std::string classDefault; // its default value ("" when it has none)
    bool userChoiceKey;       // the per-user choice key exists
    std::string userChoice;   // its "Progid" value ("" when it has none)
};

struct State {
    std::vector<PathState> paths; // every file and folder of the manifest
    bool productKey = false;
    std::vector<ExtensionState> extensions; // in imageExtensions() order
    bool fileLink = false;                  // filelink.txt exists
};

State examine(const std::string& folder);

// "" when the state is that of a complete installation, else the first
// thing missing.
std::string verifyComplete(const State& state);

// The state as readable text, one line per item (names in UTF-8).
std::string describe(const State& state);

} // namespace VelmoDemo

#endif
