#include "CertificateCheck.h"
#include "PrintTo.h"
#include "SignedEntries.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <functional>
#include <ostream>

namespace arc {
void PrintTo(const Finding &f, std::ostream *os) { *os << int(f.kind) << ' ' << f.text.toStdString(); }
} // namespace arc

using namespace arc;
using K = Finding::Kind;

namespace {

const QDate kToday(2026, 12, 7);

// A certificate that passes every check: a new part, block 13 signed.
CheckedCertificate complete()
{
    CheckedCertificate c;
    c.entries = signedEntries("000042");
    c.today = kToday;
    c.entries.lines[1] = {};
    c.entries.remarks.clear();
    c.dualReleaseStatements = {"Released to service under EASA Acceptance Certificate number: ", "",
                               "Also released under the shop's FAA statement"};
    return c;
}

CheckedCertificate repair()
{
    CheckedCertificate c = complete();
    CertificateEntries &e = c.entries;
    e.approvedDesign = false;
    e.block13dName = e.block13cNumber = e.block13eDate = " ";
    e.cfrReturnToService = true;
    e.block14dName = "Lee Roe";
    e.block14cNumber = "ACME123";
    e.block14eDate = "06/Dec/2026";
    e.lines[0].status = "REPAIRED";
    return c;
}

// Block 4's organisation as kept, holding the approvals named ("FAA",
// "EASA", "UK").
OrganizationEntry holding(const QStringList &approvals)
{
    OrganizationEntry o;
    o.name = "Acme Aero";
    o.certificateNum = approvals.contains("FAA") ? "V7RR123K" : " ";
    o.jaaNum = approvals.contains("EASA") ? "EASA.145.7777" : "";
    o.ukNum = approvals.contains("UK") ? "UK.145.0042" : "";
    return o;
}

struct Case {
    const char *name;
    CheckedCertificate (*base)(); // a new part's certificate or a repair's
    std::function<void(CheckedCertificate &)> change;
    QList<Finding> expected;
};
void PrintTo(const Case &c, std::ostream *os) { *os << c.name; }

class CheckCase : public testing::TestWithParam<Case> {};

const Case kCases[] = {
    {"complete_new_part", complete, [](CheckedCertificate &) {}, {}},
    {"complete_repair", repair, [](CheckedCertificate &) {}, {}},
    {"new_and_maintenance_items_mixed", complete,
     [](CheckedCertificate &c) {
         c.entries.lines[1] = {"2", "Seal", "PN-8", "2", "", "REPAIRED", {}};
         c.entries.lines[2] = {"3", "Valve", "PN-9", "1", "", "PROTOTYPE", {}};
     },
     {{K::MixedReleases, "Block 11: items 1 and 3 are new (NEW or PROTOTYPE) but item 2 is maintenance; new and maintenance releases may "
      "not share one form."}}},
    {"both_13a_boxes", complete, [](CheckedCertificate &c) { c.entries.nonApprovedDesign = true; c.entries.remarks = "Data: X"; },
     {{K::DesignTicks, "Block 13a: tick exactly one of \"Approved design\" and \"Non-approved design\"."}}},
    {"no_13a_box", complete, [](CheckedCertificate &c) { c.entries.approvedDesign = false; },
     {{K::DesignTicks, "Block 13a: tick exactly one of \"Approved design\" and \"Non-approved design\"."}}},
    {"no_14a_box", repair, [](CheckedCertificate &c) { c.entries.cfrReturnToService = false; },
     {{K::ReleaseTicks, "Block 14a: tick \"14 CFR 43.9 Return to Svs\", \"Other reg specified in 12\" or both."}}},
    {"other_regulation_without_remarks", repair, [](CheckedCertificate &c) { c.entries.otherRegulation = true; },
     {{K::OtherRegulationUnstated, "Block 12: \"Other regulation specified in Block 12\" is ticked but block 12 is empty."}}},
    {"export_disclaimers_the_faa_forbids_in_any_case", complete,
     [](CheckedCertificate &c) { c.entries.remarks = "This form is Not An Export Approval\r\nDOMESTIC SHIPMENT ONLY"; },
     {{K::BannedPhrase, "Block 12: \"not an export approval\" may not be added to the form (FAA policy memorandum AIR100-16-110-PM04); "
      "remove it."},
      {K::BannedPhrase, "Block 12: \"domestic shipment only\" may not be added to the form (FAA policy memorandum AIR100-16-110-PM04); "
      "remove it."}}},
    {"other_regulation_without_another_authoritys_statement", repair,
     [](CheckedCertificate &c) { c.entries.otherRegulation = true, c.entries.remarks = "Overhauled per CMM 29-10-01"; },
     {{K::OtherRegulationUnstated, "Block 12: \"Other regulation specified in Block 12\" is ticked but block 12 holds no statement of another "
      "authority."}}},
    {"other_regulation_with_a_stored_statement_wrapped_over_two_lines", repair,
     [](CheckedCertificate &c) {
         c.entries.otherRegulation = true;
         c.entries.remarks = "Overhauled\nReleased to service under EASA\nAcceptance Certificate number: FR.145.7";
     },
     {}},
    {"dual_release_of_rebuilt_items", repair,
     [](CheckedCertificate &c) {
         c.entries.otherRegulation = true;
         c.entries.remarks = "also released under the shop's FAA statement";
         c.entries.lines[0].status = "Rebuilt";
         c.entries.lines[1] = {"2", "Seal", "PN-8", "2", "", "REPAIRED", {}};
         c.entries.lines[2] = {"3", "Valve", "PN-9", "1", "", "REBUILT", {}};
     },
     {{K::RebuiltDualRelease, "Block 12: a dual release (both 14a boxes ticked) is not accepted for items 1 and 3 with status \"REBUILT\"."}}},
    {"required_boxes_blank", complete,
     [](CheckedCertificate &c) { c.entries.country = c.entries.organ1 = " ", c.entries.tracking = ""; },
     {{K::AuthorityMissing, "Block 1: the approving authority and country are missing."}, {K::TrackingMissing, "Block 3: the form tracking number is missing."},
      {K::OrganisationMissing, "Block 4: the organisation's name and address are missing."}}},
    {"no_item_at_all", complete, [](CheckedCertificate &c) { c.entries.lines = arc::paddedLines({}); c.entries.lines[0].status = "NEW"; },
     {{K::NoItem, "Block 6: the certificate has no item."}}},
    {"an_item_missing_its_entries", complete,
     [](CheckedCertificate &c) { c.entries.lines[1] = {"2", " ", "", "", "SN-2", "", {}}; },
     {{K::DescriptionMissing, "Block 7: item 2 has no description."}, {K::PartNumberMissing, "Block 8: item 2 has no part number."}, {K::QuantityMissing, "Block 9: item 2 has no quantity."},
      {K::StatusMissing, "Block 11: item 2 has no status."}}},
    {"block_13_unsigned", complete,
     [](CheckedCertificate &c) {
         c.entries.block13dName = "", c.entries.block13cNumber = " ", c.entries.block13eDate = "12/05/2026";
     },
     {{K::SignatoryNameMissing, "Block 13d: the name of the person signing is missing."},
      {K::ApprovalMissing, "Block 13c: the approval/authorization number is missing."},
      {K::DateUnreadable, "Block 13e: \"12/05/2026\" is not a date written DD/MMM/YYYY."}}},
    {"block_14_dated_in_the_future", repair, [](CheckedCertificate &c) { c.entries.block14eDate = "08/Dec/2026"; },
     {{K::DateInFuture, "Block 14e: 08/Dec/2026 is in the future."}}},
    {"block_14_without_certificate_number_or_date", repair,
     [](CheckedCertificate &c) { c.entries.block14cNumber = c.entries.block14eDate = ""; },
     {{K::ApprovalMissing, "Block 14c: the certificate number is missing."}, {K::DateMissing, "Block 14e: the date is missing."}}},
    {"block_1_of_another_form_than_the_faa_form", repair, [](CheckedCertificate &c) { c.entries.country = "EASA"; },
     {{K::AuthorityOfAnotherForm, "Block 1: \"EASA\" is not the authority the FAA Form 8130-3 is issued under."}}},
    {"block_1_of_the_faa_on_an_easa_form", repair,
     [](CheckedCertificate &c) { c.entries.form = "EASA Form 1 (maintenance)"; },
     {{K::AuthorityOfAnotherForm,
       "Block 1: \"FAA/United States\" is not the authority the EASA Form 1 (maintenance) is issued under."}}},
    {"block_1_of_the_uk_on_an_easa_form", repair,
     [](CheckedCertificate &c) { c.entries.form = "EASA Form 1 (maintenance)", c.entries.country = "CAA / United Kingdom"; },
     {{K::AuthorityOfAnotherForm,
       "Block 1: \"CAA / United Kingdom\" is not the authority the EASA Form 1 (maintenance) is issued under."}}},
    {"block_1_of_the_agency_on_a_uk_form", complete,
     [](CheckedCertificate &c) { c.entries.form = "UK CAA Form 1 (production)", c.entries.country = "EASA"; },
     {{K::AuthorityOfAnotherForm, "Block 1: \"EASA\" is not the authority the UK CAA Form 1 (production) is issued under."}}},
    {"signatory_without_a_signing_certificate_where_one_is_required", repair,
     [](CheckedCertificate &c) { c.signatureRequired = true, c.signingCertificate = false; },
     {{K::SigningCertificateMissing,
       "Block 14b: Lee Roe holds no signing certificate, and the set-up asks for a digital signature on every PDF."}}},
    {"signatory_without_a_signing_certificate_where_none_is_required", repair,
     [](CheckedCertificate &c) { c.signingCertificate = false; }, {}},
    {"non_approved_design_without_its_data", complete,
     [](CheckedCertificate &c) { c.entries.approvedDesign = false, c.entries.nonApprovedDesign = true; },
     {{K::NonApprovedDesignUnstated,
       "Block 12: \"Non-approved design data specified in Block 12\" is ticked but block 12 is empty."}}},
    {"tracking_number_used_twice", complete, [](CheckedCertificate &c) { c.trackingUsedElsewhere = true; },
     {{K::TrackingUsedElsewhere, "Block 3: tracking number 000042 is also used by another stored certificate."}}},
    {"text_the_page_cannot_hold", complete,
     [](CheckedCertificate &c) { c.cut = {"Block 12: the remarks do not fit on the page."}; },
     {{K::TextCut, "Block 12: the remarks do not fit on the page."}}},
    {"easa_form_names_its_own_14a_boxes", repair,
     [](CheckedCertificate &c) { c.entries.form = "EASA Form 1 (maintenance)", c.entries.country = "EASA", c.entries.cfrReturnToService = false; },
     {{K::ReleaseTicks, "Block 14a: tick \"Part-145.A.50 Release to Service\", \"Other regulation specified in block 12\" or both."}}},
    {"easa_maintenance_form_with_a_status_it_does_not_allow", repair,
     [](CheckedCertificate &c) { c.entries.form = "EASA Form 1 (maintenance)", c.entries.country = "LBA / Germany", c.entries.lines[0].status = "Inspected"; },
     {{K::StatusNotAllowed, "Block 11: \"INSPECTED\" (item 1) is not a status the EASA Form 1 (maintenance) allows: \"OVERHAULED\", "
      "\"REPAIRED\", \"INSPECTED/TESTED\" and \"MODIFIED\"."}}},
    {"uk_form_lines_without_numbers_or_serial_numbers", repair,
     [](CheckedCertificate &c) {
         c.entries.form = "UK CAA Form 1 (maintenance)";
         c.entries.country = "CAA / United Kingdom";
         c.entries.lines[1] = {"", "Seal", "PN-8", "2", " ", "REPAIRED", {}};
         c.entries.lines[2] = {" ", "Valve", "PN-9", "1", "N/A", "OVERHAULED", {}};
     },
     {{K::ItemNumbers, "Block 6: lines 2 and 3 have no item number; with more than one line, each is numbered."},
      {K::SerialNumberMissing, "Block 10: item 2 has no serial number; enter \"N/A\" when it carries none."}}},
    {"easa_production_prototype_made_new_without_its_design_data", complete,
     [](CheckedCertificate &c) {
         c.entries.form = "EASA Form 1 (production)";
         c.entries.country = "EASA";
         c.entries.remarks = "Re-certified from PROTOTYPE, see design data";
     },
     {{K::PrototypeDesignData, "Block 12: item 1 re-certified from \"PROTOTYPE\" to \"NEW\" needs the statement of the approved design data "
      "(TC/STC number and revision), with \"Approved design data\" ticked."}}},
    // The approval of the form's authority, on each of the five forms.
    {"uk_maintenance_form_organisation_without_a_uk_approval", repair,
     [](CheckedCertificate &c) {
         c.entries.form = "UK CAA Form 1 (maintenance)", c.entries.block14cNumber = " ";
         c.entries.country = "CAA / United Kingdom", c.organisation = holding({"FAA", "EASA"});
     },
     {{K::ApprovalMissing, "Block 14c: the organisation has no UK CAA approval number; add it under Set-up → Organizations"}}},
    {"easa_maintenance_form_organisation_without_an_easa_approval_whatever_14c_holds", repair,
     [](CheckedCertificate &c) {
         c.entries.form = "EASA Form 1 (maintenance)", c.entries.country = "EASA";
         c.organisation = holding({"FAA", "UK"});
     },
     {{K::ApprovalMissing, "Block 14c: the organisation has no EASA approval number; add it under Set-up → Organizations"}}},
    {"easa_production_form_signatory_and_organisation_without_a_number", complete,
     [](CheckedCertificate &c) {
         c.entries.form = "EASA Form 1 (production)", c.entries.block13cNumber = "";
         c.entries.country = "EASA", c.organisation = holding({"FAA"});
     },
     {{K::ApprovalMissing, "Block 13c: the organisation has no EASA approval number; add it under Set-up → Organizations"}}},
    {"uk_production_form_organisation_without_a_uk_approval", complete,
     [](CheckedCertificate &c) {
         c.entries.form = "UK CAA Form 1 (production)", c.entries.country = "CAA / United Kingdom";
         c.organisation = holding({"EASA"});
     },
     {{K::ApprovalMissing, "Block 13c: the organisation has no UK CAA approval number; add it under Set-up → Organizations"}}},
    {"faa_form_14c_empty_and_organisation_without_an_faa_number", repair,
     [](CheckedCertificate &c) { c.entries.block14cNumber = "", c.organisation = holding({"EASA", "UK"}); },
     {{K::ApprovalMissing, "Block 14c: the organisation has no FAA approval number; add it under Set-up → Organizations"}}},
    {"faa_form_numbers_of_the_signatory_and_typed_14c_stand", complete,
     [](CheckedCertificate &c) { c.organisation = holding({}); }, {}},
    {"uk_maintenance_form_of_an_organisation_with_its_approval", repair,
     [](CheckedCertificate &c) {
         c.entries.form = "UK CAA Form 1 (maintenance)", c.entries.block14cNumber = "UK.145.0042";
         c.entries.country = "CAA / United Kingdom", c.organisation = holding({"UK"});
     },
     {}},
    {"recertification_statement_left_with_its_bracketed_parts", complete,
     [](CheckedCertificate &c) {
         c.entries.form = "EASA Form 1 (production)", c.entries.country = "EASA";
         c.entries.remarks = "RECERTIFICATION OF ITEMS FROM 'PROTOTYPE' TO 'NEW': THIS DOCUMENT CERTIFIES THE "
                             "APPROVAL OF THE DESIGN DATA [INSERT TC/STC NUMBER, REVISION LEVEL], DATED [INSERT DATE]";
     },
     {{K::StatementUnfilled, "Block 12: the re-certification statement still holds \"[INSERT TC/STC NUMBER, REVISION LEVEL]\"; write in "
       "what it asks for."}}},
    {"easa_production_prototype_made_new_under_its_tc", complete,
     [](CheckedCertificate &c) {
         c.entries.form = "EASA Form 1 (production)";
         c.entries.country = "EASA";
         c.entries.remarks = "Re-certified from PROTOTYPE: design data approved under TC EASA.A.123 revision 4";
     },
     {}},
};

} // namespace

