// Where the tests find their data files (tests/data). ctest passes the folder in the
// environment, so no absolute path is compiled into a test object and every clone of the
// repository shares the compiler cache.
#pragma once

#include <cstdlib>
#include <string>

namespace emberlin::test_files {

inline std::string TestDataPath(const std::string& name) {
    const char* folder = std::getenv("EMBERLIN_TEST_DATA_DIR");
    // Run by hand from the build tree: the data sits beside it in the checkout.
    return std::string(folder != nullptr && *folder != '\0' ? folder : "../tests/data") + "/" +
           name;
}

}  // namespace emberlin::test_files
