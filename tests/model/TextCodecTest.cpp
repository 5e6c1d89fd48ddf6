#include "TextCodec.h"

#include <gtest/gtest.h>

TEST(TextCodec, russianTextBecomesWindows1251Bytes) {
    const auto bytes = TextCodec::FromUnicode(QStringLiteral("Привет"));
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(*bytes, "\xCF\xF0\xE8\xE2\xE5\xF2");
    EXPECT_EQ(TextCodec::ToUnicode("\xCF\xF0\xE8\xE2\xE5\xF2"), QStringLiteral("Привет"));
}

TEST(TextCodec, letterYoNumeroSignAndEuroHaveTheirBytes) {
    const auto bytes = TextCodec::FromUnicode(QStringLiteral("Ёё№€"));
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(*bytes, "\xA8\xB8\xB9\x88");
    EXPECT_EQ(TextCodec::ToUnicode(*bytes), QStringLiteral("Ёё№€"));
}

TEST(TextCodec, emptyAndAsciiTextPassUnchanged) {
    EXPECT_EQ(TextCodec::FromUnicode(QString()), std::string());
    EXPECT_EQ(TextCodec::FromUnicode(QStringLiteral("a ?b")), std::string("a ?b"));
    EXPECT_EQ(TextCodec::ToUnicode(""), QString());
}

TEST(TextCodec, charactersWithoutAByteDoNotFit) {
    for (const QString& text : {QStringLiteral("中"), QStringLiteral("ǅ"),
                                QStringLiteral("Пресс 中"), QStringLiteral("\U0001F600")}) {
        SCOPED_TRACE(text.toStdString());
        EXPECT_FALSE(TextCodec::Fits(text));
        EXPECT_FALSE(TextCodec::FromUnicode(text).has_value());
    }
    EXPECT_TRUE(TextCodec::Fits(QStringLiteral("Пресс № 5, «ёлка» €")));
}

// A name read from a file keeps its bytes when it is shown and stored again unchanged, even
// 0x98, the one byte of the code page that stands for no letter.
TEST(TextCodec, everyByteSurvivesShowingAndStoring) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    const QString shown = TextCodec::ToUnicode(all);
    EXPECT_EQ(shown.size(), 256);
    EXPECT_EQ(TextCodec::FromUnicode(shown), all);
    EXPECT_EQ(TextCodec::ToUnicode("a\x98z").size(), 3);
}
