#ifndef VELMO_TOOLS_REGISTRYTOOLS_H
#define VELMO_TOOLS_REGISTRYTOOLS_H

// Registry look-ups and changes shared by the demo installation and the
// uninstall tests.

#include <windows.h>

#include <string>

namespace VelmoDemo {

bool keyExists(HKEY root, const std::string& subkey);
// false when the key or the value is missing or not REG_SZ.
bool readString(HKEY root, const std::string& subkey, const char* name, std::string& value);
// Creates the key when it is missing.
bool setString(HKEY root, const std::string& subkey, const char* name, const std::string& value);
// The key with everything below it.
void deleteTree(HKEY root, const std::string& subkey);

} // namespace VelmoDemo

#endif
