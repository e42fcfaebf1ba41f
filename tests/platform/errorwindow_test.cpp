// The error window: its lines for the codes of the error table, and Help at the code's topic.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>

#include <cp1251.h>

#include "errorwindow.h"
#include "helpwindow.h"
#include "modal.h"

using mindloom::TForm8;

namespace {

struct ErrorCase {
    int code;
    zolt::ErrorDetails details;
    const char* l1;
    const char* l2;
    const char* l3;
    int topic;
};

std::string cp1251(const char* utf8) { return mindloom::utf8ToCp1251(utf8).text; }

zolt::ErrorDetails name(std::string n, bool tooFew = false) {
    zolt::ErrorDetails d;
    d.name = std::move(n);
    d.tooFew = tooFew;
    return d;
}
zolt::ErrorDetails label(std::string l) {
    zolt::ErrorDetails d;
    d.label = std::move(l);
    return d;
}
zolt::ErrorDetails character(std::string c) {
    zolt::ErrorDetails d;
    d.character = std::move(c);
    return d;
}

TEST(ErrorWindow, ShowsTheLinesAndRemembersTheTopicOfEachCode) {
    const ErrorCase cases[] = {
        {10, character("#"), "Error", "illegal symbol  #   in the text of the program", "Use help", 1001},
        {20, {}, "Syntactic mistake", "Closing bracket ) without opening it (", "Use help", 1020},
        {60, label("m2"), "Error", "Go to Undefined label", "Look at Go to  m2", 1006},
        {70, label("m"), "Error", "Multiple declaration for the label - m", "Use help", 1007},
        {80, name(cp1251("фу")), "Error", "undefined function  <фу>", "Use help", 1080},
        {95, name("line", true), "Error", "Error line>  Too few parameters in call to function",
         "Use help", 1095},
        {95, name("line"), "Error", "Error line>  Extra parameter in call to function", "Use help", 1095},
        {110, {}, "illegal operation", "Division by zero", "Use help", 1110},
        {200, {}, "Performance of the order", "  was interrupted.", "Use help", 2000},
        {201, {}, "Out field", "  ", "Use help", 1201},
        {202, {}, "Move to busy square", " ", "Use help", 1202},
        // Not in the table: the first lines, and the topic of the code before stays.
        {12345, {}, "Error", "", "Use help", 1202},
    };
    TForm8 window(false);
    EXPECT_EQ(window.windowTitle(), "error");
    EXPECT_EQ(window.Button1->text(), "OK");
    EXPECT_EQ(window.Button2->text(), "Help");
    EXPECT_EQ(window.Tex, nullptr);
    EXPECT_EQ(window.ErrorHelpContext, 1001);
    int shown = 0;
    mindloom::ScopedModalScript script([&](QDialog& dialog) {
        EXPECT_EQ(&dialog, &window);
        ++shown;
        return 1;
    });
    for (const ErrorCase& c : cases) {
        mindloom::ShowError(window, c.code, c.details);
        EXPECT_EQ(window.L1->text().toStdString(), c.l1) << c.code;
        EXPECT_EQ(window.L2->text().toStdString(), c.l2) << c.code;
        EXPECT_EQ(window.L3->text().toStdString(), c.l3) << c.code;
        EXPECT_EQ(window.ErrorHelpContext, c.topic) << c.code;
    }
    EXPECT_EQ(shown, static_cast<int>(std::size(cases)));
    EXPECT_EQ(window.L2->textFormat(), Qt::PlainText);  // "<name>" is text, not markup
}

TEST(ErrorWindow, BoardGameLineNamesTheProgramAndReadingStopHidesBStopI) {
    TForm8 window(true);
    ASSERT_NE(window.Tex, nullptr);
    bool stopHidden = false;
    window.hideCompileStop = [&] { stopHidden = true; };
    mindloom::ScopedModalScript script([](QDialog&) { return 1; });
    mindloom::ShowError(window, 201, {}, "Standard");
    EXPECT_EQ(window.Tex->text(), "Error in the programStandard>");
    EXPECT_FALSE(stopHidden);
    mindloom::ShowError(window, 210, {}, cp1251("Иванов"));
    EXPECT_EQ(window.Tex->text(), QString::fromUtf8("Error in the programИванов>"));
    EXPECT_EQ(window.L1->text(), "Performance of reading of the program");
    EXPECT_TRUE(stopHidden);
}

TEST(ErrorWindow, HelpOpensTheTopicOfTheMessageOnScreen) {
    mindloom::HelpWindow help(QStringLiteral("quinto"), QStringLiteral("Quinto"));
    TForm8 window(true);
    window.setHelpWindow(&help);
    int before = 0;
    window.beforeHelp = [&] { ++before; };
    // The user presses Help, then OK.
    mindloom::ScopedModalScript script([&](QDialog&) {
        window.Button2->click();
        return 1;
    });
    mindloom::ShowError(window, 202, {}, "Standard");
    EXPECT_EQ(before, 1);
    EXPECT_TRUE(help.isVisible());
    EXPECT_EQ(help.shownTopic(), 1202);
    EXPECT_EQ(help.browser()->source(), help.topicUrl(1202));
    EXPECT_TRUE(help.browser()->toPlainText().contains("busy", Qt::CaseInsensitive));

    mindloom::ShowError(window, 200, {}, "Standard");
    EXPECT_EQ(help.shownTopic(), 2000);
    EXPECT_TRUE(help.browser()->toPlainText().contains("interrupt", Qt::CaseInsensitive));
}

}  // namespace
