#include "CertificateNumbering.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace arc;

TEST(CertificateNumberingTest, NextNumbersFromTheLastIssued)
{
    enum Rule { T, I, B }; // tracking, invoice, batch
    const QString big = QStringLiteral("1234567890123456789099999"), bigNext = QStringLiteral("1234567890123456789100000");
    const QString wide = QStringLiteral("\uFF14\uFF12"); // full-width digits are text, not a number
    const struct {
        Rule rule;
        std::optional<QString> last;
        bool increase;
        QString expected;
    } cases[] = {
        // Tracking, counting: at least six digits; a number after the first "-" counts too.
        {T, std::nullopt, true, "000001"}, {T, "000041", true, "000042"}, {T, "000099", true, "000100"},
        {T, "999999", true, "1000000"}, {T, "42", true, "000043"}, {T, "+5", true, "000006"},
        {T, "ABC-000123", true, "ABC-000124"}, {T, "ABC-7", true, "ABC-000008"},
        {T, "1.5", true, "000002.5"}, {T, ".5", true, "000001.5"}, {T, big, true, bigNext},
        // Any other pattern: its last run of digits counts up, keeping its width.
        {T, "SKY-26-0001", true, "SKY-26-0002"}, {T, "B100", true, "B101"}, {T, "B999", true, "B1000"},
        {T, "2026/017", true, "2026/018"}, {T, "A-1-2", true, "A-1-3"}, {T, "A12B", true, "A13B"},
        {T, " 12", true, " 13"}, {T, "12a", true, "13a"}, {T, "1e3", true, "1e4"}, {T, "12\n", true, "13\n"},
        // Nothing to count: no digits (full-width ones are text).
        {T, "AB-CD", true, "AB-CD"}, {T, "AB-", true, "AB-"}, {T, "XYZ", true, "XYZ"}, {T, wide, true, wide},
        // Tracking, not counting: numbers shown padded, never advanced.
        {T, std::nullopt, false, ""}, {T, "42", false, "000042"}, {T, "12", false, "000012"},
        {T, "0001234567", false, "1234567"}, {T, "ABC-7", false, "ABC-7"},
        // Invoice, counting: no padding, exact decimal arithmetic.
        {I, std::nullopt, true, "1"}, {I, "0042", true, "43"}, {I, "INV-0042", true, "INV-43"},
        {I, "WO-0099", true, "WO-100"}, {I, "INV-", true, "INV-"}, {I, "INV/2026/0099", true, "INV/2026/0100"}, {I, "-1", true, "0"}, {I, "-0", true, "1"},
        {I, "-10", true, "-9"}, {I, "-0.25", true, "0.75"}, {I, "-0.50", true, "0.50"}, {I, "-0.0", true, "1.0"},
        {I, "-5.25", true, "-4.25"}, {I, "-1.5", true, "-0.5"}, {I, "-1.0", true, "0.0"},
        {I, "9.99", true, "10.99"}, {I, big, true, bigNext},
        // Invoice, not counting: exactly as stored.
        {I, std::nullopt, false, ""}, {I, "0042", false, "0042"}, {I, "INV-0042", false, "INV-0042"},
        // Batch follows the invoice rule.
        {B, std::nullopt, true, "1"}, {B, "LOT-0099", true, "LOT-100"}, {B, std::nullopt, false, ""}, {B, "0042", false, "0042"},
    };
    for (const auto &c : cases) {
        const QString got = c.rule == T   ? CertificateNumbering::tracking(c.last, c.increase)
                            : c.rule == I ? CertificateNumbering::invoice(c.last, c.increase)
                                          : CertificateNumbering::batch(c.last, c.increase);
        EXPECT_EQ(got.toStdString(), c.expected.toStdString())
            << "rule " << c.rule << " from " << qPrintable(c.last.value_or("<null>")) << " increase " << c.increase;
    }

    const QStringList numeric = {"0", "0042", "+5", "-3", "1.5", ".5", "5.", "-.5", big};
    const QStringList notNumeric = {"",    "-",   "+",   ".",     "1e3",  "1,000",  " 12", "12 ",
                                    "12a", "1.2.3", "--1", "12\n", "\n12", wide};
    for (const QString &n : numeric)
        EXPECT_TRUE(CertificateNumbering::isNumeric(n)) << '"' << qPrintable(n) << '"';
    for (const QString &n : notNumeric)
        EXPECT_FALSE(CertificateNumbering::isNumeric(n)) << '"' << qPrintable(n) << '"';
}
