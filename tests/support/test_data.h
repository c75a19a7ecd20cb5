// Where the tests find their data files (tests/data). ctest passes the folder in the
// environment, so no absolute path is compiled into a test object and every clone of the
// repository shares the compiler cache.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

namespace emberlin::test_files {

inline std::string TestDataPath(const std::string& name) {
    const char* folder = std::getenv("EMBERLIN_TEST_DATA_DIR");
    if (folder != nullptr && *folder != '\0') return std::string(folder) + "/" + name;
    // Run by hand from the checkout or from a build tree inside it.
    for (const std::string candidate : {"tests/data/", "../tests/data/"}) {
        if (std::filesystem::exists(candidate + name)) return candidate + name;
    }
    return "tests/data/" + name;
}

}  // namespace emberlin::test_files
