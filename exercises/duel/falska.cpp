#include "exercises/duel/falska.h"

#include "contentmap/duel.h"
#include "engine/cp1252.h"
#include "engine/engine.h"
#include "exercises/common/headingbox.h"
#include "exercises/common/speechplayer.h"
#include "ui/context.h"
#include "ui/palette.h"
#include "ui/platform.h"
#include "ui/widgets.h"

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cfenv>
#include <cmath>
#include <deque>

namespace lingvaro {

namespace {

namespace colour = ui::colour;

QString shown(const std::string& cp1252) { return fromCp1252(cp1252); }

// Rounded to the nearest whole number, halves to the even one.
int roundEven(double v)
{
    const int mode = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const int r = int(std::nearbyint(v));
    std::fesetround(mode);
    return r;
}

// What an empty Enter in the name box says, by the empty Enters before it
// (nullptr: the line stays as it is).
struct NameNag {
    const char* line1;
    const char* line2;
};
constexpr NameNag nameNags[] = {
    {"Escribe tu nombre!", "Aplasta Enter!"}, {"Escribe tu nombre!!", nullptr},
    {"Escribe tu nombre!!!", nullptr},        {"Interrumpe!", "Aplasta ESC!"},
    {"Interrumpe!!", "Aplasta ESC!!"},        {"Interrumpe!!!", "Aplasta ESC!!!"},
};

} // namespace

TFalska::TFalska(AppContext& app) : QDialog(nullptr), app_(app), e_(app.engine)
{
    setObjectName(QStringLiteral("TFalska"));
    Engine& e = e_;
    e.ExerciseNo = Engine::GeProgramtal(e.DataFileName);
    setWindowFlag(Qt::FramelessWindowHint);
    setFocusPolicy(Qt::StrongFocus);
    setFont(ui::programFont(px(16)));
    resize(app_.platform.screenSize());
    if (duel::speaksWords(e.ExerciseNo) && (e.SoundMode == 1 || e.SoundMode == 3))
        e.GeLjudDirectory();

    Heading = new HeadingBox(this);
    InstruktionsLabel = ui::makeLabel(this, shown(e.HeaderInstruction), ui::programFamily(), px(20), true, colour::Green);
    for (int i = 0; i < 5; ++i) {
        ty[i] = ui::makeLabel(this, {}, ui::programFamily(), px(26), true, colour::Navy);
        SV[i] = ui::makeLabel(this, {}, ui::programFamily(), px(22), true, colour::Maroon);
    }
    InstruktionsLabel2 = ui::makeLabel(this, QStringLiteral("Presiona una cifra."), ui::programFamily(), px(20), true,
                                       colour::Green);
    AntalPanel = ui::makePanel(this, palette().color(QPalette::Button), 0);
    for (int d = 0; d <= 5; ++d) {
        SpeedButton[d] = new QPushButton(QString::number(d), AntalPanel);
        SpeedButton[d]->setFont(ui::programFont(px(26)));
        SpeedButton[d]->setFocusPolicy(Qt::NoFocus);
        connect(SpeedButton[d], &QPushButton::clicked, this, [this, d] { answer(d); });
    }
    SpeedPanel1 = ui::makePanel(AntalPanel, colour::Red, 2);
    SpeedLabel1 = ui::makeLabel(SpeedPanel1, {}, ui::programFamily(), px(26), true, colour::White);
    SpeedLabel1->setAlignment(Qt::AlignCenter);
    SpeedPanel1->hide();
    auto button = [&](const QString& caption, void (TFalska::*slot)()) {
        auto* b = new QPushButton(caption, this);
        b->setFont(ui::programFont(px(18)));
        b->setFocusPolicy(Qt::NoFocus); // the keys stay the window's
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, slot);
        return b;
    };
    Nextbutton = button(QStringLiteral("La siguiente"), &TFalska::NextButtonClick);
    HoraButton = button(QStringLiteral("Oír les letras"), &TFalska::HoraButtonClick);
    OversattButton = button(QStringLiteral("Sueco"), &TFalska::OversattButtonClick);

