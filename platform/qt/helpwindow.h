// The program's help: HTML pages compiled in as Qt resources, shown at a topic number or at the
// keyword index, in a small window beside the program.
#pragma once

#include <QDialog>
#include <QString>
#include <QUrl>

class QTextBrowser;

namespace mindloom {

// Pages of a help set `name` lie under ":/help/<name>/": "<topic>.html" for every topic number
// and "index.html", the keyword index. The executable links the set's .qrc file.
class HelpWindow : public QDialog {
    Q_OBJECT
public:
    explicit HelpWindow(const QString& helpName, const QString& title, QWidget* parent = nullptr);

    // Shows the window (not modal) at a topic; a topic without a page says so and links the index.
    void openTopic(int topic);
    // Shows the keyword index; a non-empty keyword is searched for in it.
    void openKeywordIndex(const QString& keyword = {});

    bool hasTopic(int topic) const;
    QUrl topicUrl(int topic) const;
    QUrl indexUrl() const;

    // The topic shown last: its number, kIndexTopic for the keyword index, 0 before any.
    static constexpr int kIndexTopic = -1;
    int shownTopic() const { return shownTopic_; }
    QTextBrowser* browser() const { return browser_; }

private:
    void showWindow();

    QString helpName_;
    QTextBrowser* browser_;
    int shownTopic_ = 0;
};

}  // namespace mindloom
