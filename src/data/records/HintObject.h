#pragma once

// The object a view hint carries: a record, a shape or a setting's name. Views cast it to the
// kind the hint number promises.
class CHintObject
{
public:
    virtual ~CHintObject() = default;
};