    Panel1 = ui::makePanel(this, colour::Blue);
    MellanPanel = ui::makePanel(Panel1, colour::Yellow);
    Panel2 = ui::makePanel(MellanPanel, palette().color(QPalette::Button), 2);
    for (int k = 0; k < 40; ++k)
        Shape[k] = ui::makePanel(Panel2, colour::Blue, 1);
    Label2 = ui::makeLabel(Panel2, {}, ui::programFamily(), px(20), true, colour::Navy);
    Label1 = ui::makeLabel(Panel2, QStringLiteral("VEKA"), ui::programFamily(), px(20), true, colour::Navy);

    BildPanelen = ui::makePanel(this, colour::Navy);
    LovordPanel = ui::makePanel(this, colour::Blue);
    lovordinnershape = ui::makePanel(LovordPanel, colour::Yellow);
    LovordLabel1 = ui::makeLabel(lovordinnershape, {}, ui::programFamily(), px(20), true, colour::Navy);

    Panel3 = ui::makePanel(this, colour::Navy, 3);
    Label3 = ui::makeLabel(Panel3, QStringLiteral("Escribe tu nombre"), ui::programFamily(), px(30), true, colour::Yellow);
    Label4 = ui::makeLabel(Panel3, QStringLiteral(" Aprieta Enter."), ui::programFamily(), px(22), true, colour::Yellow);
    Edit1 = new QLineEdit(Panel3);
    Edit1->setMaxLength(12);
    Edit1->setFont(ui::programFont(px(26)));
    Edit1->installEventFilter(this);

    Escapepanel = ui::makePanel(this, colour::Navy, 2);
    Button3 = new QPushButton(QStringLiteral("&Continúa"), Escapepanel);
    Button4 = new QPushButton(QStringLiteral("&Interrumpe"), Escapepanel);
    Button5 = new QPushButton(QStringLiteral("&Ajustes"), Escapepanel);
    for (QPushButton* b : {Button3, Button4, Button5}) {
        b->setFont(ui::programFont(px(18)));
        b->setAutoDefault(false);
    }
    connect(Button3, &QPushButton::clicked, this, &TFalska::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TFalska::Button4Click);

    Speech = new SpeechPlayer(e, app.platform, this);
    connect(Speech, &SpeechPlayer::queueFinished, this, &TFalska::soundsEnded);

    const std::pair<QObject*, const char*> names[] = {
        {Panel3, "Panel3"}, {Edit1, "Edit1"}, {AntalPanel, "AntalPanel"}, {SpeedPanel1, "SpeedPanel1"},
        {Nextbutton, "Nextbutton"}, {HoraButton, "HoraButton"}, {OversattButton, "OversattButton"},
        {Panel1, "Panel1"}, {Label2, "Label2"}, {Escapepanel, "Escapepanel"}, {BildPanelen, "BildPanelen"},
        {LovordPanel, "LovordPanel"}, {LovordLabel1, "LovordLabel1"}};
    for (const auto& [part, name] : names)
        part->setObjectName(QString::fromLatin1(name));

    // What shows at first: the heading and the name box, the name offered again.
    Edit1->setText(shown(e.PupilName));
    for (QWidget* w : std::initializer_list<QWidget*>{Nextbutton, HoraButton, Button5, BildPanelen, LovordPanel, Panel1,
                                                      AntalPanel, InstruktionsLabel, InstruktionsLabel2, OversattButton,
                                                      Escapepanel})
        w->hide();
    VisTexterna(false);
    EmptyNameCount = PupilPosition = ComputerPosition = 0;
    TargetMark = duel::targetMark(e.ExerciseNo);
    placeParts();
    // The praise at the end follows this game, not whatever ran before it.
    e.SeriesPos = 1;
    e.CorrectCount = 0;
    e.WrongCount = 0;
    e.QuestionTotal = 0;
    Edit1->setFocus();
}

TFalska::~TFalska() = default;

int TFalska::px(int v) const { return v * std::max<int>(1, e_.ScaleFactor) / 100; }

bool TFalska::hearsWords() const
{
    return duel::speaksWords(e_.ExerciseNo) && (e_.SoundMode == 1 || e_.SoundMode == 3);
}

