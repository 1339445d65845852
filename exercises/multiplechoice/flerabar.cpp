#include "exercises/multiplechoice/flerabar.h"

#include "contentmap/multiplechoice.h"
#include "engine/cp1252.h"
#include "engine/engine.h"
#include "engine/textfile.h"
#include "exercises/common/choicepanel.h"
#include "exercises/common/headingbox.h"
#include "exercises/common/registry.h"
#include "ui/palette.h"
#include "ui/widgets.h"

#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace lingvaro {

LINGVARO_EXERCISE_WINDOW(TFLERBAR)

namespace {

namespace colour = ui::colour;

QString shown(const std::string& cp1252) { return fromCp1252(cp1252); }

// The panels' light green.
const QColor PanelGreen{128, 255, 0};

} // namespace

const ExerciseRules& TFLERBAR::rules()
{
    static const ExerciseRules rules = [] {
        ExerciseRules r;
        // The panels show the words capitalised at the start of a sentence and
        // in lower case elsewhere, so the word chosen is judged without regard
        // to letter case; the list holds no two words that differ only in case.
        r.judgingKind = 2;
        r.testEscape = ExerciseRules::TestEscape::Pauses;
        r.interrupt = ExerciseRules::Interrupt::ReportTestAndPractice;
        r.continueEndsCorrection = true;
        return r;
    }();
    return rules;
}

TFLERBAR::TFLERBAR(AppContext& app) : ExerciseWindow(app, "TFLERBAR", rules())
{
    const int n = engine().ExerciseNo;
    const int sentencePx = multiplechoice::smallType(n) ? px(22) : px(28);
    auto sentenceLabel = [&](const QColor& c) { return ui::makeLabel(this, {}, ui::programFamily(), sentencePx, true, c); };
    Label4 = sentenceLabel(colour::Navy);
    Label5 = sentenceLabel(colour::Blue);
    Label6 = sentenceLabel(colour::Navy);
    Label8 = sentenceLabel(colour::Navy);
    KorrektSvarLabel = sentenceLabel(colour::Maroon);
    EfterdelLabel = sentenceLabel(colour::Navy);
    Label9 = ui::makeLabel(this, {}, ui::programFamily(), px(20), true, colour::Maroon);
    Label10 = ui::makeLabel(this, {}, ui::programFamily(), px(20), false, colour::HelpBlue);
    Label11 = ui::makeLabel(this, {}, ui::programFamily(), px(20), false, colour::HelpBlue);
    for (QLabel* l : {Label4, Label5, Label6, Label8, KorrektSvarLabel, EfterdelLabel, Label9, Label10, Label11})
        l->hide();
    Valpanel = new ChoiceArea(this, multiplechoice::MaxWords, PanelGreen);
    Valpanel->setObjectName(QStringLiteral("Panel1"));
    connect(Valpanel, &ChoiceArea::hovered, this, &TFLERBAR::panelHovered);
    connect(Valpanel, &ChoiceArea::chosen, this, &TFLERBAR::panelChosen);
    connect(Valpanel, &ChoiceArea::rightPressed, this, &TFLERBAR::panelRightPressed);
    ClosePanel2Knapp->setText(QStringLiteral("Cierra"));
    Hittapreppar();
    begin();
}

// --- the panels' words --------------------------------------------------------------

void TFLERBAR::Hittapreppar()
{
    // Every gap word of the file, read as the program reads its lines
    // (unscrambled; comments and headings left out).
    Engine& e = engine();
    std::vector<std::string> gaps;
    if (auto file = e.findContentFile(QStringLiteral("\\DATA\\") + shown(e.DataFileName))) {
        forEachLine(*file, [&](std::string_view line) {
            if (line.empty() || line[0] == ';' || line[0] == '$')
                return true;
            const std::string plain = Engine::dekryptrad(line);
            const auto words = multiplechoice::gapWords(std::string_view(plain).substr(0, plain.find('#')));
            if (!words.empty())
                gaps.push_back(words.front());
            return true;
        });
    }
    const multiplechoice::ChoiceWords words = multiplechoice::choiceWords(gaps);
    Words.clear();
    Capitals.clear();
    for (std::size_t i = 0; i < words.lower.size(); ++i) {
        Words << shown(words.lower[i]);
        Capitals << shown(words.capitals[i]);
    }
    // The worksheet's choices: "El, la, los eller las ?".
    ChoicesLine.clear();
    for (qsizetype i = 0; i < Words.size(); ++i)
        ChoicesLine += (i == 0 ? QString() : i + 1 == Words.size() ? QStringLiteral(" eller ") : QStringLiteral(", "))
                       + Words[i];
    if (!ChoicesLine.isEmpty())
        ChoicesLine = shown(multiplechoice::capitalised(toCp1252(ChoicesLine))) + QStringLiteral(" ?");
}

