#include "exercises/fables/insetxt.h"

#include "contentmap/fables.h"
#include "engine/cp1252.h"
#include "engine/engine.h"
#include "engine/paths.h"
#include "engine/textfile.h"
#include "exercises/common/headingbox.h"
#include "exercises/common/answerrows.h"
#include "exercises/common/registry.h"
#include "results/aster.h"
#include "ui/palette.h"
#include "ui/platform.h"
#include "ui/widgets.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>

namespace lingvaro {

namespace {

namespace colour = ui::colour;

QString shown(const std::string& cp1252) { return fromCp1252(cp1252); }

const char* const TextCaption = "A las &preguntas";
const char* const QuestionsCaption = "&Lée el texto";

// Opened only when its text is there: a window without its fable would be
// empty, so the message comes before any window shows.
const ExerciseWindowRegistration registeredTInseTxt{"TInseTxt", [](AppContext& app) {
    Engine& e = app.engine;
    if (!TInseTxt::textFile(e)) {
        e.inform(QStringLiteral("Filen ")
                 + paths::display(e.CdPath, QStringLiteral("\\DATA\\")
                                                + fromCp1252(fables::textFileName(e.DataFileName)))
                 + QStringLiteral(" finns inte eller är felaktig"));
        return false;
    }
    return ui::showModal<TInseTxt>(app.platform, app) != 0;
}};

} // namespace

const ExerciseRules& TInseTxt::rules()
{
    static const ExerciseRules rules = [] {
        ExerciseRules r;
        r.judgingKind = 1; // the chosen answer is the right one letter for letter
        return r;
    }();
    return rules;
}

std::optional<std::filesystem::path> TInseTxt::textFile(const Engine& e)
{
    return e.findContentFile(QStringLiteral("\\DATA\\") + fromCp1252(fables::textFileName(e.DataFileName)));
}

TInseTxt::TInseTxt(AppContext& app) : ExerciseWindow(app, "TInseTxt", rules())
{
    InstruktionsLabel->setObjectName(QStringLiteral("InstruktionsLabel"));
    RattSvarLabel = ui::makeLabel(this, {}, ui::programFamily(), px(24), true, colour::Maroon);
    RattSvarLabel->setObjectName(QStringLiteral("RattSvarLabel"));
    RattSvarLabel->hide();
    for (int i = 0; i < 3; ++i) {
        NrPanel[i] = ui::makePanel(this, palette().color(QPalette::Button), 2);
        auto* digit = ui::makeLabel(NrPanel[i], QString::number(i + 1), ui::programFamily(), px(24), true, colour::Navy);
        digit->setObjectName(QStringLiteral("NrLabel"));
        digit->setAlignment(Qt::AlignCenter);
        AlternativPanel[i] = ui::makePanel(this, palette().color(QPalette::Button), 2);
        AltLabel[i] = ui::makeLabel(AlternativPanel[i], {}, ui::programFamily(), px(24), true, colour::Navy);
        NrPanel[i]->setObjectName(QStringLiteral("NrPanel%1").arg(i + 1));
        AlternativPanel[i]->setObjectName(QStringLiteral("AlternativPanel%1").arg(i + 1));
        for (QWidget* w : {static_cast<QWidget*>(NrPanel[i]), static_cast<QWidget*>(AlternativPanel[i]),
                           static_cast<QWidget*>(AltLabel[i]), static_cast<QWidget*>(digit)}) {
            w->installEventFilter(this);
            w->setMouseTracking(true);
            w->setCursor(Qt::PointingHandCursor);
        }
    }
    TextPanel1 = ui::makePanel(this, colour::Cream, 2);
    TextPanel1->setObjectName(QStringLiteral("TextPanel1"));
    Memo1 = new QPlainTextEdit(TextPanel1);
    Memo1->setReadOnly(true);
    Memo1->setFont(ui::programFont(px(22), false));
    Memo1->setFocusPolicy(Qt::NoFocus); // the keys stay the window's: Space, Esc and the text button's Alt+P
    Memo1->setFrameStyle(QFrame::NoFrame);
    SeTextButton = new QPushButton(QString::fromUtf8(TextCaption), this);
    SeTextButton->setObjectName(QStringLiteral("SeTextButton"));
    SeTextButton->setFont(ui::programFont(px(18)));
    connect(SeTextButton, &QPushButton::clicked, this, &TInseTxt::SeTextButtonClick);
    // Nothing of the protocol's other help: no correction pass, no rules.
    Button1->hide();
    loadText();
    begin();
    showText(true);
}

TInseTxt::~TInseTxt() = default;

int TInseTxt::unit() const { return app_.platform.screenSize().width() / 32; }

void TInseTxt::loadText()
{
    std::vector<std::string> lines;
    if (const auto file = textFile(engine_))
        forEachLine(*file, [&](std::string_view line) {
            lines.emplace_back(line);
            return true;
        });
    QStringList shownLines;
    for (const std::string& line : fables::tidyText(lines))
        shownLines << shown(line);
    Memo1->setPlainText(shownLines.join(u'\n'));
}

void TInseTxt::drawHeading()
{
    const Engine& e = engine_;
    if (TextShown)
        Heading->RitaOverskriften(QStringLiteral("Lée el texto."), QStringLiteral("Contesta luego a las preguntas."), {},
                                  e.LetterWidth, e.ScaleFactor);
    else
        Heading->RitaOverskriften(QStringLiteral("Contesta a las preguntas"), {}, {}, e.LetterWidth, e.ScaleFactor);
}

void TInseTxt::Inled()
{
    ExerciseWindow::Inled();
    const Engine& e = engine_;
    const int u = unit();
    const int L = e.LetterWidth;
    const QSize screen = app_.platform.screenSize();
    drawHeading();
    regelknapp->hide();

    InstruktionsLabel->setText(QStringLiteral("Presiona con el ratón o presiona una cifra."));
    InstruktionsLabel->adjustSize();
    const int instrHeight = std::max(InstruktionsLabel->height(), QFontMetrics(InstruktionsLabel->font()).height());
    InstruktionsLabel->setGeometry(2 * u, Heading->geometry().bottom() + instrHeight / 2, 30 * u, instrHeight);

    const int lineHeight = QFontMetrics(FrageLabel1->font()).height();
    FrageLabel1->move(u, InstruktionsLabel->geometry().bottom() + instrHeight);
    FrageLabel2->move(u, FrageLabel1->y() + lineHeight * 6 / 5);
    const int h = std::max(px(44), QFontMetrics(ui::programFont(px(24))).height() + px(12));
    int top = FrageLabel2->y() + lineHeight * 2;
    for (int i = 0; i < 3; ++i) {
        NrPanel[i]->setGeometry(u, top, h, h);
        if (auto* digit = NrPanel[i]->findChild<QLabel*>(QStringLiteral("NrLabel")))
            digit->setGeometry(0, 0, h, h);
        AlternativPanel[i]->setGeometry(NrPanel[i]->geometry().right() + 1 + L / 2, top, 25 * u, h);
        top += h * 5 / 4;
    }
    RattSvarLabel->move(AlternativPanel[0]->x(), NrPanel[2]->y() + h * 4 / 3);

    const QSize button = SeTextButton->sizeHint() + QSize(px(24), px(8));
    SeTextButton->setGeometry(u, screen.height() - button.height() * 9 / 4, std::max(button.width(), 8 * u),
                              button.height());
    const int textTop = InstruktionsLabel->y();
    TextPanel1->setGeometry(u, textTop, questionRight() - u, SeTextButton->y() - L - textTop);
    Memo1->setGeometry(L, L, TextPanel1->width() - 2 * L, TextPanel1->height() - 2 * L);
}

void TInseTxt::showText(bool on)
{
    TextShown = on;
    TextPanel1->setVisible(on);
    if (on) {
        TextPanel1->raise();
        Aster2->hide();
    } else if (isWorksheet(engine_.WorkMode) || showsDiagnosisCounters(engine_.WorkMode)) {
        Aster2->hide();
    } else {
        Aster2->show();
        Aster2->SetVisa(true);
    }
    SeTextButton->setText(QString::fromUtf8(on ? TextCaption : QuestionsCaption));
    drawHeading();
    setFocus();
}

void TInseTxt::SeTextButtonClick() { showText(!TextShown); }

void TInseTxt::restartStars(int boxes)
{
    ExerciseWindow::restartStars(boxes);
    if (TextShown)
        Aster2->hide();
}

void TInseTxt::showQuestion()
{
    Engine& e = engine();
    // The question in at most two lines, up to the star column.
    showQuestionLines(e.AnswerFields[1]);
    InstruktionsLabel->show();
    AlternativeCount = 0;
    while (AlternativeCount < 3 && !e.AnswerFields[AlternativeCount + 2].empty())
        ++AlternativeCount;
    AlternativeOrder = e.shuffledOrder(AlternativeCount);
    RightRow = 0;
    for (int r = 0; r < AlternativeCount; ++r)
        if (AlternativeOrder[std::size_t(r)] == 1)
            RightRow = r + 1;

    // One type for the three answers: the widest of them fits 24 units, from
    // 18 points down, never below 10.
    const int u = unit();
    int pt = 18;
    auto widest = [&] {
        const QFontMetrics m(ui::programFontPt(pt));
        int w = 0;
        for (int r = 0; r < AlternativeCount; ++r)
            w = std::max(w, m.horizontalAdvance(shown(e.AnswerFields[AlternativeOrder[std::size_t(r)] + 1])));
        return w;
    };
    while (pt > 10 && widest() > 24 * u)
        --pt;
    for (int r = 0; r < 3; ++r) {
        const bool used = r < AlternativeCount;
        AltLabel[r]->setFont(ui::programFontPt(pt));
        AltLabel[r]->setText(used ? shown(e.AnswerFields[AlternativeOrder[std::size_t(r)] + 1]) : QString());
        AltLabel[r]->adjustSize();
        AltLabel[r]->move(u, (AlternativPanel[r]->height() - AltLabel[r]->height()) / 2);
        NrPanel[r]->setVisible(used);
        AlternativPanel[r]->setVisible(used);
    }
    RattSvarLabel->setText(shown(e.AnswerFields[2]));
    RattSvarLabel->adjustSize();
    RattSvarLabel->hide();
    AnswerShown = false;
    colourRows(0);
    if (TextShown)
        TextPanel1->raise();
}

void TInseTxt::setAnswering(bool on)
{
    for (int r = 0; r < 3; ++r) {
        NrPanel[r]->setEnabled(on);
        AlternativPanel[r]->setEnabled(on);
    }
    if (on)
        setFocus();
}

void TInseTxt::colourRows(int aquaRow)
{
    AnswerRowPanels{NrPanel, AlternativPanel}.colour(aquaRow, palette().color(QPalette::Button));
}

void TInseTxt::hoverRow(int row)
{
    if (!AnswerShown && series().asking())
        colourRows(row);
}

void TInseTxt::RaettTest(int row)
{
    // A choice is an answer only while a question is asked and its row shows:
    // not behind the text, not while an answer or the button panel shows.
    if (!series().asking() || TextShown || row < 1 || row > AlternativeCount)
        return;
    Engine& e = engine();
    const bool right = series().isRight(e.AnswerFields[2], e.AnswerFields[AlternativeOrder[std::size_t(row - 1)] + 1]);
    if (!right) {
        AnswerShown = true;
        colourRows(RightRow);
        RattSvarLabel->show();
    }
    series().judged(right);
}

void TInseTxt::showEnd(const SeriesEnd& end)
{
    FrageLabel1->clear();
    FrageLabel2->clear();
    RattSvarLabel->hide();
    SeTextButton->setEnabled(false);
    ExerciseWindow::showEnd(end);
}

void TInseTxt::clearEnd()
{
    // A new series: the pupil may read the fable again.
    ExerciseWindow::clearEnd();
    SeTextButton->setEnabled(true);
}

int TInseTxt::rowOf(QObject* widget) const
{
    return AnswerRowPanels{NrPanel, AlternativPanel}.rowOf(widget, this);
}

bool TInseTxt::eventFilter(QObject* watched, QEvent* event)
{
    const int row = rowOf(watched);
    if (row == 0)
        return ExerciseWindow::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton)
            RaettTest(row);
        else if (mouse->button() == Qt::RightButton)
            series().pause(); // only while a question is asked
        return true;
    }
    case QEvent::Enter:
    case QEvent::MouseMove:
        hoverRow(row);
        break;
    default:
        break;
    }
    return ExerciseWindow::eventFilter(watched, event);
}

void TInseTxt::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key >= Qt::Key_1 && key <= Qt::Key_3) {
        RaettTest(key - Qt::Key_0);
        event->accept();
        return;
    }
    ExerciseWindow::keyPressEvent(event);
}

} // namespace lingvaro
