#include "exercises/pictures/bildvis.h"

#include "contentmap/pictures.h"
#include "engine/cp1252.h"
#include "engine/engine.h"
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
#include <QPushButton>

namespace lingvaro {

LINGVARO_EXERCISE_WINDOW(TBildvis)

const ExerciseRules& TBildvis::rules()
{
    static const ExerciseRules rules = [] {
        ExerciseRules r;
        r.judgingKind = 1; // the chosen name must be the right one, letter for letter
        return r;
    }();
    return rules;
}

TBildvis::TBildvis(AppContext& app) : ExerciseWindow(app, "TBildvis", rules())
{
    Engine& e = engine();
    BirdCallExercise = e.ExerciseNo == pictures::BirdsExercise;
    Image2 = new QLabel(this);
    Image2->setAlignment(Qt::AlignRight | Qt::AlignTop);
    SvensktOrd = ui::makeLabel(this, {}, ui::programFamily(), px(26), true, ui::colour::Navy);
    RattSvarLabel = ui::makeLabel(this, {}, ui::programFamily(), px(26), true, ui::colour::Maroon);
    RattSvarLabel->hide();
    for (int i = 0; i < 3; ++i) {
        NrPanel[i] = ui::makePanel(this, palette().color(QPalette::Button), 2);
        auto* digit = ui::makeLabel(NrPanel[i], QString::number(i + 1), ui::programFamily(), px(24), true,
                                    ui::colour::Navy);
        digit->setObjectName(QStringLiteral("NrLabel"));
        digit->setAlignment(Qt::AlignCenter);
        AlternativPanel[i] = ui::makePanel(this, palette().color(QPalette::Button), 2);
        AltLabel[i] = ui::makeLabel(AlternativPanel[i], {}, ui::programFamily(), px(24), true, ui::colour::Navy);
        for (QWidget* w : {static_cast<QWidget*>(NrPanel[i]), static_cast<QWidget*>(AlternativPanel[i]),
                           static_cast<QWidget*>(AltLabel[i]), static_cast<QWidget*>(digit)}) {
            w->installEventFilter(this);
            w->setCursor(Qt::PointingHandCursor);
        }
    }
    HoraLjudetButton = new QPushButton(QStringLiteral("Escucha el canto"), this);
    HoraLjudetButton->setFont(ui::programFont(px(18)));
    // Clicked with the mouse only: Space and the digits stay the window's.
    HoraLjudetButton->setFocusPolicy(Qt::NoFocus);
    HoraLjudetButton->hide();
    connect(HoraLjudetButton, &QPushButton::clicked, this, &TBildvis::HoraLjudetButtonClick);
    FrageLabel1->hide();
    FrageLabel2->hide();
    begin();
}

TBildvis::~TBildvis() = default;

void TBildvis::done(int result)
{
    stopBirdCall();
    ExerciseWindow::done(result);
}

void TBildvis::Inled()
{
    ExerciseWindow::Inled();
    Engine& e = engine();
    const int columnUnit = size().width() / 32;
    // The instruction under the heading, the bird call's button under it.
    const int instrHeight = std::max(InstruktionsLabel->height(), QFontMetrics(InstruktionsLabel->font()).height());
    InstruktionsLabel->move(columnUnit, Heading->geometry().bottom() + instrHeight * 3 / 2 - instrHeight);
    HoraLjudetButton->resize(HoraLjudetButton->sizeHint().width() + px(16), std::max(px(34), HoraLjudetButton->sizeHint().height()));
    HoraLjudetButton->move(columnUnit, InstruktionsLabel->y() + instrHeight * 3 / 2);
    regelknapp->hide();

    // The rows stand directly above the button panel, from the bottom up.
    const int h = std::max(px(44), QFontMetrics(ui::programFont(px(24))).height() + px(12));
    const int step = 8 * h / 7;
    for (int i = 0; i < 3; ++i) {
        const int top = Panel1->y() - (3 - i) * step;
        NrPanel[i]->setGeometry(e.LetterWidth, top, h, h);
        if (auto* digit = NrPanel[i]->findChild<QLabel*>(QStringLiteral("NrLabel")))
            digit->setGeometry(0, 0, h, h);
        AlternativPanel[i]->setGeometry(NrPanel[i]->geometry().right() + 1 + e.LetterWidth / 2, top, 8 * columnUnit, h);
    }
    const int answerHeight = QFontMetrics(RattSvarLabel->font()).height();
    RattSvarLabel->move(AlternativPanel[0]->x(), NrPanel[0]->y() - answerHeight * 3 / 2);
    SvensktOrd->move(AlternativPanel[0]->x(), RattSvarLabel->y() - instrHeight * 3 / 2 - answerHeight / 2);
}

int TBildvis::questionNumber() const
{
    const Engine& e = engine_;
    return e.CorrectionPass ? e.ErrorQuestionNo : e.QuestionNo;
}

void TBildvis::showQuestion()
{
    Engine& e = engine();
    stopBirdCall();
    InstruktionsLabel->show();
    SvensktOrd->setText(fromCp1252(e.AnswerFields[4]));
    SvensktOrd->adjustSize();
    SvensktOrd->raise();

    // Two or three names, in a new order each question, drawn from the window's
    // own generator so that the question draws stay as they are.
    AlternativeCount = 0;
    while (AlternativeCount < 3 && !e.AnswerFields[AlternativeCount + 1].empty())
        ++AlternativeCount;
    AlternativeOrder = e.shuffledOrder(AlternativeCount);
    RightRow = 0;
    for (int r = 0; r < AlternativeCount; ++r)
        if (AlternativeOrder[std::size_t(r)] == 1)
            RightRow = r + 1;
    placeRows();
    for (int r = 0; r < 3; ++r) {
        const bool shown = r < AlternativeCount;
        AltLabel[r]->setText(shown ? fromCp1252(e.AnswerFields[AlternativeOrder[std::size_t(r)]]) : QString());
        AltLabel[r]->adjustSize();
        AltLabel[r]->move(columnUnit() / 2, (AlternativPanel[r]->height() - AltLabel[r]->height() - 2) / 2);
        AltLabel[r]->setVisible(shown);
        NrPanel[r]->setVisible(shown);
        AlternativPanel[r]->show(); // an empty third bar with two names
    }
    RattSvarLabel->setText(fromCp1252(e.AnswerFields[1]));
    RattSvarLabel->adjustSize();
    RattSvarLabel->hide();
    AnswerShown = false;
    colourRows(0);
    placePicture();

    const bool call = BirdCallExercise && (e.SoundMode == 1 || e.SoundMode == 3)
                      && !pictures::birdCall(e.ExerciseNo, questionNumber()).empty();
    HoraLjudetButton->setVisible(call);
}

int TBildvis::columnUnit() const { return size().width() / 32; }

void TBildvis::placeRows()
{
    // The rows as wide as the widest name needs, its type made smaller while it
    // would take more than three quarters of the screen.
    Engine& e = engine();
    int pixels = px(24);
    auto widest = [&] {
        const QFontMetrics m(ui::programFont(pixels));
        int w = 0;
        for (int f = 1; f <= 3; ++f)
            w = std::max(w, m.horizontalAdvance(fromCp1252(e.AnswerFields[f])));
        return w;
    };
    while (pixels > px(12) && widest() > 24 * columnUnit())
        --pixels;
    const int width = std::max(widest() + 2 * columnUnit(), 8 * columnUnit());
    for (int r = 0; r < 3; ++r) {
        AltLabel[r]->setFont(ui::programFont(pixels));
        AlternativPanel[r]->resize(width, AlternativPanel[r]->height());
    }
}

QRect TBildvis::pictureBox() const
{
    // Right of everything the question shows on the left, left of the star
    // column, under the heading (and under the instruction and the bird call's
    // button where they reach that far), above the button panel.
    const int L = engine_.LetterWidth;
    int left = 0;
    for (const QWidget* w : {static_cast<const QWidget*>(AlternativPanel[0]), static_cast<const QWidget*>(SvensktOrd),
                             static_cast<const QWidget*>(RattSvarLabel)})
        left = std::max(left, w->geometry().right() + 1);
    left += columnUnit();
    const int right = Aster2->x() - L;
    int top = Heading->geometry().bottom() + 1 + L;
    for (const QWidget* w : {static_cast<const QWidget*>(InstruktionsLabel), static_cast<const QWidget*>(HoraLjudetButton)})
        if (w->isVisibleTo(this) && w->geometry().right() >= left)
            top = std::max(top, w->geometry().bottom() + 1 + L);
    const int bottom = Panel1->y() - L;
    return QRect(left, top, std::max(1, right - left), std::max(1, bottom - top));
}

void TBildvis::placePicture()
{
    // The question's picture, from the hard disk's installation before the
    // medium's, fitted into its box in proportion and never enlarged; none for a
    // question without a picture or whose file is missing.
    Engine& e = engine();
    const std::string name = pictures::questionPicture(e.ExerciseNo, questionNumber());
    QPixmap picture;
    if (!name.empty())
        if (auto file = e.findContentFile(QString::fromStdString(name)))
            picture = ui::loadPicture(*file);
    if (picture.isNull()) {
        Image2->clear();
        Image2->hide();
        return;
    }
    const QRect box = pictureBox();
    if (picture.width() > box.width() || picture.height() > box.height())
        picture = picture.scaled(box.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    Image2->setPixmap(picture);
    Image2->setGeometry(box.right() + 1 - picture.width(), box.y(), picture.width(), picture.height());
    Image2->show();
    Image2->raise();
}

void TBildvis::colourRows(int aquaRow)
{
    AnswerRowPanels{NrPanel, AlternativPanel}.colour(aquaRow, palette().color(QPalette::Button));
}

void TBildvis::setAnswering(bool on)
{
    for (int r = 0; r < 3; ++r) {
        NrPanel[r]->setEnabled(on);
        AlternativPanel[r]->setEnabled(on);
    }
    if (on)
        setFocus();
}

void TBildvis::RaettTest(int row)
{
    // Only a question being asked takes a choice: a digit during the answer
    // display, a pause or after the series is no answer.
    if (!series().asking() || row < 1 || row > 3)
        return;
    Engine& e = engine();
    // With two names the third row is an empty bar, and a wrong choice.
    const bool named = row <= AlternativeCount;
    const bool right = named && series().isRight(e.AnswerFields[1], e.AnswerFields[AlternativeOrder[std::size_t(row - 1)]]);
    if (!right) {
        AnswerShown = true;
        colourRows(RightRow);
        RattSvarLabel->show();
        RattSvarLabel->raise();
    }
    series().judged(right);
}

void TBildvis::HoraLjudetButtonClick()
{
    Engine& e = engine();
    const std::string file = pictures::birdCall(e.ExerciseNo, questionNumber());
    if (file.empty())
        return;
    BirdCallPlayed = true;
    // Looked for as every sound is: the hard disk's installation first.
    const std::string subdir = e.SoundSubdir;
    e.SoundSubdir = "BIRDS";
    e.SpelaUppWavLjud(file);
    e.SoundSubdir = subdir;
}

void TBildvis::stopBirdCall()
{
    if (BirdCallPlayed)
        app_.platform.stop();
    BirdCallPlayed = false;
}

void TBildvis::showEnd(const SeriesEnd& end)
{
    stopBirdCall();
    HoraLjudetButton->hide();
    Image2->hide();
    ExerciseWindow::showEnd(end);
}

void TBildvis::clearEnd()
{
    ExerciseWindow::clearEnd();
}

int TBildvis::rowOf(QObject* widget) const
{
    return AnswerRowPanels{NrPanel, AlternativPanel}.rowOf(widget, this);
}

bool TBildvis::eventFilter(QObject* watched, QEvent* event)
{
    const int row = rowOf(watched);
    if (row == 0)
        return ExerciseWindow::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton) {
            RaettTest(row);
        } else if (mouse->button() == Qt::RightButton && series().asking()) {
            stopBirdCall();
            series().pause();
        }
        return true;
    }
    case QEvent::Enter:
        if (!AnswerShown && series().asking())
            colourRows(row);
        break;
    default:
        break;
    }
    return ExerciseWindow::eventFilter(watched, event);
}

void TBildvis::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key >= Qt::Key_1 && key <= Qt::Key_3) {
        RaettTest(key - Qt::Key_0);
        event->accept();
        return;
    }
    if (key == Qt::Key_Escape)
        stopBirdCall();
    ExerciseWindow::keyPressEvent(event);
}

} // namespace lingvaro
