#include "exercises/clickchoice/passakt.h"

#include "contentmap/clickchoice.h"
#include "engine/cp1252.h"
#include "engine/engine.h"
#include "exercises/common/choicepanel.h"
#include "exercises/common/headingbox.h"
#include "exercises/common/registry.h"
#include "ui/palette.h"
#include "ui/widgets.h"

#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace lingvaro {

LINGVARO_EXERCISE_WINDOW(TPassAkt)

namespace {

namespace colour = ui::colour;

QString shown(const std::string& cp1252) { return fromCp1252(cp1252); }

const QColor SpringGreen{0, 255, 127};

} // namespace

const ExerciseRules& TPassAkt::rules()
{
    static const ExerciseRules rules = [] {
        ExerciseRules r;
        r.judgingKind = 1; // the panel's text as it stands
        r.testEscape = ExerciseRules::TestEscape::Pauses;
        r.interrupt = ExerciseRules::Interrupt::Close; // a test reports at the end of its series
        r.practicePass = ExerciseRules::PracticePass::TwoGoodSeries;
        r.captionsFor = [](int n) { return clickchoice::swedishCaptions(n) ? SwedishCaptions : SpanishCaptions; };
        return r;
    }();
    return rules;
}

TPassAkt::TPassAkt(AppContext& app) : ExerciseWindow(app, "TPassAkt", rules())
{
    auto questionLabel = [&](const QColor& c) { return ui::makeLabel(this, {}, ui::programFamily(), px(28), true, c); };
    Label3 = questionLabel(colour::Blue);
    Label4 = questionLabel(colour::Blue);
    Label5 = questionLabel(colour::Green);
    Label6 = questionLabel(colour::Blue);
    Label7 = ui::makeLabel(this, {}, ui::programFamily(), px(20), true, colour::Maroon);
    for (QLabel* l : {Label3, Label4, Label5, Label6, Label7})
        l->hide();
    Valpanel = new ChoiceArea(this, clickchoice::MaxAlternatives, SpringGreen);
    Valpanel->setObjectName(QStringLiteral("Panel1"));
    connect(Valpanel, &ChoiceArea::hovered, this, &TPassAkt::panelHovered);
    connect(Valpanel, &ChoiceArea::chosen, this, &TPassAkt::panelChosen);
    connect(Valpanel, &ChoiceArea::rightPressed, this, [this] { series().pause(); });
    ButtonHelp = new QPushButton(QStringLiteral("&Ayuda"), this);
    ButtonHelp->setFont(ui::programFont(px(16)));
    ButtonHelp->resize(px(110), px(34));
    ButtonHelp->hide();
    connect(ButtonHelp, &QPushButton::clicked, this, &TPassAkt::ButtonHelpClick);
    if (clickchoice::swedishCaptions(engine().ExerciseNo))
        regelknapp->setText(QStringLiteral("&Regler"));
    begin();
}

int TPassAkt::rightEdge() const { return questionRight(); }

void TPassAkt::keepInstructionClear()
{
    // A long instruction goes under the diagnosis caption beside the heading, not behind it.
    if (showsDiagnosisCounters(engine_.WorkMode) && InstruktionsLabel->geometry().intersects(DiagPanel2->geometry()))
        InstruktionsLabel->move(InstruktionsLabel->x(), DiagPanel2->geometry().bottom() + px(4));
}

void TPassAkt::Inled()
{
    ExerciseWindow::Inled();
    Engine& e = engine();
    if (e.HeaderInstruction.empty())
        InstruktionsLabel->setText(QStringLiteral("Elige con el ratón."));
    InstruktionsLabel->adjustSize();
    keepInstructionClear();
    regelknapp->move(px(30), Panel1->y() - regelknapp->height() * 5 / 4);
}

