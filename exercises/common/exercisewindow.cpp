#include "exercises/common/exercisewindow.h"

#include "engine/cp1252.h"
#include "engine/engine.h"
#include "engine/paths.h"
#include "results/aster.h"
#include "results/skrivut.h"
#include "dialogs/stallin.h"
#include "ui/context.h"
#include "ui/pagebrowser.h"
#include "ui/platform.h"
#include "ui/widgets.h"

#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

namespace lingvaro {
namespace {

const QColor Navy(0, 0, 128);
const QColor Maroon(128, 0, 0);
const QColor Green(0, 128, 0);
const QColor Yellow(255, 255, 0);
const QColor Lime(0, 255, 0);
const QColor Red(255, 0, 0);

// The lamp: a circle in the colour of its palette's window role.
class Lamp : public QWidget {
public:
    using QWidget::QWidget;
    QColor colour = Lime;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(colour);
        p.drawEllipse(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
};

QFont arial(int pixelSize, bool bold = true)
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

void setTextColour(QWidget* w, const QColor& c)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, c);
    w->setPalette(p);
}

QString shown(const std::string& cp1252) { return fromCp1252(cp1252); }

} // namespace

ExerciseWindow::ExerciseWindow(AppContext& app) : QDialog(nullptr), app_(app), engine_(app.engine)
{
    setWindowFlag(Qt::FramelessWindowHint);
    setFocusPolicy(Qt::StrongFocus);
    setFont(arial(16));
    setAutoFillBackground(true);
    const QSize screen = app_.platform.screenSize();
    resize(screen);

    OverskriftYtterShape = ui::makePanel(this, Yellow);
    OverskriftInnerShape = ui::makePanel(OverskriftYtterShape, Navy);
    Overs1Label = new QLabel(OverskriftInnerShape);
    Overs2Label = new QLabel(OverskriftInnerShape);
    Overs3Label = new QLabel(OverskriftInnerShape);
    for (QLabel* l : {Overs1Label, Overs2Label, Overs3Label}) {
        setTextColour(l, Yellow);
        l->setAlignment(Qt::AlignCenter);
    }
    InstruktionsLabel = ui::makeLabel(this, {}, QStringLiteral("Arial"), 20, true, Green);
    FrageLabel1 = ui::makeLabel(this, {}, QStringLiteral("Arial"), 26, true, Navy);
    FrageLabel2 = ui::makeLabel(this, {}, QStringLiteral("Arial"), 26, true, Navy);
    Edit1 = new QLineEdit(this);
    Edit1->setMaxLength(70);
    Edit1->setFont(arial(24));
    Edit1->installEventFilter(this);
    Edit1->setContextMenuPolicy(Qt::CustomContextMenu);
    Label4 = ui::makeLabel(this, {}, QStringLiteral("Arial"), 24, true, Navy);
    Label5 = ui::makeLabel(this, {}, QStringLiteral("Arial"), 24, true, Maroon);
    Label6 = ui::makeLabel(this, {}, QStringLiteral("Arial"), 18, false, QColor(0, 0, 160));
    Label7 = ui::makeLabel(this, {}, QStringLiteral("Arial"), 18, false, QColor(0, 0, 160));
    Helpknapp1 = new QPushButton(QStringLiteral("&Ayuda"), this);
    HelpKnapp2 = new QPushButton(QStringLiteral("&Ayuda"), this);
    lampknapp = new QToolButton(this);
    lampknapp->setText(QStringLiteral("A"));
    lampknapp->setToolTip(QStringLiteral("Klicka här för visning av fel bokstav"));
    lampknapp->setFocusPolicy(Qt::NoFocus);
    LampShape = new Lamp(this);
    LampShape->setToolTip(QStringLiteral("Klicka här så försvinner visningen av fel bokstav"));
    LampShape->installEventFilter(this);
    regelknapp = new QPushButton(QStringLiteral("&Reglas"), this);

    RegelPanel = ui::makePanel(this, QColor(192, 192, 192), 2);
    WebBrowser1 = new ui::PageBrowser(RegelPanel);
    ClosePanel2Knapp = new QPushButton(QStringLiteral("&Cierra"), RegelPanel);

    Panel1 = ui::makePanel(this, Navy, 2);
    Button1 = new QPushButton(Panel1);
    Button2 = new QPushButton(Panel1);
    Button3 = new QPushButton(Panel1);
    BitBtn1 = new QPushButton(Panel1);

    Aster2 = new TAster(this, screen.height());
    Aster2->SetAsterColor(palette().color(QPalette::Window));

    DiagPanel1 = ui::makePanel(this, Green, 1);
    auto* d2 = ui::makeLabel(DiagPanel1, QStringLiteral("Uppgift"), QStringLiteral("Arial"), 16, true, Qt::white);
    d2->setGeometry(8, 4, 120, 24);
    DiagLabel3 = ui::makeLabel(DiagPanel1, {}, QStringLiteral("Arial"), 20, true, Qt::white);
    DiagLabel3->setGeometry(8, 28, 120, 28);
    auto* d4 = ui::makeLabel(DiagPanel1, QStringLiteral("Rätta svar"), QStringLiteral("Arial"), 16, true, Qt::white);
    d4->setGeometry(8, 60, 120, 24);
    DiagLabel5 = ui::makeLabel(DiagPanel1, {}, QStringLiteral("Arial"), 20, true, Qt::white);
    DiagLabel5->setGeometry(8, 84, 120, 28);
    DiagPanel2 = ui::makePanel(this, Green, 1);
    DiagLabel1 = ui::makeLabel(DiagPanel2, {}, QStringLiteral("Arial"), 18, true, Yellow);
    DiagLabel1->setAlignment(Qt::AlignCenter);

    LovordPanel = ui::makePanel(this, QColor(0, 0, 255));
    lovordinnershape = ui::makePanel(LovordPanel, Yellow);
    LovordLabel1 = new QLabel(lovordinnershape);
    LovordLabel2 = new QLabel(lovordinnershape);
    for (QLabel* l : {LovordLabel1, LovordLabel2}) {
        setTextColour(l, Navy);
        l->setAlignment(Qt::AlignCenter);
    }

    BildPanelen = ui::makePanel(this, QColor(0, 0, 128));
    Image1 = new QLabel(BildPanelen);
    Image1->setAlignment(Qt::AlignCenter);
    BildTextPanel = ui::makePanel(BildPanelen, QColor(255, 255, 225), 1);
    BildLabel = ui::makeLabel(BildTextPanel, {}, QStringLiteral("Arial"), 16, true, Qt::black);

    SkrivutOverskriftShape1 = ui::makePanel(this, Maroon, 2);
    SkrivutOverskriftLabel = ui::makeLabel(SkrivutOverskriftShape1, QStringLiteral("Utskrifter"), QStringLiteral("Arial"),
                                           22, true, Yellow);
    SkrivutOverskriftLabel->setAlignment(Qt::AlignCenter);
    buildWorksheetPanel();

    PopupMenu1 = new QMenu(this);
    for (QChar letter : {QChar(0xA1), QChar(0xBF), QChar(0xF1)}) {
        QAction* a = PopupMenu1->addAction(QStringLiteral("Klistra in ") + letter);
        connect(a, &QAction::triggered, this, [this, letter] { paste(letter); });
    }
    connect(Edit1, &QLineEdit::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenu1->popup(Edit1->mapToGlobal(at)); });

    Timer1 = new QTimer(this);
    Timer2 = new QTimer(this);
    Timer3 = new QTimer(this);
    connect(Timer1, &QTimer::timeout, this, &ExerciseWindow::Timer1Timer);
    connect(Timer2, &QTimer::timeout, this, &ExerciseWindow::Timer2Timer);
    connect(Timer3, &QTimer::timeout, this, &ExerciseWindow::Timer3Timer);

    connect(Edit1, &QLineEdit::textChanged, this, &ExerciseWindow::Edit1Change);
    connect(Button1, &QPushButton::clicked, this, &ExerciseWindow::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &ExerciseWindow::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &ExerciseWindow::Button3Click);
    connect(BitBtn1, &QPushButton::clicked, this, &ExerciseWindow::BitBtn1Click);
    connect(Helpknapp1, &QPushButton::clicked, this, &ExerciseWindow::Helpknapp1Click);
    connect(HelpKnapp2, &QPushButton::clicked, this, &ExerciseWindow::HelpKnapp2Click);
    connect(lampknapp, &QToolButton::clicked, this, &ExerciseWindow::lampknappClick);
    connect(regelknapp, &QPushButton::clicked, this, &ExerciseWindow::regelknappClick);
    connect(ClosePanel2Knapp, &QPushButton::clicked, this, &ExerciseWindow::ClosePanel2KnappClick);
    for (QPushButton* b : findChildren<QPushButton*>())
        b->setAutoDefault(false);
}

