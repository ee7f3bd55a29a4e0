#include "VerificationCode.h"

#include <gtest/gtest.h>

using arc::VerificationCode;

namespace {

const QString kEmptySha = QStringLiteral("e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");

TEST(VerificationCode, IsTheStartOfTheHashInBase32)
{
    const struct {
        const char *hex;
        const char *code;
    } cases[] = {
        {"e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855", "4OYMIQUY7QOBJGX36TEJ"},
        {"BA7816BF8F01CFEA414140DE5DAE2223B00361A396177A9CB410FF61F20015AD", "XJ4BNP4PAHH6UQKBIDPF"},
        {"e3b0", ""},
        {"zz3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855", ""},
        {"g3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(VerificationCode::of(QString::fromLatin1(c.hex)), QString::fromLatin1(c.code)) << c.hex;
}

TEST(VerificationCode, AcceptsOnlyTwentyCharactersOfTheAlphabet)
{
    const struct {
        const char *code;
        bool valid;
    } cases[] = {
        {"4OYMIQUY7QOBJGX36TEJ", true},  {"4OYMIQUY7QOBJGX36TE", false}, {"4OYMIQUY7QOBJGX36TEJA", false},
        {"4oymiquy7qobjgx36tej", false}, {"4OYMIQUY1QOBJGX36TEJ", false}, {"4OYMIQUY7QOBJGX36TE=", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(VerificationCode::looksValid(QString::fromLatin1(c.code)), c.valid) << c.code;
    EXPECT_FALSE(VerificationCode::looksValid(QStringLiteral("4OYMIQUY7QOBJGX36TE\u00c9")));
}

TEST(VerificationCode, PayloadIsTheAddressOrThePlainText)
{
    const struct {
        const char *base;
        const char *tracking;
        const char *payload;
    } cases[] = {
        {"https://verify.example.com", "VAS-26-0001", "https://verify.example.com/c/VAS-26-0001?k=4OYMIQUY7QOBJGX36TEJ"},
        {" https://verify.example.com/ ", "VAS-26-0001", "https://verify.example.com/c/VAS-26-0001?k=4OYMIQUY7QOBJGX36TEJ"},
        {"https://x.example/v", "A/B ?1", "https://x.example/v/c/A%2FB%20%3F1?k=4OYMIQUY7QOBJGX36TEJ"},
        {"", "VAS-26-0001",
         "ARC8130 FORM=EASA Form 1;TRACKING=VAS-26-0001;"
         "SHA256=e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(VerificationCode::payload(QString::fromUtf8(c.base), QStringLiteral("EASA Form 1"),
                                            QString::fromUtf8(c.tracking), kEmptySha),
                  QString::fromUtf8(c.payload))
            << c.base << " " << c.tracking;
}

} // namespace