// --- layout -------------------------------------------------------------------------------

void TFalska::placeParts()
{
    const QSize screen = app_.platform.screenSize();
    const int W = screen.width(), H = screen.height();
    const int L = e_.LetterWidth;

    // The pause panel along the bottom, its three buttons evenly spaced.
    Escapepanel->setGeometry(L / 2, H - H / 48 * 4 - L / 5, W - L, H / 48 * 4);
    const int bh = std::max(px(36), QFontMetrics(Button3->font()).height() + px(10));
    const int w = std::max(Button3->sizeHint().width(), Button4->sizeHint().width()) + px(24);
    const int g = roundEven((Escapepanel->width() - 3.0 * w) / 4);
    const int by = (Escapepanel->height() - bh) / 2;
    Button3->setGeometry(g, by, w, bh);
    Button4->setGeometry(2 * g + w, by, w, bh);
    Button5->setGeometry(3 * g + 2 * w, by, w, bh);

    Heading->setGeometry(L, L, 40 * W / 64, 7 * H / 48);
    RitaOverskriften(shown(e_.HeaderLines[1]), shown(e_.HeaderLines[2]), shown(e_.HeaderLines[3]));

    // The instruction a quarter of its height under the heading, the words under it.
    InstruktionsLabel->adjustSize();
    const int instrH = std::max(InstruktionsLabel->height(), QFontMetrics(InstruktionsLabel->font()).height());
    InstruktionsLabel->move(Heading->x(), Heading->geometry().bottom() + 1 + instrH / 4);
    const int wordH = QFontMetrics(ty[0]->font()).height();
    for (int i = 0; i < 5; ++i) {
        ty[i]->move(InstruktionsLabel->x(), InstruktionsLabel->y() + instrH * 4 / 3 + i * wordH * 6 / 5);
        ty[i]->resize(ty[i]->width(), wordH);
        SV[i]->move(ty[i]->x(), ty[i]->y());
    }
    InstruktionsLabel2->adjustSize();
    InstruktionsLabel2->move(ty[0]->x(), ty[4]->y() + instrH * 4 / 3);

    // The six digits in a row, squares as high as the panel.
    const int h = std::max(px(44), QFontMetrics(SpeedButton[0]->font()).height() + px(14));
    AntalPanel->setGeometry(ty[0]->x(), InstruktionsLabel2->y() + InstruktionsLabel2->height() * 6 / 5, 6 * h, h);
    for (int d = 0; d <= 5; ++d)
        SpeedButton[d]->setGeometry(d * h, 0, h, h);
    SpeedPanel1->resize(h, h);
    SpeedLabel1->setGeometry(0, 0, h, h);
    OversattButton->setGeometry(AntalPanel->x(), AntalPanel->y() + h * 6 / 5, OversattButton->sizeHint().width() + px(24),
                                std::max(px(34), OversattButton->sizeHint().height()));
    Nextbutton->setGeometry(AntalPanel->geometry().right() + 1 + 2 * L, AntalPanel->y(),
                            Nextbutton->sizeHint().width() + px(24), h);
    HoraButton->setGeometry(Nextbutton->geometry().right() + 1 + 2 * L, AntalPanel->y(),
                            HoraButton->sizeHint().width() + px(24), h);

    // The track under the "Sueco" button's row.
    Panel1->move(L / 2, OversattButton->geometry().bottom() + 1 + wordH / 5);
    Panel1->resize(W - L, Panel1->height());
    PlaceSquares();

    // The cover at the end of a game, and the praise box over its lower part.
    BildPanelen->setGeometry(L / 2, Heading->geometry().bottom() + 1, W - L, Panel1->y() - Heading->geometry().bottom() - 1);
    LovordPanel->setGeometry(L / 2, Panel1->y() - H / 48 * 5, W - L, H / 48 * 5);

    // The name box in the middle of the playing area.
    const int boxW = std::min(W - 2 * L, std::max(W / 2, Label3->sizeHint().width() + 4 * L));
    const int lineH = QFontMetrics(Label3->font()).height();
    const int editH = QFontMetrics(Edit1->font()).height() + px(12);
    const int boxH = lineH * 2 + editH + 4 * L;
    Panel3->setGeometry((W - boxW) / 2, std::max(Heading->geometry().bottom() + 2 * L, (H - boxH) / 2), boxW, boxH);
    Label3->setGeometry(2 * L, L, boxW - 4 * L, lineH);
    Label4->setGeometry(2 * L, Label3->geometry().bottom() + 1, boxW - 4 * L, QFontMetrics(Label4->font()).height());
    Edit1->setGeometry(2 * L, Label4->geometry().bottom() + 1 + L, std::min(boxW - 4 * L, 16 * QFontMetrics(Edit1->font()).averageCharWidth()), editH);
}