int TFLERBAR::longestWord() const
{
    qsizetype longest = 0;
    for (const QString& w : Words)
        longest = std::max(longest, w.size());
    return int(longest);
}

// --- layout and a question -------------------------------------------------------------

int TFLERBAR::rightEdge() const { return questionRight(); }

void TFLERBAR::keepInstructionClear()
{
    // A long instruction goes under the diagnosis caption beside the heading, not behind it.
    if (showsDiagnosisCounters(engine_.WorkMode) && InstruktionsLabel->geometry().intersects(DiagPanel2->geometry()))
        InstruktionsLabel->move(InstruktionsLabel->x(), DiagPanel2->geometry().bottom() + px(4));
}

void TFLERBAR::Inled()
{
    ExerciseWindow::Inled();
    Engine& e = engine();
    if (e.HeaderInstruction.empty())
        InstruktionsLabel->setText(QStringLiteral("Elige con el ratón."));
    InstruktionsLabel->adjustSize();
    InstruktionsLabel->move(Heading->x(), Heading->geometry().bottom() + px(4));
    keepInstructionClear();
    const QRect page = RegelPanel->geometry();
    const int top = InstruktionsLabel->y() - 2;
    RegelPanel->setGeometry(page.x(), top, page.width(), page.bottom() + 1 - top);
    // The rules button above the button panel, at the panels' left.
    regelknapp->move(px(30), Panel1->y() - regelknapp->height() * 5 / 4);
}

void TFLERBAR::showQuestion()
{
    Engine& e = engine();
    ExerciseWindow::showQuestion(); // the line's own rule page, the rules button, the instruction
    FrageLabel1->hide();
    FrageLabel2->hide();
    if (isWorksheet(e.WorkMode))
        InstruktionsLabel->clear();
    wrongShown_ = false;
    for (QLabel* l : {Label4, Label5, Label6, Label8, KorrektSvarLabel, EfterdelLabel, Label9, Label10, Label11}) {
        l->clear();
        l->hide();
    }

    const std::string& sentence = e.AnswerFields[1];
    const auto gaps = multiplechoice::gapWords(sentence);
    gap_ = gaps.empty() ? std::string() : gaps.front();
    CapitalWords = multiplechoice::beginsUpper(gap_) || multiplechoice::beginsWithGap(sentence);

    // The sentence in at most two lines; the one with the gap in three parts.
    const QFont f = Label4->font();
    e.dela_mening(px(30), rightEdge(), sentence, 2, FontSpec{f.family(), 12, f.bold(), f.pixelSize()});
    const std::string lines[2] = {e.SplitLines[1], e.SplitLines[2]};
    gapLine_ = lines[0].find('<') == std::string::npos && lines[1].find('<') != std::string::npos ? 1 : 0;
    e.LetaPrep(lines[gapLine_]);
    Label4->setText(shown(e.PrepParts[1]));
    Label5->setText(QStringLiteral("?"));
    Label6->setText(shown(e.PrepParts[3] + e.PrepParts[4] + e.PrepParts[5]));
    Label8->setText(shown(lines[1 - gapLine_]));
    placeSentence();
    for (QLabel* l : {Label4, Label5, Label6})
        l->show();
    Label8->setVisible(!Label8->text().isEmpty());

    // The panels, one row below seven words, two rows from seven on.
    const QStringList& texts = CapitalWords ? Capitals : Words;
    const int count = int(texts.size());
    const std::vector<int> rows = count < 7 ? std::vector<int>{count} : std::vector<int>{(count + 1) / 2, count / 2};
    const QFont panelFont = ui::programFont(px(24));
    const int lineHeight = QFontMetrics(Label4->font()).height();
    const int sentenceTop = std::min(Label4->y(), Label8->isVisible() ? Label8->y() : Label4->y());
    Valpanel->showChoices(texts, rows, panelFont, QStringLiteral("AA"), QFontMetrics(panelFont).horizontalAdvance(u'i'),
                          rightEdge() - px(30), px(14));
    Valpanel->move(px(30), sentenceTop + lineHeight * 7 / 2);
    Valpanel->highlight(-1);
    Valpanel->show();
    Valpanel->setEnabled(!isWorksheet(e.WorkMode));

    // Field 2 under the panels, for the exercises that show it.
    if (multiplechoice::showsField2(e.ExerciseNo) && !e.AnswerFields[2].empty()) {
        const QFont f2 = Label10->font();
        e.dela_mening(px(20), rightEdge(), e.AnswerFields[2], 2, FontSpec{f2.family(), 12, f2.bold(), f2.pixelSize()});
        Label10->setText(shown(e.SplitLines[1]));
        Label11->setText(shown(e.SplitLines[2]));
        const int h = QFontMetrics(f2).height();
        ui::placeFitted(Label10, px(30), Valpanel->geometry().bottom() + h);
        ui::placeFitted(Label11, px(30), Label10->y() + h * 5 / 4);
        Label10->show();
        Label11->setVisible(!Label11->text().isEmpty());
    }
}

