#include "exercises/dictation/diktamen.h"

#include "contentmap/dictation.h"
#include "engine/cp1252.h"
#include "engine/engine.h"
#include "exercises/common/headingbox.h"
#include "exercises/common/registry.h"
#include "exercises/common/speechplayer.h"
#include "exercises/common/textanswer.h"
#include "results/aster.h"
#include "ui/palette.h"
#include "ui/platform.h"
#include "ui/widgets.h"

#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

namespace lingvaro {

LINGVARO_EXERCISE_WINDOW(TDiktam)

namespace {

namespace colour = ui::colour;
using dictation::Family;

QString shown(const std::string& cp1252) { return fromCp1252(cp1252); }

// Which of the window's parts each kind of exercise has.
struct Parts {
    bool nextButton;       // "La siguiente ... - F3"
    bool correctionButton; // "Corrige las &faltas" (and "&Ajustes") on the button panel
    bool modeButtons;      // hear / see / see and hear, and the lamp switch
    bool answerBox;        // Edit1
};

Parts partsOf(int n)
{
    switch (dictation::familyOf(n)) {
    case Family::Pronunciation: return {true, false, false, false};
    case Family::Diagnosis: return {false, true, false, true};
    case Family::Dictation: break;
    }
    // Letters and telephone numbers are heard only; their correction pass comes
    // back at the end of a series with wrong answers.
    if (n == 26000 || n == 54500)
        return {false, false, false, true};
    return {false, true, true, true};
}

// The pronunciation exercises (and exercises below 200 with them) give the
// keys back to the answer box when a flash ends; so do the dictations above
// 11400 except the letters, whose box is not for copying a flashed letter.
bool flashEndFocusesBox(int n) { return n < 200 || (n > 11400 && n != 26000); }

} // namespace

const ExerciseRules& TDiktam::rulesFor(int exerciseNo)
{
    static const ExerciseRules listening = [] {
        ExerciseRules r;
        r.endless = true; // each "La siguiente" shows the next line; only Esc stops
        r.starColumn = false;
        r.rewardPicture = false;
        r.praise = false;
        return r;
    }();
    static const ExerciseRules writing = [] {
        ExerciseRules r;
        r.testEscape = ExerciseRules::TestEscape::Pauses;
        r.interrupt = ExerciseRules::Interrupt::ReportTestAndPractice;
        r.continueEndsCorrection = true;
        return r;
    }();
    return dictation::familyOf(exerciseNo) == Family::Pronunciation ? listening : writing;
}

TDiktam::Captions TDiktam::captionsFor(int n)
{
    switch (n) {
    case 11000: case 11200: case 23000: case 27000:
        return {"La &siguiente palabra - F3", "Repite la &palabra - F2", "&Oir sólo la palabra",
                "&Ver sólo la palabra", "Ver &y oir la palabra", "Ver la palabra"};
    case 11300: case 11400: case 22000: case 24000:
        return {"La &siguiente frase - F3", "Repite la &frase - F2", "&Oir sólo la frase", "&Ver sólo la frase",
                "Ver &y oir la frase", "Ver la frase"};
    case 26000:
        return {"La &siguiente letra - F3", "Repite la &letra - F2", "&Oir sólo la letra", "&Ver sólo la letra",
                "Ver &y oir la letra", "Ver la letra"};
    case 54500:
        return {"El siguiente número - F3", "Repite el &número - F2", "Oir sólo el número", "Ver sólo el número",
                "Ver y oir el número", "Ver el número"};
    default:
        return {"La siguiente frase - F3", "Repite  la palabra - F2", "Oir sólo la palabra", "Ver sólo la palabra",
                "Ver y oir la palabra", n == 21000 ? "Ver la frase" : " "};
    }
}

TDiktam::TDiktam(AppContext& app) : ExerciseWindow(app, "TDiktam", rulesFor(Engine::GeProgramtal(app.engine.DataFileName)))
{
    Engine& e = engine();
    const int n = e.ExerciseNo;
    e.GeLjudDirectory();
    SoundOn = e.SoundMode == 1 || e.SoundMode == 3;
    ShowMode = 0;
    FlashTime = 100;

    Answer = new TextAnswer(this, e, app.platform, series(), e.ScaleFactor);
    Answer->Helpknapp1->setText(QStringLiteral("Hjälp"));
    Answer->Label6->setWordWrap(true);
    Label5 = ui::makeLabel(this, {}, ui::programFamily(), px(24), true, colour::Maroon);
    Label5->setWordWrap(true);
    Label5->hide();
    BlinkLabel = ui::makeLabel(this, QStringLiteral("Se ordet"), ui::programFamily(), px(30), true, colour::Navy);
    BlinkLabel->setWordWrap(true);
    BlinkLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    BlinkLabel->hide();
    Svensklabel1 = ui::makeLabel(this, {}, ui::programFamily(), px(22), true, colour::Teal);
    Svensklabel2 = ui::makeLabel(this, {}, ui::programFamily(), px(22), true, colour::Teal);

    const Captions c = captionsFor(n);
    auto button = [&](const char* caption) {
        auto* b = new QPushButton(QString::fromUtf8(caption), this);
        b->setFont(ui::programFont(px(16)));
        return b;
    };
    UpprepaButton = button(c.repeat);
    BaraHoraButton = button(c.hearOnly);
    BaraseordetButton = button(c.seeOnly);
    SeochHoraButton = button(c.seeAndHear);
    NextButton = button(c.next);
    TidSpinButton = new ui::SpinButton(this);
    SeTidPanel = ui::makeLabel(this, QStringLiteral("1"), ui::programFamily(), px(20), true, colour::Navy);
    SeTidPanel->setAlignment(Qt::AlignCenter);
    SeTidPanel->setAutoFillBackground(true);
    SeTidPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    SeIntervalLabel = ui::makeLabel(this, QString::fromUtf8(c.time), ui::programFamily(), px(16), true, colour::Navy);
    const std::pair<QObject*, const char*> names[] = {
        {Label5, "Label5"}, {BlinkLabel, "BlinkLabel"}, {Svensklabel1, "Svensklabel1"}, {Svensklabel2, "Svensklabel2"},
        {UpprepaButton, "UpprepaButton"}, {BaraHoraButton, "BaraHoraButton"}, {BaraseordetButton, "BaraseordetButton"},
        {SeochHoraButton, "SeochHoraButton"}, {NextButton, "NextButton"}, {TidSpinButton, "TidSpinButton"},
        {SeTidPanel, "SeTidPanel"}, {SeIntervalLabel, "SeIntervalLabel"}};
    for (const auto& [part, name] : names)
        part->setObjectName(QString::fromLatin1(name));

    Timer3 = new QTimer(this);
    Timer3->setSingleShot(true);
    Timer5 = new QTimer(this);
    Speech = new SpeechPlayer(e, app.platform, this);
    connect(Timer3, &QTimer::timeout, this, &TDiktam::Timer3Timer);
    connect(Timer5, &QTimer::timeout, this, &TDiktam::Timer5Timer);
    connect(Speech, &SpeechPlayer::playerFailedNow, this, [this] {
        // A computer that cannot play sound: the window goes on as it does
        // with the sound off, so the pupil can still see what to write.
        SoundOn = false;
        arrangeWithoutSound();
        if (asking_)
            present();
    });
    connect(UpprepaButton, &QPushButton::clicked, this, &TDiktam::UpprepaButtonClick);
    connect(BaraHoraButton, &QPushButton::clicked, this, &TDiktam::BaraHoraButtonClick);
    connect(BaraseordetButton, &QPushButton::clicked, this, &TDiktam::BaraseordetButtonClick);
    connect(SeochHoraButton, &QPushButton::clicked, this, &TDiktam::SeochHoraButtonClick);
    connect(NextButton, &QPushButton::clicked, this, &TDiktam::NextButtonClick);
    connect(TidSpinButton, &ui::SpinButton::upClicked, this, &TDiktam::TidSpinUp);
    connect(TidSpinButton, &ui::SpinButton::downClicked, this, &TDiktam::TidSpinDown);
    connect(Answer, &TextAnswer::entered, this, &TDiktam::answerEntered);
    connect(Answer, &TextAnswer::escaped, this, &TDiktam::escapePressed);
    // One help a question; once read it is gone.
    connect(Answer->Helpknapp1, &QPushButton::clicked, Answer->Helpknapp1, &QWidget::hide);

    const Parts parts = partsOf(n);
    NextButton->setVisible(parts.nextButton);
    Button1->setVisible(parts.correctionButton);
    BitBtn1->setVisible(parts.correctionButton);
    for (QWidget* w : {static_cast<QWidget*>(BaraHoraButton), static_cast<QWidget*>(BaraseordetButton),
                       static_cast<QWidget*>(SeochHoraButton)})
        w->setVisible(parts.modeButtons);
    Answer->Edit1->hide(); // until the first question
    Svensklabel1->hide();
    Svensklabel2->hide();
    UpprepaButton->setEnabled(false);
    setSeeControlsVisible(false);
    if (!SoundOn)
        arrangeWithoutSound();
    // The first question is presented a little after the window has opened.
    Timer5->setInterval(100);
    begin();
}

TDiktam::~TDiktam() = default;

bool TDiktam::pronunciation() const { return dictation::familyOf(engine_.ExerciseNo) == Family::Pronunciation; }

int TDiktam::questionNumber() const
{
    const Engine& e = engine_;
    return e.CorrectionPass ? e.ErrorQuestionNo : e.QuestionNo;
}

void TDiktam::setSeeControlsVisible(bool on)
{
    TidSpinButton->setVisible(on);
    SeTidPanel->setVisible(on);
    SeIntervalLabel->setVisible(on);
    SeTidPanel->setText(QString::number(FlashTime / 100));
}

void TDiktam::arrangeWithoutSound()
{
    // Nothing is heard: the text is flashed for a moment instead (0.3 s to
    // begin with), except in the pronunciation exercises, which show it anyway.
    const int n = engine_.ExerciseNo;
    FlashTime = 300;
    if (pronunciation()) {
        ShowMode = 0;
        setSeeControlsVisible(false);
    } else {
        ShowMode = 1;
        setSeeControlsVisible(true);
    }
    for (QPushButton* b : {BaraHoraButton, BaraseordetButton, SeochHoraButton, UpprepaButton})
        b->setEnabled(false);
    if (dictation::isNumberedDictation(n) || n == 26000) {
        Svensklabel1->setVisible(!Svensklabel1->text().isEmpty());
        Svensklabel2->show();
    }
}

// --- layout ---------------------------------------------------------------------------

void TDiktam::Inled()
{
    ExerciseWindow::Inled();
    const Engine& e = engine_;
    const QSize screen = app_.platform.screenSize();
    const int W = screen.width();
    const int L = e.LetterWidth;
    const int x = FrageLabel1->x();
    const int width = questionRight() - x;

    // The flash stands where a question stands, two lines high for a sentence.
    const int blinkLine = QFontMetrics(BlinkLabel->font()).height();
    BlinkLabel->setGeometry(x, FrageLabel1->y(), width, 2 * blinkLine + 4);
    const int svLine = QFontMetrics(Svensklabel1->font()).height();
    Svensklabel1->setGeometry(x, std::max(FrageLabel2->geometry().bottom(), BlinkLabel->geometry().bottom()) + svLine / 2,
                              width, svLine);
    Svensklabel2->setGeometry(x, Svensklabel1->geometry().bottom() + 2, width, svLine);

    // The answer box wide enough for a sentence: its width says nothing of the answer's length.
    QLineEdit* edit = Answer->Edit1;
    const int editHeight = QFontMetrics(edit->font()).height() + px(12);
    edit->setGeometry(x, Svensklabel2->geometry().bottom() + svLine / 2, std::min(width, 40 * W / 64), editHeight);
    const int answerLine = QFontMetrics(Label5->font()).height();
    Label5->setGeometry(x, edit->geometry().bottom() + answerLine / 3, width, 2 * answerLine);

    // The row of the lamp switch, the repeat, help, next and rules buttons.
    const int rowTop = Label5->y() + answerLine * 3 / 2;
    const int h = std::max(px(34), QFontMetrics(UpprepaButton->font()).height() + px(10));
    Answer->lampknapp->setGeometry(x, rowTop, h, h);
    Answer->LampShape->setGeometry(x, rowTop, h, h);
    placeRows();
    Answer->Label6->setGeometry(x, rowTop + h + px(10), width, 2 * QFontMetrics(Answer->Label6->font()).height());

    // The three ways to be given the text above the button panel, the time
    // spin to their right with its number above it and its caption beside that.
    int left = x;
    const int modeTop = Panel1->y() - h - L;
    for (QPushButton* b : {BaraHoraButton, BaraseordetButton, SeochHoraButton}) {
        b->setGeometry(left, modeTop, b->sizeHint().width() + px(16), h);
        left = b->geometry().right() + 1 + L;
    }
    TidSpinButton->setGeometry(left + L, modeTop, px(24), h);
    SeTidPanel->setGeometry(TidSpinButton->x(), modeTop - h - px(4), std::max(px(40), TidSpinButton->width()), h);
    SeIntervalLabel->adjustSize();
    SeIntervalLabel->move(SeTidPanel->x() - SeIntervalLabel->width() - L, SeTidPanel->y() + (h - SeIntervalLabel->height()) / 2);

    // The praise box is one label, five rows high above the button panel.
    const int row = screen.height() / 48;
    LovordPanel->setGeometry(BildPanelen->x(), Panel1->y() - 5 * row - 2, BildPanelen->width(), 5 * row);
}

void TDiktam::placeRows()
{
    // The buttons that show stand side by side right of the lamp switch.
    const QRect lamp = Answer->lampknapp->geometry();
    int left = lamp.right() + 1 + engine_.LetterWidth;
    const bool lampRoom = partsOf(engine_.ExerciseNo).modeButtons;
    if (!lampRoom)
        left = lamp.x();
    for (QPushButton* b : {UpprepaButton, Answer->Helpknapp1, NextButton, regelknapp}) {
        b->setGeometry(left, lamp.y(), b->sizeHint().width() + px(16), lamp.height());
        if (b->isVisibleTo(this))
            left = b->geometry().right() + 1 + engine_.LetterWidth;
    }
    Answer->HelpKnapp2->setGeometry(Answer->Helpknapp1->geometry());
}

// --- a question ---------------------------------------------------------------------------

void TDiktam::showQuestion()
{
    Engine& e = engine();
    const int n = e.ExerciseNo;
    Timer5->stop();
    endFlash();
    Speech->stop();
    ExerciseWindow::showQuestion();
    TargetText = e.AnswerFields[1];
    // What is heard is written, not read: the question lines show it only in
    // the pronunciation exercises.
    if (!pronunciation()) {
        FrageLabel1->hide();
        FrageLabel2->hide();
    }
    InstruktionsLabel->setVisible(n >= 11401);
    Answer->newQuestion(TargetText, HelpTexts.mid(0, 1));
    Answer->Helpknapp1->setText(QStringLiteral("Hjälp"));
    if (!partsOf(n).modeButtons) {
        Answer->lampknapp->hide();
        Answer->LampShape->hide();
    }
    Label5->setText(shown(TargetText));
    Label5->hide();
    const unsigned char first = TargetText.empty() ? 0 : (unsigned char)TargetText[0];
    Answer->Edit1->setToolTip(first == 0xBF || first == 0xA1
                                  ? QStringLiteral("Klicka med höger musknapp för att klistra in ¿ och ¡")
                                  : QString());
    Answer->Edit1->setVisible(partsOf(n).answerBox);
    showTranslation();
    UpprepaButton->setVisible(true);
    placeRows();
    schedulePresentation();
}

void TDiktam::showTranslation()
{
    Engine& e = engine();
    const int n = e.ExerciseNo;
    if (n == 26000) {
        // The letter itself, seen only where it cannot be heard.
        Svensklabel1->clear();
        Svensklabel1->hide();
        Svensklabel2->setText(shown(TargetText));
        Svensklabel2->setVisible(!SoundOn);
        ShowMode = 0;
        return;
    }
    if (!dictation::showsTranslation(n)) {
        Svensklabel1->hide();
        Svensklabel2->hide();
        return;
    }
    const QFont f = Svensklabel2->font();
    const int L = e.LetterWidth;
    e.dela_mening(2 * L, app_.platform.screenSize().width() - 2 * L, e.AnswerFields[2], 2,
                  FontSpec{f.family(), f.pointSize() > 0 ? f.pointSize() : 12, f.bold(), f.pixelSize()});
    if (e.SplitLines[2].empty()) {
        Svensklabel1->clear();
        Svensklabel1->hide();
        Svensklabel2->setText(shown(e.SplitLines[1]));
    } else {
        Svensklabel1->setText(shown(e.SplitLines[1]));
        Svensklabel1->show();
        Svensklabel2->setText(shown(e.SplitLines[2]));
    }
    Svensklabel2->show();
}

void TDiktam::setAnswering(bool on)
{
    asking_ = on;
    const bool sound = SoundOn;
    // A flash keeps the box shut until it ends; the pronunciation exercises have no box.
    Answer->setAnswering(on && !flashing_ && !pronunciation());
    Answer->Helpknapp1->setEnabled(on);
    UpprepaButton->setEnabled(on && sound);
    for (QPushButton* b : {BaraHoraButton, BaraseordetButton, SeochHoraButton})
        b->setEnabled(on && sound);
    TidSpinButton->setEnabled(on);
    NextButton->setEnabled(on);
    if (!on) {
        regelknapp->setEnabled(false);
    } else {
        updateRulesButton();
        if (partsOf(engine_.ExerciseNo).modeButtons)
            Answer->lampControls();
        if (pronunciation())
            setFocus();
        // A question paused before it was given is given now.
        if (presentationPending_)
            schedulePresentation();
    }
}

QWidget* TDiktam::answerFocus() { return pronunciation() ? nullptr : Answer->Edit1; }

void TDiktam::focusAnswer()
{
    QLineEdit* edit = Answer->Edit1;
    if (asking_ && !flashing_ && edit->isVisible()) {
        edit->setEnabled(true);
        edit->setFocus();
    }
}

// --- presentation: the sound, the flash, or both ---------------------------------------------

void TDiktam::schedulePresentation()
{
    presentationPending_ = true;
    if (!SoundOn) {
        // Without sound only a flash is given, and at once.
        presentationPending_ = false;
        present();
        return;
    }
    presentTicks_ = 0;
    Timer5->setInterval(firstPresentation_ ? 100 : 2);
    Timer5->start();
}

void TDiktam::Timer5Timer()
{
    if (++presentTicks_ < engine_.AnswerShowSeconds)
        return;
    Timer5->stop();
    firstPresentation_ = false;
    presentationPending_ = false;
    if (asking_)
        present();
}

void TDiktam::present()
{
    switch (ShowMode) {
    case 0: playSound(); break;
    case 1: flash(); break;
    default:
        playSound();
        Answer->Edit1->clear();
        flash();
        break;
    }
}

void TDiktam::playSound()
{
    if (!SoundOn)
        return;
    Engine& e = engine();
    // The folder is chosen anew for every sound: a diagnosis item plays the
    // recordings of the dictations its questions come from.
    const auto [folder, name] = dictation::questionSound(e.ExerciseNo, questionNumber());
    if (name.empty())
        return;
    e.SoundSubdir = folder;
    Speech->play(name);
}

void TDiktam::flash()
{
    if (TargetText.empty())
        return;
    BlinkLabel->setText(shown(TargetText));
    BlinkLabel->show();
    BlinkLabel->raise();
    flashing_ = true;
    Answer->Edit1->setEnabled(false);
    Timer3->start(FlashTime);
}

void TDiktam::endFlash()
{
    Timer3->stop();
    BlinkLabel->hide();
    flashing_ = false;
}

void TDiktam::Timer3Timer()
{
    endFlash();
    if (flashEndFocusesBox(engine_.ExerciseNo))
        focusAnswer();
}

// --- buttons and keys --------------------------------------------------------------------------

void TDiktam::UpprepaButtonClick()
{
    if (!asking_)
        return;
    present();
    focusAnswer();
}

void TDiktam::BaraHoraButtonClick()
{
    ShowMode = 0;
    setSeeControlsVisible(false);
    focusAnswer();
}

void TDiktam::BaraseordetButtonClick()
{
    ShowMode = 1;
    setSeeControlsVisible(true);
    focusAnswer();
}

void TDiktam::SeochHoraButtonClick()
{
    ShowMode = 2;
    setSeeControlsVisible(true);
    focusAnswer();
}

void TDiktam::TidSpinUp()
{
    if (FlashTime < 3000)
        FlashTime += 100;
    SeTidPanel->setText(QString::number(FlashTime / 100));
    focusAnswer();
}

void TDiktam::TidSpinDown()
{
    if (FlashTime > 100)
        FlashTime -= 100;
    SeTidPanel->setText(QString::number(FlashTime / 100));
    focusAnswer();
}

void TDiktam::NextButtonClick()
{
    // Only the pronunciation exercises step on without an answer: a dictation,
    // and above all a test, is not skipped past.
    if (!pronunciation() || !series().asking())
        return;
    series().NyPost();
}

void TDiktam::answerEntered()
{
    if (!series().asking() || flashing_ || pronunciation())
        return;
    const bool right = series().isRight(TargetText, toCp1252(Answer->Edit1->text()));
    if (!right)
        Label5->show();
    series().judged(right);
}

void TDiktam::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_F2) {
        if (asking_ && SoundOn && ShowMode != 1)
            playSound();
        event->accept();
        return;
    }
    if (key == Qt::Key_F3) {
        NextButtonClick();
        event->accept();
        return;
    }
    ExerciseWindow::keyPressEvent(event);
}

