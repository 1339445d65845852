#include "exercises/pictures/bilden.h"

#include "contentmap/pictures.h"
#include "engine/cp1252.h"
#include "engine/engine.h"
#include "engine/paths.h"
#include "exercises/common/headingbox.h"
#include "exercises/common/registry.h"
#include "exercises/common/textanswer.h"
#include "results/aster.h"
#include "ui/palette.h"
#include "ui/widgets.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace lingvaro {

LINGVARO_EXERCISE_WINDOW(TBilden)

const ExerciseRules& TBilden::rules()
{
    static const ExerciseRules rules = [] {
        ExerciseRules r;
        r.judgingKind = 3;       // letter case and an end mark at each end do not count
        r.rewardPicture = false; // the picture of the exercise stays; the end covers the question
        return r;
    }();
    return rules;
}

TBilden::TBilden(AppContext& app) : ExerciseWindow(app, "TBilden", rules())
{
    Image1 = new QLabel(this);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Answer = new TextAnswer(this, engine(), app.platform, series(), engine().ScaleFactor);
    SvarsLabel = ui::makeLabel(this, {}, ui::programFamily(), px(24), true, ui::colour::Maroon);
    SvarsLabel->hide();
    Bildpanelen = new QFrame(this);
    Bildpanelen->setAutoFillBackground(true);
    Bildpanelen->hide();
    connect(Answer, &TextAnswer::entered, this, &TBilden::answerEntered);
    connect(Answer, &TextAnswer::escaped, this, &TBilden::escapePressed);
    loadPicture();
    begin();
}

void TBilden::loadPicture()
{
    // A missing picture is said once, when the window opens; the words can still
    // be practised by their Swedish names.
    Engine& e = engine();
    const QString relative = QString::fromStdString(pictures::bodyPicture(e.ExerciseNo));
    if (relative.isEmpty())
        return;
    if (auto file = e.findContentFile(relative))
        picture_ = ui::loadPicture(*file);
    if (picture_.isNull())
        e.fail(QStringLiteral("Filen ") + paths::display(e.CdPath, relative) + QStringLiteral(" finns inte eller är felaktig"));
}

QRect TBilden::pictureBox() const
{
    const int L = engine_.LetterWidth;
    const int col = size().width() / 64;
    return QRect(L, L, 22 * col, std::max(1, Panel1->y() - 2 * L));
}

