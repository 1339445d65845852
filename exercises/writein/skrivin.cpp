#include "exercises/writein/skrivin.h"

#include "contentmap/writein.h"
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
#include <QRegularExpression>
#include <QToolButton>

namespace lingvaro {

LINGVARO_EXERCISE_WINDOW(TSkrivinf)

namespace {

// The worksheet's own instruction for lines that translate their marked part.
const QString TranslateMarked = QStringLiteral("Traduce el texto entre < y >!");
// Worksheet lines are broken at a space outside the gaps after this many characters.
constexpr int WorksheetLineLength = 60;

// A gap text as worksheet lines: broken at spaces outside "<" and ">", so that
// no gap is torn apart.
QStringList worksheetLines(const QString& text)
{
    QStringList lines;
    QString line;
    bool inGap = false;
    int lastBreak = -1;
    for (QChar c : text) {
        if (c == u'<')
            inGap = true;
        else if (c == u'>')
            inGap = false;
        if (c == u' ' && !inGap)
            lastBreak = int(line.size());
        line += c;
        if (line.size() > WorksheetLineLength && lastBreak > 0) {
            lines << line.left(lastBreak);
            line = line.mid(lastBreak + 1);
            lastBreak = -1;
        }
    }
    if (!line.isEmpty())
        lines << line;
    return lines;
}

// The line as the sheet without answers prints it: each gap a blank of
// underscores, two longer than its word, the text around it in place.
QString blanked(const QString& line)
{
    static const QRegularExpression gap(QStringLiteral("<([^>]*)>"));
    QString out = line;
    for (auto m = gap.match(out); m.hasMatch(); m = gap.match(out))
        out.replace(m.capturedStart(), m.capturedLength(), QString(std::max<qsizetype>(4, m.captured(1).size() + 2), u'_'));
    return out;
}

} // namespace

const ExerciseRules& TSkrivinf::rules()
{
    static const ExerciseRules rules = [] {
        ExerciseRules r;
        // Esc pauses also in a test; "&Interrumpe" then reports what the test has.
        r.testEscape = ExerciseRules::TestEscape::Pauses;
        r.interrupt = ExerciseRules::Interrupt::ReportTest;
        return r;
    }();
    return rules;
}

TSkrivinf::TSkrivinf(AppContext& app) : ExerciseWindow(app, "TSkrivinf", rules())
{
    Answer = new TextAnswer(this, engine(), app.platform, series(), engine().ScaleFactor);
    Answer->addSecondBox(false);
    for (QLineEdit* box : {Answer->Edit1, Answer->Edit2}) {
        box->setFont(ui::programFont(px(26)));
        box->hide();
    }
    Label14 = ui::makeLabel(this, {}, ui::programFamily(), px(26), true, ui::colour::Maroon);
    Label15 = ui::makeLabel(this, {}, ui::programFamily(), px(26), true, ui::colour::Maroon);
    Label14->hide();
    Label15->hide();
    FrageLabel1->hide();
    FrageLabel2->hide();
    const QFontMetrics fm(Answer->Edit1->font());
    boxHeight_ = fm.height() + px(10);
    lineHeight_ = boxHeight_ + px(10);
    connect(Answer, &TextAnswer::entered, this, [this] { gapEntered(1); });
    connect(Answer, &TextAnswer::secondEntered, this, [this] { gapEntered(2); });
    connect(Answer, &TextAnswer::escaped, this, &TSkrivinf::escapePressed);
    begin();
}

void TSkrivinf::Inled()
{
    ExerciseWindow::Inled();
    showHelpRow();
}

void TSkrivinf::showHelpRow()
{
    if (!Answer)
        return; // the frame lays out before the answer exists
    const int row = app_.platform.screenSize().height() / 48;
    const int L = engine().LetterWidth;
    // Below the room of two translation lines and two gap lines.
    const int lampTop = std::max(30 * row, FrageLabel1->y() + 5 * lineHeight_);
    Answer->lampknapp->move(L, lampTop);
    Answer->LampShape->move(L, lampTop);
    const QRect lamp = Answer->lampknapp->geometry();
    Answer->Helpknapp1->setGeometry(lamp.right() + 1 + L, lamp.y(), Answer->Helpknapp1->width(), lamp.height());
    Answer->HelpKnapp2->setGeometry(Answer->Helpknapp1->geometry());
    const bool help = Answer->Helpknapp1->isVisibleTo(this) || Answer->HelpKnapp2->isVisibleTo(this);
    regelknapp->setGeometry(help ? Answer->Helpknapp1->geometry().right() + 1 + L : Answer->Helpknapp1->x(), lamp.y(),
                            regelknapp->width(), lamp.height());
    Answer->Label6->move(L, lampTop + lamp.height() + px(10));
    Answer->Label7->move(L, Answer->Label6->y() + px(32));
}

int TSkrivinf::firstHelpField() const
{
    const Engine& e = engine_;
    return writein::firstHelpField(e.ExerciseNo, e.AnswerFields[2]);
}

QString TSkrivinf::gapWord(int gap) const { return fromCp1252(gapWords_[std::size_t(gap - 1)]); }

// --- a question -------------------------------------------------------------------------

std::vector<TSkrivinf::Token> TSkrivinf::tokenize(const std::string& text, bool gaps) const
{
    static const QRegularExpression word(QStringLiteral("\\s*\\S+|\\s+"));
    std::vector<Token> tokens;
    int gap = 0;
    for (const writein::Piece& p : writein::splitMarks(text)) {
        const QString shown = fromCp1252(p.text);
        if (p.marked && gaps) {
            tokens.push_back({shown, Token::GapWord, gap++});
            continue;
        }
        for (auto it = word.globalMatch(shown); it.hasNext();)
            tokens.push_back({it.next().captured(), p.marked ? Token::Marked : Token::Plain});
    }
    return tokens;
}

int TSkrivinf::tokenWidth(const Token& t) const
{
    const QFontMetrics fm(Answer->Edit1->font());
    if (t.kind != Token::GapWord)
        return fm.horizontalAdvance(t.text);
    if (isWorksheet(engine_.WorkMode))
        return fm.horizontalAdvance(t.text); // shown, not asked
    const Gap state = gaps_[std::size_t(t.gap)];
    if (state == Gap::Open)
        return fm.horizontalAdvance(t.text + QStringLiteral("ww")); // room for the word and a little more
    return fm.horizontalAdvance(state == Gap::Right ? typed_[std::size_t(t.gap)] : t.text);
}

void TSkrivinf::flow(std::vector<Token>& tokens) const
{
    const int width = questionRight() - InstruktionsLabel->x();
    int x = 0, line = 0;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        Token& t = tokens[i];
        // A line may break before a space, or before a gap that follows one.
        const bool breakable = t.text.startsWith(u' ')
                               || (t.kind == Token::GapWord && i > 0 && tokens[i - 1].text.endsWith(u' '));
        const int w = tokenWidth(t);
        if (breakable && x > 0 && x + w > width) {
            ++line;
            x = 0;
        }
        t.line = line;
        x += x == 0 && t.kind != Token::GapWord ? tokenWidth({t.text.trimmed(), t.kind}) : w;
    }
}

