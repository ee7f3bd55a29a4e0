#pragma once

#include "CertificateSearch.h"
#include "FindFields.h"

#include <QString>
#include <vector>

namespace arc {

// What the twelve search boxes ask for: a condition for each box holding
// text, in the boxes' order, the texts as typed. A date box is read as a
// day; one that holds no date stops the search.
struct FindRequest {
    std::vector<SearchCondition> conditions;
    int notADate = -1; // the first date box that holds no date

    static FindRequest read(const std::array<QString, kFindBoxes> &texts);
};

} // namespace arc