void TFalska::PlaceSquares()
{
    const int L = e_.LetterWidth;
    MellanPanel->move(L / 2, L / 2);
    MellanPanel->resize(Panel1->width() - L, MellanPanel->height());
    Panel2->move(L / 2, L / 2);
    Panel2->resize(MellanPanel->width() - L, Panel2->height());
    const int d = Panel2->width() - QFontMetrics(Label1->font()).horizontalAdvance(QStringLiteral("MMMMMMMM"));
    SquareWidth = roundEven(4.0 * d / 100);
    SquareStep = roundEven(5.0 * d / 100);
    // On a screen too low for squares that wide, they are made smaller to fit
    // above the pause panel.
    const int room = Escapepanel->y() - L / 2 - Panel1->y() - 2 * L;
    if (room > 0 && 3 * SquareWidth > room) {
        SquareWidth = room / 3;
        SquareStep = SquareWidth * 5 / 4;
    }
    const int H = 3 * SquareWidth;
    Panel2->resize(Panel2->width(), H);
    MellanPanel->resize(MellanPanel->width(), H + L);
    Panel1->resize(Panel1->width(), H + 2 * L);
    UpperRowTop = roundEven(H / 11.0) - 2;
    LowerRowTop = roundEven(6.0 * H / 11) - 2;
    for (int k = 1; k <= 40; ++k)
        Shape[k - 1]->setGeometry(Panel2->width() - ((40 - k) % 20 + 1) * SquareStep, k <= 20 ? UpperRowTop : LowerRowTop,
                                  SquareWidth, SquareWidth);
    Label1->adjustSize();
    Label1->move(L, H / 2 + (H / 2 - Label1->height()) / 2);
    Label2->adjustSize();
    Label2->move(L, SquareStep / 5 + (H / 2 - Label1->height()) / 2);
}

void TFalska::RitaOverskriften(const QString& line1, const QString& line2, const QString& line3)
{
    // One line at 30 points, two at 22, three at 16, each made smaller while
    // it is too wide for the box.
    QLabel* labels[] = {Heading->Overs1Label, Heading->Overs2Label, Heading->Overs3Label};
    const QString lines[] = {line1, line2, line3};
    int n = 0;
    while (n < 3 && !lines[n].isEmpty())
        ++n;
    const QRect inner = Heading->innerRect();
    const int innerW = inner.width(), innerH = inner.height();
    auto scaled = [this](int pt) { return std::max(pt, pt * e_.ScaleFactor / 100); };
    int size = scaled(n <= 1 ? 30 : n == 2 ? 22 : 16);
    int sizes[3] = {size, size, size};
    auto fits = [&](int i) {
        return QFontMetrics(ui::programFontPt(sizes[i])).horizontalAdvance(lines[i]) <= innerW - 20 || sizes[i] <= 10;
    };
    while (!fits(0))
        --sizes[0];
    if (n >= 2)
        while (!fits(1))
            --sizes[1];
    if (n == 3) {
        sizes[2] = sizes[1];
        while (!fits(2))
            --sizes[2];
    }
    for (int i = 0; i < 3; ++i) {
        labels[i]->setFont(ui::programFontPt(sizes[i]));
        labels[i]->setText(lines[i]);
        labels[i]->setVisible(i < std::max(n, 1));
        labels[i]->resize(innerW - 10, QFontMetrics(labels[i]->font()).height());
        labels[i]->move(5, 0);
    }
    const int h1 = labels[0]->height(), h2 = labels[1]->height();
    if (n <= 1) {
        labels[0]->move(5, (innerH - h1) / 2);
    } else if (n == 2) {
        const int a = innerH - h1 - h2;
        labels[0]->move(5, a / 3 + 2);
        labels[1]->move(5, 2 * (a / 3) + h1 - 2);
    } else {
        const int gap = std::max(1, (innerH - h1 - h2 - labels[2]->height()) / 4);
        labels[0]->move(5, gap);
        labels[1]->move(5, labels[0]->geometry().bottom() + gap);
        labels[2]->move(5, labels[1]->geometry().bottom() + gap);
    }
}

