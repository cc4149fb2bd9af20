#ifndef VELMO_TOOLS_FILETOOLS_H
#define VELMO_TOOLS_FILETOOLS_H

// File helpers shared by the demo installation and the uninstall tests.

#include <string>

namespace VelmoDemo {

// Creates or replaces the file with exactly `contents`; a read-only file of
// that name is made writable first.
bool writeFile(const std::string& path, const std::string& contents);

} // namespace VelmoDemo

#endif