ExerciseWindow::~ExerciseWindow() = default;

QPushButton* ExerciseWindow::rowButton(QFrame* row, const QString& caption, const QString& hint, int column)
{
    auto* b = new QPushButton(caption, row);
    b->setToolTip(hint);
    b->setFont(arial(15));
    b->setGeometry(8 + column * 162, 8, 154, 34);
    b->setAutoDefault(false);
    return b;
}

void ExerciseWindow::buildWorksheetPanel()
{
    SkrivutHelaPanelen = ui::makePanel(this, Maroon, 2);
    auto row = [&] {
        QFrame* r = ui::makePanel(SkrivutHelaPanelen, Maroon);
        r->setGeometry(0, 0, 6 * 162 + 16, 50);
        r->hide();
        return r;
    };
    SkrivutPanel1 = row();
    SkrivutValPanel = row();
    SkrivutAntalPanel = row();
    SkrivutSvarPanel = row();
    SkrivutListValPanel = row();

    // Main row
    auto* antal = rowButton(SkrivutPanel1, QStringLiteral("Välja &antal"), QStringLiteral("Datorn väljer uppgifter"), 0);
    auto* valjaUt = rowButton(SkrivutPanel1, QStringLiteral("Välja &ut"), QStringLiteral("Du själv väljer uppgifter"), 1);
    auto* seVal1 = rowButton(SkrivutPanel1, QStringLiteral("Se ditt &val"), QStringLiteral("Förhandsgranskning"), 2);
    auto* skrivUt1 = rowButton(SkrivutPanel1, QStringLiteral("&Skriv ut"),
                               QStringLiteral("Du får välja utskrift med eller utan svar här. "), 3);
    auto* rensaKnapp = rowButton(SkrivutPanel1, QStringLiteral("&Rensa"), QStringLiteral("Tar bort allt som valts till utskrift. "), 4);
    auto* tillMenyn = rowButton(SkrivutPanel1, QStringLiteral("Till &menyn"), QStringLiteral("Utskriften kan utökas med andra förhör."), 5);
    connect(antal, &QPushButton::clicked, this, [this] {
        ChosenCount = 1;
        AntalLabel->setText(QStringLiteral("Antal : %1").arg(ChosenCount));
        showRow(SkrivutAntalPanel);
    });
    connect(valjaUt, &QPushButton::clicked, this, [this] {
        ReturnToChoice = true;
        showRow(SkrivutValPanel);
    });
    connect(seVal1, &QPushButton::clicked, this, [this] {
        ReturnToChoice = false;
        ListFromMainRow = true;
        showRow(SkrivutListValPanel);
    });
    connect(skrivUt1, &QPushButton::clicked, this, [this] { showRow(SkrivutSvarPanel); });
    connect(rensaKnapp, &QPushButton::clicked, this, &ExerciseWindow::clearPrintList);
    TillMenynButton = tillMenyn;
    connect(tillMenyn, &QPushButton::clicked, this, [this] {
        if (app_.utskrift)
            app_.utskrift->hide();
        engine_.WorksheetHeadPending = false;
        closeWindow();
    });

    // Choose yourself
    auto* nasta = rowButton(SkrivutValPanel, QStringLiteral("&Nästa uppgift"), {}, 0);
    auto* skicka = rowButton(SkrivutValPanel, QStringLiteral("Skickas &till utskrift"), {}, 1);
    auto* seVal2 = rowButton(SkrivutValPanel, QStringLiteral("Se ditt &val"), QStringLiteral("Förhandsgranskning"), 2);
    auto* skrivUt2 = rowButton(SkrivutValPanel, QStringLiteral("&Skriv ut"),
                               QStringLiteral("Du får välja utskrift med eller utan svar här. "), 3);
    auto* avbryt1 = rowButton(SkrivutValPanel, QStringLiteral("&Avbryt"), {}, 5);
    connect(nasta, &QPushButton::clicked, this, &ExerciseWindow::NyPost);
    connect(skicka, &QPushButton::clicked, this, [this] {
        sendToPrintList();
        NyPost();
    });
    connect(seVal2, &QPushButton::clicked, this, [this] {
        ReturnToChoice = true;
        ListFromMainRow = false;
        showRow(SkrivutListValPanel);
    });
    connect(skrivUt2, &QPushButton::clicked, this, [this] { showRow(SkrivutSvarPanel); });
    connect(avbryt1, &QPushButton::clicked, this, [this] { showRow(SkrivutPanel1); });

    // Count chooser
    AntalLabel = ui::makeLabel(SkrivutAntalPanel, {}, QStringLiteral("Arial"), 20, true, Yellow);
    AntalLabel->setGeometry(40, 8, 150, 34);
    AntalSpin = new ui::SpinButton(SkrivutAntalPanel);
    AntalSpin->setGeometry(8, 6, 24, 38);
    connect(AntalSpin, &ui::SpinButton::upClicked, this, [this] { chooseCount(+1); });
    connect(AntalSpin, &ui::SpinButton::downClicked, this, [this] { chooseCount(-1); });
    auto* klart = rowButton(SkrivutAntalPanel, QStringLiteral("&Klart"), {}, 2);
    auto* avbryt2 = rowButton(SkrivutAntalPanel, QStringLiteral("&Avbryt"), {}, 5);
    connect(klart, &QPushButton::clicked, this, &ExerciseWindow::countDone);
    connect(avbryt2, &QPushButton::clicked, this, [this] {
        ReturnToChoice = false;
        showRow(SkrivutPanel1);
    });

    // Print with or without answers
    auto* utan = rowButton(SkrivutSvarPanel, QStringLiteral("Skriv ut &utan svaren"), {}, 0);
    auto* med = rowButton(SkrivutSvarPanel, QStringLiteral("Skriv ut &med svaren"), {}, 1);
    auto* avbryt3 = rowButton(SkrivutSvarPanel, QStringLiteral("&Avbryt"), {}, 5);
    connect(utan, &QPushButton::clicked, this, [this] { printWorksheet(false); });
    connect(med, &QPushButton::clicked, this, [this] { printWorksheet(true); });
    connect(avbryt3, &QPushButton::clicked, this, [this] { showRow(ReturnToChoice ? SkrivutValPanel : SkrivutPanel1); });

    // View the choice
    auto* seUtan = rowButton(SkrivutListValPanel, QStringLiteral("Se ditt val &utan svar"), {}, 0);
    auto* seMed = rowButton(SkrivutListValPanel, QStringLiteral("Se ditt val &med svar"), {}, 1);
    auto* avbryt4 = rowButton(SkrivutListValPanel, QStringLiteral("&Avbryt"), {}, 5);
    auto view = [this](int list) {
        if (!app_.utskrift)
            return;
        app_.utskrift->showList(list);
        const QSize screen = app_.platform.screenSize();
        app_.utskrift->setGeometry(screen.width() / 2, screen.height() / 8, screen.width() / 2 - engine_.LetterWidth,
                                   screen.height() * 5 / 8);
        app_.utskrift->show();
        app_.utskrift->raise();
    };
    connect(seUtan, &QPushButton::clicked, this, [view] { view(1); });
    connect(seMed, &QPushButton::clicked, this, [view] { view(2); });
    connect(avbryt4, &QPushButton::clicked, this, [this] { showRow(ListFromMainRow ? SkrivutPanel1 : SkrivutValPanel); });

    printButtons = {skrivUt1, skrivUt2, seVal1, seVal2, rensaKnapp};
    for (QPushButton* b : SkrivutHelaPanelen->findChildren<QPushButton*>())
        b->installEventFilter(this);
}

