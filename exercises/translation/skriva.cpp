#include "exercises/translation/skriva.h"

#include "engine/cp1252.h"
#include "engine/engine.h"
#include "exercises/common/registry.h"
#include "exercises/common/textanswer.h"
#include "ui/palette.h"
#include "ui/widgets.h"

#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

namespace lingvaro {

LINGVARO_EXERCISE_WINDOW(TSKRIV)

const ExerciseRules& TSKRIV::rules()
{
    static const ExerciseRules rules; // the protocol as it stands
    return rules;
}

TSKRIV::TSKRIV(AppContext& app) : ExerciseWindow(app, "TSKRIV", rules())
{
    Answer = new TextAnswer(this, engine(), app.platform, series(), engine().ScaleFactor);
    Label4 = ui::makeLabel(this, {}, ui::programFamily(), px(24), true, ui::colour::Navy);
    Label5 = ui::makeLabel(this, {}, ui::programFamily(), px(24), true, ui::colour::Maroon);
    Label4->hide();
    Label5->hide();
    connect(Answer, &TextAnswer::entered, this, &TSKRIV::answerEntered);
    connect(Answer, &TextAnswer::escaped, this, &TSKRIV::escapePressed);
    begin();
}

void TSKRIV::Inled()
{
    ExerciseWindow::Inled();
    Engine& e = engine();
    const QSize screen = size();
    const int row = screen.height() / 48;
    const int L = e.LetterWidth;
    QLineEdit* edit = Answer->Edit1;
    edit->resize(20 * (screen.width() / 64), QFontMetrics(edit->font()).height() + px(12));
    edit->move(FrageLabel2->x(), FrageLabel2->y() + FrageLabel2->height() * 3 / 2);
    Label5->resize(questionRight() - L, QFontMetrics(Label5->font()).height());
    Label5->move(edit->x(), edit->y() + edit->height() + Label5->height() / 3);
    Label4->setGeometry(edit->x(), edit->y() + 2, Label4->width(), edit->height());

    // The help row: level with the lamp switch, the rules button beside the help.
    const int lampTop = std::max(30 * row, Label5->geometry().bottom() + Label5->height());
    Answer->lampknapp->move(L, lampTop);
    Answer->LampShape->move(L, lampTop);
    const QRect lamp = Answer->lampknapp->geometry();
    Answer->Helpknapp1->setGeometry(lamp.right() + 1 + L, lamp.y(), Answer->Helpknapp1->width(), lamp.height());
    Answer->HelpKnapp2->setGeometry(Answer->Helpknapp1->geometry());
    regelknapp->setGeometry(Answer->Helpknapp1->x(), lamp.y(), regelknapp->width(), lamp.height());
    Answer->Label6->move(L, lampTop + lamp.height() + px(10));
    Answer->Label7->move(L, Answer->Label6->y() + px(32));
}

void TSKRIV::showQuestion()
{
    Engine& e = engine();
    ExerciseWindow::showQuestion();
    Answer->newQuestion(e.AnswerFields[2], HelpTexts);
    Label4->clear();
    Label4->hide();
    Label5->setText(fromCp1252(e.AnswerFields[2]));
    Label5->adjustSize();
    Label5->hide();
    // Room for the answer and a little more, never past the star column.
    QLineEdit* edit = Answer->Edit1;
    const int wanted = QFontMetrics(Label5->font()).horizontalAdvance(Label5->text()) + 4 * e.LetterWidth;
    edit->resize(std::min(wanted, questionRight() - edit->x()), edit->height());
    edit->move(FrageLabel2->x(), edit->y());
    Label5->move(edit->x(), Label5->y());
    variant();
    regelknapp->move(Answer->Helpknapp1->isVisibleTo(this) ? Answer->Helpknapp1->geometry().right() + 1 + e.LetterWidth
                                                            : Answer->Helpknapp1->x(),
                     regelknapp->y());
}

void TSKRIV::variant()
{
    Engine& e = engine();
    const int n = e.ExerciseNo;
    const int L = e.LetterWidth;
    if (n == 6 || n == 106) {
        // "en" over the question, "flera " in front of the answer.
        FrageLabel1->setText(QStringLiteral("en"));
        FrageLabel1->adjustSize();
        Label4->setText(QStringLiteral("flera "));
        Label4->adjustSize();
        QLineEdit* edit = Answer->Edit1;
        Label4->move(FrageLabel1->x(), edit->y() + 2);
        Label4->show();
        const int labelWidth = Label4->width();
        FrageLabel2->move(FrageLabel1->x() + labelWidth - FrageLabel1->width(), FrageLabel2->y());
        edit->move(FrageLabel1->x() + labelWidth + L / 3, edit->y());
        Label5->move(edit->x(), Label5->y());
    }
    if (n == 6 || n == 52300 || n == 53500 || n == 57200) {
        // The first help is part of the question here, not a help used.
        Answer->Helpknapp1->hide();
        Answer->Label6->setText(fromCp1252(e.AnswerFields[3]));
        Answer->Label6->adjustSize();
        Answer->Label6->setVisible(!isWorksheet(e.WorkMode));
    }
    if (n == 54100) {
        Answer->Helpknapp1->hide();
        Answer->Label6->hide();
    }
}

void TSKRIV::setAnswering(bool on)
{
    Answer->setAnswering(on);
    if (!on) {
        Answer->Helpknapp1->setEnabled(false);
        Answer->HelpKnapp2->setEnabled(false);
    } else {
        Answer->Helpknapp1->setEnabled(true);
        Answer->HelpKnapp2->setEnabled(true);
        Answer->lampControls();
    }
}

QWidget* TSKRIV::answerFocus() { return Answer->Edit1; }

void TSKRIV::answerEntered()
{
    Engine& e = engine();
    if (!series().asking())
        return;
    const bool right = series().isRight(e.AnswerFields[2], toCp1252(Answer->Edit1->text()));
    if (!right) {
        regelknapp->setEnabled(false);
        Label5->show();
    }
    series().judged(right);
}

void TSKRIV::contextMenuEvent(QContextMenuEvent* event)
{
    Answer->PopupMenu1->popup(event->globalPos());
}

} // namespace lingvaro
