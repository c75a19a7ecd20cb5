#include "forms/exports/scenario.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <nlohmann/json.hpp>
#include <unordered_map>
#include <unordered_set>

#include "common/number_text.h"

namespace emberlin::forms {

namespace {

using Json = nlohmann::ordered_json;

// One member of a JSON object as it stands in the text: its key, the offset of its value and
// the value's own characters.
struct Member {
    std::string key;
    std::size_t keyAt;  // offset of the key's opening quote
    std::size_t at;
    std::string_view raw;
};

// Walks a text that the JSON parser has already accepted, to find where each value stands
// (the parser keeps no positions). Nesting is skipped by counting, never by recursion, so no
// depth of brackets can exhaust the stack.
class Walker {
  public:
    explicit Walker(std::string_view text) : text_(text) {}

    std::size_t SkipBlanks(std::size_t i) const {
        while (i < text_.size() &&
               (text_[i] == ' ' || text_[i] == '\t' || text_[i] == '\n' || text_[i] == '\r')) {
            ++i;
        }
        return i;
    }

    // `i` at an opening quote; returns the offset just past the closing one.
    std::size_t StringEnd(std::size_t i) const {
        for (++i; i < text_.size(); ++i) {
            if (text_[i] == '\\') {
                ++i;
            } else if (text_[i] == '"') {
                return i + 1;
            }
        }
        return text_.size();
    }

    // `i` at the first character of a value; returns the offset just past it.
    std::size_t ValueEnd(std::size_t i) const {
        if (i >= text_.size()) return i;
        if (text_[i] == '"') return StringEnd(i);
        if (text_[i] == '{' || text_[i] == '[') {
            std::size_t depth = 0;
            while (i < text_.size()) {
                const char c = text_[i];
                if (c == '"') {
                    i = StringEnd(i);
                    continue;
                }
                if (c == '{' || c == '[') ++depth;
                if (c == '}' || c == ']') {
                    if (--depth == 0) return i + 1;
                }
                ++i;
            }
            return i;
        }
        while (i < text_.size() &&
               std::string_view(",}] \t\r\n").find(text_[i]) == std::string_view::npos) {
            ++i;
        }
        return i;
    }

    // The members of the object whose opening brace is at `i`, in the order they stand.
    std::vector<Member> Members(std::size_t i) const {
        std::vector<Member> members;
        i = SkipBlanks(i + 1);
        while (i < text_.size() && text_[i] == '"') {
            const std::size_t keyEnd = StringEnd(i);
            Member member;
            const std::string_view key = text_.substr(i, keyEnd - i);
            // Most keys hold no escape: their text is their name, without the parser's cost.
            member.key = key.find('\\') == std::string_view::npos
                             ? std::string(key.substr(1, key.size() - 2))
                             : Json::parse(key).get<std::string>();
            member.keyAt = i;
            i = SkipBlanks(SkipBlanks(keyEnd) + 1);  // past the colon
            const std::size_t end = ValueEnd(i);
            member.at = i;
            member.raw = text_.substr(i, end - i);
            members.push_back(std::move(member));
            i = SkipBlanks(end);
            if (i < text_.size() && text_[i] == ',') i = SkipBlanks(i + 1);
        }
        return members;
    }

  private:
    std::string_view text_;
};

// Checks the syntax alone and keeps where the first error is: no document is built, and
// the parser keeps its own stack, so no depth of brackets can exhaust ours.
struct SyntaxCheck : nlohmann::json_sax<Json> {
    bool null() override { return true; }
    bool boolean(bool) override { return true; }
    bool number_integer(number_integer_t) override { return true; }
    bool number_unsigned(number_unsigned_t) override { return true; }
    bool number_float(number_float_t, const string_t&) override { return true; }
    bool string(string_t&) override { return true; }
    bool binary(binary_t&) override { return true; }
    bool start_object(std::size_t) override { return true; }
    bool key(string_t&) override { return true; }
    bool end_object() override { return true; }
    bool start_array(std::size_t) override { return true; }
    bool end_array() override { return true; }
    bool parse_error(std::size_t at, const std::string&,
                     const nlohmann::detail::exception& error) override {
        failed = true;
        position = at;
        what = error.what();
        // The parser's own words, without its exception's name and its own position.
        if (const std::size_t dash = what.find(" - "); dash != std::string::npos) {
            what = what.substr(dash + 3);
        } else if (const std::size_t bracket = what.find("] "); bracket != std::string::npos) {
            what = what.substr(bracket + 2);
        }
        return false;
    }