void ExerciseWindow::showRow(QWidget* row)
{
    for (QWidget* r : {SkrivutPanel1, SkrivutValPanel, SkrivutAntalPanel, SkrivutSvarPanel, SkrivutListValPanel})
        r->setVisible(r == row);
}

int ExerciseWindow::mode() const { return engine_.WorkMode; }

// --- creation ------------------------------------------------------------------

void ExerciseWindow::FormCreate()
{
    Engine& e = engine_;
    RegelPanel->hide();
    e.ExerciseNo = Engine::GeProgramtal(e.DataFileName);
    BildTextPanel->hide();
    BitBtn1->setEnabled(true);
    Inled();

    e.CorrectionPass = false;
    LetterDisplayOn = false;
    FirstQuestion = true;
    e.SeriesPos = 1;
    e.CorrectCount = 0;
    e.WrongCount = 0;
    DiagPanel1->hide();
    DiagPanel2->hide();
    Edit1->clear();
    SkrivutOverskriftShape1->hide();
    LovordPanel->hide();
    BildPanelen->hide();
    LampShape->hide();
    Label5->hide();
    Label6->hide();
    Label7->hide();
    HelpKnapp2->hide();

    if (mode() == 1) {
        e.PrintWithAnswers = false;
        Edit1->setEnabled(false);
        Edit1->hide();
        SkrivutOverskriftShape1->show();
        e.WorksheetHeadPending = true;
        SkrivutHelaPanelen->show();
        showRow(SkrivutPanel1);
        const bool hasLines = app_.utskrift && app_.utskrift->ListBox1->count() > 0;
        for (QPushButton* b : printButtons)
            b->setEnabled(hasLines);
        Panel1->hide();
        lampknapp->hide();
        InstruktionsLabel->hide();
        e.QuestionTotal = e.SeriesSize = Engine::QuestionsPerSeries;
        Aster2->hide();
    } else {
        InstruktionsLabel->show();
    }

    InstruktionsLabel->setText(shown(e.HeaderInstruction));
    InstruktionsLabel->adjustSize();
    const int instrTop = OverskriftYtterShape->geometry().bottom() + InstruktionsLabel->height() / 2;
    InstruktionsLabel->move(OverskriftYtterShape->x(), instrTop);
    const QSize screen = app_.platform.screenSize();
    RegelPanel->setGeometry(RegelPanel->x(), instrTop - 2, RegelPanel->width(), screen.height() - (instrTop - 2) - 5);
    const int instrHeight = std::max(InstruktionsLabel->height(), QFontMetrics(InstruktionsLabel->font()).height());
    FrageLabel1->setGeometry(InstruktionsLabel->x(), instrTop + 2 * instrHeight, FrageLabel1->width(),
                             QFontMetrics(FrageLabel1->font()).height());
    FrageLabel2->setGeometry(InstruktionsLabel->x(), FrageLabel1->y() + FrageLabel1->height() * 4 / 3,
                             FrageLabel2->width(), FrageLabel1->height());
    Edit1->move(FrageLabel2->x(), FrageLabel2->y() + FrageLabel2->height() * 3 / 2);
    Label5->setGeometry(Edit1->x(), 0, Label5->width(), QFontMetrics(Label5->font()).height());
    Label5->move(Edit1->x(), Edit1->y() + Edit1->height() + Label5->height() / 3);
    Label4->setGeometry(Edit1->x(), Edit1->y() + 2, Label4->width(), Edit1->height());

    RitaOverskriften(shown(e.HeaderLines[1]), shown(e.HeaderLines[2]), shown(e.HeaderLines[3]));
    ui::setPanelColour(OverskriftInnerShape, mode() == 0 ? Navy : mode() == 1 ? Maroon : Green);

    if (mode() == 0) {
        e.QuestionTotal = e.SeriesSize = Engine::QuestionsPerSeries;
        NyStartaAster(true);
        lampknapp->show();
    } else if (mode() >= 2 && mode() <= 4) {
        NyStartaAster(false);
        lampknapp->setVisible(mode() == 3 || mode() == 4);
        e.QuestionTotal = e.SeriesSize = Engine::DiagnosisRoundSize;
        TestOverSkrift();
        UppDateraDiagnosResultatet();
    }
    SkrivutHelaPanelen->setVisible(mode() == 1);

    // Help row: level with the lamp button.
    const QRect lamp = lampknapp->geometry();
    Helpknapp1->setGeometry(lamp.right() + 1 + e.LetterWidth, lamp.y(), Helpknapp1->width(), lamp.height());
    HelpKnapp2->setGeometry(Helpknapp1->geometry());
    regelknapp->setGeometry(Helpknapp1->x(), lamp.y(), regelknapp->width(), lamp.height());

    const bool swedish = swedishCaptions();
    Button1->setText(swedish ? QStringLiteral("&Rätta felen") : QStringLiteral("Corrige las &faltas"));
    Button2->setText(swedish ? QStringLiteral("&Fortsätta") : QStringLiteral("&Continúa"));
    Button3->setText(swedish ? QStringLiteral("&Avbryt") : QStringLiteral("&Interrumpe"));
    BitBtn1->setText(swedish ? QStringLiteral("&Inställningar") : QStringLiteral("&Ajustes"));

    Panel1->hide();
    if (delaysFirstQuestion()) {
        e.TickCount = 0;
        Timer2->start(1000);
    } else {
        NyPost();
    }
}

