// The placing of a fixed-width table's column captions over the values they head, shared by the
// tests of the two projection tables.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <ostream>
#include <span>
#include <string>

namespace emberlin::forms {

// One caption: the `nth` occurrence (from 1) of `text` on heading line `line` shares columns
// with `value`, a text that occurs once in the row.
struct Caption {
    const char* name;
    std::size_t line;
    const char* text;
    int nth;
    const char* value;
};

inline void PrintTo(const Caption& caption, std::ostream* out) { *out << caption.name; }

inline std::string CaptionName(const ::testing::TestParamInfo<Caption>& row) {
    return row.param.name;
}

inline void ExpectCaptionOverValue(const Caption& c, std::span<const std::string> lines,
                                   const std::string& row) {
    ASSERT_LT(c.line, lines.size());
    const std::string& line = lines[c.line];
    EXPECT_LE(line.size(), row.size());
    const std::string text = c.text;
    const std::string value = c.value;
    std::size_t at = std::string::npos;
    for (std::size_t from = 0, k = 0; k < static_cast<std::size_t>(c.nth); ++k) {
        at = line.find(text, from);
        ASSERT_NE(at, std::string::npos) << "occurrence " << k + 1 << " of \"" << text << "\"";
        from = at + text.size();
    }
    const std::size_t valueAt = row.find(value);
    ASSERT_NE(valueAt, std::string::npos) << value;
    EXPECT_EQ(row.find(value, valueAt + 1), std::string::npos) << value;
    EXPECT_LT(at, valueAt + value.size());
    EXPECT_GT(at + text.size(), valueAt);
}

}  // namespace emberlin::forms