    bool failed = false;
    std::size_t position = 0;
    std::string what;
};

// "line L, column C" of byte offsets (both counted from 1; columns in bytes). The line starts
// are found once, so that naming the place of each of many entries stays linear.
class Positions {
  public:
    explicit Positions(std::string_view text) : size_(text.size()) {
        lineStarts_.push_back(0);
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '\n') lineStarts_.push_back(i + 1);
        }
    }

    std::size_t Line(std::size_t offset) const {
        offset = std::min(offset, size_);
        return static_cast<std::size_t>(
            std::upper_bound(lineStarts_.begin(), lineStarts_.end(), offset) - lineStarts_.begin());
    }

    std::string operator()(std::size_t offset) const {
        offset = std::min(offset, size_);
        const std::size_t line = Line(offset);
        return "line " + std::to_string(line) + ", column " +
               std::to_string(offset - lineStarts_[line - 1] + 1);
    }

  private:
    std::size_t size_;
    std::vector<std::size_t> lineStarts_;
};

// The first member whose key an earlier member already gave, with that earlier one.
std::optional<std::pair<const Member*, const Member*>> FirstRepeat(
    const std::vector<Member>& members) {
    std::unordered_map<std::string_view, const Member*> seen;
    seen.reserve(members.size());
    for (const Member& member : members) {
        const auto [at, added] = seen.emplace(member.key, &member);
        if (!added) return std::make_pair(&member, at->second);
    }
    return std::nullopt;
}

bool IsNumberToken(std::string_view raw) {
    return !raw.empty() && (raw[0] == '-' || (raw[0] >= '0' && raw[0] <= '9'));
}

std::optional<std::string> DecodedString(std::string_view raw) {
    if (raw.empty() || raw[0] != '"') return std::nullopt;
    return Json::parse(raw).get<std::string>();
}

// Why a value cannot go into `field`, by the rules of typing into it; none when it can.
std::optional<std::string> FieldProblem(const Control& field, std::string_view raw, double& value) {
    const bool isInt = field.kind == ControlKind::IntField;
    if (!IsNumberToken(raw)) return NotANumberMessage(field.kind);
    if (isInt) {
        const std::optional<int> parsed = ParseInt(raw);
        if (!parsed) return NotANumberMessage(field.kind);
        value = *parsed;
    } else {
        const std::optional<double> parsed = ParseDouble(raw);
        if (!parsed) return NotANumberMessage(field.kind);
        value = *parsed;
        // A box of whole numbers refuses a fraction as typing does.
        if (field.wholeNumber &&
            (value != std::floor(value) || value < field.minValue || value > field.maxValue)) {
            return WholeNumberMessage(field.minValue, field.maxValue);
        }
    }
    if (value < field.minValue || value > field.maxValue) {
        return OutOfRangeMessage(field.kind, field.minValue, field.maxValue);
    }
    return std::nullopt;
}

// The scenario version that first holds each key of a window. Version 1 held every window and
// every input field, and an option group only when something was chosen in it; version 2
// holds every group too (null when nothing is chosen). A key added by a later version is
// listed here with that version; an older file without it leaves the field at the form's
// own value. The Hourly FWI window came with version 2: an older file leaves it as it is.
int WindowSince(const ScenarioWindow& window) { return window.key == "hourlyFwi" ? 2 : 1; }

int KeySince(const ScenarioWindow& window, const OptionGroup* group) {
    return std::max(WindowSince(window), group != nullptr ? 2 : 1);
}

// The first key the file's version holds that the window's object lacks.
std::optional<std::string> MissingKey(const ScenarioWindow& window,
                                      const std::vector<Member>& entries, int fileVersion) {
    std::unordered_set<std::string_view> keys;
    keys.reserve(entries.size());
    for (const Member& entry : entries) keys.insert(entry.key);
    const auto missing = [&](const std::string& key) {
        return "\"" + key + "\" is missing (a version " + std::to_string(fileVersion) +
               " scenario holds it).";
    };
    for (const Control* field : window.form->InputFields()) {
        if (KeySince(window, nullptr) <= fileVersion && keys.count(field->id) == 0) {
            return missing(field->id);
        }
    }
    for (const OptionGroup& group : window.form->OptionGroups()) {
        if (KeySince(window, &group) <= fileVersion && keys.count(group.name) == 0) {
            return missing(group.name);
        }
    }
    return std::nullopt;
}

struct Pending {
    FormModel* form;
    std::vector<RestoredValue> values;
    std::vector<RestoredChoice> choices;
};

}  // namespace

