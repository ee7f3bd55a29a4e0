#pragma once

#include "ReferenceLists.h"

#include <QString>

namespace arc::FormApproval {

// The authority under which a form releases, and the approval of it that
// the organisation of block 4 keeps.
enum class Authority { Faa, Easa, Uk };

Authority of(const QString &form);
// The authority's name as findings write it: "FAA", "EASA", "UK CAA".
QString name(Authority authority);
// The organisation's approval number from that authority, trimmed:
// CertificateNum, JAANum or UkNum.
QString number(const OrganizationEntry &organisation, Authority authority);
// The authority a dual release on the form names beside its own: the FAA
// on an EASA or UK form, EASA on the FAA form.
Authority other(Authority authority);

// 14c: the organisation's approval of the form's authority.
QString block14c(const QString &form, const OrganizationEntry &organisation);
// 13c: the signatory's approval number; on an EASA or UK form, when the
// signatory has none, the organisation's approval of the form's authority.
QString block13c(const QString &form, const QString &signatoryNumber, const OrganizationEntry *organisation);

} // namespace arc::FormApproval