void TDiktam::contextMenuEvent(QContextMenuEvent* event)
{
    if (!pronunciation())
        Answer->PopupMenu1->popup(event->globalPos());
}

// --- pause, end, praise ----------------------------------------------------------------------

void TDiktam::showPanel(bool correctionOffered)
{
    // The sound stops with the series, and a question not yet given waits.
    Timer5->stop();
    endFlash();
    Speech->stop();
    Answer->lampknapp->setEnabled(false);
    ExerciseWindow::showPanel(correctionOffered);
    const Parts parts = partsOf(engine_.ExerciseNo);
    Button1->setVisible(parts.correctionButton || (!pronunciation() && correctionOffered));
    BitBtn1->setVisible(parts.correctionButton);
    if (!Button1->isVisible() || !correctionOffered)
        Button2->setFocus();
}

void TDiktam::showEnd(const SeriesEnd& end)
{
    Timer5->stop();
    presentationPending_ = false;
    endFlash();
    Speech->stop();
    Answer->Edit1->hide();
    // The picture from just under the heading box to just over the button panel.
    const int top = Heading->geometry().bottom() + 1 + 5;
    BildPanelen->setGeometry(BildPanelen->x(), top, BildPanelen->width(), Panel1->y() - 10 - top);
    Image1->setGeometry(0, 0, BildPanelen->width(), BildPanelen->height());
    ExerciseWindow::showEnd(end);
}

void TDiktam::RitaLovord(const QString& t1, const QString& t2, const QString& t3)
{
    const int L = engine_.LetterWidth;
    LovordPanel->show();
    lovordinnershape->setGeometry(L / 2, L / 2, LovordPanel->width() - L, LovordPanel->height() - L);
    const int innerW = lovordinnershape->width(), innerH = lovordinnershape->height();
    QString text = t1;
    for (const QString& t : {t2, t3})
        if (!t.isEmpty())
            text += QStringLiteral(" ") + t;
    ui::fitCentred(LovordLabel1, text, 30, QRect(L / 2, 0, innerW - L, innerH - L / 2));
    LovordLabel2->hide();
    LovordPanel->raise();
}

void TDiktam::done(int result)
{
    Timer3->stop();
    Timer5->stop();
    Speech->stop();
    ExerciseWindow::done(result);
}

} // namespace lingvaro