std::vector<ScenarioWindow> ScenarioWindows(const ScenarioForms& forms) {
    std::vector<ScenarioWindow> windows = {{"fwiCalculator", &forms.fwiCalculator},
                                           {"fbpCalculator", &forms.fbpCalculator},
                                           {"diurnalWeather", &forms.diurnalWeather},
                                           {"detectionAssessment", &forms.detectionAssessment},
                                           {"projectionByFuelType", &forms.projectionByFuelType},
                                           {"fireBehaviourByHour", &forms.fireBehaviourByHour}};
    if (forms.hourlyFwi != nullptr) windows.push_back({"hourlyFwi", forms.hourlyFwi});
    return windows;
}

std::string WriteScenario(const std::vector<ScenarioWindow>& windows) {
    Json document;
    document["format"] = kScenarioFormat;
    document["version"] = kScenarioVersion;
    for (const ScenarioWindow& window : windows) {
        Json fields = Json::object();
        for (const Control* field : window.form->InputFields()) {
            if (field->kind == ControlKind::IntField) {
                fields[field->id] = *field->intMember;
            } else if (const double value = *field->doubleMember;
                       value == std::trunc(value) && std::fabs(value) < 1e15) {
                // Whole numbers without a fraction: a box that takes digits only reads them.
                fields[field->id] = static_cast<std::int64_t>(value);
            } else {
                fields[field->id] = *field->doubleMember;
            }
        }
        for (const OptionGroup& group : window.form->OptionGroups()) {
            // Every key is written: a group with nothing chosen as null.
            const auto chosen = window.form->ChosenOption(group);
            fields[group.name] = chosen ? Json(group.choices[*chosen].name) : Json(nullptr);
        }
        document[window.key] = std::move(fields);
    }
    return document.dump(2) + "\n";
}

