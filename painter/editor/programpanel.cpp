// The painter's program editor panel: what it shows, the syntax switch and the help button.
#include "programpanel.h"

#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include <helpwindow.h>
#include <programlibrary.h>

#include "programedit.h"

namespace editor {
namespace {

QLabel* label(QWidget* parent, int x, int y, int pointSize, const QString& text) {
    auto* l = new QLabel(text, parent);
    l->setTextFormat(Qt::PlainText);  // hints such as "<button (tool): ...>" are text
    QFont font = l->font();
    font.setPointSize(pointSize);
    l->setFont(font);
    l->move(x, y);
    l->resize(400, pointSize * 2);
    return l;
}

}  // namespace

ProgramPanel::ProgramPanel(QWidget* panel, zolt::VocabularyKind vocabulary) : QObject(panel) {
    TexZ = label(panel, 128, 3, 8, QStringLiteral("The text of the program"));
    TexP = label(panel, 131, 20, 10, QStringLiteral("Constant part of the program"));
    Ed = new ProgramEdit(vocabulary, panel);
    Ed->setGeometry(128, 40, 505, 73);
    Sintex = new SyntaxSelector(panel);
    Sintex->setGeometry(528, 0, 73, Sintex->sizeHint().height());
    ButtS = new QPushButton(QStringLiteral("?"), panel);
    ButtS->setGeometry(608, 8, 25, 25);
    ButtS->setFont(QFont(QStringLiteral("Times New Roman")));
    Ed->setSyntax(Sintex->currentIndex());

    connect(Sintex, &QComboBox::currentIndexChanged, this, &ProgramPanel::SintexChange);
    connect(Sintex, &SyntaxSelector::entered, this, [this] {
        if (textLeftEdited()) emit changeDialogWanted();
    });
    connect(Ed, &ProgramEdit::keyReleased, this, &ProgramPanel::editorKeyUp);
    connect(ButtS, &QPushButton::clicked, this, &ProgramPanel::ButtSClick);
}

void ProgramPanel::setCurrent(ProgramKind kind, const library::ProgramRecord* record) {
    kind_ = kind;
    record_ = record;
}

void ProgramPanel::ShowProgramText() {
    Ed->setSyntax(Sintex->currentIndex());
    if (!library_ || !record_) return;
    Ed->showText(library_->surfaceText(*record_, Sintex->currentIndex()));
}

void ProgramPanel::setEditorWritable(bool writable) {
    Ed->setReadOnly(!writable);
    QPalette palette = Ed->palette();
    palette.setColor(QPalette::Base, writable ? QColor(Qt::white) : QColor(192, 192, 192));
    Ed->setPalette(palette);
}

void ProgramPanel::showSelectText() {
    TexZ->setText(QStringLiteral("The text of the program <Select>"));
    TexP->clear();
    setEditorWritable(false);
    Ed->setSyntax(Sintex->currentIndex());
    Ed->showText(" The access to the text of the program is forbidden.");
    Ed->setEditorChanged(false);
}

void ProgramPanel::showProgram(ProgramKind kind, const library::ProgramRecord* record, const QString& title,
                               const QString& constantPart) {
    setCurrent(kind, record);
    TexZ->setText(title);
    TexP->setText(constantPart);
    setEditorWritable(true);
    ShowProgramText();
}

bool ProgramPanel::textLeftEdited() const { return Ed->modifiedMark() && Ed->editorChanged(); }

void ProgramPanel::SintexChange() {
    // The stored text of the new syntax; an unsaved change in the editor is dropped.
    ShowProgramText();
}

void ProgramPanel::ButtSClick() {
    if (beforeHelp) beforeHelp();
    if (help_) help_->openTopic(HelpTopic);
}

}  // namespace editor
