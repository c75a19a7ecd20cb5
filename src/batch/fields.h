// Finding columns by name and reading checked values from a record.
#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace emberlin::batch {

// What a value must be: within min..max (both included) and, for fields the engine takes
// as integers, a whole number.
struct ValueRule {
    double min = 0;
    double max = 0;
    bool integer = false;
};

// An input column of a form's field: its name and another it may go by ("" for none), and
// the field whose range checks its values.
struct FieldColumn {
    std::array<std::string_view, 2> names;
    std::string_view field;
};

// The heading row of an input.
class Header {
  public:
    explicit Header(std::span<const std::string_view> names);

    // Index of the column whose name equals one of `names` in any letter case (an empty name
    // stands for none). A second such column ("mon" and "month", "FFMC" and "ffmc") is kept
    // as the Duplicate() problem.
    std::optional<std::size_t> Find(std::initializer_list<std::string_view> names);
    // "columns mon and month give the same input; keep one" for the first two columns a
    // Find met for one input, or "".
    const std::string& Duplicate() const { return duplicate_; }
    const std::string& Name(std::size_t column) const { return names_[column]; }
    std::size_t Size() const { return names_.size(); }
    // Marks a column as read by the command (for the note on columns passed through).
    void Use(std::optional<std::size_t> column);
    // The columns the command does not read, in input order.
    std::vector<std::size_t> Unused() const;

  private:
    std::vector<std::string> names_;
    std::vector<bool> used_;
    std::string duplicate_;
};

// Reads the values of one record; the first problem is kept as "column X: ..." text.
class RecordValues {
  public:
    RecordValues(const Header& header, std::span<const std::string_view> fields)
        : header_(header), fields_(fields) {}

    // A value that must be there.
    bool Required(std::size_t column, const ValueRule& rule, double& value);
    // A value that may be blank or whose column may be absent: then `value` stays as it is.
    bool Optional(std::optional<std::size_t> column, const ValueRule& rule, double& value);
    // Text of a field without surrounding blanks.
    std::string_view Text(std::size_t column) const;
    // Records a problem with a column (the first one wins); returns false.
    bool Refuse(std::size_t column, const std::string& what);
    const std::string& Problem() const { return problem_; }

  private:
    bool Check(std::size_t column, std::string_view text, const ValueRule& rule, double& value);

    const Header& header_;
    std::span<const std::string_view> fields_;
    std::string problem_;
};

// Each column's last text and its value: a text like the previous record's (the site, the
// date, no rain) takes that record's value without being read again.
template <std::size_t N>
class RepeatedValues {
  public:
    // Column `column` of `values` as a value that must be there; `c` is its entry here.
    bool Required(RecordValues& values, std::size_t c, std::size_t column, const ValueRule& rule,
                  double& value) {
        const std::string_view text = values.Text(column);
        if (!text.empty() && text == texts_[c]) {
            value = values_[c];
            return true;
        }
        if (!values.Required(column, rule, value)) return false;
        texts_[c].assign(text);
        values_[c] = value;
        return true;
    }
    // The last value entry `c` took (0 before any).
    double Last(std::size_t c) const { return values_[c]; }

  private:
    std::array<std::string, N> texts_;
    std::array<double, N> values_{};
};

// The rule of a field of the FWI calculator, the FBP calculator, the diurnal weather form or
// the Fire Behaviour by Hour form, by its control id ("relativeHumidity", "elapsedTime", ...),
// read from the forms' field declarations. Throws std::out_of_range for an id the form does not
// have.
ValueRule FwiFormRange(std::string_view fieldId);
ValueRule FbpFormRange(std::string_view fieldId);
ValueRule DiurnalFormRange(std::string_view fieldId);
ValueRule FireByHourFormRange(std::string_view fieldId);

// The temperature of a day of the FWI System over station seasons (fwi and the Python module):
// they run below freezing and above 40 deg C, and the daily equations hold there (their -1.1
// and -2.8 deg C limits exist for it). The FWI calculator window keeps its own range.
inline constexpr ValueRule kFwiSeasonTemperature = {-50, 60, false};

// "30", "-170", "0.3": the shortest text of a bound.
std::string BoundText(double value);

// The text in double quotes, as refusals show a value that is not a number.
std::string Quoted(std::string_view text);

// Letters compared without regard to case (ASCII).
bool EqualsNoCase(std::string_view a, std::string_view b);

}  // namespace emberlin::batch