void TPassAkt::showQuestionText(const std::string& text)
{
    Engine& e = engine();
    for (QLabel* l : {Label3, Label4, Label5, Label6}) {
        l->clear();
        l->hide();
    }
    const QFont f = Label4->font();
    const int left = px(30);
    e.dela_mening(left, rightEdge(), text, 2, FontSpec{f.family(), 12, f.bold(), f.pixelSize()});
    const std::string lines[2] = {e.SplitLines[1], e.SplitLines[2]};
    const int h = QFontMetrics(f).height();
    const int top = InstruktionsLabel->geometry().bottom() + 2 * InstruktionsLabel->height();
    const int marked = lines[0].find('<') != std::string::npos ? 0 : lines[1].find('<') != std::string::npos ? 1 : -1;
    auto rowTop = [&](int row) { return top + row * h * 4 / 3; };
    if (marked < 0) {
        // One line in Label3; two lines in Label4 and Label3.
        QLabel* first = lines[1].empty() ? Label3 : Label4;
        first->setText(shown(lines[0]));
        ui::placeFitted(first, left, rowTop(0));
        first->show();
        if (!lines[1].empty()) {
            Label3->setText(shown(lines[1]));
            ui::placeFitted(Label3, left, rowTop(1));
            Label3->show();
        }
        return;
    }
    // The marked part in green between the rest of its line; the other line in Label3.
    e.LetaPrep(lines[marked]);
    Label4->setText(shown(e.PrepParts[1]));
    Label5->setText(shown(e.PrepParts[2]));
    Label6->setText(shown(e.PrepParts[3] + e.PrepParts[4] + e.PrepParts[5]));
    ui::placeFitted(Label4, left, rowTop(marked));
    ui::placeFitted(Label5, Label4->geometry().right() + 1, rowTop(marked));
    ui::placeFitted(Label6, Label5->geometry().right() + 1, rowTop(marked));
    for (QLabel* l : {Label4, Label5, Label6})
        l->setVisible(!l->text().isEmpty());
    if (!lines[1 - marked].empty()) {
        Label3->setText(shown(lines[1 - marked]));
        ui::placeFitted(Label3, left, rowTop(1 - marked));
        Label3->show();
    }
}

void TPassAkt::showQuestion()
{
    Engine& e = engine();
    ExerciseWindow::showQuestion(); // a line's own rule page, the rules button, the instruction
    FrageLabel1->hide();
    FrageLabel2->hide();
    const int n = e.ExerciseNo;
    const bool worksheet = isWorksheet(e.WorkMode);
    Label7->clear();
    Label7->hide();
    showQuestionText(e.AnswerFields[1]);

    std::vector<std::string> fields(FieldCount + 1);
    for (int f = 1; f <= FieldCount; ++f)
        fields[std::size_t(f)] = e.AnswerFields[f];
    correct_ = e.AnswerFields[clickchoice::answerField(n)];
    QStringList texts;
    for (const std::string& a : clickchoice::alternatives(fields))
        texts << shown(a);
    // 14000: three to a row; the others in one row.
    const int count = int(texts.size());
    const std::vector<int> rows = clickchoice::hasHint(n) ? std::vector<int>{3, 3} : std::vector<int>{count};
    const QFont panelFont = ui::programFont(px(24));
    int bottom = 0;
    for (QLabel* l : {Label3, Label4, Label5, Label6})
        if (!l->isHidden())
            bottom = std::max(bottom, l->geometry().bottom());
    Valpanel->showChoices(texts, rows, panelFont, QStringLiteral("AA"), e.LetterWidth, rightEdge() - px(30), px(12));
    Valpanel->move(px(30), bottom + QFontMetrics(Label4->font()).height());
    Valpanel->highlight(count > 0 ? 0 : -1);
    Valpanel->show();
    Valpanel->setEnabled(!worksheet);

    const int h7 = QFontMetrics(Label7->font()).height();
    Label7->move(Valpanel->x(), Valpanel->geometry().bottom() + h7 * 3 / 2);
    ButtonHelp->move(Valpanel->x(), Label7->y() + h7 * 3 / 2);
    ButtonHelp->setVisible(clickchoice::hasHint(n) && !worksheet);
    ButtonHelp->setEnabled(true);
}

void TPassAkt::setAnswering(bool on)
{
    // Paused or judged: no panel takes a click until the series asks again.
    Valpanel->setEnabled(on && !isWorksheet(engine().WorkMode));
    ButtonHelp->setEnabled(on);
}

