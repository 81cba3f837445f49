#pragma once

// The rule every setter of a record or a settings object follows: an equal value changes nothing
// and gives false; another value is stored, marks the owner modified and gives true.
template <typename T, typename U>
bool AssignField(T& field, const U& value, bool& modified)
{
    if (field == value)
        return false;
    field = value;
    modified = true;
    return true;
}