void ExerciseWindow::Inled()
{
    Engine& e = engine_;
    const QSize screen = app_.platform.screenSize();
    const int W = screen.width(), H = screen.height();
    const int col = W / 64, row = H / 48;
    const int L = e.LetterWidth;

    OverskriftYtterShape->setGeometry(L, L, 40 * col, 7 * row);
    OverskriftInnerShape->setGeometry(4, 4, OverskriftYtterShape->width() - 8, OverskriftYtterShape->height() - 8);
    SkrivutOverskriftShape1->setGeometry(OverskriftYtterShape->geometry().right() + 2 * col, L, 14 * col, 4 * row);
    SkrivutOverskriftLabel->setGeometry(0, 0, SkrivutOverskriftShape1->width(), SkrivutOverskriftShape1->height());

    const int asterHeight = 10 * TAster::CellSize();
    const int asterWidth = std::max(10, asterHeight / 10 - L / 5);
    Aster2->setGeometry(W - asterWidth - L / 2, L, asterWidth, asterHeight);

    Panel1->setGeometry(L, H - 4 * row - L / 5, 62 * col, 4 * row);
    const int bw = (Panel1->width() - 5 * 8) / 4;
    int x = 8;
    for (QPushButton* b : {Button1, Button2, Button3, BitBtn1}) {
        b->setGeometry(x, (Panel1->height() - 36) / 2, bw, 36);
        b->setFont(arial(18));
        x += bw + 8;
    }
    BildPanelen->setGeometry(L, 10 * row - L / 2, 58 * col, 35 * row + L / 2);
    Image1->setGeometry(0, 0, 58 * col, 35 * row);
    LovordPanel->setGeometry(L, H - Panel1->height() - 5 * row - L / 5, BildPanelen->width(), 5 * row);

    DiagPanel1->setGeometry(W - 10 * col, 12 * row, 8 * col, 128);
    DiagPanel2->setGeometry(OverskriftYtterShape->geometry().right() + 2 * col, L + 5 * row, 14 * col, 3 * row);
    DiagLabel1->setGeometry(0, 0, DiagPanel2->width(), DiagPanel2->height());

    const int answerWidth = W - asterWidth - 6 * L;
    FrageLabel1->resize(answerWidth, FrageLabel1->height());
    FrageLabel2->resize(answerWidth, FrageLabel2->height());
    Label5->resize(answerWidth, Label5->height());
    Edit1->resize(20 * col, QFontMetrics(Edit1->font()).height() + 12);

    const int lampTop = 30 * row;
    lampknapp->setGeometry(L, lampTop, 34, 34);
    LampShape->setGeometry(L, lampTop, 34, 34);
    Helpknapp1->resize(110, 34);
    HelpKnapp2->resize(110, 34);
    regelknapp->resize(110, 34);
    Label6->setGeometry(L, lampTop + 44, answerWidth, 28);
    Label7->setGeometry(L, lampTop + 76, answerWidth, 28);

    SkrivutHelaPanelen->setGeometry(0, H - 66, W, 66);
    for (QWidget* r : {SkrivutPanel1, SkrivutValPanel, SkrivutAntalPanel, SkrivutSvarPanel, SkrivutListValPanel})
        r->move((W - r->width()) / 2, 8);

    RegelPanel->setGeometry(OverskriftYtterShape->x() - 5, OverskriftYtterShape->geometry().bottom() + 2,
                            W - asterWidth - 3 * L, H - OverskriftYtterShape->geometry().bottom() - 10);
}

void ExerciseWindow::RitaOverskriften(const QString& line1, const QString& line2, const QString& line3)
{
    const int L = engine_.LetterWidth;
    QLabel* labels[] = {Overs1Label, Overs2Label, Overs3Label};
    const QString lines[] = {line1, line2, line3};
    int n = 0;
    for (const QString& l : lines)
        if (!l.isEmpty())
            ++n;
    const int innerW = OverskriftInnerShape->width(), innerH = OverskriftInnerShape->height();
    auto fontOf = [](int pt) {
        QFont f(QStringLiteral("Arial"));
        f.setPointSize(pt);
        f.setBold(true);
        return f;
    };
    auto width = [&](int i, int pt) { return QFontMetrics(fontOf(pt)).horizontalAdvance(lines[i]); };
    auto height = [&](int pt) { return QFontMetrics(fontOf(pt)).height(); };

    int size[3] = {n == 1 ? 30 : 20, 20, 20};
    const int shownCount = n == 1 ? 1 : n == 2 ? 2 : 3;
    for (int i = 0; i < std::min(shownCount, 2); ++i)
        while (size[i] > 10 && width(i, size[i]) > innerW - 2 * L)
            --size[i];
    if (n >= 2) {
        size[0] = size[1] = std::min(size[0], size[1]);
        while (size[0] > 10 && (innerH - 2 * height(size[0])) / 3 < 1.5 * L)
            --size[0];
        size[1] = size[0];
    }
    if (n == 3) {
        size[2] = std::max(8, size[0] - 2);
        while (size[2] > 8 && (width(2, size[2]) > innerW - 2 * L || height(size[2]) > innerH - 2 * height(size[0])))
            --size[2];
    }
    for (int i = 0; i < 3; ++i) {
        labels[i]->setFont(fontOf(size[i]));
        labels[i]->setText(lines[i]);
        labels[i]->setVisible(i < shownCount && (i < 2 || n == 3));
        labels[i]->resize(innerW - L, height(size[i]));
        labels[i]->move(L / 2, 0);
    }
    const int h = height(size[0]);
    if (n <= 1) {
        Overs1Label->move(L / 2, (innerH - h) / 2);
    } else if (n == 2) {
        const int g = innerH - 2 * h;
        Overs1Label->move(L / 2, g / 3);
        Overs2Label->move(L / 2, 2 * g / 3 + h);
    } else {
        const int f = innerH - 2 * h - height(size[2]);
        Overs1Label->move(L / 2, f / 4);
        Overs2Label->move(L / 2, f / 2 + 3 * h / 4);
        Overs3Label->move(L / 2, Overs2Label->y() + Overs2Label->height());
    }
}

