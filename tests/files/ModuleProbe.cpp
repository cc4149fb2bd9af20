// Started by the file tests: writes its module name and its module folder,
// one per line, into the file named by its argument.
#include <cstdio>

#include <windows.h>

#include "base/WQFile.h"

int main(int argc, char** argv)
{
    if (argc < 2)
        return 2;
    char module[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, module, MAX_PATH);
    WQSDK::WQFile* folder = WQSDK::WQFile::getModuleFolder();
    if (folder == nullptr)
        return 3;
    std::FILE* out = std::fopen(argv[1], "wb");
    if (out == nullptr)
        return 4;
    std::fprintf(out, "%s\n%s", module, folder->getPath().c_str());
    std::fclose(out);
    folder->release();
    return 0;
}