// --- the name box ----------------------------------------------------------------------------

bool TFalska::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Edit1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Escape) {
            reject();
            return true;
        }
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            nameEntered();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TFalska::nameEntered()
{
    const QString name = Edit1->text().trimmed();
    if (name.isEmpty()) {
        const int before = EmptyNameCount++;
        if (before >= int(std::size(nameNags))) {
            reject();
            return;
        }
        Label3->setText(QString::fromUtf8(nameNags[before].line1));
        if (nameNags[before].line2)
            Label4->setText(QString::fromUtf8(nameNags[before].line2));
        return;
    }
    e_.PupilName = cut(toCp1252(name), 20);
    Panel3->hide();
    Label2->setText(name);
    Label2->adjustSize();
    Panel1->show();
    AntalPanel->show();
    setFocus();
    NyPost();
}

// --- a turn --------------------------------------------------------------------------------------

void TFalska::NyPost()
{
    Engine& e = e_;
    Speech->stop();
    state_ = State::Asking;
    Nextbutton->hide();
    HoraButton->hide();
    Nextbutton->setEnabled(true);
    HoraButton->setEnabled(true);
    MarkedFlags.fill(false);
    RightNumber = 0;
    SpeedPanel1->hide();
    for (QLabel* sv : SV)
        sv->hide();
    int widest = 0;
    for (int i = 0; i < 5; ++i) {
        e.QuestionNo = uint16_t(e.haemta_slumptal(e.DrawCounters[e.CatalogueIndex], e.CatalogueIndex));
        TurnQuestions[std::size_t(i)] = e.QuestionNo;
        e.haemtaord(e.DataFileName, e.QuestionNo);
        e.str_postarray(e.CurrentLine);
        if (upperCp1252(Engine::MellanslagBort(e.AnswerFields[2])) == TargetMark) {
            MarkedFlags[std::size_t(i)] = true;
            ++RightNumber;
        }
        ty[i]->setText(shown(e.AnswerFields[1]));
        ty[i]->adjustSize();
        SV[i]->setText(shown(e.AnswerFields[3]));
        SV[i]->adjustSize();
        widest = std::max(widest, ty[i]->width());
    }
    QPalette navy = ty[0]->palette();
    navy.setColor(QPalette::WindowText, colour::Navy);
    for (QLabel* word : ty)
        word->setPalette(navy);
    EnableDigitButtons(true);
    Panel1->show();
    AntalPanel->show();
    VisTexterna(true);
    InstruktionsLabel->show();
    InstruktionsLabel2->show();
    for (QLabel* sv : SV)
        sv->move(ty[0]->x() + widest + 2 * e.LetterWidth, sv->y());
    OversattButton->show();
}

void TFalska::VisTexterna(bool on)
{
    for (QLabel* word : ty)
        word->setVisible(on);
    if (!on)
        for (QLabel* sv : SV)
            sv->hide();
}

void TFalska::EnableDigitButtons(bool on)
{
    for (QPushButton* b : SpeedButton)
        b->setEnabled(on);
}

void TFalska::answer(int number)
{
    if (state_ != State::Asking || !SpeedButton[0]->isEnabled() || number < 0 || number > 5)
        return;
    ChosenNumber = number;
    Kollasvar();
}