void TFLERBAR::placeSentence()
{
    // The gap's line above or below the other line, as they follow in the sentence.
    const int h = QFontMetrics(Label4->font()).height();
    const int top = InstruktionsLabel->geometry().bottom() + InstruktionsLabel->height() * 3 / 2;
    const int gapTop = gapLine_ == 1 ? top + h * 4 / 3 : top;
    ui::placeFitted(Label8, px(30), gapLine_ == 1 ? top : top + h * 4 / 3);
    ui::placeFitted(Label4, px(30), gapTop);
    ui::placeFitted(Label5, Label4->geometry().right() + 1, gapTop);
    ui::placeFitted(Label6, Label5->geometry().right() + 1 + px(10), gapTop);
}

void TFLERBAR::setAnswering(bool on)
{
    if (on) {
        Valpanel->show();
        Valpanel->setEnabled(!isWorksheet(engine().WorkMode));
    } else {
        // Paused or judged: no panel takes a click until the series asks again.
        Valpanel->setEnabled(false);
    }
}

void TFLERBAR::showEnd(const SeriesEnd& end)
{
    const bool rulesShown = regelknapp->isVisible();
    ExerciseWindow::showEnd(end);
    Valpanel->hide();
    if (rulesShown) {
        // Still there for the correction pass, behind the picture if one shows.
        regelknapp->show();
        regelknapp->lower();
    }
}

// --- the mouse -------------------------------------------------------------------------------

void TFLERBAR::panelHovered(int index)
{
    Valpanel->highlight(index);
    if (wrongShown_ || index < 0 || index >= Valpanel->count())
        return;
    Label5->setText(Valpanel->panels[index]->text());
    ui::placeFitted(Label5, Label5->x(), Label5->y());
    ui::placeFitted(Label6, Label5->geometry().right() + 1 + px(10), Label6->y());
}

