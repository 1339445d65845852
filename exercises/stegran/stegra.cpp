#include "exercises/stegran/stegra.h"

#include "engine/cp1252.h"
#include "engine/engine.h"
#include "engine/levelfile.h"
#include "engine/paths.h"
#include "engine/textfile.h"
#include "exercises/common/headingbox.h"
#include "exercises/common/registry.h"
#include "exercises/common/textanswer.h"
#include "results/aster.h"
#include "ui/palette.h"
#include "ui/widgets.h"

#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

namespace lingvaro {

LINGVARO_EXERCISE_WINDOW(TStegran)

namespace colour = ui::colour;

// --- the level box and the gauge ---------------------------------------------------------

LevelBox::LevelBox(QWidget* parent, int scalePercent) : QWidget(parent), scale_(std::max(1, scalePercent))
{
    setAccessibleName(QStringLiteral("Nivel"));
}

int LevelBox::pointSize() const
{
    static constexpr int Sizes[] = {18, 24, 30};
    return Sizes[std::clamp(run_, 0, 2)] * scale_ / 100;
}

void LevelBox::UppgraderaNivRutan(int level, int run)
{
    level_ = level;
    run_ = run;
    setAccessibleDescription(QString::number(level));
    update();
}

void LevelBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF box = QRectF(rect()).adjusted(1, 1, -1, -1);
    p.setPen(QPen(colour::Yellow, 2));
    p.setBrush(colour::Navy);
    p.drawRoundedRect(box, 8, 8);

    QFont caption = ui::programFont(16 * scale_ / 100);
    p.setFont(caption);
    p.setPen(colour::Yellow);
    const int captionHeight = QFontMetrics(caption).height();
    p.drawText(QRect(0, 6, width(), captionHeight), Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("Nivel"));

    // The number centred in the inner part (16 pixels narrower than the box),
    // its bottom 4 pixels above the box's.
    const QFont number = ui::programFontPt(pointSize());
    p.setFont(number);
    p.setPen(colour::White);
    const QRect inner(8, captionHeight, width() - 16, height() - captionHeight - 4);
    p.drawText(inner, Qt::AlignHCenter | Qt::AlignBottom, QString::number(level_));
}

void LevelGauge::setLevels(int level, int maximum)
{
    level_ = level;
    maximum_ = std::max(1, maximum);
    setAccessibleDescription(QStringLiteral("%1 / %2").arg(level_).arg(maximum_));
    update();
}

void LevelGauge::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF whole = QRectF(rect());
    p.fillRect(whole, colour::Navy);
    const double inner = whole.height() - 4;
    const double rung = inner / maximum_;
    const double bar = rung * std::clamp(level_, 0, maximum_);
    p.fillRect(QRectF(2, 2 + inner - bar, whole.width() - 4, bar), QColor(0, 255, 255)); // aqua
    // A rung between every two levels, dark on the bar and light above it.
    for (int l = 1; l < maximum_; ++l) {
        const double y = 2 + inner - l * rung;
        p.setPen(QPen(l < level_ ? colour::Navy : QColor(64, 64, 176), 1));
        p.drawLine(QPointF(2, y), QPointF(whole.width() - 2, y));
    }
}

// --- the window ----------------------------------------------------------------------------

const ExerciseRules& TStegran::rules()
{
    static const ExerciseRules rules = [] {
        ExerciseRules r;
        r.endless = true;
        r.wrongWaitTicks = AnswerSeconds * 10; // 1000 ms ticks, three of them
        r.rightWaitTicks = 3;                  // 100 ms ticks, three of them
        r.pausesWhileWaiting = true;
        r.starColumn = false;
        r.rewardPicture = false;
        r.praise = false;
        // A right answer counts for the climb only without the lamp or a help.
        r.firstHelpCounts = r.laterHelpCounts = r.lampCounts = {WorkMode::Practice};
        r.captionsFor = [](int) {
            return ButtonCaptions{"&Fija el nivel", "&Continúa", "&Interrumpe", "&Abre el nivel"};
        };
        return r;
    }();
    return rules;
}

