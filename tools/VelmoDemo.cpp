// Lays down a demo Velmo installation and reports what of it is there.
//
//   VelmoDemo install [--folder F] [--uninstaller EXE] [--no-register]
//   VelmoDemo report  [--folder F]
//
// The default folder is "C:\Program Files\Velmo"; the default uninstaller
// copied into it is VelmoHelper.exe from this program's folder.
#include <cstdio>
#include <cstring>
#include <string>

#include "DemoInstallation.h"

namespace {

int usage()
{
    std::fputs("usage: VelmoDemo install [--folder F] [--uninstaller EXE] [--no-register]\n"
               "       VelmoDemo report [--folder F]\n",
        stderr);
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return usage();
    const std::string command = argv[1];
    VelmoDemo::Options options;
    for (int i = 2; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--folder" && i + 1 < argc)
            options.folder = argv[++i];
        else if (option == "--uninstaller" && i + 1 < argc && command == "install")
            options.uninstaller = argv[++i];
        else if (option == "--no-register" && command == "install")
            options.registerShellExtension = false;
        else
            return usage();
    }
    if (command == "install") {
        const std::string failure = VelmoDemo::install(options);
        if (!failure.empty()) {
            std::fprintf(stderr, "VelmoDemo: %s\n", failure.c_str());
            return 1;
        }
        return 0;
    }
    if (command == "report") {
        const VelmoDemo::State state = VelmoDemo::examine(options.folder);
        std::fputs(VelmoDemo::describe(state).c_str(), stdout);
        const std::string incomplete = VelmoDemo::verifyComplete(state);
        std::printf("installation: %s\n", incomplete.empty() ? "complete" : ("not complete, " + incomplete).c_str());
        return 0;
    }
    return usage();
}
