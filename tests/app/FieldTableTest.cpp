// Every field of the table of certificate fields reaches each place that
// stores, shows, searches, prints, lists or embeds a certificate: a field
// one of them forgets fails here.

#include "CertificateContent.h"
#include "CertificateFields.h"
#include "CertificateScreen.h"
#include "CertificateStore.h"
#include "CertificateXml.h"
#include "DateText.h"
#include "FindFields.h"
#include "FormNames.h"
#include "ItemGridModel.h"
#include "OpenedSource.h"
#include "PageFromScreen.h"
#include "PrintFixtures.h"
#include "RegisterRows.h"
#include "Schema.h"
#include "TempFolder.h"

using namespace arc;

namespace {

QString name(const CertificateField &f)
{
    return QString::fromLatin1(f.table == StoredTable::Header ? "Header." : "Detail.") + QLatin1String(f.column);
}

// A value of its own in every field; the first line's status chooses
// block 13 or, for any other, block 14.
CertificateEntries distinct(const QString &status)
{
    CertificateEntries e;
    int n = 0;
    for (const CertificateField &f : CertificateFields::all()) {
        ++n;
        if (f.flag)
            e.*f.flag = true;
        else if (f.dateText)
            e.*f.dateText = DateText::format(QDate(2026, 12, n));
        else if (f.lineText)
            e.lines[0].*f.lineText = QStringLiteral("L%1%2").arg(n).arg(status.at(0));
        else if (f.text == &CertificateBlocks::form)
            e.form = FormNames::all().constLast();
        else
            e.*f.text = QStringLiteral("F%1%2").arg(n).arg(status.at(0));
    }
    e.lines[0].status = status;
    return e;
}

// What a field holds, as typed.
QString typed(const CertificateEntries &e, const CertificateField &f)
{
    if (f.flag)
        return e.*f.flag ? QStringLiteral("ticked") : QString();
    if (f.dateText)
        return e.*f.dateText;
    return f.lineText ? e.lines[0].*f.lineText : e.*f.text;
}

class FieldTableTest : public TempFolderTest {
protected:
    void SetUp() override
    {
        TempFolderTest::SetUp();
        ASSERT_TRUE(madeDataFolder(folder()));
        ASSERT_TRUE(data.open(folder()).ok());
        for (const QString &status : {QStringLiteral("NEW"), QStringLiteral("REPAIRED")}) {
            entries.push_back(distinct(status));
            qint64 key = 0;
            ASSERT_TRUE(CertificateStore(data).save(entries.back(), true, key).ok());
            keys.push_back(key);
        }
    }
    void TearDown() override { data.close(); }

