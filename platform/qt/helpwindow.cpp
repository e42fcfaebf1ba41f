// The help window: a text browser over the help set's resource pages.
#include "helpwindow.h"

#include <QApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace mindloom {

HelpWindow::HelpWindow(const QString& helpName, const QString& title, QWidget* parent)
    : QDialog(parent), helpName_(helpName), browser_(new QTextBrowser(this)) {
    setWindowTitle(title);
    setModal(false);
    resize(620, 480);
    browser_->setOpenLinks(true);
    browser_->setOpenExternalLinks(false);
    browser_->setSearchPaths({QStringLiteral(":/help/%1").arg(helpName_)});

    auto* contents = new QPushButton(tr("Contents"), this);
    auto* back = new QPushButton(tr("Back"), this);
    auto* close = new QPushButton(tr("Close"), this);
    connect(contents, &QPushButton::clicked, this, [this] { openKeywordIndex(); });
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(close, &QPushButton::clicked, this, &QDialog::hide);
    back->setEnabled(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(back);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browser_);
    layout->addLayout(buttons);
}

QUrl HelpWindow::topicUrl(int topic) const {
    return QUrl(QStringLiteral("qrc:/help/%1/%2.html").arg(helpName_).arg(topic));
}

QUrl HelpWindow::indexUrl() const { return QUrl(QStringLiteral("qrc:/help/%1/index.html").arg(helpName_)); }

bool HelpWindow::hasTopic(int topic) const {
    return QFile::exists(QStringLiteral(":/help/%1/%2.html").arg(helpName_).arg(topic));
}

void HelpWindow::openTopic(int topic) {
    shownTopic_ = topic;
    if (hasTopic(topic)) {
        browser_->setSource(topicUrl(topic));
    } else {
        browser_->setHtml(QStringLiteral("<h2>Help</h2><p>There is no help page for topic %1.</p>"
                                         "<p><a href=\"%2\">Contents</a></p>")
                              .arg(topic)
                              .arg(indexUrl().toString()));
    }
    showWindow();
}

void HelpWindow::openKeywordIndex(const QString& keyword) {
    shownTopic_ = kIndexTopic;
    browser_->setSource(indexUrl());
    if (!keyword.isEmpty()) browser_->find(keyword);
    showWindow();
}

void HelpWindow::showWindow() {
    // Opened from a modal window (the error window's Help button) the help must take the input
    // itself, or it could not be read until that window is closed; otherwise it stays beside
    // the program.
    QWidget* modal = QApplication::activeModalWidget();
    const Qt::WindowModality wanted = modal && modal != this ? Qt::ApplicationModal : Qt::NonModal;
    if (windowModality() != wanted) {
        hide();
        setWindowModality(wanted);
    }
    show();
    raise();
    activateWindow();
}

}  // namespace mindloom
