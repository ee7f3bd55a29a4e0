#pragma once

#include <array>
#include <cstddef>

namespace arc {

// The twelve search boxes of the find panel, in the order their
// conditions are joined: what each is labelled, which field it matches
// and how many characters it takes (0: no limit of its own). The table of
// certificate fields says which fields they are.
struct FindField {
    const char *label;
    const char *table;
    const char *field;
    bool date; // equals the day; otherwise the field begins with the text
    int limit;
};

inline constexpr std::size_t kFindBoxes = 12;

const std::array<FindField, kFindBoxes> &findFields();

} // namespace arc
