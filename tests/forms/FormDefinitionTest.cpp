// What each form prints is in the recorded pages.
#include "FormAuthority.h"
#include "FormDefinition.h"
#include "FormNames.h"

#include <gtest/gtest.h>

namespace {

TEST(FormDefinitionNamesTest, EveryFormHasOneNoneIsTheFaaFormAndOneLackingACaptionIsRefused)
{
    for (const QString &name : arc::FormNames::all())
        EXPECT_EQ(arc::FormDefinition::of(name).name, name) << "FAA's would stand in for one lacking a caption";
    EXPECT_EQ(arc::FormDefinition::of("").name, "FAA Form 8130-3");
    EXPECT_EQ(arc::FormDefinition::of("EASA Form 2").name, "FAA Form 8130-3");
    QString error;
    EXPECT_FALSE(arc::FormDefinition::parse(R"({"name": "FAA Form 8130-3", "captions": {"1": ["A", "B"]}})", &error));
    EXPECT_TRUE(error.contains("caption 3")) << error.toStdString();
    EXPECT_FALSE(arc::FormDefinition::parse("not json"));
}

// Never the FAA's for an EASA or UK form, empty when the authority is not known.
TEST(FormAuthorityTest, Block1ByFormAndOrganisation)
{
    arc::OrganizationEntry lba, agency, uk, none;
    lba.easaAuthority = "LBA";
    lba.easaCountry = "Germany";
    agency.easaAuthority = "easa";
    agency.easaCountry = "Netherlands";
    uk.ukAuthority = "CAA";
    const struct {
        const char *form;
        const arc::OrganizationEntry *organisation;
        std::optional<QString> block1;
    } cases[] = {
        {"FAA Form 8130-3", &lba, std::nullopt},
        {"EASA Form 1 (maintenance)", &lba, "LBA / Germany"},
        {"EASA Form 1 (production)", &agency, "EASA"},
        {"EASA Form 1 (maintenance)", &uk, ""},
        {"EASA Form 1 (maintenance)", nullptr, ""},
        {"UK CAA Form 1 (production)", &uk, "CAA / United Kingdom"},
        {"UK CAA Form 1 (maintenance)", &lba, ""},
        {"UK CAA Form 1 (maintenance)", &none, ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(arc::FormAuthority::block1(c.form, c.organisation), c.block1) << c.form;
}

// Those kept, every one when none is.
TEST(FormAuthorityTest, AllowedFormsInTheFormsOrder)
{
    EXPECT_EQ(arc::FormNames::allowed("UK CAA Form 1 (maintenance); EASA Form 1 (maintenance); Form 9"),
              QStringList({"EASA Form 1 (maintenance)", "UK CAA Form 1 (maintenance)"}));
    EXPECT_EQ(arc::FormNames::allowed(" "), arc::FormNames::all());
}

} // namespace
