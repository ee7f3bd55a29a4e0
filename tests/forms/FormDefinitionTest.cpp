// Every form compiled in is read whole, under its own name, with what sets
// it apart from the others.
#include "FormAuthority.h"
#include "FormDefinition.h"
#include "FormNames.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

struct FormCase {
    const char *name;
    bool landscapeOnly;
    const char *titleSecondLine, *footer, *returnToService;
};
void PrintTo(const FormCase &c, std::ostream *os) { *os << c.name; }

const FormCase kForms[] = {
    {"FAA Form 8130-3", false, "FAA Form 8130-3, AIRWORTHINESS APPROVAL TAG", "FAA FORM 8130-3 (02-14)",
     "14 CFR 43.9 Return to Service"},
    {"EASA Form 1 (maintenance)", true, "EASA FORM 1", "EASA Form 1-MF/CAO/145 Issue 3",
     "Part-145.A.50 Release to Service"},
    {"EASA Form 1 (production)", true, "EASA FORM 1", "EASA Form 1-21 Issue 2", "Part-145.A.50 Release to Service"},
    {"UK CAA Form 1 (maintenance)", true, "CAA FORM 1", "CAA Form 1-MF/CAO/145 Issue 3",
     "Part-145.A.50 Release to Service"},
    {"UK CAA Form 1 (production)", true, "CAA FORM 1", "CAA Form 1-21 Issue 2", "Part-145.A.50 Release to Service"},
};

class FormDefinitionTest : public testing::TestWithParam<FormCase> {};

TEST_P(FormDefinitionTest, LoadedWholeUnderItsName)
{
    const FormCase &c = GetParam();
    const arc::FormDefinition &form = arc::FormDefinition::of(c.name);
    // A definition lacking a caption is not loaded, and FAA's would stand in.
    EXPECT_EQ(form.name, c.name);
    EXPECT_EQ(form.landscapeOnly, c.landscapeOnly);
    EXPECT_EQ(form.title.value(1), c.titleSecondLine);
    EXPECT_EQ(form.footerLeft, c.footer);
    EXPECT_EQ(form.boxes14a.value(0), c.returnToService);
    for (const QString &block : arc::FormDefinition::pageBlocks())
        EXPECT_TRUE(form.numbered(block).startsWith(block + ". ")) << block.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Forms, FormDefinitionTest, testing::ValuesIn(kForms),
                         [](const testing::TestParamInfo<FormCase> &i) {
                             return QString(i.param.name).replace(QRegularExpression("[^A-Za-z0-9]+"), "_").toStdString();
                         });

// Every form has a definition; a certificate naming none is an FAA form.
TEST(FormDefinitionNamesTest, EveryFormHasOneAndNoneIsTheFaaForm)
{
    EXPECT_EQ(arc::FormNames::all().size(), qsizetype(std::size(kForms)));
    EXPECT_EQ(arc::FormDefinition::of("").name, "FAA Form 8130-3");
    EXPECT_EQ(arc::FormDefinition::of("EASA Form 2").name, "FAA Form 8130-3");
}

// A file lacking a text the page prints is refused, naming what it lacks.
TEST(FormDefinitionNamesTest, AFileLackingACaptionIsRefused)
{
    QString error;
    EXPECT_FALSE(arc::FormDefinition::parse(R"({"name": "FAA Form 8130-3", "captions": {"1": ["A", "B"]}})", &error));
    EXPECT_TRUE(error.contains("caption 3")) << error.toStdString();
    EXPECT_FALSE(arc::FormDefinition::parse("not json"));
}

// Block 1 of each form from the organisation: never the FAA's for an EASA
// or UK form, empty when its authority is not known.
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

// The forms an organisation may issue: those kept, every one when none is.
TEST(FormAuthorityTest, AllowedFormsInTheFormsOrder)
{
    EXPECT_EQ(arc::FormNames::allowed("UK CAA Form 1 (maintenance); EASA Form 1 (maintenance); Form 9"),
              QStringList({"EASA Form 1 (maintenance)", "UK CAA Form 1 (maintenance)"}));
    EXPECT_EQ(arc::FormNames::allowed(" "), arc::FormNames::all());
}

} // namespace
