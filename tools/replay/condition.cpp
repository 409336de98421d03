// Checking an until or expect condition against the state object, the draws and the sounds.
#include "condition.h"

#include "shell/dump.h"

#include <cstdlib>

using nlohmann::json;

namespace {

// One step down the path: a key, an index (negative from the end) or "size", the size of an array or object.
json Step(const json& value, const std::string& segment)
{
    if (segment == "size")
        return value.is_array() || value.is_object() ? json(value.size()) : json();
    if (value.is_object())
        return value.contains(segment) ? value[segment] : json();
    if (!value.is_array() || segment.empty())
        return json();
    char* end = nullptr;
    long index = std::strtol(segment.c_str(), &end, 10);
    if (*end != '\0')
        return json();
    if (index < 0)
        index += static_cast<long>(value.size());
    return index >= 0 && index < static_cast<long>(value.size()) ? value[static_cast<size_t>(index)] : json();
}

// Every key of the pattern object is in the value with an equal value.
bool Matches(const json& value, const json& pattern)
{
    if (!pattern.is_object() || !value.is_object())
        return value == pattern;
    for (const auto& [key, wanted] : pattern.items())
        if (!value.contains(key) || value[key] != wanted)
            return false;
    return true;
}

}  // namespace

json ConditionValue(const Condition& condition, long long frame)
{
    const std::string root = condition.path.empty() ? "" : condition.path[0];
    const bool other = root == "draws" || root == "sounds";
    json value = root == "draws" ? DumpDraws() : root == "sounds" ? DumpSounds() : DumpState(frame);
    for (size_t i = other ? 1 : 0; i < condition.path.size(); ++i)
        value = Step(value, condition.path[i]);
    return value;
}

bool ConditionHolds(const Condition& condition, const json& value)
{
    const json& wanted = condition.value;
    switch (condition.op) {
    case Condition::Op::Equal: return value == wanted;
    case Condition::Op::NotEqual: return value != wanted;
    case Condition::Op::Contains:
    case Condition::Op::Lacks: {
        bool found = false;
        if (value.is_array())
            for (const json& element : value)
                found = found || Matches(element, wanted);
        else if (value.is_string() && wanted.is_string())
            found = value.get<std::string>().find(wanted.get<std::string>()) != std::string::npos;
        return found == (condition.op == Condition::Op::Contains);
    }
    default: break;
    }
    if (!value.is_number() || !wanted.is_number())
        return false;
    const double a = value.get<double>(), b = wanted.get<double>();
    switch (condition.op) {
    case Condition::Op::Less: return a < b;
    case Condition::Op::LessEqual: return a <= b;
    case Condition::Op::Greater: return a > b;
    default: return a >= b;
    }
}
