#include "batch/fields.h"

#include <charconv>
#include <cmath>

#include "common/number_text.h"
#include "forms/fields/field_declarations.h"

namespace emberlin::batch {

namespace {

std::string_view Trim(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Lower(a[i]) != Lower(b[i])) return false;
    }
    return true;
}

std::string Quoted(std::string_view text) {
    std::string quoted;
    quoted.reserve(text.size() + 2);
    quoted.push_back('"');
    quoted.append(text);
    quoted.push_back('"');
    return quoted;
}

std::string BoundText(double value) {
    if (value == 0.0) value = 0.0;
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

Header::Header(std::span<const std::string_view> names) : used_(names.size(), false) {
    names_.reserve(names.size());
    for (std::string_view name : names) names_.emplace_back(Trim(name));
}

std::optional<std::size_t> Header::Find(std::initializer_list<std::string_view> names) {
    std::optional<std::size_t> found;
    for (std::size_t column = 0; column < names_.size(); ++column) {
        for (std::string_view name : names) {
            if (name.empty() || !EqualsNoCase(names_[column], name)) continue;
            if (!found) {
                found = column;
            } else if (duplicate_.empty()) {
                duplicate_ = "columns " + names_[*found] + " and " + names_[column] +
                             " give the same input; keep one";
            }
            break;
        }
    }
    return found;
}

void Header::Use(std::optional<std::size_t> column) {
    if (column) used_[*column] = true;
}

std::vector<std::size_t> Header::Unused() const {
    std::vector<std::size_t> unused;
    for (std::size_t column = 0; column < names_.size(); ++column) {
        if (!used_[column]) unused.push_back(column);
    }
    return unused;
}

std::string_view RecordValues::Text(std::size_t column) const { return Trim(fields_[column]); }

bool RecordValues::Refuse(std::size_t column, const std::string& what) {
    if (problem_.empty()) problem_ = "column " + header_.Name(column) + ": " + what;
    return false;
}

bool RecordValues::Check(std::size_t column, std::string_view text, const ValueRule& rule,
                         double& value) {
    const std::optional<double> number = ParseDouble(text);
    if (!number) return Refuse(column, Quoted(text) + " is not a number");
    if (rule.integer && *number != std::trunc(*number)) {
        return Refuse(column, std::string(text) + " is not a whole number");
    }
    if (*number < rule.min || *number > rule.max) {
        return Refuse(column, std::string(text) + " is outside " + BoundText(rule.min) + " to " +
                                  BoundText(rule.max));
    }
    value = *number;
    return true;
}

bool RecordValues::Required(std::size_t column, const ValueRule& rule, double& value) {
    const std::string_view text = Text(column);
    if (text.empty()) return Refuse(column, "no value");
    return Check(column, text, rule, value);
}

bool RecordValues::Optional(std::optional<std::size_t> column, const ValueRule& rule,
                            double& value) {
    if (!column) return true;
    const std::string_view text = Text(*column);
    if (text.empty()) return true;
    return Check(*column, text, rule, value);
}

namespace {

ValueRule RuleOf(std::span<const forms::FieldDeclaration> fields, std::string_view fieldId) {
    const forms::FieldDeclaration& field = forms::FindField(fields, fieldId);
    return {field.min, field.max, field.Whole()};
}

}  // namespace

ValueRule FwiFormRange(std::string_view fieldId) { return RuleOf(forms::FwiCalcFields(), fieldId); }

ValueRule FbpFormRange(std::string_view fieldId) { return RuleOf(forms::FbpCalcFields(), fieldId); }

ValueRule DiurnalFormRange(std::string_view fieldId) {
    return RuleOf(forms::DiurnalFields(), fieldId);
}

ValueRule FireByHourFormRange(std::string_view fieldId) {
    return RuleOf(forms::FireByHourFields(), fieldId);
}

}  // namespace emberlin::batch