std::optional<std::string> ReadScenario(std::string_view text,
                                        const std::vector<ScenarioWindow>& windows) {
    if (text.size() > kMaxScenarioBytes) {
        return "The file holds more than 1 MB (" + std::to_string(kMaxScenarioBytes) +
               " bytes): a scenario is a few kilobytes, so this is not one.";
    }
    std::size_t start = 0;
    if (text.starts_with("\xEF\xBB\xBF")) start = 3;  // the parser skips a byte-order mark too
    const Walker walker(text);
    start = walker.SkipBlanks(start);
    if (start >= text.size()) return std::string("The file is empty: it holds no scenario.");
    const Positions Position(text);
    SyntaxCheck check;
    if (!Json::sax_parse(text, &check) || check.failed) {
        return Position(check.position > 0 ? check.position - 1 : 0) +
               ": this is not valid JSON (" + check.what + ").";
    }
    if (text[start] != '{') {
        return Position(start) + ": this is not an EMBERLIN scenario (a JSON object).";
    }

    const std::vector<Member> members = walker.Members(start);
    // A key given twice: either could be meant.
    const auto repeated = [&Position](const std::vector<Member>& within,
                                      const std::string& prefix) -> std::optional<std::string> {
        const auto repeat = FirstRepeat(within);
        if (!repeat) return std::nullopt;
        return Position(repeat->first->keyAt) + prefix + ": \"" + repeat->first->key +
               "\" is given twice (first on line " +
               std::to_string(Position.Line(repeat->second->keyAt)) + ").";
    };
    if (auto problem = repeated(members, "")) return problem;
    const auto find = [&members](std::string_view key) {
        return std::find_if(members.begin(), members.end(),
                            [key](const Member& m) { return m.key == key; });
    };
    const auto format = find("format");
    if (format == members.end() || DecodedString(format->raw) != std::string(kScenarioFormat)) {
        return Position(format == members.end() ? start : format->at) +
               ": this is not an EMBERLIN scenario (its \"format\" is not \"" +
               std::string(kScenarioFormat) + "\").";
    }
    const auto version = find("version");
    const std::optional<int> number = version == members.end() || !IsNumberToken(version->raw)
                                          ? std::nullopt
                                          : ParseInt(version->raw);
    if (!number || *number < 1) {
        return Position(version == members.end() ? start : version->at) +
               ": the scenario has no valid \"version\" (a whole number from 1).";
    }
    if (*number > kScenarioVersion) {
        return Position(version->at) + ": this scenario has format version " +
               std::to_string(*number) + ", written by a newer EMBERLIN; this one reads version " +
               std::to_string(kScenarioVersion) + ".";
    }

    const int fileVersion = *number;

    std::vector<Pending> pending;
    // The windows and keys met, for the check that nothing the file's version holds is missing.
    std::vector<std::pair<const ScenarioWindow*, const Member*>> met;
    for (const Member& member : members) {
        const auto window =
            std::find_if(windows.begin(), windows.end(),
                         [&member](const ScenarioWindow& w) { return w.key == member.key; });
        if (window == windows.end()) continue;  // a member this program does not know
        if (member.raw.empty() || member.raw[0] != '{') {
            return Position(member.at) + ", " + member.key +
                   ": expected an object holding the window's fields.";
        }
        Pending taken{window->form, {}, {}};
        const std::vector<Member> entries = walker.Members(member.at);
        if (auto problem = repeated(entries, ", " + member.key)) return problem;
        met.emplace_back(&*window, &member);
        const std::vector<const Control*> fields = window->form->InputFields();
        for (const Member& entry : entries) {
            // Placed only when refused: most entries pass.
            const auto where = [&] {
                return Position(entry.at) + ", " + member.key + " " + entry.key;
            };
            const auto field =
                std::find_if(fields.begin(), fields.end(),
                             [&entry](const Control* c) { return c->id == entry.key; });
            if (field != fields.end()) {
                double value = 0;
                if (auto problem = FieldProblem(**field, entry.raw, value)) {
                    return where() + " (" + SimplifiedLabel((*field)->label) + "): " + *problem;
                }
                taken.values.push_back({entry.key, value});
                continue;
            }
            const std::vector<OptionGroup>& groups = window->form->OptionGroups();
            const auto group =
                std::find_if(groups.begin(), groups.end(),
                             [&entry](const OptionGroup& g) { return g.name == entry.key; });
            if (group == groups.end()) continue;
            // Nothing was chosen when it was saved: the form's own choice stands.
            if (entry.raw == "null") continue;
            const std::optional<std::string> name = DecodedString(entry.raw);
            const auto choice =
                std::find_if(group->choices.begin(), group->choices.end(),
                             [&name](const OptionChoice& c) { return name && c.name == *name; });
            if (choice == group->choices.end()) {
                std::string names;
                for (const OptionChoice& c : group->choices) {
                    names += (names.empty() ? "\"" : ", \"") + c.name + "\"";
                }
                return where() + ": expected one of " + names + ".";
            }
            taken.choices.push_back(
                {group->name, static_cast<std::size_t>(choice - group->choices.begin())});
        }
        pending.push_back(std::move(taken));
    }

    // Every value given passed; now what the file's version holds and it lacks.
    for (const auto& [window, member] : met) {
        if (auto problem = MissingKey(*window, walker.Members(member->at), fileVersion)) {
            return Position(member->at) + ", " + member->key + ": " + *problem;
        }
    }
    for (const ScenarioWindow& window : windows) {
        const bool present = std::any_of(met.begin(), met.end(),
                                         [&window](const auto& m) { return m.first == &window; });
        if (!present && WindowSince(window) <= fileVersion) {
            return Position(start) + ": \"" + window.key + "\" is missing (a version " +
                   std::to_string(fileVersion) + " scenario holds every window).";
        }
    }

    // Every value passed: only now does any form change.
    for (const Pending& taken : pending) taken.form->Restore(taken.values, taken.choices);
    return std::nullopt;
}

std::optional<std::string> ReadScenarioFile(const std::string& path, std::string& text) {
    // Non-blocking, so that opening a FIFO does not wait for a writer; checked before any read.
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return std::string(std::strerror(errno));
    struct stat status {};
    std::optional<std::string> problem;
    if (fstat(fd, &status) != 0) {
        problem = std::strerror(errno);
    } else if (!S_ISREG(status.st_mode)) {
        problem = "it is not a regular file";
    } else if (static_cast<std::uint64_t>(status.st_size) > kMaxScenarioBytes) {
        problem = "it holds more than 1 MB (" + std::to_string(kMaxScenarioBytes) +
                  " bytes): a scenario is a few kilobytes, so this is not one";
    } else {
        // One byte more than the bound tells a file that grew since.
        text.assign(kMaxScenarioBytes + 1, '\0');
        std::size_t size = 0;
        while (size < text.size()) {
            const ssize_t got = read(fd, text.data() + size, text.size() - size);
            if (got < 0 && errno == EINTR) continue;
            if (got < 0) {
                problem = std::strerror(errno);
                break;
            }
            if (got == 0) break;
            size += static_cast<std::size_t>(got);
        }
        text.resize(size);
        if (!problem && size > kMaxScenarioBytes) {
            problem = "it holds more than 1 MB (" + std::to_string(kMaxScenarioBytes) +
                      " bytes): a scenario is a few kilobytes, so this is not one";
        }
    }
    close(fd);
    if (problem) text.clear();
    return problem;
}

}  // namespace emberlin::forms
