#include "SignatoryRights.h"
#include "SigningBlock.h"

#include <gtest/gtest.h>

using namespace arc;
using SignatoryRights::Deleting;
using SignatoryRights::Opening;

namespace {

struct FillCase {
    const char *name;
    QString firstStatus, approvalNumber;
    std::optional<SigningBlock> block; // none: nothing filled
};

FillCase fills[] = {
    {"new_part_signs_block_13_with_the_number", "NEW", "D-1", SigningBlock::Block13},
    {"prototype_in_any_case_signs_block_13", "Prototype", "D-1", SigningBlock::Block13},
    {"repair_signs_block_14_without_the_number", "REPAIRED", "D-1", SigningBlock::Block14},
    {"no_status_is_maintenance", "", "D-1", SigningBlock::Block14},
    {"padded_new_is_not_new", "NEW ", "D-1", SigningBlock::Block14},
    {"no_approval_number_fills_nothing", "NEW", "", std::nullopt},
};

class SignInFillCase : public testing::TestWithParam<FillCase> {};

} // namespace

TEST_P(SignInFillCase, FillsTheBlockTheFirstStatusSelects)
{
    const FillCase &c = GetParam();
    const std::optional<SignInFill> fill = signInFill("Pat", c.approvalNumber, c.firstStatus, "07/Dec/2026");
    ASSERT_EQ(fill.has_value(), c.block.has_value());
    if (fill) {
        const QString number = c.block == SigningBlock::Block13 ? "D-1" : "";
        EXPECT_TRUE(*fill == (SignInFill{*c.block, "Pat", number, "07/Dec/2026"}))
            << "block " << (fill->block == SigningBlock::Block13 ? 13 : 14) << ", number " << fill->number.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Statuses, SignInFillCase, testing::ValuesIn(fills),
                         [](const testing::TestParamInfo<FillCase> &i) { return std::string(i.param.name); });

namespace {

struct RightsCase {
    const char *name;
    bool ownRowFound, administrator, master, noneStored;
    Opening opening;
    // What that opening may then do with another's row, and with its own.
    Deleting deleteOther, deleteOwn;
};

constexpr qint64 kOwnRow = 7, kOtherRow = 9;

RightsCase rights[] = {
    {"administrator_keeps_everyone_but_himself", true, true, false, false, Opening::Administrator, Deleting::Allowed,
     Deleting::SignedIn},
    {"signatory_edits_only_his_row", true, false, false, false, Opening::OwnRowOnly, Deleting::Nothing,
     Deleting::Nothing},
    {"own_row_decides_even_with_the_master_password", true, false, true, false, Opening::OwnRowOnly,
     Deleting::Nothing, Deleting::Nothing},
    {"unknown_name_is_refused_in_silence", false, false, false, false, Opening::Refused, Deleting::Nothing,
     Deleting::Nothing},
    {"master_password_administers", false, false, true, false, Opening::Administrator, Deleting::Allowed,
     Deleting::Allowed},
    {"empty_table_opens_on_a_new_row", false, false, false, true, Opening::FirstSignatory, Deleting::Allowed,
     Deleting::Allowed},
};

class RightsCaseTest : public testing::TestWithParam<RightsCase> {};

} // namespace

TEST_P(RightsCaseTest, OpeningDecidesWhoMayDeleteWhom)
{
    const RightsCase &c = GetParam();
    const Opening o = SignatoryRights::onOpening(c.ownRowFound, c.administrator, c.master, c.noneStored);
    EXPECT_EQ(o, c.opening);
    const bool administering = SignatoryRights::administers(o);
    const std::optional<qint64> signedIn = c.ownRowFound ? std::optional(kOwnRow) : std::nullopt;
    EXPECT_EQ(SignatoryRights::mayDelete(administering, false, kOtherRow, signedIn), c.deleteOther);
    EXPECT_EQ(SignatoryRights::mayDelete(administering, false, kOwnRow, signedIn), c.deleteOwn);
    EXPECT_EQ(SignatoryRights::mayDelete(administering, true, kOtherRow, signedIn), Deleting::Nothing)
        << "never while a new row is under way";
    EXPECT_EQ(SignatoryRights::mayChooseYes(administering, QString(), true), administering);
}

INSTANTIATE_TEST_SUITE_P(Openings, RightsCaseTest, testing::ValuesIn(rights),
                         [](const testing::TestParamInfo<RightsCase> &i) { return std::string(i.param.name); });

// Only whole, and only while no one holds the right.
TEST(SignatoryRights, TheMasterPasswordMakesTheFirstAdministratorOnly)
{
    EXPECT_TRUE(SignatoryRights::mayChooseYes(false, "zorp7351", false));
    EXPECT_FALSE(SignatoryRights::mayChooseYes(false, "zorp735", false));
    EXPECT_FALSE(SignatoryRights::mayChooseYes(false, "zorp7351", true));
}

TEST(SignatoryRights, ACertificateIsForAnAdministratorOrTheSignatoryHimself)
{
    using SignatoryRights::Certifying;
    EXPECT_EQ(SignatoryRights::mayCertify(true, 0, 1), Certifying::Nothing) << "nothing stored chosen";
    EXPECT_EQ(SignatoryRights::mayCertify(false, 2, 1), Certifying::Refused);
    EXPECT_EQ(SignatoryRights::mayCertify(false, 2, std::nullopt), Certifying::Refused);
    EXPECT_EQ(SignatoryRights::mayCertify(false, 1, 1), Certifying::Allowed);
    EXPECT_EQ(SignatoryRights::mayCertify(true, 2, 1), Certifying::Allowed);
}
