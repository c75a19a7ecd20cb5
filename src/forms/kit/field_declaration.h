// One input field of a form, declared once: the form model builds its box from it, the batch
// commands check a value with it, the exports head its column with it, its tooltip reads it
// and scenario files save the value under its id.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace emberlin::forms {

enum class FieldKind {
    Number,       // a double
    WholeNumber,  // a double that takes whole numbers only
    Integer,      // an int
};

struct FieldDeclaration {
    std::string id;          // control id, widget objectName and scenario key
    std::string label;       // the text beside the box, exactly as on screen
    std::string exportName;  // how the exports head the column, unique within the form
    std::string unit;        // the heading's unit; empty where the value has none
    FieldKind kind = FieldKind::Number;
    double min = 0;
    double max = 0;
    double defaultValue = 0;  // what the form opens with and what "Default" puts back
    std::string meaning;      // the tooltip: meaning with unit (the range is added to it)
    std::string note = {};    // and what a special value stands for
    std::string group = {};   // names the field in messages where the label alone is ambiguous
    std::optional<double> opensWith = {};  // where the form opens with another value

    // A whole-number rule: an int field, or a number field that takes whole numbers only.
    bool Whole() const { return kind != FieldKind::Number; }
};

// The declaration of `id` among `fields`. Throws std::out_of_range for an id they lack.
const FieldDeclaration& FindField(std::span<const FieldDeclaration> fields, std::string_view id);

}  // namespace emberlin::forms
