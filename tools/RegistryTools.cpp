#include "RegistryTools.h"

namespace VelmoDemo {

bool keyExists(HKEY root, const std::string& subkey)
{
    HKEY key;
    if (RegOpenKeyExA(root, subkey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

bool readString(HKEY root, const std::string& subkey, const char* name, std::string& value)
{
    HKEY key;
    if (RegOpenKeyExA(root, subkey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    char buffer[1024] = {};
    DWORD size = sizeof buffer - 1;
    DWORD type = 0;
    LONG result = RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS || type != REG_SZ)
        return false;
    value.assign(buffer);
    return true;
}

bool setString(HKEY root, const std::string& subkey, const char* name, const std::string& value)
{
    HKEY key;
    if (RegCreateKeyExA(root, subkey.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    LONG result = RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
        static_cast<DWORD>(value.size() + 1));
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

void deleteTree(HKEY root, const std::string& subkey)
{
    RegDeleteTreeA(root, subkey.c_str());
    RegDeleteKeyA(root, subkey.c_str());
}

} // namespace VelmoDemo