QLabel* TSkrivinf::piece(int index)
{
    while (Pieces.size() <= index) {
        QLabel* label = ui::makeLabel(this, {}, ui::programFamily(), px(26), true, ui::colour::Navy);
        label->setObjectName(QStringLiteral("Piece%1").arg(Pieces.size() + 1));
        Pieces << label;
    }
    return Pieces[index];
}

void TSkrivinf::layoutSentences()
{
    const bool worksheet = isWorksheet(engine_.WorkMode);
    const QFontMetrics fm(Answer->Edit1->font());
    const int left = InstruktionsLabel->x();
    int used = 0;
    auto colour = [](QLabel* label, const QColor& c) {
        QPalette p = label->palette();
        p.setColor(QPalette::WindowText, c);
        label->setPalette(p);
    };
    auto place = [&](QLabel* label, const QString& text, const QColor& c, int x, int y) {
        label->setText(text);
        colour(label, c);
        label->setGeometry(x, y + (boxHeight_ - fm.height()) / 2, fm.horizontalAdvance(text) + 2, fm.height());
        label->show();
    };
    auto render = [&](const std::vector<Token>& tokens, int top) {
        int lines = 0;
        int x = left, line = -1;
        QString run;
        Token::Kind runKind = Token::Plain;
        auto flush = [&] {
            if (run.isEmpty())
                return;
            place(piece(used++), run, runKind == Token::Marked ? ui::colour::Green : ui::colour::Navy, x,
                  top + line * lineHeight_);
            x += fm.horizontalAdvance(run);
            run.clear();
        };
        for (const Token& t : tokens) {
            if (t.line != line) {
                flush();
                line = t.line;
                x = left;
                lines = line + 1;
            }
            const int y = top + line * lineHeight_;
            if (t.kind != Token::GapWord) {
                if (t.kind != runKind)
                    flush();
                runKind = t.kind;
                run += x == left && run.isEmpty() ? t.text.trimmed() : t.text;
                continue;
            }
            flush();
            const std::size_t g = std::size_t(t.gap);
            QLineEdit* box = g == 0 ? Answer->Edit1 : Answer->Edit2;
            QLabel* shown = g == 0 ? Label14 : Label15;
            const int w = tokenWidth(t);
            if (gaps_[g] == Gap::Open && !worksheet) {
                box->setGeometry(x, y, w, boxHeight_);
                box->show();
                shown->hide();
            } else {
                box->hide();
                const QColor c = worksheet ? ui::colour::Blue : gaps_[g] == Gap::Right ? ui::colour::Green : ui::colour::Maroon;
                place(shown, gaps_[g] == Gap::Right ? typed_[g] : t.text, c, x, y);
            }
            x += w;
        }
        flush();
        return lines;
    };
    int top = FrageLabel1->y();
    const int translationLines = render(translation_, top);
    if (translationLines > 0)
        top += translationLines * lineHeight_ + lineHeight_ / 2;
    render(gapLine_, top);
    for (int i = used; i < Pieces.size(); ++i)
        Pieces[i]->hide();
}

