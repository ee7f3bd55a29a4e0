#include "SignatoryRights.h"
#include "SigningBlock.h"

#include <gtest/gtest.h>

using namespace arc;
using SignatoryRights::Deleting;
using SignatoryRights::Opening;

TEST(SignInFill, FillsTheBlockTheFirstStatusSelects)
{
    const struct {
        const char *name;
        QString firstStatus, approvalNumber;
        std::optional<SigningBlock> block; // none: nothing filled
    } fills[] = {
        {"new part signs block 13 with the number", "NEW", "D-1", SigningBlock::Block13},
        {"prototype in any case signs block 13", "Prototype", "D-1", SigningBlock::Block13},
        {"repair signs block 14 without the number", "REPAIRED", "D-1", SigningBlock::Block14},
        {"no status is maintenance", "", "D-1", SigningBlock::Block14},
        {"padded new is not new", "NEW ", "D-1", SigningBlock::Block14},
        {"no approval number fills nothing", "NEW", "", std::nullopt},
    };
    for (const auto &c : fills) {
        SCOPED_TRACE(c.name);
        const std::optional<SignInFill> fill = signInFill("Pat", c.approvalNumber, c.firstStatus, "07/Dec/2026");
        ASSERT_EQ(fill.has_value(), c.block.has_value());
        const QString number = c.block == SigningBlock::Block13 ? "D-1" : "";
        EXPECT_TRUE(!fill || *fill == (SignInFill{*c.block, "Pat", number, "07/Dec/2026"}))
            << "block " << (fill->block == SigningBlock::Block13 ? 13 : 14) << ", number " << fill->number.toStdString();
    }
}

TEST(SignatoryRights, OpeningDecidesWhoMayDeleteWhomAndWhoAdministers)
{
    constexpr qint64 kOwnRow = 7, kOtherRow = 9;
    const struct {
        const char *name;
        bool ownRowFound, administrator, master, noneStored;
        Opening opening;
        Deleting deleteOther, deleteOwn; // what that opening may then do with another's row, and with its own
    } rights[] = {
        {"administrator keeps everyone but himself", true, true, false, false, Opening::Administrator, Deleting::Allowed,
         Deleting::SignedIn},
        {"signatory edits only his row", true, false, false, false, Opening::OwnRowOnly, Deleting::Nothing,
         Deleting::Nothing},
        {"own row decides even with the master password", true, false, true, false, Opening::OwnRowOnly,
         Deleting::Nothing, Deleting::Nothing},
        {"unknown name is refused in silence", false, false, false, false, Opening::Refused, Deleting::Nothing,
         Deleting::Nothing},
        {"master password administers", false, false, true, false, Opening::Administrator, Deleting::Allowed,
         Deleting::Allowed},
        {"empty table opens on a new row", false, false, false, true, Opening::FirstSignatory, Deleting::Allowed,
         Deleting::Allowed},
    };
    for (const auto &c : rights) {
        SCOPED_TRACE(c.name);
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
    // The master password makes the first administrator only: whole, and
    // only while no one holds the right.
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
