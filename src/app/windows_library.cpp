#include "app/windows_library.h"

#include <dlfcn.h>
#include <unistd.h>

#include <cstdio>
#include <vector>

namespace emberlin::app {

namespace {

// The folder of the running program, with its trailing slash ("" when the system will not
// say, and then the library is looked for by name alone).
std::string ProgramFolder() {
    std::vector<char> path(4096);
    const ssize_t length = readlink("/proc/self/exe", path.data(), path.size());
    if (length <= 0 || static_cast<size_t>(length) >= path.size()) return {};
    const std::string program(path.data(), static_cast<size_t>(length));
    const size_t slash = program.rfind('/');
    return slash == std::string::npos ? std::string() : program.substr(0, slash + 1);
}

}  // namespace

int RunWindowsLibrary(const char* file, int argc, char** argv, const std::string& scenarioPath) {
    const std::string folder = ProgramFolder();
    // EMBERLIN_WINDOWS_FOLDER: the install's library folder seen from its program folder
    // ("../lib/emberlin" or the like).
    const std::string candidates[] = {folder + file, folder + EMBERLIN_WINDOWS_FOLDER + "/" + file};
    std::string problems;
    for (const std::string& candidate : candidates) {
        // Bound as the dynamic loader binds a program: RTLD_LAZY looks each toolkit function
        // up on its first call rather than every one the windows could make (some 4 million
        // instructions of each start), and RTLD_DEEPBIND looks in the library and the
        // toolkit first, where nearly every one of its symbols is, before the program's own
        // few libraries.
        void* library = dlopen(candidate.c_str(), RTLD_LAZY | RTLD_LOCAL | RTLD_DEEPBIND);
        if (library == nullptr) {
            problems += std::string("\n  ") + dlerror();
            continue;
        }
        auto entry = reinterpret_cast<WindowsEntry>(dlsym(library, kWindowsEntryName));
        if (entry == nullptr) {
            problems += "\n  " + candidate + ": no " + kWindowsEntryName;
            continue;
        }
        // The library stays loaded to the end: Qt's objects outlive the entry point's return
        // until the program exits.
        return entry(argc, argv, scenarioPath.c_str());
    }
    std::fprintf(stderr, "emberlin: the windows could not be loaded:%s\n", problems.c_str());
    return 1;
}

}  // namespace emberlin::app
