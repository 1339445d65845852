#include "exercises/twoforms/skriva2.h"

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

LINGVARO_EXERCISE_WINDOW(Tskriv2)

const ExerciseRules& Tskriv2::rules()
{
    static const ExerciseRules rules = [] {
        ExerciseRules r;
        // Esc pauses in every mode, "&Interrumpe" only closes, and a diagnosis
        // practice passes with its second series of at least 8 right.
        r.testEscape = ExerciseRules::TestEscape::Pauses;
        r.interrupt = ExerciseRules::Interrupt::Close;
        r.practicePass = ExerciseRules::PracticePass::TwoGoodSeries;
        return r;
    }();
    return rules;
}

Tskriv2::Tskriv2(AppContext& app) : ExerciseWindow(app, "Tskriv2", rules())
{
    Answer = new TextAnswer(this, engine(), app.platform, series(), engine().ScaleFactor);
    Answer->addSecondBox(true);
    Answer->Edit1->setMaxLength(40);
    Answer->Edit2->setMaxLength(40);
    SvarsLabel1 = ui::makeLabel(this, {}, ui::programFamily(), px(24), true, ui::colour::Maroon);
    SvarsLabel2 = ui::makeLabel(this, {}, ui::programFamily(), px(24), true, ui::colour::Maroon);
    SvenskaLabel = ui::makeLabel(this, {}, ui::programFamily(), px(22), true, ui::colour::Navy);
    SkiljeShape1 = ui::makePanel(this, ui::colour::Lime);
    SkiljeShape2 = ui::makePanel(this, ui::colour::Lime);
    SvarsLabel1->hide();
    SvarsLabel2->hide();
    connect(Answer, &TextAnswer::entered, this, &Tskriv2::firstEntered);
    connect(Answer, &TextAnswer::secondEntered, this, &Tskriv2::secondEntered);
    connect(Answer, &TextAnswer::escaped, this, &Tskriv2::escapePressed);
    begin();
}

void Tskriv2::Inled()
{
    ExerciseWindow::Inled();
    const QSize screen = app_.platform.screenSize();
    const int col = screen.width() / 64, row = screen.height() / 48;
    const int L = engine().LetterWidth;
    QLineEdit* edit1 = Answer->Edit1;
    QLineEdit* edit2 = Answer->Edit2;
    const int boxHeight = QFontMetrics(edit1->font()).height() + px(12);
    const int boxWidth = 20 * col;
    const int lineWidth = 40 * col;
    edit1->setGeometry(FrageLabel2->x(), FrageLabel2->y() + FrageLabel2->height() * 3 / 2, boxWidth, boxHeight);
    SkiljeShape1->setGeometry(edit1->x(), edit1->geometry().bottom() + px(10), lineWidth, std::max(2, px(3)));
    edit2->setGeometry(edit1->x(), SkiljeShape1->geometry().bottom() + px(12), boxWidth, boxHeight);
    SkiljeShape2->setGeometry(edit1->x(), edit2->geometry().bottom() + px(10), lineWidth, std::max(2, px(3)));
    SvenskaLabel->move(edit1->x(), SkiljeShape2->geometry().bottom() + px(12));

    // Each lamp beside its box, the correct form beside the lamp.
    const int lampSize = Answer->LampShape->height();
    Answer->LampShape->move(edit1->geometry().right() + L, edit1->y() + (boxHeight - lampSize) / 2);
    Answer->LampShape2->move(edit2->geometry().right() + L, edit2->y() + (boxHeight - lampSize) / 2);
    const int answerLeft = Answer->LampShape->geometry().right() + L;
    const int labelHeight = QFontMetrics(SvarsLabel1->font()).height();
    SvarsLabel1->move(answerLeft, edit1->y() + (boxHeight - labelHeight) / 2);
    SvarsLabel2->move(answerLeft, edit2->y() + (boxHeight - labelHeight) / 2);

    // The lamp switch and the rules button in the row below.
    const int lampTop = std::max(30 * row, SvenskaLabel->y() + QFontMetrics(SvenskaLabel->font()).height() + px(24));
    Answer->lampknapp->move(L, lampTop);
    regelknapp->setGeometry(Answer->lampknapp->geometry().right() + 1 + L, lampTop, regelknapp->width(),
                            Answer->lampknapp->height());
}

