#pragma once

#include <array>

namespace arc {

// The twelve search boxes of the find panel, in the order their
// conditions are joined: what each is labelled, which field it matches
// and how many characters it takes (0: no limit of its own).
struct FindField {
    const char *label;
    const char *table;
    const char *field;
    bool date; // equals the day; otherwise the field begins with the text
    int limit;
};

inline constexpr std::array<FindField, 12> kFindFields = {{
    {"Description", "Detail", "Description", false, 40},
    {"Part Number", "Detail", "PartNum", false, 30},
    {"Serial/Batch Number", "Detail", "SerialNum", false, 30},
    {"Country", "Header", "Country", false, 20},
    {"System Tracking No.", "Header", "Tracking", false, 15},
    {"Invoice/Contract No.", "Header", "Invoice", false, 40},
    {"Section 17 Name", "Header", "Name17", false, 30},
    {"Section 16 Authorization No.", "Header", "AuthNum", false, 20},
    {"Section 18 Date", "Header", "Date18", true, 0},
    {"Section 22 Name", "Header", "Name22", false, 30},
    {"Section 21 Certificate No.", "Header", "CertNum", false, 20},
    {"Section 23 Date", "Header", "Date23", true, 0},
}};

// The box the panel puts the focus in when it opens.
inline constexpr int kCountryBox = 3;

} // namespace arc