void TPassAkt::showEnd(const SeriesEnd& end)
{
    ExerciseWindow::showEnd(end);
    // Nothing to click until the next series: the panels and the hint make room for the picture.
    Valpanel->hide();
    ButtonHelp->hide();
    Label7->hide();
}

void TPassAkt::panelHovered(int index) { Valpanel->highlight(index); }

void TPassAkt::panelChosen(int index)
{
    if (!series().asking() || index < 0 || index >= Valpanel->count())
        return;
    const bool right = series().isRight(correct_, toCp1252(Valpanel->panels[index]->text()));
    if (!right) {
        // The right panel in yellow while the answer shows.
        Valpanel->highlight(Valpanel->indexOf(shown(correct_)));
        Label7->setVisible(!Label7->text().isEmpty());
    }
    series().judged(right);
}

void TPassAkt::ButtonHelpClick()
{
    Engine& e = engine();
    if (!series().asking())
        return;
    const std::string& hint = e.AnswerFields[2];
    Label7->setText(shown(hint.size() > 1 && (unsigned char)hint[0] == 0xA3 ? hint.substr(1) : hint));
    ui::placeFitted(Label7, Label7->x(), Label7->y());
    Label7->show();
    setFocus();
}

void TPassAkt::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        event->accept();
        if (!RegelPanel->isVisible())
            series().pause();
        return;
    }
    ExerciseWindow::mousePressEvent(event);
}

void TPassAkt::contextMenuEvent(QContextMenuEvent* event)
{
    event->accept(); // the right button pauses; there is no menu
}

// --- worksheet mode ----------------------------------------------------------------------------------

QString TPassAkt::writtenOut(const QString& alternative)
{
    static const std::pair<const char*, const char*> codes[] = {
        {"ACK", "ackusativ"}, {"AKK", "akkusativ"}, {"DAT", "dativ"},   {"SUBJ", "subjekt"},
        {"AKT", "aktiv"},     {"SUBS", "substantiv"}, {"PASS", "passiv"}, {"PREDI", "predikatsfyllnad"},
    };
    QString out = alternative;
    if (alternative.compare(QStringLiteral("PRED.F."), Qt::CaseInsensitive) == 0)
        out = QStringLiteral("predikatsfyllnad");
    else
        for (const auto& [code, word] : codes)
            if (alternative.startsWith(QLatin1String(code), Qt::CaseInsensitive)) {
                out = QString::fromLatin1(word);
                break;
            }
    if (!out.isEmpty())
        out[0] = out[0].toUpper();
    return out;
}

WorksheetBlock TPassAkt::worksheetBlock()
{
    const Engine& e = engine();
    WorksheetBlock block;
    if (e.ExerciseNo == 59400) {
        block.heading = QStringLiteral("Ackusativ, dativ eller predikatsfyllnad?");
    } else if (!e.HeaderLines[1].empty()) {
        std::string heading = e.HeaderLines[1];
        for (int i = 2; i <= 3; ++i)
            if (!e.HeaderLines[i].empty())
                heading += " " + e.HeaderLines[i];
        block.heading = shown(cut(heading, 80));
    }
    if (!e.HeaderNote.empty()) {
        block.withoutAnswers << QStringLiteral("      ") + shown(e.HeaderNote);
        block.withAnswers << QStringLiteral("      ") + shown(e.HeaderNote);
    }
    return block;
}

WorksheetTask TPassAkt::worksheetTask()
{
    Engine& e = engine();
    WorksheetTask task;
    e.dela_mening(20, 700, e.AnswerFields[1], 2);
    for (const QString& line : {shown(e.SplitLines[1]), shown(e.SplitLines[2])}) {
        if (line.isEmpty())
            continue;
        const QString text = task.withoutAnswers.isEmpty() ? line : QStringLiteral("       ") + line;
        task.withoutAnswers << text;
        task.withAnswers << text;
    }
    task.withoutAnswers << QStringLiteral("       ") + QString(28, u'_');
    task.withAnswers << QStringLiteral("       ") + writtenOut(shown(e.AnswerFields[clickchoice::answerField(e.ExerciseNo)]));
    return task;
}

} // namespace lingvaro