// --- asking --------------------------------------------------------------------

void ExerciseWindow::NollaLabeller()
{
    FrageLabel2->clear();
    for (QLabel* l : {Label4, Label5, Label6, Label7}) {
        l->clear();
        l->hide();
    }
    Edit1->clear();
    Button1->setEnabled(false);
    Panel1->hide();
    Helpknapp1->hide();
    HelpKnapp2->hide();
    OwnRulePage = false;
}

void ExerciseWindow::NyPost()
{
    Engine& e = engine_;
    Timer2->stop();
    lampknapp->setEnabled(true);
    if (e.CorrectionPass) {
        e.haemtafel(e.DataFileName, 0);
    } else {
        e.QuestionNo = uint16_t(e.haemta_slumptal(e.DrawCounters[e.CatalogueIndex], e.CatalogueIndex));
        e.haemtaord(e.DataFileName, e.QuestionNo);
    }
    e.str_postarray(e.CurrentLine);
    Timer1->stop();
    timer1Interval_ = 0;
    Timer3->stop();
    timer3Interval_ = 0;
    e.TickCount = 0;
    NollaLabeller();

    if (mode() != 1) {
        if (mode() >= 2 && mode() <= 4) {
            UppDateraDiagnosResultatet();
            NyStartaAster(false);
        }
        if (mode() == 0 || mode() >= 3)
            lampknapp->setEnabled(true);
        HelpUsed = ((mode() == 3 || mode() == 4) && LetterDisplayOn) ? 1 : 0;
    }

    // Fields 3.. up to the first empty one: a "£" field names the question's own
    // rule page, any other is a help text (the alternatives are counted off).
    int helps = 0;
    for (int f = 3; f <= FieldCount && !e.AnswerFields[f].empty(); ++f) {
        const std::string& field = e.AnswerFields[f];
        if ((unsigned char)field[0] == 0xA3) { // "£"
            RulePageName = shown(field.substr(1)) + QStringLiteral(".htm");
            regelknapp->show();
            OwnRulePage = true;
        } else {
            ++helps;
        }
    }
    HelpTextCount = helps - e.MarkedCount;
    if (HelpTextCount > 0) {
        Label6->setText(shown(e.AnswerFields[3]));
        if (HelpTextCount >= 2)
            Label7->setText(shown(e.AnswerFields[4]));
        Helpknapp1->show();
        Helpknapp1->setEnabled(true);
    }

    FrageLabel2->setText(shown(e.AnswerFields[1]));
    Label5->setText(shown(e.AnswerFields[2]));
    const int right = app_.platform.screenSize().width() - Aster2->width() - 2 * e.LetterWidth;
    e.dela_mening(FrageLabel2->x(), right, e.AnswerFields[1], 2);
    if (e.SplitLines[2].empty()) {
        FrageLabel1->hide();
        FrageLabel2->setText(shown(e.SplitLines[1]));
    } else {
        FrageLabel1->setText(shown(e.SplitLines[1]));
        FrageLabel1->show();
        FrageLabel2->setText(shown(e.SplitLines[2]));
    }
    FrageLabel2->setVisible(!e.SplitLines[1].starts_with("{F}"));

    Edit1->resize(QFontMetrics(Label5->font()).horizontalAdvance(Label5->text()) + 4 * e.LetterWidth, Edit1->height());
    if (mode() >= 2 && mode() <= 4)
        UppDateraDiagnosResultatet();
    if (mode() == 1) {
        Label4->hide();
    } else {
        Edit1->setEnabled(true);
        Edit1->show();
        if (FirstQuestion)
            FirstQuestion = false;
        else
            Edit1->setFocus();
        Label4->show();
    }
    variant();

    regelknapp->move(Helpknapp1->isVisibleTo(this) ? Helpknapp1->geometry().right() + 1 + e.LetterWidth
                                                    : Helpknapp1->x(),
                     regelknapp->y());
    Helpknapp1->setEnabled(true);
    HelpKnapp2->setEnabled(true);
    const bool tableButton = (mode() == 0 || mode() >= 3) && hasRulesButton(e.ExerciseNo);
    regelknapp->setVisible(tableButton || OwnRulePage);
    regelknapp->setEnabled(tableButton || OwnRulePage);

    if (mode() == 1) {
        regelknapp->hide();
        Helpknapp1->hide();
        HelpKnapp2->hide();
        InstruktionsLabel->show();
        if (InstruktionsLabel->text().contains(QStringLiteral("Traduce")))
            InstruktionsLabel->setText(InstruktionsLabel->text().left(8));
    }
    FrageLabel1->adjustSize();
    FrageLabel2->adjustSize();
    Label5->adjustSize();
    Label6->adjustSize();
    Label7->adjustSize();
}

const std::string& ExerciseWindow::correctAnswer() const { return engine_.AnswerFields[2]; }

bool ExerciseWindow::answerShowing() const { return timer1Interval_ != 0 || timer3Interval_ != 0; }

void ExerciseWindow::starStep(bool wrong)
{
    Aster2->SetRutNummer(Aster2->RutNummer() < Aster2->MaxAntalRutor() ? Aster2->RutNummer() + 1 : 0);
    if (wrong)
        Aster2->SetRatt(false);
    Aster2->SetVisa(true);
    Aster2->Refresh();
}

void ExerciseWindow::answerEntered()
{
    Engine& e = engine_;
    Edit1->setEnabled(false);
    // The window itself takes the keys now, so Space can end the answer display
    // (a button given the focus would take Space as a click).
    setFocus();
    const uint16_t r = e.svarstest(correctAnswer(), toCp1252(Edit1->text()), 3);
    if (r != AnswerRight) {
        regelknapp->setEnabled(false);
        e.LastAnswerRight = false;
        ++e.WrongCount;
        if (mode() == 0 || mode() == 5)
            starStep(true);
        e.haemtafel(e.DataFileName, e.CorrectionPass ? 2 : 3);
        if (mode() >= 2 && mode() <= 4)
            UppDateraDiagnosResultatet();
        timer1Interval_ = 100;
        Timer1->start(100);
        Label5->show();
    } else {
        e.LastAnswerRight = true;
        if (HelpUsed == 0)
            ++e.CorrectCount;
        if (mode() >= 2 && mode() <= 4)
            UppDateraDiagnosResultatet();
        if (mode() == 0 || mode() == 5)
            starStep(false);
        if (e.CorrectionPass)
            e.haemtafel(e.DataFileName, 1);
    }
    ++e.SeriesPos;
    if (e.LastAnswerRight && e.SeriesPos <= e.QuestionTotal) {
        NyPost();
        return;
    }
    if (e.SeriesPos > e.QuestionTotal) {
        lampknapp->setEnabled(false);
        if (e.LastAnswerRight) {
            Timer1->stop();
            timer1Interval_ = 0;
            Edit1->setEnabled(false);
            Helpknapp1->setEnabled(false);
            HelpKnapp2->setEnabled(false);
            Avslutning();
        } else {
            Timer1->stop();
            timer1Interval_ = 0;
            timer3Interval_ = 100;
            Timer3->start(100);
        }
    }
}