TStegran::TStegran(AppContext& app) : ExerciseWindow(app, "TStegran", rules())
{
    Engine& e = engine();
    Answer = new TextAnswer(this, e, app.platform, series(), e.ScaleFactor);
    Label5 = ui::makeLabel(this, {}, ui::programFamily(), px(24), true, colour::Maroon);
    Label5->hide();
    NivRutan = new LevelBox(this, e.ScaleFactor);
    Gauge1 = new LevelGauge(this);

    NamnPanel = ui::makePanel(this, colour::Navy, 2);
    auto* line1 = ui::makeLabel(NamnPanel, QStringLiteral("Escribe tu nombre."), ui::programFamily(), px(20), true,
                                colour::Yellow);
    auto* line2 = ui::makeLabel(NamnPanel, QStringLiteral(" Aplasta Enter."), ui::programFamily(), px(20), true,
                                colour::Yellow);
    line1->setObjectName(QStringLiteral("NamnLabel1"));
    line2->setObjectName(QStringLiteral("NamnLabel2"));
    NamnEdit = new QLineEdit(NamnPanel);
    NamnEdit->setMaxLength(20);
    NamnEdit->setFont(ui::programFont(px(22)));
    NamnEdit->installEventFilter(this);
    NamnPanel->hide();

    connect(Answer, &TextAnswer::entered, this, &TStegran::answerEntered);
    connect(Answer, &TextAnswer::escaped, this, &TStegran::escapePressed);

    // The ladder from the data file, each level in its own order.
    if (auto file = e.findContentFile(QStringLiteral("\\DATA\\") + fromCp1252(e.DataFileName)))
        if (auto bytes = readFileBytes(*file))
            Ladder.read(*bytes);
    Ladder.shuffle(e);
    series().setSource(std::make_unique<LevelSource>(Ladder));
    begin();

    if (!isWorksheet(e.WorkMode) && Ladder.levelCount() == 0) {
        // Nothing to climb: the file has no questions on level 1.
        e.fail(QStringLiteral("Filen ") + fromCp1252(e.DataFileName) + QStringLiteral(" finns inte eller är felaktig"));
        QTimer::singleShot(0, this, [this] { finish(); });
    }
}

void TStegran::Inled()
{
    ExerciseWindow::Inled();
    Engine& e = engine();
    const QSize screen = size();
    const int W = screen.width(), row = screen.height() / 48, col = W / 64;
    const int L = e.LetterWidth;

    // The right column: the level box level with the heading, the gauge under
    // it down to the button panel. The question may reach to its left.
    const int columnWidth = std::max(px(96), 6 * col);
    const int x = W - columnWidth - L;
    NivRutan->setGeometry(x, Heading->y(), columnWidth, Heading->height());
    const int gaugeTop = NivRutan->geometry().bottom() + row;
    Gauge1->setGeometry(x + columnWidth / 4, gaugeTop, columnWidth / 2, Panel1->y() - row - gaugeTop);
    Aster2->setGeometry(x, L, columnWidth, Aster2->height()); // hidden; marks where the question ends

    QLineEdit* edit = Answer->Edit1;
    const int editWidth = std::min(40 * col, questionRight() - FrageLabel2->x());
    edit->setGeometry(FrageLabel2->x(), FrageLabel2->y() + FrageLabel2->height() * 3 / 2, editWidth,
                      QFontMetrics(edit->font()).height() + px(12));
    Label5->setGeometry(edit->x(), edit->geometry().bottom() + px(10), questionRight() - edit->x(),
                        QFontMetrics(Label5->font()).height());

    const int lampTop = std::max(30 * row, Label5->geometry().bottom() + Label5->height());
    Answer->lampknapp->move(L, lampTop);
    Answer->LampShape->move(L, lampTop);
    const QRect lamp = Answer->lampknapp->geometry();
    Answer->Helpknapp1->setGeometry(lamp.right() + 1 + L, lamp.y(), Answer->Helpknapp1->width(), lamp.height());
    Answer->HelpKnapp2->setGeometry(Answer->Helpknapp1->geometry());
    regelknapp->setGeometry(Answer->Helpknapp1->x(), lamp.y(), regelknapp->width(), lamp.height());
    Answer->Label6->move(L, lampTop + lamp.height() + px(10));
    Answer->Label7->move(L, Answer->Label6->y() + px(32));

    // The name box above the button panel, in the middle of the question's room.
    const int pad = px(12);
    auto* line1 = NamnPanel->findChild<QLabel*>(QStringLiteral("NamnLabel1"));
    auto* line2 = NamnPanel->findChild<QLabel*>(QStringLiteral("NamnLabel2"));
    line1->adjustSize();
    line2->adjustSize();
    const int editHeight = QFontMetrics(NamnEdit->font()).height() + px(10);
    const int boxWidth = std::max(px(360), line1->width() + line2->width() + 3 * pad);
    line1->move(pad, pad);
    line2->move(line1->geometry().right() + 1, pad);
    NamnEdit->setGeometry(pad, line1->geometry().bottom() + pad, boxWidth - 2 * pad, editHeight);
    const int boxHeight = NamnEdit->geometry().bottom() + pad;
    NamnPanel->setGeometry((questionRight() - boxWidth) / 2, Panel1->y() - boxHeight - row, boxWidth, boxHeight);

    const bool practising = !isWorksheet(e.WorkMode);
    NivRutan->setVisible(practising);
    Gauge1->setVisible(practising);
    showLevel();
}