void TSkrivinf::showQuestion()
{
    Engine& e = engine();
    const int n = e.ExerciseNo;
    ExerciseWindow::showQuestion(); // helps, the line's own page, the rules button
    FrageLabel1->hide();
    FrageLabel2->hide();
    const bool gapKind = writein::gapInSentence(n, e.AnswerFields[2]);
    const std::string& text = writein::gapText(n, e.AnswerFields[1], e.AnswerFields[2]);
    const std::vector<std::string> words = writein::gapWords(text);
    GapCount = int(std::min<std::size_t>(words.size(), 2));
    gapWords_ = {GapCount > 0 ? words[0] : std::string(), GapCount > 1 ? words[1] : std::string()};
    gaps_ = {Gap::Open, Gap::Open};
    typed_ = {};
    rulesAllowed_ = true;
    helpAllowed_ = true;
    helpEnabled_ = {true, true};

    // One help button for the first two help texts; some exercises have none.
    const QStringList helps = writein::offersHelp(n) ? HelpTexts.mid(0, 2) : QStringList();
    Answer->newQuestion(gapWords_[0], helps);
    Answer->setCorrect2(gapWords_[1]);
    Answer->Edit1->setMaxLength(int(gapWords_[0].size()) + 10);
    Answer->Edit2->setMaxLength(int(gapWords_[1].size()) + 10);
    Answer->Edit2->hide();
    if (GapCount < 2)
        Label15->hide();

    translation_ = gapKind ? std::vector<Token>{} : tokenize(e.AnswerFields[1], false);
    gapLine_ = tokenize(text, true);
    flow(translation_);
    flow(gapLine_);
    layoutSentences();
    if (GapCount < 1)
        Answer->Edit1->hide();
    showHelpRow();
}

void TSkrivinf::setAnswering(bool on)
{
    Answer->setAnswering(on);
    if (!on) {
        helpEnabled_ = {Answer->Helpknapp1->isEnabled(), Answer->HelpKnapp2->isEnabled()};
        Answer->Helpknapp1->setEnabled(false);
        Answer->HelpKnapp2->setEnabled(false);
        regelknapp->setEnabled(false);
    } else {
        Answer->Helpknapp1->setEnabled(helpAllowed_ && helpEnabled_[0]);
        Answer->HelpKnapp2->setEnabled(helpAllowed_ && helpEnabled_[1]);
        regelknapp->setEnabled(rulesAllowed_ && regelknapp->isVisibleTo(this));
        Answer->lampControls();
    }
}

