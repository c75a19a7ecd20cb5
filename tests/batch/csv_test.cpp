// The CSV reader and writer: what RFC 4180 allows in, line numbers, and exact round trips.
#include "batch/csv.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <string>
#include <vector>

#include "common/number_text.h"

namespace emberlin::batch {
namespace {

using Records = std::vector<std::vector<std::string>>;

struct ReadCase {
    const char* name;
    std::string text;
    Records records;
    std::vector<long> lines;  // where each record starts
};

std::pair<Records, std::vector<long>> ReadAll(CsvReader& reader) {
    Records records;
    std::vector<long> lines;
    while (reader.Next()) {
        records.emplace_back(reader.Fields().begin(), reader.Fields().end());
        lines.push_back(reader.Line());
    }
    return {records, lines};
}

class CsvRead : public testing::TestWithParam<ReadCase> {};

TEST_P(CsvRead, RecordsAndLines) {
    const ReadCase& c = GetParam();
    CsvReader fromMemory(c.text);
    const auto [records, lines] = ReadAll(fromMemory);
    EXPECT_FALSE(fromMemory.Failed()) << fromMemory.Error();
    EXPECT_EQ(records, c.records);
    EXPECT_EQ(lines, c.lines);

    // The same through a file.
    std::FILE* file = std::tmpfile();
    std::fwrite(c.text.data(), 1, c.text.size(), file);
    std::rewind(file);
    CsvReader fromFile(file);
    EXPECT_EQ(ReadAll(fromFile).first, c.records);
    std::fclose(file);
}

INSTANTIATE_TEST_SUITE_P(
    Rfc4180, CsvRead,
    testing::Values(ReadCase{"Lf", "a,b\n1,2\n", {{"a", "b"}, {"1", "2"}}, {1, 2}},
                    ReadCase{"CrLfNoFinalEnd", "a,b\r\n1,2", {{"a", "b"}, {"1", "2"}}, {1, 2}},
                    ReadCase{"ByteOrderMark",
                             "\xEF\xBB\xBF"
                             "a,b\r\n1,2\r\n",
                             {{"a", "b"}, {"1", "2"}},
                             {1, 2}},
                    ReadCase{"EmptyLinesSkipped", "\n\na\r\n\r\n  \nb\n\n", {{"a"}, {"b"}}, {3, 6}},
                    ReadCase{
                        "QuotedCommaQuoteNewline",
                        "id,x\n\"North, \"\"Bay\"\"\nStation\",1\n\"\",\"2\"\nlast,3\n",
                        {{"id", "x"}, {"North, \"Bay\"\nStation", "1"}, {"", "2"}, {"last", "3"}},
                        {1, 2, 4, 5}},
                    ReadCase{"BlanksKept", " a , b \n", {{" a ", " b "}}, {1}},
                    ReadCase{"EmptyFields", ",,\n", {{"", "", ""}}, {1}},
                    ReadCase{"LoneCarriageReturns", "a\rb\rc", {{"a"}, {"b"}, {"c"}}, {1, 2, 3}},
                    ReadCase{"Empty", "", {}, {}}, ReadCase{"OnlyAMark", "\xEF\xBB\xBF", {}, {}}),
    [](const testing::TestParamInfo<ReadCase>& row) { return std::string(row.param.name); });

struct RefusalCase {
    const char* name;
    std::string text;
    const char* error;
    std::size_t recordsBefore;  // handed out before the problem is told
};

class CsvRefuse : public testing::TestWithParam<RefusalCase> {};

TEST_P(CsvRefuse, SaysWhereAndStops) {
    CsvReader reader(GetParam().text);
    std::size_t records = 0;
    while (reader.Next()) ++records;
    EXPECT_TRUE(reader.Failed());
    EXPECT_EQ(reader.Error(), GetParam().error);
    EXPECT_EQ(records, GetParam().recordsBefore);
}

INSTANTIATE_TEST_SUITE_P(
    Malformed, CsvRefuse,
    testing::Values(
        RefusalCase{"QuoteNeverClosed", "a\n\"b\nc\n", "line 2: a quoted field is not closed", 1},
        RefusalCase{"QuoteInsidePlainField", "a\nb\"c\n",
                    "line 2: a quote inside a field that is not quoted, or text after a closing "
                    "quote",
                    1},
        RefusalCase{"TextAfterClosingQuote", "a\n\"b\"c\n",
                    "line 2: a quote inside a field that is not quoted, or text after a closing "
                    "quote",
                    1},
        // The records after the refused one in the same read are not handed out either.
        RefusalCase{"NulAmongRecords", std::string("a\r\n\"x\ny\"\nb") + '\0' + "\nc\nd\n",
                    "line 4: a NUL byte in field 1: text files hold none", 2}),
    [](const testing::TestParamInfo<RefusalCase>& row) { return std::string(row.param.name); });

// Records longer than a read block, and many records, come through whole and in order.
TEST(CsvReader, RecordsAcrossReadBlocks) {
    std::string text = "name,value\n";
    const std::string longField(200000, 'x');
    text += "\"" + longField + "\n" + longField + "\",1\n";
    for (int i = 0; i < 50000; ++i)
        text += "row" + std::to_string(i) + "," + std::to_string(i) + "\n";
    std::FILE* file = std::tmpfile();
    std::fwrite(text.data(), 1, text.size(), file);
    std::rewind(file);
    CsvReader reader(file);
    ASSERT_TRUE(reader.Next());
    ASSERT_TRUE(reader.Next());
    EXPECT_EQ(reader.Fields()[0], longField + "\n" + longField);
    EXPECT_EQ(reader.Fields()[1], "1");
    int rows = 0;
    while (reader.Next()) {
        ASSERT_EQ(reader.Fields().size(), 2u);
        ASSERT_EQ(reader.Fields()[1], std::to_string(rows));
        ASSERT_EQ(reader.Line(), rows + 4);
        ++rows;
    }
    EXPECT_FALSE(reader.Failed());
    EXPECT_EQ(rows, 50000);
    EXPECT_EQ(reader.BytesRead(), text.size());
    std::fclose(file);
}

// What the writer quotes reads back the same; numbers read back to the same double.
TEST(CsvWriter, RoundTrips) {
    const std::vector<std::string> fields = {"plain",        "a,b", "say \"hi\"",
                                             "two\r\nlines", "",    " blanks "};
    const std::vector<double> numbers = {
        0.1, 87.69298009277445, 1e-300, 123456789012345680.0, -170, 5e-324};
    std::FILE* file = std::tmpfile();
    {
        CsvWriter writer(file);
        for (const std::string& f : fields) writer.Field(f);
        writer.EndRow();
        for (double n : numbers) writer.Number(n);
        writer.Number(-0.0);
        writer.EndRow();
        ASSERT_TRUE(writer.Flush());
    }
    std::rewind(file);
    CsvReader reader(file);
    ASSERT_TRUE(reader.Next());
    EXPECT_EQ(std::vector<std::string>(reader.Fields().begin(), reader.Fields().end()), fields);
    ASSERT_TRUE(reader.Next());
    ASSERT_EQ(reader.Fields().size(), numbers.size() + 1);
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        EXPECT_EQ(std::strtod(std::string(reader.Fields()[i]).c_str(), nullptr), numbers[i])
            << reader.Fields()[i];
    }
    EXPECT_EQ(reader.Fields()[1], "87.69298009277445");
    EXPECT_EQ(reader.Fields().back(), "0");
    EXPECT_FALSE(reader.Next());
    std::fclose(file);
}

}  // namespace
}  // namespace emberlin::batch