void TStegran::showLevel()
{
    NivRutan->UppgraderaNivRutan(Ladder.level(), Ladder.run());
    Gauge1->setLevels(Ladder.level(), Ladder.levelCount());
}

void TStegran::showQuestion()
{
    Engine& e = engine();
    ExerciseWindow::showQuestion();
    Answer->newQuestion(e.AnswerFields[2], HelpTexts);
    Label5->setText(fromCp1252(e.AnswerFields[2]));
    Label5->hide();
    regelknapp->move(Answer->Helpknapp1->isVisibleTo(this) ? Answer->Helpknapp1->geometry().right() + 1 + e.LetterWidth
                                                            : Answer->Helpknapp1->x(),
                     regelknapp->y());
}

void TStegran::setAnswering(bool on)
{
    Answer->setAnswering(on);
    Answer->Helpknapp1->setEnabled(on);
    Answer->HelpKnapp2->setEnabled(on);
    if (on)
        Answer->lampControls();
}

QWidget* TStegran::answerFocus() { return Answer->Edit1; }

void TStegran::answerEntered()
{
    Engine& e = engine();
    if (!series().asking())
        return;
    const bool right = series().isRight(e.AnswerFields[2], toCp1252(Answer->Edit1->text()));
    Ladder.answered(right, series().helpUsed() == 0);
    showLevel();
    if (!right) {
        regelknapp->setEnabled(false);
        Label5->show();
    }
    series().judged(right);
}

void TStegran::showPanel(bool correctionOffered)
{
    ExerciseWindow::showPanel(correctionOffered);
    const bool keeps = !levelFilePath().empty();
    Button1->setEnabled(keeps);
    BitBtn1->setEnabled(keeps);
    Button2->setFocus();
}

void TStegran::hidePanel()
{
    ExerciseWindow::hidePanel();
    NamnPanel->hide();
}

void TStegran::contextMenuEvent(QContextMenuEvent* event)
{
    Answer->PopupMenu1->popup(event->globalPos());
}

// --- storing and fetching the level ------------------------------------------------------------

std::filesystem::path TStegran::levelFilePath()
{
    const Engine& e = engine();
    const char* name = LevelFile::nameFor(e.ExerciseNo);
    if (!name || e.DiagnosisDir.empty())
        return {};
    const QString relative = QStringLiteral("\\") + QString::fromLatin1(name);
    if (auto existing = paths::find(e.DiagnosisDir, relative)) // as another computer may have spelt it
        return *existing;
    return paths::place(e.DiagnosisDir, relative);
}

void TStegran::Button1Click() { askName(NameAction::Store); }

void TStegran::BitBtn1Click() { askName(NameAction::Fetch); }