void ExerciseWindow::Timer1Timer()
{
    Engine& e = engine_;
    if (timer1Interval_ == 0)
        return;
    ++e.TickCount;
    if (e.TickCount >= e.AnswerShowSeconds * 10 && e.SeriesPos <= e.QuestionTotal)
        NyPost();
}

void ExerciseWindow::Timer3Timer()
{
    Engine& e = engine_;
    if (timer3Interval_ == 0)
        return;
    ++e.TickCount;
    if (e.TickCount >= e.AnswerShowSeconds * 10) {
        Timer1->stop();
        timer1Interval_ = 0;
        Panel1->show();
        Timer3->stop();
        timer3Interval_ = 0;
        Avslutning();
    }
}

void ExerciseWindow::Timer2Timer()
{
    Engine& e = engine_;
    ++e.TickCount;
    if (e.TickCount >= e.AnswerShowSeconds && e.SeriesPos <= e.QuestionTotal)
        NyPost();
}

void ExerciseWindow::spacePressed()
{
    if (answerShowing())
        engine_.TickCount = 20000;
}

void ExerciseWindow::escapePressed()
{
    Engine& e = engine_;
    if (e.SeriesPos > e.QuestionTotal)
        return;
    if (mode() == 2) {
        if (app_.diagnosis)
            app_.diagnosis->diagnosback(e.CorrectCount);
        closeWindow();
        return;
    }
    showButtonPanel();
}

void ExerciseWindow::showButtonPanel()
{
    // "Corrige las faltas" is offered (and focused) only while the file has
    // stored wrong answers.
    Panel1->show();
    Panel1->raise();
    if (mode() == 0 || mode() >= 3) {
        const bool stored = engine_.ErrorCounts[engine_.CatalogueIndex] >= 1;
        Button1->setEnabled(stored);
        (stored ? Button1 : Button2)->setFocus();
    }
}

void ExerciseWindow::Edit1Change()
{
    if (!LampShape->isVisible() || !(mode() == 0 || mode() == 3 || mode() == 4))
        return;
    auto* lamp = static_cast<Lamp*>(LampShape);
    lamp->colour = engine_.GreenRedTest(toCp1252(Edit1->text()), toCp1252(Label5->text())) == 1 ? Lime : Red;
    lamp->update();
}

// --- the button panel ------------------------------------------------------------

void ExerciseWindow::lampControls()
{
    if (mode() == 1 || mode() == 2) {
        lampknapp->hide();
        LampShape->hide();
    } else {
        LampShape->setVisible(LetterDisplayOn);
        lampknapp->setVisible(!LetterDisplayOn);
    }
}

void ExerciseWindow::focusEdit()
{
    Edit1->setEnabled(true);
    Edit1->setFocus();
}

void ExerciseWindow::rensa()
{
    Engine& e = engine_;
    if (mode() == 1 || mode() == 2) {
        lampknapp->hide();
        LampShape->hide();
    } else {
        lampknapp->setVisible(!LetterDisplayOn);
        lampknapp->setEnabled(true);
    }
    e.CorrectCount = 0;
    e.WrongCount = 0;
}

void ExerciseWindow::Button2Click()
{
    Engine& e = engine_;
    Panel1->hide();
    if (e.SeriesPos >= e.QuestionTotal) {
        BildPanelen->hide();
        if (mode() == 0)
            LovordPanel->hide();
        lampControls();
        e.CorrectCount = 0;
        e.CorrectionPass = false;
        e.QuestionTotal = e.SeriesSize;
        if (mode() == 5)
            e.WorkMode = 3;
        if (mode() >= 2 && mode() <= 4)
            UppDateraDiagnosResultatet();
        if (mode() == 0) {
            NyStartaAster(true);
        } else {
            NyStartaAster(false);
            TestOverSkrift();
        }
        e.SeriesPos = 1;
        NyPost();
    }
    focusEdit();
    rensa();
    BitBtn1->setEnabled(true);
    Helpknapp1->setEnabled(true);
    HelpKnapp2->setEnabled(true);
}

void ExerciseWindow::Button1Click()
{
    Engine& e = engine_;
    BildPanelen->hide();
    if ((mode() == 0 || mode() >= 3) && e.ErrorCounts[e.CatalogueIndex] > 0) {
        if (mode() == 0)
            LovordPanel->hide();
        e.CorrectCount = 0;
        e.CorrectionPass = true;
        const int stored = e.ErrorCounts[e.CatalogueIndex];
        e.QuestionTotal = e.SeriesSize < 11 ? std::min(stored, e.SeriesSize) : std::min(stored, 10);
        e.SeriesPos = 1;
        NyStartaAster(true);
        if (mode() == 3 || mode() == 4)
            e.WorkMode = 5;
    }
    lampControls();
    Edit1->show();
    focusEdit();
    Panel1->hide();
    BitBtn1->setEnabled(true);
    FrageLabel2->show();
    if (DiagPanel1->isVisible())
        NyStartaAster(false);
    NyPost();
}

void ExerciseWindow::closeWindow()
{
    Timer1->stop();
    Timer2->stop();
    Timer3->stop();
    timer1Interval_ = timer3Interval_ = 0;
    done(QDialog::Accepted);
}

void ExerciseWindow::Button3Click()
{
    if (mode() >= 2 && mode() <= 5 && app_.diagnosis)
        app_.diagnosis->enableProtocol();
    closeWindow();
}

void ExerciseWindow::BitBtn1Click()
{
    Engine& e = engine_;
    if (mode() == 0 || mode() >= 2) {
        ui::showModal<TStallin>(app_.platform, app_);
        if (e.SeriesPos <= e.QuestionTotal)
            focusEdit();
    }
    Panel1->setVisible(e.QuestionTotal < e.SeriesPos);
}

// --- help, lamp, paste, rule page ------------------------------------------------

void ExerciseWindow::Helpknapp1Click()
{
    if (mode() >= 2 && mode() <= 4)
        ++HelpUsed;
    Label6->show();
    if (HelpTextCount == 2) {
        Helpknapp1->hide();
        HelpKnapp2->show();
        HelpKnapp2->setEnabled(true);
    } else {
        Helpknapp1->setEnabled(false);
    }
    if (Edit1->isVisible() && Edit1->isEnabled())
        Edit1->setFocus();
}

void ExerciseWindow::HelpKnapp2Click()
{
    if (mode() == 3 || mode() == 4)
        ++HelpUsed;
    Label7->show();
    HelpKnapp2->setEnabled(false);
    if (Edit1->isVisible() && Edit1->isEnabled())
        Edit1->setFocus();
}

