// The shared Qt pieces the lock game starts with: the application object and the QString codec.
#include <gtest/gtest.h>

#include <QApplication>
#include <QStyle>

#include "application.h"
#include "qcp1251.h"

namespace {

TEST(StartApplication, GivesTheSuitesSettings) {
    ASSERT_NE(qApp, nullptr);
    EXPECT_EQ(QApplication::organizationName(), "Mindloom");
    EXPECT_EQ(QApplication::applicationName(), "zolt");
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), "Zolt Game Vaultik");
    EXPECT_TRUE(QGuiApplication::quitOnLastWindowClosed());
    EXPECT_EQ(QApplication::style()->name().toLower(), "fusion");
}

TEST(QStringCp1251, RoundTripsEveryAssignedByte) {
    std::string all;
    for (int b = 1; b < 256; ++b)
        if (b != 0x98) all += static_cast<char>(b);
    const QString text = mindloom::qStringFromCp1251(all);
    EXPECT_EQ(text.size(), static_cast<qsizetype>(all.size()));
    const auto back = mindloom::qStringToCp1251(text);
    EXPECT_TRUE(back.ok);
    EXPECT_EQ(back.text, all);
    EXPECT_EQ(mindloom::qStringFromCp1251("\xC6\xE8\xE2"), QString::fromUtf8("Жив"));
    EXPECT_EQ(mindloom::qStringFromCp1251("\x88"), QString::fromUtf8("€"));
}

TEST(QStringCp1251, ReportsTheFirstCharacterWithoutAByte) {
    const auto converted = mindloom::qStringToCp1251(QString::fromUtf8("a中b😀c"));
    EXPECT_FALSE(converted.ok);
    EXPECT_EQ(converted.offending, U'中');
    EXPECT_EQ(converted.text, "abc");
}

}  // namespace
