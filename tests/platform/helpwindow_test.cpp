// The help window and the board game's help pages: every topic the game can open has a page.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QRegularExpression>
#include <QTextBrowser>

#include <errors.h>

#include "helpwindow.h"

using mindloom::HelpWindow;

namespace {

TEST(QuintoHelp, EveryTopicOfTheErrorTableHasAPage) {
    HelpWindow help(QStringLiteral("quinto"), QStringLiteral("Quinto"));
    int topics = 0;
    for (int code = 0; code < 1000; ++code) {
        const int topic = zolt::describeError(code, {}).helpTopic;
        if (topic == 0) continue;
        ++topics;
        EXPECT_TRUE(help.hasTopic(topic)) << "code " << code << " topic " << topic;
    }
    EXPECT_GE(topics, 30);
}

TEST(QuintoHelp, KeywordIndexLinksOnlyToPagesThatExist) {
    HelpWindow help(QStringLiteral("quinto"), QStringLiteral("Quinto"));
    help.openKeywordIndex();
    EXPECT_EQ(help.shownTopic(), HelpWindow::kIndexTopic);
    EXPECT_TRUE(help.isVisible());
    const QString html = help.browser()->toHtml();
    EXPECT_TRUE(help.browser()->toPlainText().contains("About programming"));
    const QRegularExpression link(QStringLiteral("href=\"([0-9]+)\\.html\""));
    int links = 0;
    for (auto it = link.globalMatch(html); it.hasNext();) {
        const int topic = it.next().captured(1).toInt();
        EXPECT_TRUE(help.hasTopic(topic)) << topic;
        ++links;
    }
    EXPECT_GE(links, 30);
}

TEST(QuintoHelp, AKeywordIsFoundInTheIndex) {
    HelpWindow help(QStringLiteral("quinto"), QStringLiteral("Quinto"));
    help.openKeywordIndex(QStringLiteral("Division by zero"));
    EXPECT_EQ(help.browser()->textCursor().selectedText(), "Division by zero");
}

TEST(QuintoHelp, ATopicWithoutAPageSaysSoAndLinksTheContents) {
    HelpWindow help(QStringLiteral("quinto"), QStringLiteral("Quinto"));
    ASSERT_FALSE(help.hasTopic(4242));
    help.openTopic(4242);
    EXPECT_EQ(help.shownTopic(), 4242);
    EXPECT_TRUE(help.browser()->toPlainText().contains("no help page for topic 4242"));
    EXPECT_TRUE(help.browser()->toHtml().contains(help.indexUrl().toString()));
}

TEST(QuintoHelp, PagesLinkToPagesThatExist) {
    HelpWindow help(QStringLiteral("quinto"), QStringLiteral("Quinto"));
    const QRegularExpression link(QStringLiteral("href=\"([^\"#]+)\\.html"));
    for (int topic = 1; topic < 3000; ++topic) {
        if (!help.hasTopic(topic)) continue;
        help.openTopic(topic);
        EXPECT_FALSE(help.browser()->toPlainText().trimmed().isEmpty()) << topic;
        for (auto it = link.globalMatch(help.browser()->toHtml()); it.hasNext();) {
            const QString target = it.next().captured(1);
            if (target == QStringLiteral("index")) continue;
            EXPECT_TRUE(help.hasTopic(target.toInt())) << topic << " links " << target.toStdString();
        }
    }
}

TEST(QuintoHelp, HelpOpenedFromAModalWindowCanBeUsedAtOnce) {
    HelpWindow help(QStringLiteral("quinto"), QStringLiteral("Quinto"));
    help.openTopic(10);
    EXPECT_EQ(help.windowModality(), Qt::NonModal);
    {
        QDialog errorBox;
        errorBox.setWindowModality(Qt::ApplicationModal);
        errorBox.show();
        ASSERT_EQ(QApplication::activeModalWidget(), &errorBox);
        help.openTopic(1201);
        EXPECT_EQ(help.windowModality(), Qt::ApplicationModal);
        EXPECT_TRUE(help.isVisible());
        EXPECT_EQ(QApplication::activeModalWidget(), &help);
        help.hide();
    }
    help.openKeywordIndex();
    EXPECT_EQ(help.windowModality(), Qt::NonModal);
}

}  // namespace
