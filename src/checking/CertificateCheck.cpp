#include "CertificateCheck.h"

#include "BlankRule.h"
#include "FormApproval.h"
#include "FormDefinition.h"
#include "FormNames.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>
#include <algorithm>

namespace arc::CertificateCheck {

namespace {

using K = Finding::Kind;

struct CheckTexts {
    Q_DECLARE_TR_FUNCTIONS(CertificateCheck)
};

bool blank(const QString &text) { return BlankRule::isBlank(text); }

// Lines with anything but a status in them (a status alone is no item, as
// saving has it): item 1 onwards by position.
QList<int> filledLines(const ItemSlots &lines)
{
    QList<int> out;
    for (int n = 0; n < int(lines.size()); ++n) {
        const ItemLine &l = lines[std::size_t(n)];
        if (!(blank(l.item) && blank(l.description) && blank(l.partNum) && blank(l.quantity) && blank(l.serialNum)))
            out << n;
    }
    return out;
}

QString itemName(const ItemLine &line, int n)
{
    return blank(line.item) ? QString::number(n + 1) : line.item.trimmed();
}

QString joined(const QStringList &items)
{
    if (items.size() < 2)
        return items.value(0);
    return CheckTexts::tr("%1 and %2").arg(items.mid(0, items.size() - 1).join(QStringLiteral(", ")), items.last());
}

// "item 2 is", "items 1 and 3 are".
QString items(const QStringList &names)
{
    return (names.size() > 1 ? CheckTexts::tr("items %1 are") : CheckTexts::tr("item %1 is")).arg(joined(names));
}

QStringList quoted(const QStringList &words)
{
    QStringList out;
    for (const QString &w : words)
        out << QLatin1Char('"') + w + QLatin1Char('"');
    return out;
}

// What the EASA and UK forms ask beyond what every form does.
void formRules(const CertificateEntries &e, const FormDefinition &form, const QList<int> &filled, QList<Finding> &out)
{
    const FormDefinition::Rules &r = form.rules;
    if (r.itemNumbers && filled.size() > 1) {
        QStringList unnumbered;
        for (int n : filled)
            if (blank(e.lines[n].item))
                unnumbered << QString::number(n + 1);
        if (!unnumbered.isEmpty())
            out << Finding{K::ItemNumbers,
                           (unnumbered.size() > 1
                                ? CheckTexts::tr("Block 6: lines %1 have no item number; with more than one line, each is "
                                                 "numbered.")
                                : CheckTexts::tr("Block 6: line %1 has no item number; with more than one line, each is "
                                                 "numbered."))
                               .arg(joined(unnumbered))};
    }
    if (r.serialNotApplicable)
        for (int n : filled)
            if (blank(e.lines[n].serialNum))
                out << Finding{K::SerialNumberMissing,
                               CheckTexts::tr("Block 10: item %1 has no serial number; enter \"N/A\" when it carries "
                                              "none.")
                                   .arg(itemName(e.lines[n], n))};
    if (!r.statusWords.isEmpty()) {
        for (int n : filled) {
            const QString status = e.lines[n].status.trimmed().toUpper();
            if (!status.isEmpty() && !r.statusWords.contains(status))
                out << Finding{K::StatusNotAllowed,
                               CheckTexts::tr("Block 11: \"%1\" (item %2) is not a status the %3 allows: %4.")
                                   .arg(status, itemName(e.lines[n], n), form.name, joined(quoted(r.statusWords)))};
        }
    }
    // Block 12 naming the prototype a NEW item was: its approved design
    // data (a TC or STC) must be stated and the approved-design box ticked.
    static const QRegularExpression designData(QStringLiteral("\\b(E?TC|STC|TCDS)\\b"),
                                               QRegularExpression::CaseInsensitiveOption);
    if (r.prototypeToNew && e.remarks.contains(QLatin1String("PROTOTYPE"), Qt::CaseInsensitive)) {
        QStringList recertified;
        for (int n : filled)
            if (e.lines[n].status.trimmed().toUpper() == QLatin1String("NEW"))
                recertified << itemName(e.lines[n], n);
        if (!recertified.isEmpty() && (!e.approvedDesign || !designData.match(e.remarks).hasMatch()))
            out << Finding{K::PrototypeDesignData,
                           (recertified.size() > 1
                                ? CheckTexts::tr("Block 12: items %1 re-certified from \"PROTOTYPE\" to \"NEW\" need the "
                                                 "statement of the approved design data (TC/STC number and revision), "
                                                 "with \"%2\" ticked.")
                                : CheckTexts::tr("Block 12: item %1 re-certified from \"PROTOTYPE\" to \"NEW\" needs the "
                                                 "statement of the approved design data (TC/STC number and revision), "
                                                 "with \"%2\" ticked."))
                               .arg(joined(recertified), form.screenBoxes13a.value(0))};
    }
}

void mixedReleases(const ItemSlots &lines, const QList<int> &filled, QList<Finding> &out)
{
    QStringList newParts, maintenance;
    for (int n : filled) {
        const QString status = lines[n].status.trimmed().toUpper();
        if (status.isEmpty())
            continue;
        (selectsBlock13(status) ? newParts : maintenance) << itemName(lines[n], n);
    }
    if (!newParts.isEmpty() && !maintenance.isEmpty())
        out << Finding{K::MixedReleases,
                       CheckTexts::tr("Block 11: %1 new (NEW or PROTOTYPE) but %2 maintenance; new and maintenance "
                                      "releases may not share one form.")
                           .arg(items(newParts), items(maintenance))};
}

// Block 1 names the authority the certificate is issued under: the FAA on
// the FAA form, the United Kingdom's on the UK forms, and on the EASA forms
// the Agency or a member state's, which is neither of the other two.
bool namesFormsAuthority(const QString &block1, const QString &form)
{
    const auto has = [&block1](const char *pattern) {
        return QRegularExpression(QString::fromLatin1(pattern), QRegularExpression::CaseInsensitiveOption)
            .match(block1)
            .hasMatch();
    };
    const bool faa = has("\\bFAA\\b|Federal Aviation Administration");
    const bool uk = has("United Kingdom|\\bUK\\b");
    const bool easa = has("\\bEASA\\b");
    if (FormNames::isFaa(form))
        return faa && !uk && !easa;
    if (FormNames::isUk(form))
        return uk && !faa && !easa;
    return !faa && !uk;
}

void required(const CertificateEntries &e, const QList<int> &filled, QList<Finding> &out)
{
    if (blank(e.country))
        out << Finding{K::AuthorityMissing, CheckTexts::tr("Block 1: the approving authority and country are missing.")};
    else if (!namesFormsAuthority(e.country, e.form))
        out << Finding{K::AuthorityOfAnotherForm,
                       CheckTexts::tr("Block 1: \"%1\" is not the authority the %2 is issued under.")
                           .arg(e.country.simplified(), FormDefinition::of(e.form).name)};
    if (blank(e.tracking))
        out << Finding{K::TrackingMissing, CheckTexts::tr("Block 3: the form tracking number is missing.")};
    if (blank(e.organ1))
        out << Finding{K::OrganisationMissing, CheckTexts::tr("Block 4: the organisation's name and address are missing.")};
    if (filled.isEmpty())
        out << Finding{K::NoItem, CheckTexts::tr("Block 6: the certificate has no item.")};
    const struct {
        K kind;
        const char *block;
        QString ItemLine::*value;
        const char *what;
    } columns[] = {{K::DescriptionMissing, "7", &ItemLine::description, QT_TRANSLATE_NOOP("CertificateCheck", "description")},
                   {K::PartNumberMissing, "8", &ItemLine::partNum, QT_TRANSLATE_NOOP("CertificateCheck", "part number")},
                   {K::QuantityMissing, "9", &ItemLine::quantity, QT_TRANSLATE_NOOP("CertificateCheck", "quantity")},
                   {K::StatusMissing, "11", &ItemLine::status, QT_TRANSLATE_NOOP("CertificateCheck", "status")}};
    for (const auto &c : columns)
        for (int n : filled)
            if (blank(e.lines[n].*c.value))
                out << Finding{c.kind, CheckTexts::tr("Block %1: item %2 has no %3.")
                                           .arg(QLatin1String(c.block), itemName(e.lines[n], n), CheckTexts::tr(c.what))};
}

void signatureBlock(const CheckedCertificate &c, bool block13, QList<Finding> &out)
{
    const CertificateEntries &e = c.entries;
    const QString b = block13 ? QStringLiteral("13") : QStringLiteral("14");
    if (blank(block13 ? e.block13dName : e.block14dName))
        out << Finding{K::SignatoryNameMissing,
                       CheckTexts::tr("Block %1d: the name of the person signing is missing.").arg(b)};
    else if (c.signatureRequired && !c.signingCertificate)
        out << Finding{K::SigningCertificateMissing,
                       CheckTexts::tr("Block %1b: %2 holds no signing certificate, and the set-up asks for a digital "
                                      "signature on every PDF.")
                           .arg(b, (block13 ? e.block13dName : e.block14dName).trimmed())};
    if (blank(block13 ? e.block13cNumber : e.block14cNumber))
        out << Finding{K::ApprovalMissing, block13 ? CheckTexts::tr("Block 13c: the approval/authorization number is missing.")
                                                   : CheckTexts::tr("Block 14c: the certificate number is missing.")};
    const QString date = (block13 ? e.block13eDate : e.block14eDate).trimmed();
    if (blank(date)) {
        out << Finding{K::DateMissing, CheckTexts::tr("Block %1e: the date is missing.").arg(b)};
        return;
    }
    const QDate d = QLocale::c().toDate(date, QStringLiteral("dd/MMM/yyyy"));
    if (!d.isValid())
        out << Finding{K::DateUnreadable, CheckTexts::tr("Block %1e: \"%2\" is not a date written DD/MMM/YYYY.").arg(b, date)};
    else if (c.today.isValid() && d > c.today)
        out << Finding{K::DateInFuture, CheckTexts::tr("Block %1e: %2 is in the future.").arg(b, date)};
}

// Compared without regard to case, line breaks or runs of blanks: block 12
// may hold a statement wrapped or typed over.
bool holds(const QString &remarks, const QString &statement)
{
    const QString wanted = statement.simplified();
    return !wanted.isEmpty() && remarks.simplified().contains(wanted, Qt::CaseInsensitive);
}

void releaseStatements(const CheckedCertificate &c, const QList<int> &filled, QList<Finding> &out)
{
    const CertificateEntries &e = c.entries;
    // The FAA has told issuers not to add these to block 12.
    for (const char *phrase : {"not an export approval", "domestic shipment only"})
        if (holds(e.remarks, QLatin1String(phrase)))
            out << Finding{K::BannedPhrase,
                           CheckTexts::tr("Block 12: \"%1\" may not be added to the form (FAA policy memorandum "
                                          "AIR100-16-110-PM04); remove it.")
                               .arg(QLatin1String(phrase))};
    if (e.otherRegulation && !blank(e.remarks)
        && std::none_of(c.dualReleaseStatements.begin(), c.dualReleaseStatements.end(),
                        [&](const QString &statement) { return holds(e.remarks, statement); }))
        out << Finding{K::OtherRegulationUnstated,
                       CheckTexts::tr("Block 12: \"Other regulation specified in Block 12\" is ticked but block 12 "
                                      "holds no statement of another authority.")};
    if (e.cfrReturnToService && e.otherRegulation) {
        QStringList rebuilt;
        for (int n : filled)
            if (e.lines[n].status.trimmed().toUpper() == QLatin1String("REBUILT"))
                rebuilt << itemName(e.lines[n], n);
        if (!rebuilt.isEmpty())
            out << Finding{K::RebuiltDualRelease,
                           (rebuilt.size() > 1 ? CheckTexts::tr("Block 12: a dual release (both 14a boxes ticked) is not "
                                                                "accepted for items %1 with status \"REBUILT\".")
                                               : CheckTexts::tr("Block 12: a dual release (both 14a boxes ticked) is not "
                                                                "accepted for item %1 with status \"REBUILT\"."))
                               .arg(joined(rebuilt))};
    }
}

// The approval of the form's authority, taken from the organisation: on an
// EASA or UK form it must hold one (14c, or 13c in a new-part release,
// where it stands for a signatory without a number); on the FAA form 14c
// takes its FAA number. The finding says what to add, in place of the bare
// "missing" of the box.
void approvals(const CheckedCertificate &c, bool block13, QList<Finding> &out)
{
    const FormApproval::Authority authority = FormApproval::of(c.entries.form);
    const bool faa = authority == FormApproval::Authority::Faa;
    if (!c.organisation || !FormApproval::number(*c.organisation, authority).isEmpty() || (faa && block13))
        return;
    const QString box = block13 ? QStringLiteral("13c") : QStringLiteral("14c");
    if (faa && !blank(c.entries.block14cNumber))
        return;
    // In place of the bare "missing" of the box in use, the only one told.
    out.erase(std::remove_if(out.begin(), out.end(), [](const Finding &f) { return f.kind == K::ApprovalMissing; }),
              out.end());
    out << Finding{K::ApprovalMissing,
                   QCoreApplication::translate("CertificateCheck",
                                               "Block %1: the organisation has no %2 approval number; add it under "
                                               "Set-up → Organizations")
                       .arg(box, FormApproval::name(authority))};
}

// The re-certification statement as the shop keeps it asks for the design
// data in brackets: printed so, it certifies no design at all.
void unfilledStatement(const CertificateEntries &e, QList<Finding> &out)
{
    static const QRegularExpression placeholder(QStringLiteral("\\[INSERT[^\\]]*\\]"),
                                                QRegularExpression::CaseInsensitiveOption);
    if (const QRegularExpressionMatch m = placeholder.match(e.remarks); m.hasMatch())
        out << Finding{K::StatementUnfilled,
                       QCoreApplication::translate("CertificateCheck", "Block 12: the re-certification statement still "
                                                                       "holds \"%1\"; write in what it asks for.")
                           .arg(m.captured(0))};
}

} // namespace

QList<Finding> findings(const CheckedCertificate &c)
{
    const CertificateEntries &e = c.entries;
    const QList<int> filled = filledLines(e.lines);
    const bool block13 = selectsBlock13(lineAt(e.lines, 0).status.trimmed().toUpper());
    const FormDefinition &form = FormDefinition::of(e.form);
    QList<Finding> out;
    mixedReleases(e.lines, filled, out);
    if (block13 && e.approvedDesign == e.nonApprovedDesign)
        out << Finding{K::DesignTicks, CheckTexts::tr("Block 13a: tick exactly one of \"%1\" and \"%2\".")
                                           .arg(form.screenBoxes13a.value(0), form.screenBoxes13a.value(1))};
    if (!block13 && !e.cfrReturnToService && !e.otherRegulation)
        out << Finding{K::ReleaseTicks, CheckTexts::tr("Block 14a: tick \"%1\", \"%2\" or both.")
                                            .arg(form.screenBoxes14a.value(0), form.screenBoxes14a.value(1))};
    formRules(e, form, filled, out);
    if (blank(e.remarks)) {
        if (e.nonApprovedDesign)
            out << Finding{K::NonApprovedDesignUnstated,
                           CheckTexts::tr("Block 12: \"Non-approved design data specified in Block 12\" is ticked but "
                                          "block 12 is empty.")};
        if (e.otherRegulation)
            out << Finding{K::OtherRegulationUnstated,
                           CheckTexts::tr("Block 12: \"Other regulation specified in Block 12\" is ticked but block 12 "
                                          "is empty.")};
    }
    releaseStatements(c, filled, out);
    required(e, filled, out);
    signatureBlock(c, block13, out);
    approvals(c, block13, out);
    unfilledStatement(e, out);
    if (c.trackingUsedElsewhere && !blank(e.tracking))
        out << Finding{K::TrackingUsedElsewhere,
                       CheckTexts::tr("Block 3: tracking number %1 is also used by another stored certificate.")
                           .arg(e.tracking.trimmed())};
    for (const QString &cut : c.cut)
        out << Finding{K::TextCut, cut};
    return out;
}

} // namespace arc::CertificateCheck
