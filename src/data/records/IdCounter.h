#pragma once

// The id counter of a record kind: each record constructed takes the next id, the first after a
// reset being 0, and a record that could not be read gives its id back.
class CIdCounter
{
public:
    int Take() { return ++m_last; }
    void Release() { --m_last; }
    void Reset() { m_last = -1; }
    // The id taken last.
    int Last() const { return m_last; }

private:
    int m_last = -1;
};
