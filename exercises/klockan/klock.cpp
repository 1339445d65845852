#include "exercises/klockan/klock.h"

#include "engine/cp1252.h"
#include "engine/engine.h"
#include "exercises/common/registry.h"
#include "exercises/common/textanswer.h"
#include "exercises/klockan/clockface.h"
#include "ui/palette.h"
#include "ui/widgets.h"

#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>

namespace lingvaro {

LINGVARO_EXERCISE_WINDOW(TKlockan)

namespace {

// The yellow box with curved corners that holds the fixed question.
class QuestionBox : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(ui::colour::Navy, 1));
        p.setBrush(ui::colour::Yellow);
        const double r = std::min(width(), height()) / 6.0;
        p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), r, r);
    }
};

// The question in three lines; the trailing spaces keep the lines' widths as the box is laid out for.
const char* const QuestionLines[] = {"Por favor,", "¿Qué hora ", "es?   "};

} // namespace

const ExerciseRules& TKlockan::rules()
{
    static const ExerciseRules rules = [] {
        ExerciseRules r; // the protocol as it stands, without a reward picture
        r.rewardPicture = false;
        return r;
    }();
    return rules;
}

TKlockan::TKlockan(AppContext& app) : ExerciseWindow(app, "TKlockan", rules())
{
    Shape1 = new QuestionBox(this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    for (const char* line : QuestionLines) {
        QLabel* label = ui::makeLabel(Shape1, QString::fromUtf8(line), ui::programFamily(), px(26), true,
                                      ui::colour::Navy);
        label->setObjectName(QStringLiteral("QuestionLine"));
    }
    PaintBox1 = new ClockFace(this);
    Answer = new TextAnswer(this, engine(), app.platform, series(), engine().ScaleFactor);
    Label5 = ui::makeLabel(this, {}, ui::programFamily(), px(24), true, ui::colour::Maroon);
    Label5->hide();
    for (QLabel* help : {Answer->Label6, Answer->Label7})
        help->setWordWrap(true);
    connect(Answer, &TextAnswer::entered, this, &TKlockan::answerEntered);
    connect(Answer, &TextAnswer::escaped, this, &TKlockan::escapePressed);
    begin();
}

void TKlockan::Inled()
{
    ExerciseWindow::Inled();
    Engine& e = engine();
    const int L = e.LetterWidth;
    FrageLabel1->hide();
    FrageLabel2->hide();

    // Left: the question box, and under it the lamp, help and rules buttons with
    // the help texts; as wide as that row needs.
    const int top = FrageLabel1->y();
    const QList<QLabel*> lines = Shape1->findChildren<QLabel*>(QStringLiteral("QuestionLine"));
    const QFontMetrics qm(lines.first()->font());
    int textWidth = 0;
    for (QLabel* l : lines)
        textWidth = std::max(textWidth, qm.horizontalAdvance(l->text()));
    const QSize lamp = Answer->lampknapp->size();
    const int buttons = lamp.width() + L + Answer->Helpknapp1->width() + L + regelknapp->width();
    const int column = std::max(textWidth + 2 * px(24), buttons);
    const int pad = px(14);
    Shape1->setGeometry(L, top, column, 3 * qm.height() + 2 * pad);
    for (int i = 0; i < lines.size(); ++i)
        lines[i]->setGeometry(px(24), pad + i * qm.height(), textWidth + px(8), qm.height());

    const int lampTop = Shape1->geometry().bottom() + px(20);
    Answer->lampknapp->move(L, lampTop);
    Answer->LampShape->move(L, lampTop);
    // Without the lamp (a diagnosis) the help button takes its place.
    const int helpLeft = inDiagnosis(e.WorkMode) ? L : L + lamp.width() + L;
    Answer->Helpknapp1->setGeometry(helpLeft, lampTop, Answer->Helpknapp1->width(), lamp.height());
    Answer->HelpKnapp2->setGeometry(Answer->Helpknapp1->geometry());
    regelknapp->setGeometry(L + lamp.width() + px(10), lampTop, regelknapp->width(), lamp.height());
    Answer->Label6->setGeometry(L, lampTop + lamp.height() + px(10), column, 3 * px(24));
    Answer->Label7->setGeometry(L, Answer->Label6->geometry().bottom() + px(6), column, 3 * px(24));

    // Right of it the clock, as large as the room down to the answer box allows.
    QLineEdit* edit = Answer->Edit1;
    const int editHeight = QFontMetrics(edit->font()).height() + px(12);
    const int answerHeight = QFontMetrics(Label5->font()).height();
    const int left = Shape1->x() + Shape1->width() + 2 * L;
    const int bottom = Panel1->y() - px(8);
    int clock = bottom - top - px(12) - editHeight - answerHeight * 4 / 3;
    clock = std::min(clock, questionRight() - left - 8);
    clock = std::max(clock, px(120));
    PaintBox1->setGeometry(left, top, ClockFace::widthFor(clock), clock);

    // The answer box across under both, the correct answer under it.
    edit->setGeometry(L, PaintBox1->geometry().bottom() + px(12), PaintBox1->geometry().right() - L, editHeight);
    Label5->setGeometry(L, edit->geometry().bottom() + answerHeight / 3, questionRight() - L, answerHeight);

    // In a diagnosis the counters stand in the middle of the room right of the clock.
    const int right = PaintBox1->geometry().right();
    DiagPanel1->move(right + (width() - right - DiagPanel1->width()) / 2, top);
}

void TKlockan::showQuestion()
{
    Engine& e = engine();
    ExerciseWindow::showQuestion(); // the help texts, the line's own page and the rules button
    FrageLabel1->clear();
    FrageLabel2->clear();
    FrageLabel1->hide();
    FrageLabel2->hide();
    ClockTime = e.CorrectionPass ? e.ErrorQuestionNo : e.QuestionNo;
    PaintBox1->setClockTime(ClockTime);
    PaintBox1->setAccessibleDescription(fromCp1252(e.AnswerFields[2]));
    Answer->newQuestion(e.AnswerFields[1], HelpTexts);
    Label5->setText(fromCp1252(e.AnswerFields[1]));
    Label5->hide();
    const bool help = Answer->Helpknapp1->isVisibleTo(this);
    const QRect lamp = Answer->lampknapp->geometry();
    regelknapp->move(help ? Answer->Helpknapp1->geometry().right() + 1 + e.LetterWidth : lamp.right() + 1 + px(10),
                     regelknapp->y());
    hideInDiagnosis();
}

void TKlockan::hideInDiagnosis()
{
    if (!inDiagnosis(engine().WorkMode))
        return;
    Answer->lampknapp->hide();
    Answer->LampShape->hide();
    regelknapp->hide();
}

void TKlockan::setAnswering(bool on)
{
    Answer->setAnswering(on);
    Answer->Helpknapp1->setEnabled(on);
    Answer->HelpKnapp2->setEnabled(on);
    if (on) {
        Answer->lampControls();
        hideInDiagnosis();
    }
}

QWidget* TKlockan::answerFocus() { return Answer->Edit1; }

void TKlockan::answerEntered()
{
    Engine& e = engine();
    if (!series().asking())
        return;
    const bool right = series().isRight(e.AnswerFields[1], toCp1252(Answer->Edit1->text()));
    if (!right) {
        regelknapp->setEnabled(false);
        Label5->show();
    }
    series().judged(right);
}

void TKlockan::contextMenuEvent(QContextMenuEvent* event)
{
    Answer->PopupMenu1->popup(event->globalPos());
}

} // namespace lingvaro
