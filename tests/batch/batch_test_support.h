// What the batch command tests share: reading back what a run wrote, and its CSV as rows.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "batch/csv.h"

namespace emberlin::batch::testing_support {

using Table = std::vector<std::vector<std::string>>;

// Everything written to `file` so far.
inline std::string ReadFile(std::FILE* file) {
    std::rewind(file);
    std::string text;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
        text.append(buffer, n);
    return text;
}

// The CSV text as rows of fields; a text the reader refuses fails the test.
inline Table ParseCsv(const std::string& text) {
    CsvReader reader(text);
    Table table;
    while (reader.Next()) table.emplace_back(reader.Fields().begin(), reader.Fields().end());
    EXPECT_FALSE(reader.Failed()) << reader.Error();
    return table;
}

}  // namespace emberlin::batch::testing_support
