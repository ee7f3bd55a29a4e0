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
    {"13d Name", "Header", "Name17", false, 30},
    {"13c Authorization No.", "Header", "AuthNum", false, 20},
    {"13e Date", "Header", "Date18", true, 0},
    {"14d Name", "Header", "Name22", false, 30},
    {"14c Certificate No.", "Header", "CertNum", false, 20},
    {"14e Date", "Header", "Date23", true, 0},
}};

} // namespace arc
