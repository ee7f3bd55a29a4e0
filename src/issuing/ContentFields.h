#pragma once

#include <array>

namespace arc {

// The fields a certificate's content hash covers, frozen for each version
// of its canonical text. The table of certificate fields may grow; a hash
// already logged was made from this list and must read the same for ever.
namespace ContentFields {

inline constexpr int kVersion = 1;

// Version 1: the Header fields the page shows, in stored order (the key,
// the export choice and its lists are not printed), then each item line's.
inline constexpr std::array<const char *, 17> kHeader = {
    "Country", "Tracking", "Organ1", "Organ2", "Invoice", "Remarks", "New", "Overhaul", "Name17",
    "AuthNum", "Date18",   "CFRRTS", "OtherRTS", "Name22", "CertNum", "Date23", "Form",
};
inline constexpr std::array<const char *, 6> kLine = {"Item", "Description", "PartNum", "Quantity", "SerialNum", "Status"};

} // namespace ContentFields

} // namespace arc