void ExerciseWindow::lampknappClick()
{
    lampknapp->hide();
    LetterDisplayOn = !LetterDisplayOn;
    if (LetterDisplayOn) {
        LampShape->show();
        Edit1Change();
        if (Edit1->isEnabled())
            Edit1->setFocus();
        if (mode() == 3 || mode() == 4)
            ++HelpUsed;
    } else {
        LampShape->hide();
    }
}

void ExerciseWindow::LampShapeMouseDown()
{
    LampShape->hide();
    LetterDisplayOn = false;
    lampknapp->show();
}

void ExerciseWindow::paste(QChar letter)
{
    app_.platform.setClipboardText(QString(letter));
    QLineEdit* target = qobject_cast<QLineEdit*>(focusWidget());
    if (!target)
        target = Edit1;
    target->insert(QString(letter));
}

void ExerciseWindow::regelknappClick()
{
    Engine& e = engine_;
    regelknapp->setEnabled(false);
    RegelPanel->show();
    RegelPanel->raise();
    if (!OwnRulePage)
        RulePageName = rulePageFor(e.ExerciseNo);
    const int buttonHeight = ClosePanel2Knapp->sizeHint().height();
    WebBrowser1->setGeometry(5, 5, RegelPanel->width() - 10, RegelPanel->height() - buttonHeight - 20);
    ClosePanel2Knapp->setGeometry(0, RegelPanel->height() - buttonHeight, RegelPanel->width(), buttonHeight);
    ClosePanel2Knapp->setFocus();
    if (RulePageName.isEmpty()) {
        e.fail(QStringLiteral("Filen ") + paths::display(e.CdPath, QStringLiteral("\\regler\\R%1.htm").arg(e.ExerciseNo))
               + QStringLiteral(" finns inte eller är felaktig"));
        return;
    }
    const QString relative = QStringLiteral("\\regler\\") + RulePageName;
    if (auto page = e.findContentFile(relative))
        WebBrowser1->openPage(*page);
    else
        e.fail(QStringLiteral("Filen ") + paths::display(e.CdPath, relative) + QStringLiteral(" finns inte eller är felaktig"));
    regelknapp->setEnabled(true);
}

void ExerciseWindow::ClosePanel2KnappClick()
{
    RegelPanel->hide();
    if (Edit1->isEnabled() && Edit1->isVisible())
        Edit1->setFocus();
}

// --- star column, diagnosis counters -----------------------------------------------

void ExerciseWindow::NyStartaAster(bool start)
{
    if (start) {
        DiagPanel1->hide();
        Aster2->SetRutNummer(0);
        Aster2->SetMaxAntalRutor(engine_.QuestionTotal);
        Aster2->SetStarta(true);
        Aster2->show();
        Aster2->SetVisa(true);
        Aster2->Refresh();
    } else {
        Aster2->SetVisa(false);
        Aster2->hide();
    }
}

void ExerciseWindow::UppDateraDiagnosResultatet()
{
    DiagPanel1->show();
    DiagLabel3->setText(QStringLiteral("%1/%2").arg(engine_.SeriesPos).arg(Engine::DiagnosisRoundSize));
    DiagLabel5->setText(QString::number(engine_.CorrectCount));
}

void ExerciseWindow::TestOverSkrift()
{
    if (mode() >= 2 && mode() <= 4) {
        DiagPanel2->show();
        DiagLabel1->setText(mode() == 2 ? QStringLiteral("Diagnos: Testning")
                                        : QStringLiteral("Övning %1").arg(engine_.PracticeRound + 1));
    } else {
        DiagPanel2->hide();
    }
}

// --- end of series -------------------------------------------------------------

void ExerciseWindow::passPractice()
{
    Engine& e = engine_;
    e.WorkMode = 4;
    e.PracticeRound = 5;
    if (app_.diagnosis)
        app_.diagnosis->practicePassed(e.DiagnosisItem);
    e.WorkMode = 2;
    e.CorrectCount = 0;
    if (app_.diagnosis)
        app_.diagnosis->enableProtocol();
    closeWindow();
}