QWidget* TSkrivinf::answerFocus() { return Answer->activeEdit(); }

void TSkrivinf::gapEntered(int gap)
{
    if (!series().asking() || gap != Answer->activeBox() || gap > GapCount)
        return;
    const std::size_t g = std::size_t(gap - 1);
    QLineEdit* box = gap == 1 ? Answer->Edit1 : Answer->Edit2;
    const bool right = series().isRight(gapWords_[g], toCp1252(box->text()));
    gaps_[g] = right ? Gap::Right : Gap::Wrong;
    typed_[g] = box->text().trimmed();
    if (!right) {
        rulesAllowed_ = false;
        helpAllowed_ = false;
        regelknapp->setEnabled(false);
        Answer->Helpknapp1->setEnabled(false);
        Answer->HelpKnapp2->setEnabled(false);
    }
    layoutSentences();
    if (gap < GapCount) {
        // The keys go on to the second gap; the question is judged there.
        Answer->setActiveBox(2);
        Answer->setAnswering(true);
        return;
    }
    series().judged(gaps_[0] == Gap::Right && (GapCount < 2 || gaps_[1] == Gap::Right));
}

void TSkrivinf::showEnd(const SeriesEnd& end)
{
    ExerciseWindow::showEnd(end);
    // The help has nothing more to say; a reward picture takes the sentence's place.
    for (QWidget* w : {static_cast<QWidget*>(Answer->Helpknapp1), static_cast<QWidget*>(Answer->HelpKnapp2),
                       static_cast<QWidget*>(Answer->Label6), static_cast<QWidget*>(Answer->Label7)})
        w->hide();
    if (BildPanelen->isVisible()) {
        InstruktionsLabel->hide();
        for (QWidget* w : {static_cast<QWidget*>(Label14), static_cast<QWidget*>(Label15),
                           static_cast<QWidget*>(Answer->Edit1), static_cast<QWidget*>(Answer->Edit2)})
            w->hide();
        for (QLabel* p : Pieces)
            p->hide();
    }
}

void TSkrivinf::contextMenuEvent(QContextMenuEvent* event)
{
    Answer->PopupMenu1->popup(event->globalPos());
}

// --- worksheet mode ----------------------------------------------------------------------------

WorksheetBlock TSkrivinf::worksheetBlock()
{
    Engine& e = engine();
    WorksheetBlock block;
    block.heading = fromCp1252(cut(e.HeaderLines[1], 80));
    // The data file's note for worksheets, else what the kind of line asks for.
    QString instruction = fromCp1252(e.HeaderNote);
    if (instruction.isEmpty())
        instruction = writein::gapInSentence(e.ExerciseNo, e.AnswerFields[2]) ? printedInstruction() : TranslateMarked;
    if (!instruction.isEmpty()) {
        block.withoutAnswers << QStringLiteral("      ") + instruction;
        block.withAnswers << QStringLiteral("      ") + instruction;
    }
    return block;
}

WorksheetTask TSkrivinf::worksheetTask()
{
    const Engine& e = engine();
    const QString indent(7, u' ');
    WorksheetTask task;
    auto add = [&](const QStringList& lines, bool blanks) {
        for (const QString& line : lines) {
            const bool first = task.withoutAnswers.isEmpty();
            task.withoutAnswers << (first ? QString() : indent) + (blanks ? blanked(line) : line);
            task.withAnswers << (first ? QString() : indent) + line;
        }
    };
    // The sentence to translate first; then the gap text, without its words on
    // the sheet without answers, whatever the kind of line.
    const bool gapKind = writein::gapInSentence(e.ExerciseNo, e.AnswerFields[2]);
    if (!gapKind)
        add(worksheetLines(fromCp1252(e.AnswerFields[1])), false);
    add(worksheetLines(fromCp1252(writein::gapText(e.ExerciseNo, e.AnswerFields[1], e.AnswerFields[2]))), true);
    return task;
}

} // namespace lingvaro