TEST_P(CheckCase, YieldsExactlyItsFinding)
{
    CheckedCertificate c = GetParam().base();
    GetParam().change(c);
    EXPECT_EQ(CertificateCheck::findings(c), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Rules, CheckCase, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<Case> &i) { return std::string(i.param.name); });

// Which findings stop a signed page: every kind once, each met by a case
// above, so that a new kind cannot slip in without its decision.
TEST(FindingKindsTest, EachKindIsBlockingOrAdvisory)
{
    const std::pair<K, bool> decided[] = {
        {K::AuthorityMissing, true},         {K::AuthorityOfAnotherForm, true},
        {K::ApprovalMissing, true},          {K::OtherRegulationUnstated, true},
        {K::BannedPhrase, true},             {K::StatusNotAllowed, true},
        {K::PartNumberMissing, true},        {K::QuantityMissing, true},
        {K::StatusMissing, true},            {K::TextCut, true},
        {K::SigningCertificateMissing, true}, {K::StatementUnfilled, true},
        {K::MixedReleases, false},
        {K::DesignTicks, false},             {K::ReleaseTicks, false},
        {K::ItemNumbers, false},             {K::SerialNumberMissing, false},
        {K::PrototypeDesignData, false},     {K::NonApprovedDesignUnstated, false},
        {K::RebuiltDualRelease, false},      {K::TrackingMissing, false},
        {K::OrganisationMissing, false},     {K::NoItem, false},
        {K::DescriptionMissing, false},      {K::SignatoryNameMissing, false},
        {K::DateMissing, false},             {K::DateUnreadable, false},
        {K::DateInFuture, false},            {K::TrackingUsedElsewhere, false},
    };
    QList<K> seen;
    for (const auto &[kind, blocks] : decided) {
        EXPECT_EQ(FindingKinds::blocking(kind), blocks) << int(kind);
        EXPECT_FALSE(seen.contains(kind)) << int(kind);
        seen << kind;
        EXPECT_TRUE(std::any_of(std::begin(kCases), std::end(kCases),
                                [kind](const Case &c) { return std::ranges::count(c.expected, kind, &Finding::kind) > 0; }))
            << "no case finds kind " << int(kind);
    }
    EXPECT_EQ(seen.size(), FindingKinds::all().size());
}

TEST(FindingKindsTest, BlockingFindingsComeFirstAndEachLineOnce)
{
    const Finding date{K::DateMissing, "Block 14e: the date is missing."};
    const Finding cut{K::TextCut, "Block 12: the remarks are longer than the page holds."};
    const Finding part{K::PartNumberMissing, "Block 8: item 1 has no part number."};
    EXPECT_EQ(FindingKinds::ordered({date, cut, date, part, cut}), (QList<Finding>{cut, part, date}));
}