void TFalska::Kollasvar()
{
    Engine& e = e_;
    GameOver = false;
    const bool right = ChosenNumber == RightNumber;
    e.LastAnswerRight = right;
    ++e.QuestionTotal; // the turns of this game, for the praise at its end
    if (right) {
        ++e.CorrectCount;
        FillSquares(PupilPosition + 1, std::min(PupilPosition + RightNumber, 20));
        PupilPosition += RightNumber;
    } else {
        ++e.WrongCount;
        SpeedPanel1->move(RightNumber * AntalPanel->height(), 0);
        SpeedLabel1->setText(QString::number(RightNumber));
        SpeedPanel1->show();
        SpeedPanel1->raise();
        FillSquares(ComputerPosition + 21, std::min(ComputerPosition + RightNumber + 20, 40));
        ComputerPosition += RightNumber;
    }
    if (ComputerPosition >= 20) {
        GameOver = true;
        PupilWon = false;
    } else if (PupilPosition >= 20) {
        GameOver = true;
        PupilWon = true;
    }
    EnableDigitButtons(false);
    QPalette red = ty[0]->palette();
    red.setColor(QPalette::WindowText, colour::Red);
    for (int i = 0; i < 5; ++i)
        if (MarkedFlags[std::size_t(i)])
            ty[i]->setPalette(red);
    if (GameOver) {
        Avslutning();
    } else if (right) {
        NyPost();
    } else {
        state_ = State::JudgedWrong;
        Nextbutton->show();
        HoraButton->setVisible(hearsWords());
    }
}

bool TFalska::filled(int tag) const
{
    return tag >= 1 && tag <= 40 && Shape[tag - 1]->palette().color(QPalette::Window) == colour::Yellow;
}

void TFalska::ClearTrack()
{
    for (QFrame* square : Shape)
        ui::setPanelColour(square, colour::Blue);
}

void TFalska::FillSquares(int from, int to)
{
    for (int k = std::max(from, 1); k <= std::min(to, 40); ++k)
        ui::setPanelColour(Shape[k - 1], colour::Yellow);
}

// --- the buttons beside the digits ---------------------------------------------------------------

void TFalska::NextButtonClick()
{
    if (state_ == State::JudgedWrong && Nextbutton->isVisible() && Nextbutton->isEnabled())
        NyPost();
}

void TFalska::HoraButtonClick()
{
    if (state_ != State::JudgedWrong || !HoraButton->isVisible() || !HoraButton->isEnabled())
        return;
    Nextbutton->setEnabled(false);
    HoraButton->setEnabled(false);
    EnableDigitButtons(false);
    // The five words one after the other, each when the one before has ended;
    // the window keeps taking Esc and Alt+N, which stop them.
    std::string folder;
    std::deque<std::string> names;
    for (int q : TurnQuestions) {
        const auto [dir, name] = duel::questionSound(e_.ExerciseNo, q);
        if (name.empty())
            continue;
        folder = dir;
        names.push_back(name);
    }
    Speech->playInTurn(folder, names);
}

void TFalska::soundsEnded()
{
    Nextbutton->setEnabled(true);
    HoraButton->setEnabled(hearsWords());
}

void TFalska::OversattButtonClick()
{
    if (state_ != State::Asking && state_ != State::JudgedWrong)
        return;
    for (QLabel* sv : SV)
        sv->show();
}

// --- keys, pause and the end -----------------------------------------------------------------------

void TFalska::keyPressEvent(QKeyEvent* event)
{
    event->accept();
    if (state_ == State::NameBox)
        return;
    const int key = event->key();
    if (key == Qt::Key_Escape) {
        if (state_ == State::Paused || state_ == State::GameOver)
            Button4Click();
        else
            pause();
    } else if (key == Qt::Key_N && event->modifiers() == Qt::AltModifier) {
        // A new turn at any moment of play, but not behind the pause panel nor
        // in a game that is over.
        if (state_ == State::Asking || state_ == State::JudgedWrong)
            NyPost();
    } else if (key >= Qt::Key_0 && key <= Qt::Key_5 && !(event->modifiers() & Qt::AltModifier)) {
        answer(key - Qt::Key_0);
    } else if (key == Qt::Key_N) {
        NextButtonClick();
    } else if (key == Qt::Key_H) {
        HoraButtonClick();
    } else if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)
               && qobject_cast<QPushButton*>(focusWidget()) && Escapepanel->isVisible()) {
        static_cast<QPushButton*>(focusWidget())->click();
    }
}

