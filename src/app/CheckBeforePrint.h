#pragma once

#include "Finding.h"
#include "MessageBoxes.h"

#include <QStringList>
#include <optional>

namespace arc::CheckBeforePrint {

// The findings of the certificate check with the texts the page would cut
// (named by the titles of their truncation notices), blocking ones first.
QList<Finding> gathered(const QList<Finding> &found, const QStringList &cutTitles);

// What the user is asked about `findings` before a page is printed or
// written: nullopt stops it; otherwise the findings passed over, in the
// order shown (none when there were none). A page to be issued with a
// signature is refused outright while a blocking finding remains; a draft
// may be printed anyway whatever was found.
std::optional<QStringList> passed(MessageBoxes &messages, const QList<Finding> &findings, bool issuing);

} // namespace arc::CheckBeforePrint