void TFLERBAR::panelChosen(int index)
{
    Engine& e = engine();
    if (!series().asking() || index < 0 || index >= Valpanel->count())
        return;
    const std::string chosen = toCp1252(Valpanel->panels[index]->text());
    const bool right = series().isRight(gap_, chosen);
    if (!right) {
        // The right word in the gap, and the panels away until the next question.
        wrongShown_ = true;
        KorrektSvarLabel->setText(shown(gap_));
        ui::placeFitted(KorrektSvarLabel, Label5->x(), Label5->y());
        EfterdelLabel->setText(Label6->text());
        ui::placeFitted(EfterdelLabel, KorrektSvarLabel->geometry().right() + 1 + px(10), Label5->y());
        Label5->hide();
        Label6->hide();
        KorrektSvarLabel->show();
        EfterdelLabel->show();
        Valpanel->hide();
        if (e.ExerciseNo == 51100) {
            const std::string rule = multiplechoice::genderRule(e.AnswerFields[3]);
            if (!rule.empty()) {
                Label9->setText(QString::fromUtf8(rule));
                ui::placeFitted(Label9, Valpanel->x(), Valpanel->y());
                Label9->show();
                const int h = Label10->height();
                Label10->move(Label10->x(), Valpanel->y() + Valpanel->height() * 5 / 4);
                Label11->move(Label11->x(), Label10->y() + h * 5 / 4);
            }
        }
    }
    series().judged(right);
}

void TFLERBAR::panelRightPressed(int)
{
    if (!series().asking())
        return;
    // In a test a right click on a panel ends the test with the answers so far.
    if (engine().WorkMode == WorkMode::Test)
        series().endTest();
    else
        series().pause();
}

void TFLERBAR::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        // A right click beside the panels pauses, in a test too.
        event->accept();
        if (!RegelPanel->isVisible())
            series().pause();
        return;
    }
    ExerciseWindow::mousePressEvent(event);
}

void TFLERBAR::contextMenuEvent(QContextMenuEvent* event)
{
    event->accept(); // the right button pauses; there is no menu
}

// --- keys: each acts when it is released ----------------------------------------------------

void TFLERBAR::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Escape || key == Qt::Key_Space || key == Qt::Key_Up || key == Qt::Key_Down) {
        // Only a key pressed here acts on its release: the release of an Esc
        // that closed a message box above this window does nothing.
        if (!event->isAutoRepeat())
            pendingKey_ = key;
        event->accept();
        return;
    }
    ExerciseWindow::keyPressEvent(event);
}

void TFLERBAR::keyReleaseEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (event->isAutoRepeat() || key != pendingKey_ || key == 0) {
        ExerciseWindow::keyReleaseEvent(event);
        return;
    }
    pendingKey_ = 0;
    event->accept();
    QKeyEvent press(QEvent::KeyPress, key, event->modifiers());
    ExerciseWindow::keyPressEvent(&press);
}

// --- worksheet mode ------------------------------------------------------------------------------

WorksheetBlock TFLERBAR::worksheetBlock()
{
    const Engine& e = engine();
    WorksheetBlock block;
    if (!e.HeaderLines[1].empty()) {
        std::string heading = e.HeaderLines[1];
        for (int i = 2; i <= 3; ++i)
            if (!e.HeaderLines[i].empty())
                heading += " " + e.HeaderLines[i];
        block.heading = shown(cut(heading, 80));
    }
    // The choices in place of the instruction, in both lists.
    if (!ChoicesLine.isEmpty()) {
        block.withoutAnswers << QStringLiteral("      ") + ChoicesLine;
        block.withAnswers << QStringLiteral("      ") + ChoicesLine;
    }
    return block;
}

WorksheetTask TFLERBAR::worksheetTask()
{
    Engine& e = engine();
    WorksheetTask task;
    e.dela_mening(20, 650, e.AnswerFields[1], 2);
    const std::string lines[2] = {e.SplitLines[1], e.SplitLines[2]};
    const QString blank = QStringLiteral("__").repeated(longestWord());
    for (int i = 0; i < 2; ++i) {
        if (lines[i].empty())
            continue;
        const QString indent = i == 0 ? QString() : QStringLiteral("       ");
        QString without = shown(lines[i]);
        if (lines[i].find('<') != std::string::npos) {
            e.LetaPrep(lines[i]);
            without = shown(e.PrepParts[1]) + blank + shown(e.PrepParts[3] + e.PrepParts[4] + e.PrepParts[5]);
        }
        task.withoutAnswers << indent + without;
        task.withAnswers << indent + shown(lines[i]);
    }
    return task;
}

} // namespace lingvaro