void TFalska::pause()
{
    const bool soundsPlaying = Speech->queueRunning();
    Speech->stop();
    if (soundsPlaying)
        soundsEnded();
    beforePause_ = state_;
    state_ = State::Paused;
    EnableDigitButtons(false);
    Escapepanel->show();
    Escapepanel->raise();
    Button3->setFocus();
}

void TFalska::Button3Click()
{
    Escapepanel->hide();
    setFocus();
    if (state_ == State::GameOver) {
        // A new game with the same name.
        BildPanelen->hide();
        LovordPanel->hide();
        PupilPosition = ComputerPosition = 0;
        ClearTrack();
        GameOver = false;
        e_.CorrectCount = e_.WrongCount = e_.QuestionTotal = 0;
        NyPost();
        return;
    }
    if (state_ != State::Paused)
        return;
    // Back to where the pause came: an answered turn does not take a second answer.
    state_ = beforePause_;
    EnableDigitButtons(state_ == State::Asking);
}

void TFalska::Button4Click() { reject(); }

void TFalska::Avslutning()
{
    Engine& e = e_;
    state_ = State::GameOver;
    Speech->stop();
    BildPanelen->show();
    BildPanelen->raise();
    OversattButton->hide();
    if (e.WorkMode == WorkMode::Practice && GameOver) {
        const QString name = shown(e.PupilName);
        if (!PupilWon) {
            RitaLovord(QStringLiteral("Lo siento, ") + name + QStringLiteral("."), QStringLiteral("VEKA ha ganado."), {});
        } else {
            // A praise sentence that is true of the game (at most two wrong
            // answers), chosen without the diagnosis learner's name: the
            // winner is the name typed here.
            QString sentence;
            if (e.WrongCount <= 2) {
                const std::string person = e.PersonName;
                e.PersonName.clear();
                e.HaemtaLovordFilNamn();
                e.PersonName = person;
                if (e.KollaLovOrd(e.PraiseFileName)) {
                    e.QuestionNo = uint16_t(e.haemta_Lovordslumptal(e.PraiseDrawCounters[e.PraiseIndex], e.PraiseIndex));
                    e.haemtaord(e.PraiseFileName, e.QuestionNo);
                    e.str_postarray(e.CurrentLine);
                    e.PersonName = e.PupilName; // a "<namn>" of the sentence is the winner too
                    sentence = shown(e.LovordMen(e.AnswerFields[1])).trimmed();
                    e.PersonName = person;
                }
            }
            if (sentence.isEmpty())
                RitaLovord(QStringLiteral("¡Enhorabuena ") + name + QStringLiteral(" !"), {}, {});
            else
                RitaLovord(sentence, QStringLiteral("¡") + name + QStringLiteral("! Tú has ganado."), {});
        }
    }
    Escapepanel->show();
    Escapepanel->raise();
    Button4->setFocus();
}

void TFalska::RitaLovord(const QString& t1, const QString& t2, const QString& t3)
{
    const int L = e_.LetterWidth;
    lovordinnershape->setGeometry(L / 2, L / 2, LovordPanel->width() - L, LovordPanel->height() - L);
    const int innerW = lovordinnershape->width(), innerH = lovordinnershape->height();
    QString text = t1;
    for (const QString& t : {t2, t3})
        if (!t.isEmpty())
            text += QStringLiteral(" ") + t;
    ui::fitCentred(LovordLabel1, text, std::max(30, 30 * e_.ScaleFactor / 100), QRect(L / 2, 0, innerW - L, innerH - L / 2));
    LovordPanel->show();
    LovordPanel->raise();
}

void TFalska::done(int result)
{
    Speech->stop();
    QDialog::done(result);
}

} // namespace lingvaro