void ExerciseWindow::Avslutning()
{
    Engine& e = engine_;
    regelknapp->hide();
    BildPanelen->show();
    BildTextPanel->hide();
    Image1->hide();
    if (e.PictureMode == 1 || e.PictureMode == 3) {
        e.PictureNo = e.haemta_Bildslumptal();
        if (e.PictureNo > 0) {
            BildLabel->setText(shown(e.PictureCaption));
            BildLabel->adjustSize();
            BildTextPanel->setGeometry(0, 0, BildLabel->width() + 2 * e.LetterWidth, BildLabel->height() + 8);
            BildLabel->move(e.LetterWidth, 4);
            BildTextPanel->show();
            BildTextPanel->raise();
            const QString name = QStringLiteral("\\BILD\\SPA%1.BMP").arg(e.PictureNo, 4, 10, QChar(u'0'));
            if (auto file = e.findContentFile(name)) {
                const QPixmap picture = ui::loadPicture(*file);
                Image1->setPixmap(picture.scaled(Image1->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
                Image1->show();
            }
        }
    }
    if (mode() == 2)
        e.PracticeRound = 0;
    if ((mode() == 3 || mode() == 4) && !e.CorrectionPass && e.CorrectCount >= Engine::DiagnosisPassMark) {
        passPractice();
        return;
    }
    if (mode() == 2) {
        if (e.PracticeRound != 5 && app_.diagnosis)
            app_.diagnosis->diagnosback(e.CorrectCount);
        closeWindow();
        return;
    }
    if (mode() == 0 && !e.CorrectionPass && e.CorrectCount >= e.QuestionTotal - 2) {
        LovordPanel->show();
        e.HaemtaLovordFilNamn();
        if (e.KollaLovOrd(e.PraiseFileName)) {
            e.QuestionNo = uint16_t(e.haemta_Lovordslumptal(e.PraiseDrawCounters[e.PraiseIndex], e.PraiseIndex));
            e.haemtaord(e.PraiseFileName, e.QuestionNo);
            e.str_postarray(e.CurrentLine);
            RitaLovord(shown(e.LovordMen(e.AnswerFields[1])), shown(e.LovordMen(e.AnswerFields[2])),
                       shown(e.LovordMen(e.AnswerFields[3])));
        }
    }
    showButtonPanel();
}

void ExerciseWindow::RitaLovord(const QString& t1, const QString& t2, const QString& t3)
{
    Engine& e = engine_;
    const QSize screen = app_.platform.screenSize();
    const int height = screen.height() / 48 * 7;
    LovordPanel->setGeometry(BildPanelen->x(), Panel1->y() - height - 2, BildPanelen->width(), height);
    lovordinnershape->setGeometry(4, 4, LovordPanel->width() - 16, LovordPanel->height() - 16);
    const int innerW = lovordinnershape->width(), innerH = lovordinnershape->height();
    int pt = screen.width() < 750 ? 12 : screen.width() < 900 ? 16 : 24;
    auto fit = [&](QLabel* label, const QString& text, int& size) {
        QFont f(QStringLiteral("Arial"));
        f.setBold(true);
        auto apply = [&] {
            f.setPointSize(size);
            label->setFont(f);
            label->setText(text);
            label->adjustSize();
        };
        apply();
        while (size > 10 && label->width() > innerW - e.LetterWidth) {
            --size;
            apply();
        }
        while (size > 10 && label->height() > innerH - e.LetterWidth / 2) {
            --size;
            apply();
        }
    };
    fit(LovordLabel1, t1, pt);
    LovordLabel1->move((innerW - LovordLabel1->width()) / 2, 2);
    int pt2 = pt;
    const QString second = t3.isEmpty() ? t2 : t2 + QStringLiteral(" ") + t3;
    fit(LovordLabel2, second, pt2);
    LovordLabel2->move((innerW - LovordLabel2->width()) / 2, LovordLabel1->geometry().bottom() + 2);
    LovordPanel->show();
    LovordPanel->raise();
}

// --- worksheet mode ----------------------------------------------------------------

void ExerciseWindow::sendToPrintList()
{
    Engine& e = engine_;
    TUtskrift* printer = app_.utskrift;
    if (!printer)
        return;
    if (e.WorksheetHeadPending) {
        ++e.WorksheetBlockCount;
        if (!e.HeaderLines[1].empty()) {
            std::string heading = e.HeaderLines[1];
            if (!e.HeaderLines[2].empty())
                heading += ". " + e.HeaderLines[2] + ". " + e.HeaderLines[3];
            e.WorksheetHeading = cut(heading, 80);
        }
        const QString line = QString::number(e.WorksheetBlockCount) + QStringLiteral(".  ") + shown(e.WorksheetHeading);
        printer->ListBox1->addItem(line);
        printer->ListBox2->addItem(line);
        QString instruction = InstruktionsLabel->text();
        if (!instruction.isEmpty()) {
            if (instruction.endsWith(u'.')) {
                instruction.chop(1);
                InstruktionsLabel->setText(instruction);
            }
            printer->ListBox1->addItem(QStringLiteral("      ") + instruction + QStringLiteral(":"));
        }
        e.WorksheetHeadPending = false;
        for (QPushButton* b : printButtons)
            b->setEnabled(true);
    }
    const int n = ++e.WorksheetTaskCount;
    const QString prefix = n < 10 ? QStringLiteral("   %1. ").arg(n) : n < 100 ? QStringLiteral(" %1. ").arg(n)
                                                                                : QStringLiteral("%1. ").arg(n);
    printer->ListBox1->addItem(prefix + shown(e.AnswerFields[1]));
    printer->ListBox1->addItem(QStringLiteral("       ") + QString(57, u'_'));
    printer->ListBox2->addItem(prefix + shown(e.AnswerFields[1]));
    printer->ListBox2->addItem(QStringLiteral("       ") + printer->UtSkriftSvar(e.AnswerFields[2]));
}

void ExerciseWindow::chooseCount(int delta)
{
    Engine& e = engine_;
    if (delta > 0 && ChosenCount < e.QuestionCounts[e.CatalogueIndex])
        ++ChosenCount;
    else if (delta < 0 && ChosenCount > 0)
        --ChosenCount;
    AntalLabel->setText(QStringLiteral("Antal : %1").arg(ChosenCount));
}

void ExerciseWindow::countDone()
{
    Engine& e = engine_;
    if (ChosenCount == 0 && e.WorksheetHeadPending && app_.utskrift) {
        // Nothing chosen: the heading alone goes to the list, as it was pending.
        const int tasks = e.WorksheetTaskCount;
        sendToPrintList();
        for (int i = 0; i < 2; ++i) { // a taken item is ours to delete
            delete app_.utskrift->ListBox1->takeItem(app_.utskrift->ListBox1->count() - 1);
            delete app_.utskrift->ListBox2->takeItem(app_.utskrift->ListBox2->count() - 1);
        }
        e.WorksheetTaskCount = tasks;
    }
    for (int i = 0; i < ChosenCount; ++i) {
        sendToPrintList();
        NyPost();
    }
    showRow(SkrivutPanel1);
}

void ExerciseWindow::printWorksheet(bool withAnswers)
{
    Engine& e = engine_;
    const auto rowButtons = SkrivutSvarPanel->findChildren<QPushButton*>();
    for (QPushButton* b : rowButtons)
        b->setEnabled(false);
    e.PrintHeadingNeeded = true;
    e.PrintWithAnswers = withAnswers;
    if (app_.utskrift)
        app_.utskrift->SkrivutFraga();
    for (QPushButton* b : rowButtons)
        b->setEnabled(true);
}

void ExerciseWindow::clearPrintList()
{
    if (app_.utskrift)
        app_.utskrift->Rensa(true);
    else {
        Engine& e = engine_;
        e.PrintHeadingNeeded = true;
        e.WorksheetHeadPending = true;
        e.WorksheetTaskCount = 0;
        e.PageNo = 1;
        e.WorksheetBlockCount = 0;
    }
}

// --- keys ----------------------------------------------------------------------

bool ExerciseWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Edit1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            answerEntered();
            return true;
        }
        if (key == Qt::Key_Escape) {
            escapePressed();
            return true;
        }
    }
    if (event->type() == QEvent::KeyPress && SkrivutAntalPanel->isVisible()) {
        // The buttons of the row would take the arrows to move the focus.
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            chooseCount(key == Qt::Key_Up ? +1 : -1);
            return true;
        }
    }
    if (watched == LampShape && event->type() == QEvent::MouseButtonPress) {
        LampShapeMouseDown();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void ExerciseWindow::keyPressEvent(QKeyEvent* event)
{
    // The window takes the keys while the edit box is disabled: Space ends an
    // answer display, the arrows drive the count chooser, Esc acts on the
    // panel's cancel button.
    const int key = event->key();
    if (key == Qt::Key_Space) {
        spacePressed();
    } else if (SkrivutAntalPanel->isVisible() && (key == Qt::Key_Up || key == Qt::Key_Down)) {
        chooseCount(key == Qt::Key_Up ? +1 : -1);
    } else if (key == Qt::Key_Escape) {
        if (RegelPanel->isVisible())
            ClosePanel2KnappClick();
        else if (Panel1->isVisible())
            Button3Click();
        else if (mode() == 1 && SkrivutPanel1->isVisible())
            TillMenynButton->click();
    } else if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (auto* b = qobject_cast<QPushButton*>(focusWidget()))
            b->click();
    }
    event->accept();
}

void ExerciseWindow::contextMenuEvent(QContextMenuEvent* event)
{
    PopupMenu1->popup(event->globalPos());
}

} // namespace lingvaro
