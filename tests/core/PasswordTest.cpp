// The reversible scrambling of stored passwords.
#include "core/SunUnit.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <stdexcept>

TEST(PasswordTest, KnownVectors)
{
    struct Case {
        const char* plain;
        const char* scrambled;
    } cases[] = {
        {"", ""},
        {"admin", "5D856AF43C"},
        {"A", "7D"},
        {"123456789", "0DD334A967922CCE05"},   // the ninth byte wraps to the table's first
        {"管理", "853DC770"},                   // GBK B9DC C0ED: two bytes per character
        {"a1管", "5DD0BE41"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(EncodePassword(QString::fromUtf8(c.plain)), QString::fromUtf8(c.scrambled)) << c.plain;
}

TEST(PasswordTest, RoundTripAndForm)
{
    const QRegularExpression upperHex(QStringLiteral("^[0-9A-F]*$"));
    for (const QString& plain : {QStringLiteral("Secret#1"), QStringLiteral("客户关系管理2011"),
                                 QStringLiteral("o'brien"), QStringLiteral(" sp ace ")}) {
        const QString scrambled = EncodePassword(plain);
        EXPECT_TRUE(upperHex.match(scrambled).hasMatch()) << scrambled.toStdString();
        EXPECT_EQ(DecodePassword(scrambled), plain);
    }
    EXPECT_EQ(EncodePassword(QStringLiteral("管理员")).size(), 12);
}

TEST(PasswordTest, DecodeEdgeCases)
{
    EXPECT_EQ(DecodePassword(""), "");
    EXPECT_EQ(DecodePassword("5"), "");
    EXPECT_EQ(DecodePassword("5D856AF43C7"), "admin");      // odd length: last character ignored
    EXPECT_EQ(DecodePassword("5d856af43c"), "admin");       // lower-case digits accepted
    EXPECT_THROW(DecodePassword("5DZZ"), std::invalid_argument);
    EXPECT_THROW(DecodePassword("+1"), std::invalid_argument);
}