    DataFolder data;
    std::vector<CertificateEntries> entries;
    std::vector<qint64> keys;
};

// Its column, of the kind and size its boxes need; the store keeps it.
TEST_F(FieldTableTest, EveryFieldIsStoredWhole)
{
    CertificateStore store(data);
    const CertificateHeader stored = store.currentHeader();
    ItemSlots lines;
    ASSERT_TRUE(store.loadLines(keys.back(), lines).ok());
    for (const CertificateField &f : CertificateFields::all()) {
        const FieldDef *column =
            Schema::table(f.table == StoredTable::Header ? "Header" : "Detail")->field(QLatin1String(f.column));
        ASSERT_NE(column, nullptr) << name(f).toStdString();
        const FieldType type = f.flag ? FieldType::YesNo : f.date ? FieldType::Date : FieldType::Text;
        EXPECT_EQ(column->type, type) << name(f).toStdString();
        if (type == FieldType::Text) {
            EXPECT_GE(column->maxLength, std::max(f.entryLimit, f.findLimit)) << name(f).toStdString();
        }
        CertificateEntries back;
        static_cast<CertificateBlocks &>(back) = stored;
        back.lines = lines;
        if (f.date)
            back.*f.dateText = DateText::format(stored.*f.date);
        EXPECT_EQ(typed(back, f), typed(entries.back(), f)) << name(f).toStdString();
    }
}

// Its box, named and limited as the table says; what the box shows of a
// stored certificate is what it gives back.
TEST_F(FieldTableTest, EveryFieldHasItsBoxOnScreen)
{
    ItemGridModel lines;
    lines.setLines(entries.back().lines);
    CertificateScreen screen(&lines, [] { return false; });
    const CertificateHeader stored = CertificateStore(data).currentHeader();
    screen.showHeader(stored);
    const CertificateEntries shown = screen.entries(entries.back().lines);
    for (const CertificateField &f : CertificateFields::all()) {
        if (f.lineText) {
            bool inGrid = false;
            for (int c = 0; c < lines.columnCount(); ++c)
                inGrid = inGrid || lines.data(lines.index(0, c)).toString() == typed(entries.back(), f);
            EXPECT_TRUE(inGrid) << name(f).toStdString();
            continue;
        }
        const QWidget *box = screen.findChild<QWidget *>(QLatin1String(f.objectName));
        ASSERT_NE(box, nullptr) << name(f).toStdString();
        if (*f.block) { // the export frame follows its own rule
            EXPECT_EQ(typed(shown, f), typed(entries.back(), f)) << name(f).toStdString();
        }
    }
}

// The twelve boxes of the find panel are the fields the table places there.
TEST_F(FieldTableTest, EveryFoundFieldHasItsFindBox)
{
    for (const CertificateField &f : CertificateFields::all()) {
        if (f.findOrder < 0)
            continue;
        const FindField &box = findFields().at(std::size_t(f.findOrder));
        EXPECT_EQ(QString::fromLatin1(box.table) + '.' + QString::fromLatin1(box.field), name(f));
    }
}

// What the page prints of each field of its blocks.
TEST_F(FieldTableTest, EveryPrintedFieldIsOnThePage)
{
    for (const CertificateEntries &e : entries) {
        const CertificatePage page = pageFromScreen(e, {});
        const QString drawn = pageText(RecordedPage(page).canvas.ops());
        for (const CertificateField &f : CertificateFields::all()) {
            if (f.printed == PrintedBox::None)
                continue;
            // Only the block in use, 13 or 14, is filled in.
            const QLatin1String unused(e.lines[0].status == "NEW" ? "14" : "13");
            if (f.flag) {
                EXPECT_TRUE(page.ticked(f.printed)) << name(f).toStdString();
            } else if (!QString::fromLatin1(f.block).startsWith(unused)) {
                EXPECT_TRUE(drawn.contains(typed(e, f))) << name(f).toStdString();
            }
        }
    }
}

// The register shows each field it lists in its column, of the block in use.
TEST_F(FieldTableTest, EveryListedFieldIsInTheRegister)
{
    const std::vector<QStringList> rows = registerRows(data.certificates());
    ASSERT_EQ(rows.size(), entries.size());
    const QStringList header = RegisterExport::header();
    for (const CertificateField &f : CertificateFields::all()) {
        if (f.inRegister.order < 0)
            continue;
        EXPECT_EQ(header.at(f.inRegister.order), QLatin1String(f.inRegister.heading));
        bool shown = false;
        for (std::size_t r = 0; r < rows.size(); ++r) {
            QString value = typed(entries[r], f);
            if (f.date)
                value = DateText::parse(value).toString(Qt::ISODate);
            shown = shown || rows[r].at(f.inRegister.order) == value;
        }
        EXPECT_TRUE(shown) << name(f).toStdString();
    }
}

// The data an issued page carries names every printed field with its value.
TEST_F(FieldTableTest, EveryPrintedFieldIsInTheEmbeddedData)
{
    const std::optional<CertificateContent> content = CertificateContent::read(data.certificates(), keys.back());
    ASSERT_TRUE(content);
    const QString xml = QString::fromUtf8(CertificateXml::of(*content, {"Pat Doe", {}, {}}));
    for (const CertificateField &f : CertificateFields::all()) {
        if (f.printed == PrintedBox::None)
            continue;
        const QString value = f.flag   ? QStringLiteral("stored=\"1\"")
                              : f.date ? DateText::parse(typed(entries.back(), f)).toString(Qt::ISODate)
                                       : typed(entries.back(), f);
        EXPECT_TRUE(xml.contains(QStringLiteral("field=\"%1\"").arg(QLatin1String(f.column)))) << name(f).toStdString();
        EXPECT_TRUE(xml.contains(value)) << name(f).toStdString();
    }
}

} // namespace