void TStegran::askName(NameAction action)
{
    if (!Panel1->isVisible() || levelFilePath().empty())
        return;
    nameAction_ = action;
    NamnEdit->setText(fromCp1252(engine().PupilName));
    NamnEdit->selectAll();
    NamnPanel->show();
    NamnPanel->raise();
    NamnEdit->setFocus();
}

void TStegran::nameCancelled()
{
    NamnPanel->hide();
    Button2->setFocus();
}

void TStegran::nameEntered()
{
    Engine& e = engine();
    const QString name = NamnEdit->text().simplified().left(20);
    if (name.isEmpty())
        return;
    e.PupilName = toCp1252(name);
    const Notice notice = nameAction_ == NameAction::Store ? storeLevel() : fetchLevel();
    // The level shows and the next question is asked before the pupil reads what happened.
    NamnPanel->hide();
    hidePanel();
    showLevel();
    series().NyPost();
    e.messages().show(notice.kind, notice.text);
}

namespace {

TStegran::Notice info(const QString& text) { return {MessageSink::Kind::Information, text}; }
TStegran::Notice warning(const QString& text) { return {MessageSink::Kind::Warning, text}; }
TStegran::Notice error(const QString& text) { return {MessageSink::Kind::Error, text}; }

QString shown(const std::filesystem::path& file) { return QString::fromStdString(file.native()); }

} // namespace

TStegran::Notice TStegran::storeLevel()
{
    Engine& e = engine();
    LevelFile file(levelFilePath());
    const QString name = fromCp1252(e.PupilName);
    const LevelFile::Result result = file.store(e.PupilName, Ladder.level());
    switch (result.status) {
    case LevelFile::Status::Saved:
        if (result.level > Ladder.level())
            return info(QStringLiteral("%1 har redan nivå %2 sparad. Den högre nivån står kvar.").arg(name).arg(result.level));
        return info(QStringLiteral("Nivå %1 är sparad för %2.").arg(result.level).arg(name));
    case LevelFile::Status::NotNeeded:
        return info(QStringLiteral("Nivå 1 sparas inte: alla börjar på nivå 1."));
    case LevelFile::Status::Locked:
        return warning(QStringLiteral("Nivån kunde inte sparas: filen %1 används av en annan dator. Försök igen om en stund.")
                           .arg(shown(file.file())));
    case LevelFile::Status::Unreadable:
        return error(QStringLiteral("Filen %1 finns men kan inte läsas, så nivån sparas inte. Be läraren se efter filen.")
                         .arg(shown(file.file())));
    default:
        return error(QStringLiteral("Nivån kunde inte sparas i filen %1.").arg(shown(file.file())));
    }
}

TStegran::Notice TStegran::fetchLevel()
{
    Engine& e = engine();
    LevelFile file(levelFilePath());
    const QString name = fromCp1252(e.PupilName);
    const LevelFile::Result result = file.fetch(e.PupilName);
    switch (result.status) {
    case LevelFile::Status::Found:
        if (result.level >= 1) {
            // A level above this file's top (the file has changed since) is its top.
            Ladder.setLevel(result.level);
            return info(QStringLiteral("Välkommen tillbaka, %1! Du fortsätter på nivå %2.").arg(name).arg(Ladder.level()));
        }
        [[fallthrough]];
    case LevelFile::Status::NotStored:
        return info(QStringLiteral("Det finns ingen sparad nivå för %1.").arg(name));
    default:
        return error(QStringLiteral("Filen %1 finns men kan inte läsas.").arg(shown(file.file())));
    }
}

void TStegran::keyPressEvent(QKeyEvent* event)
{
    // Esc also while an answer shows: the wait stops and the panel comes.
    if (event->key() == Qt::Key_Escape && series().waiting() && !RegelPanel->isVisible()) {
        series().pause();
        event->accept();
        return;
    }
    ExerciseWindow::keyPressEvent(event);
}

bool TStegran::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == NamnEdit && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            nameEntered();
            return true;
        }
        if (key == Qt::Key_Escape) {
            nameCancelled();
            return true;
        }
    }
    return ExerciseWindow::eventFilter(watched, event);
}

} // namespace lingvaro
