// What each form prints is in the recorded pages.
#include "FormAuthority.h"
#include "FormDefinition.h"
#include "FormNames.h"

#include <QFile>

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

// The EASA and UK forms in the authority's words; the FAA form keeps its
// own; no text without the source it was read in.
TEST(FormDefinitionWordsTest, EachFormHasItsOwnWordsAndSaysWhereEachComesFrom)
{
    for (const QString &name : arc::FormNames::all()) {
        SCOPED_TRACE(name.toStdString());
        const arc::FormDefinition &form = arc::FormDefinition::of(name);
        for (const QString &key : arc::FormDefinition::sourcedKeys())
            EXPECT_FALSE(form.source(key).isEmpty()) << key.toStdString();
        if (arc::FormNames::isFaa(name)) {
            EXPECT_EQ(form.caption("13e"), QStringList{"Date (dd/mmm/yyyy):"});
            continue;
        }
        EXPECT_EQ(form.userInstallerTitle, "USER/INSTALLER RESPONSIBILITIES");
        EXPECT_EQ(form.userInstallerFirst,
                  "This certificate does not automatically constitute authority to install the item(s).");
        for (const char *block : {"13e", "14e"})
            EXPECT_EQ(form.caption(block), QStringList{"Date (dd mmm yyyy)"}) << block;
        EXPECT_TRUE(form.statement14a.join(' ').contains("described in block 12, was accomplished"));
        EXPECT_TRUE(form.screen("14a").contains("described in block 12, was accomplished"));
    }
    QFile faa(":/forms/faa-8130-3.json");
    ASSERT_TRUE(faa.open(QIODevice::ReadOnly));
    QString error;
    const QByteArray unsourced =
        faa.readAll().replace("\"statusWords\": \"FAA", "\"statusWords\": \" \", \"was\": \"FAA");
    EXPECT_FALSE(arc::FormDefinition::parse(unsourced, &error));
    EXPECT_TRUE(error.contains("the source of statusWords")) << error.toStdString();
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
