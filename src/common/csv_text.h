// CSV text (RFC 4180): one field quoted where it must be, and numbers in their shortest
// text that reads back to the same double, with a decimal point whatever the locale. Shared by
// the batch commands' writer and the forms' results tables.
#pragma once

#include <string>
#include <string_view>

namespace emberlin {

// Appends `text` as one field: as it is, or in double quotes (inner quotes doubled) when it
// holds a comma, a quote or a line end, or starts with a byte-order mark (which a reader
// would take for the file's own when it comes first).
void AppendCsvField(std::string& out, std::string_view text);

// Appends the shortest text that reads back to the same double ("-0" is written as "0").
void AppendShortestNumber(std::string& out, double value);
std::string ShortestNumber(double value);

// The text with the characters HTML and XML give a meaning written as entities; `quotes` also
// the double quote (as attributes and the exports need it).
std::string MarkupEscaped(std::string_view text, bool quotes);

}  // namespace emberlin
