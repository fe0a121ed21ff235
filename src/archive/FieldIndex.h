#pragma once

#include <QString>

// The 0-based position of a member in its record's field table, or -1 for a member the
// table does not hold. Window tables name fields by member and take the position and
// capacity from the record's own table, so the two can never drift apart.
template <typename Record> int fieldIndex(QString Record::*member)
{
    const auto& fields = Record::fields();
    for (int i = 0; i < static_cast<int>(fields.size()); ++i) {
        if (fields[i].member == member)
            return i;
    }
    return -1;
}

// The capacity of a member's field; 0 for a member the table does not hold.
template <typename Record> int fieldCapacity(QString Record::*member)
{
    const int index = fieldIndex(member);
    return index < 0 ? 0 : Record::fields()[index].capacity;
}