void Tskriv2::showQuestion()
{
    Engine& e = engine();
    const bool worksheet = isWorksheet(e.WorkMode);
    ExerciseWindow::showQuestion();
    Answer->newQuestion(e.AnswerFields[2], {});
    Answer->setCorrect2(e.AnswerFields[3]);
    Answer->Edit2->hide();
    FirstFormRight = false;
    SvarsLabel1->setText(fromCp1252(e.AnswerFields[2]));
    SvarsLabel2->setText(fromCp1252(e.AnswerFields[3]));
    SvenskaLabel->setText(fromCp1252(e.AnswerFields[4]));
    for (QLabel* l : {SvarsLabel1, SvarsLabel2, SvenskaLabel})
        l->adjustSize();
    // On a worksheet the two forms stand where the boxes would.
    const QLineEdit* boxes[] = {Answer->Edit1, Answer->Edit2};
    QLabel* forms[] = {SvarsLabel1, SvarsLabel2};
    for (int i = 0; i < 2; ++i) {
        QPalette p = forms[i]->palette();
        p.setColor(QPalette::WindowText, worksheet ? ui::colour::Blue : ui::colour::Maroon);
        forms[i]->setPalette(p);
        const int left = worksheet ? boxes[i]->x() : Answer->LampShape->geometry().right() + engine().LetterWidth;
        forms[i]->move(left, forms[i]->y());
        forms[i]->setVisible(worksheet);
    }
    SvenskaLabel->setVisible(!worksheet);
    SkiljeShape1->setVisible(!worksheet);
    SkiljeShape2->setVisible(!worksheet);
    Answer->lampControls();
}

void Tskriv2::setAnswering(bool on)
{
    Answer->setAnswering(on);
    if (on)
        Answer->lampControls();
}

QWidget* Tskriv2::answerFocus() { return Answer->activeEdit(); }

void Tskriv2::firstEntered()
{
    Engine& e = engine();
    if (!series().asking() || Answer->activeBox() != 1)
        return;
    FirstFormRight = series().isRight(e.AnswerFields[2], toCp1252(Answer->Edit1->text()));
    // The correct first form stays in sight while the second is typed.
    SvarsLabel1->setVisible(!FirstFormRight);
    Answer->Edit2->show();
    Answer->setActiveBox(2);
    Answer->setAnswering(true);
}

void Tskriv2::secondEntered()
{
    Engine& e = engine();
    if (!series().asking() || Answer->activeBox() != 2)
        return;
    const bool secondRight =
        series().isRight(e.AnswerFields[3], toCp1252(Answer->Edit2->text()));
    // Judged without regard to case, so a form shown here differs in more than case.
    SvarsLabel2->setVisible(!secondRight);
    series().judged(FirstFormRight && secondRight);
}

void Tskriv2::showEnd(const SeriesEnd& end)
{
    ExerciseWindow::showEnd(end);
    // A reward picture takes the question's place.
    if (BildPanelen->isVisible())
        for (QWidget* w : std::initializer_list<QWidget*>{InstruktionsLabel, FrageLabel1, FrageLabel2, Answer->Edit1,
                                                         Answer->Edit2, SvarsLabel1, SvarsLabel2, SkiljeShape1,
                                                         SkiljeShape2, SvenskaLabel})
            w->hide();
}

void Tskriv2::contextMenuEvent(QContextMenuEvent* event)
{
    Answer->PopupMenu1->popup(event->globalPos());
}

WorksheetBlock Tskriv2::worksheetBlock()
{
    const Engine& e = engine();
    WorksheetBlock block;
    const std::string heading = e.HeaderLines[1] + " " + e.HeaderLines[2] + " " + e.HeaderLines[3];
    block.heading = fromCp1252(cut(heading, 80)).simplified();
    return block; // no instruction line: the heading says what to do
}

WorksheetTask Tskriv2::worksheetTask()
{
    const Engine& e = engine();
    const QString forms = fromCp1252(e.AnswerFields[2]) + QStringLiteral(", ") + fromCp1252(e.AnswerFields[3])
                          + QStringLiteral(" (") + fromCp1252(e.AnswerFields[4]) + QStringLiteral(")");
    return standardTask(fromCp1252(e.AnswerFields[1]), forms);
}

} // namespace lingvaro