void TBilden::Inled()
{
    ExerciseWindow::Inled();
    Engine& e = engine();
    const int W = size().width();
    const int L = e.LetterWidth;

    // The picture in its box, in proportion and never enlarged past its own size.
    const QRect box = pictureBox();
    QPixmap shown = picture_;
    if (!shown.isNull() && (shown.width() > box.width() || shown.height() > box.height()))
        shown = shown.scaled(box.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    Image1->setPixmap(shown);
    Image1->setGeometry(box.x(), box.y(), shown.isNull() ? 0 : shown.width(), shown.isNull() ? 0 : shown.height());
    Image1->setVisible(!shown.isNull());
    const int pictureRight = shown.isNull() ? box.x() : Image1->geometry().right();

    // The heading box beside the picture.
    const int frameLeft = pictureRight + 2 * L;
    Heading->setGeometry(frameLeft, L, std::max(10 * L, W - frameLeft - W * 5 / 64), Heading->height());
    Heading->RitaOverskriften(fromCp1252(e.HeaderLines[1]), fromCp1252(e.HeaderLines[2]),
                              fromCp1252(e.HeaderLines[3]), L, e.ScaleFactor);

    // Instruction, question lines, answer box and answer under the heading.
    const int instrHeight = std::max(InstruktionsLabel->height(), QFontMetrics(InstruktionsLabel->font()).height());
    InstruktionsLabel->move(frameLeft, Heading->geometry().bottom() + instrHeight / 2);
    const int lineHeight = QFontMetrics(FrageLabel1->font()).height();
    FrageLabel1->move(frameLeft, InstruktionsLabel->y() + instrHeight * 3 / 2);
    FrageLabel2->move(frameLeft, FrageLabel1->y() + lineHeight * 5 / 4);
    QLineEdit* edit = Answer->Edit1;
    edit->resize(20 * (W / 64), QFontMetrics(edit->font()).height() + px(12));
    placeAnswer();

    // The cover of the question area, and the praise box over it (the praise box
    // takes the reward panel's place, which this window does not use).
    const int coverTop = Heading->geometry().bottom() + 2;
    Bildpanelen->setGeometry(frameLeft - L, coverTop, std::max(1, Aster2->x() - 2 - (frameLeft - L)),
                             std::max(1, Panel1->y() - coverTop - L / 2));
    BildPanelen->setGeometry(Bildpanelen->x() + L, Bildpanelen->y(), Bildpanelen->width() - 2 * L, Bildpanelen->height());
    Answer->lampknapp->hide();
    Answer->LampShape->hide();
    regelknapp->hide();
}

void TBilden::placeAnswer()
{
    // The answer box under the lower question line, whatever its height (a
    // question of three display lines shows two in the lower label).
    QLineEdit* edit = Answer->Edit1;
    const int lineHeight = QFontMetrics(FrageLabel2->font()).height();
    const int lowerBottom = FrageLabel2->y() + std::max(FrageLabel2->height(), lineHeight);
    edit->move(FrageLabel2->x(), lowerBottom + lineHeight / 2);
    SvarsLabel->move(edit->x(), edit->y() + edit->height() * 3 / 2);
}

void TBilden::showQuestion()
{
    Engine& e = engine();
    InstruktionsLabel->show();
    // Up to three display lines: the first in the upper label, the second and
    // third together in the lower one (as two lines, so that neither runs into
    // the star column).
    const QFont f = FrageLabel2->font();
    e.dela_mening(FrageLabel2->x(), questionRight(), e.AnswerFields[1], 3,
                  FontSpec{f.family(), f.pointSize() > 0 ? f.pointSize() : 12, f.bold(), f.pixelSize()});
    auto line = [&](int i) { return fromCp1252(e.SplitLines[i]).trimmed(); };
    if (line(2).isEmpty()) {
        FrageLabel1->hide();
        FrageLabel2->setText(line(1));
    } else {
        FrageLabel1->setText(line(1));
        FrageLabel1->show();
        FrageLabel2->setText(line(3).isEmpty() ? line(2) : line(2) + QStringLiteral("\n") + line(3));
    }
    FrageLabel1->adjustSize();
    FrageLabel2->adjustSize();
    FrageLabel2->show();
    placeAnswer();

    Answer->newQuestion(e.AnswerFields[2], {});
    Answer->lampknapp->hide();
    Answer->LampShape->hide();
    SvarsLabel->setText(fromCp1252(e.AnswerFields[2]));
    SvarsLabel->adjustSize();
    SvarsLabel->hide();
    // Room for the answer and a little more, never past the star column.
    QLineEdit* edit = Answer->Edit1;
    const int wanted = SvarsLabel->width() + px(60);
    edit->resize(std::min(wanted, Aster2->x() - edit->x() - 4), edit->height());
    edit->show();
}

void TBilden::setAnswering(bool on)
{
    Answer->setAnswering(on);
    Answer->lampknapp->hide();
}

QWidget* TBilden::answerFocus() { return Answer->Edit1; }

void TBilden::answerEntered()
{
    Engine& e = engine();
    if (!series().asking())
        return;
    const bool right = series().isRight(e.AnswerFields[2], toCp1252(Answer->Edit1->text()));
    if (!right)
        SvarsLabel->show();
    series().judged(right);
}

void TBilden::showEnd(const SeriesEnd& end)
{
    // The question area is covered; the praise, when earned, stands on the cover.
    Answer->Edit1->hide();
    SvarsLabel->hide();
    Bildpanelen->show();
    Bildpanelen->raise();
    ExerciseWindow::showEnd(end);
}

void TBilden::clearEnd()
{
    ExerciseWindow::clearEnd();
    Bildpanelen->hide();
}

} // namespace lingvaro
