#include "exercises/common/exercisewindow.h"

#include "contentmap/windows.h"
#include "dialogs/stallin.h"
#include "engine/cp1252.h"
#include "engine/engine.h"
#include "engine/paths.h"
#include "exercises/common/headingbox.h"
#include "exercises/common/worksheetpanel.h"
#include "results/aster.h"
#include "results/skrivut.h"
#include "ui/context.h"
#include "ui/pagebrowser.h"
#include "ui/rulepagepanel.h"
#include "ui/palette.h"
#include "ui/platform.h"
#include "ui/widgets.h"

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace lingvaro {
namespace {

namespace colour = ui::colour;

QString shown(const std::string& cp1252) { return fromCp1252(cp1252); }

constexpr unsigned char Pound = 0xA3; // "£": the field names the question's own rule page

} // namespace

ExerciseWindow::ExerciseWindow(AppContext& app, const char* className, const ExerciseRules& rules)
    : QDialog(nullptr), app_(app), engine_(app.engine), rules_(rules), descriptor_(findWindow(className)),
      series_(app.engine, *this, rules, app.diagnosis)
{
    setObjectName(QString::fromLatin1(className));
    Engine& e = engine_;
    e.ExerciseNo = Engine::GeProgramtal(e.DataFileName);
    setWindowFlag(Qt::FramelessWindowHint);
    setFocusPolicy(Qt::StrongFocus);
    setFont(ui::programFont(px(16)));
    setAutoFillBackground(true);
    resize(app_.platform.screenSize());

    Heading = new HeadingBox(this);
    InstruktionsLabel = ui::makeLabel(this, {}, ui::programFamily(), px(20), true, colour::Green);
    FrageLabel1 = ui::makeLabel(this, {}, ui::programFamily(), px(26), true, colour::Navy);
    FrageLabel2 = ui::makeLabel(this, {}, ui::programFamily(), px(26), true, colour::Navy);
    regelknapp = new QPushButton(QStringLiteral("&Reglas"), this);
    regelknapp->setFont(ui::programFont(px(16)));
    regelknapp->resize(px(110), px(34));
    regelknapp->hide();

    RegelPanel = new ui::RulePagePanel(this, QStringLiteral("&Cierra"), e.ScaleFactor);
    WebBrowser1 = RegelPanel->browser();
    ClosePanel2Knapp = RegelPanel->closeButton();
    RegelPanel->hide();

    Panel1 = ui::makePanel(this, colour::Navy, 2);
    Button1 = new QPushButton(Panel1);
    Button2 = new QPushButton(Panel1);
    Button3 = new QPushButton(Panel1);
    BitBtn1 = new QPushButton(Panel1);
    const ButtonCaptions captions = rules_.captions(e.ExerciseNo);
    Button1->setText(QString::fromUtf8(captions.correction));
    Button2->setText(QString::fromUtf8(captions.next));
    Button3->setText(QString::fromUtf8(captions.interrupt));
    BitBtn1->setText(QString::fromUtf8(captions.settings));
    Panel1->hide();

    Aster2 = new TAster(this, height());
    Aster2->SetAsterColor(palette().color(QPalette::Window));

    DiagPanel1 = ui::makePanel(this, colour::Green, 1);
    auto* uppgift = ui::makeLabel(DiagPanel1, QStringLiteral("Uppgift"), ui::programFamily(), px(16), true, colour::White);
    uppgift->setGeometry(px(8), px(4), px(120), px(24));
    DiagLabel3 = ui::makeLabel(DiagPanel1, {}, ui::programFamily(), px(20), true, colour::White);
    DiagLabel3->setGeometry(px(8), px(28), px(120), px(28));
    auto* ratta = ui::makeLabel(DiagPanel1, QStringLiteral("Rätta svar"), ui::programFamily(), px(16), true, colour::White);
    ratta->setGeometry(px(8), px(60), px(120), px(24));
    DiagLabel5 = ui::makeLabel(DiagPanel1, {}, ui::programFamily(), px(20), true, colour::White);
    DiagLabel5->setGeometry(px(8), px(84), px(120), px(28));
    DiagPanel2 = ui::makePanel(this, colour::Green, 1);
    DiagLabel1 = ui::makeLabel(DiagPanel2, {}, ui::programFamily(), px(18), true, colour::Yellow);
    DiagLabel1->setAlignment(Qt::AlignCenter);
    DiagPanel1->hide();
    DiagPanel2->hide();

    LovordPanel = ui::makePanel(this, colour::Blue);
    lovordinnershape = ui::makePanel(LovordPanel, colour::Yellow);
    LovordLabel1 = new QLabel(lovordinnershape);
    LovordLabel2 = new QLabel(lovordinnershape);
    for (QLabel* l : {LovordLabel1, LovordLabel2}) {
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, colour::Navy);
        l->setPalette(p);
        l->setAlignment(Qt::AlignCenter);
    }
    LovordPanel->hide();

    BildPanelen = ui::makePanel(this, colour::Navy);
    Image1 = new QLabel(BildPanelen);
    Image1->setAlignment(Qt::AlignCenter);
    BildTextPanel = ui::makePanel(BildPanelen, colour::Cream, 1);
    BildLabel = ui::makeLabel(BildTextPanel, {}, ui::programFamily(), px(16), true, colour::Black);
    BildPanelen->hide();

    SkrivutOverskriftShape1 = ui::makePanel(this, colour::Maroon, 2);
    auto* utskrifter = ui::makeLabel(SkrivutOverskriftShape1, QStringLiteral("Utskrifter"), ui::programFamily(), px(22),
                                     true, colour::Yellow);
    utskrifter->setObjectName(QStringLiteral("SkrivutOverskriftLabel"));
    utskrifter->setAlignment(Qt::AlignCenter);
    SkrivutOverskriftShape1->hide();
    Worksheet = new WorksheetPanel(this, e.ScaleFactor);
    Worksheet->hide();

    // The parts carry their names, for tests and for anyone looking at a running window.
    const std::pair<QObject*, const char*> names[] = {
        {Heading, "Heading"},     {InstruktionsLabel, "InstruktionsLabel"}, {FrageLabel1, "FrageLabel1"},
        {FrageLabel2, "FrageLabel2"}, {regelknapp, "regelknapp"},           {RegelPanel, "RegelPanel"},
        {Panel1, "Panel1"},       {Button1, "Button1"}, {Button2, "Button2"}, {Button3, "Button3"},
        {BitBtn1, "BitBtn1"},     {Aster2, "Aster2"},   {DiagPanel1, "DiagPanel1"}, {DiagPanel2, "DiagPanel2"},
        {LovordPanel, "LovordPanel"}, {BildPanelen, "BildPanelen"}, {Worksheet, "Worksheet"}};
    for (const auto& [part, name] : names)
        part->setObjectName(QString::fromLatin1(name));

    // However a window places its instruction, a long one breaks into lines
    // before the star column instead of running under it.
    InstruktionsLabel->installEventFilter(this);

    WaitTimer = new QTimer(this);
    WaitTimer->setInterval(100);
    connect(WaitTimer, &QTimer::timeout, this, &ExerciseWindow::WaitTimerTick);

    connect(Button1, &QPushButton::clicked, this, &ExerciseWindow::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &ExerciseWindow::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &ExerciseWindow::Button3Click);
    connect(BitBtn1, &QPushButton::clicked, this, &ExerciseWindow::BitBtn1Click);
    connect(regelknapp, &QPushButton::clicked, this, &ExerciseWindow::regelknappClick);
    connect(RegelPanel, &ui::RulePagePanel::closed, this, &ExerciseWindow::rulePageClosed);

    connect(Worksheet, &WorksheetPanel::nextRequested, this, [this] { series_.NyPost(); });
    connect(Worksheet, &WorksheetPanel::sendRequested, this, [this] {
        sendToPrintList();
        series_.NyPost();
    });
    connect(Worksheet, &WorksheetPanel::countChosen, this, &ExerciseWindow::sendChosen);
    connect(Worksheet, &WorksheetPanel::printRequested, this, &ExerciseWindow::printWorksheet);
    connect(Worksheet, &WorksheetPanel::previewRequested, this, &ExerciseWindow::showPreview);
    connect(Worksheet, &WorksheetPanel::previewClosed, this, &ExerciseWindow::endPreview);
    connect(Worksheet, &WorksheetPanel::clearRequested, this, &ExerciseWindow::clearPrintList);
    connect(Worksheet, &WorksheetPanel::toMenuRequested, this, [this] {
        endPreview();
        if (app_.utskrift)
            app_.utskrift->hide();
        engine_.WorksheetHeadPending = false;
        finish();
    });
}

ExerciseWindow::~ExerciseWindow()
{
    endPreview();
}

int ExerciseWindow::px(int v) const
{
    return v * std::max<int>(1, engine_.ScaleFactor) / 100;
}

// --- creation and layout ---------------------------------------------------------------

void ExerciseWindow::begin()
{
    Engine& e = engine_;
    const WorkMode m = e.WorkMode;
    for (QPushButton* b : findChildren<QPushButton*>())
        b->setAutoDefault(false);
    Inled();
    Heading->setInnerColour(m == WorkMode::Practice ? colour::Navy : isWorksheet(m) ? colour::Maroon : colour::Green);
    if (isWorksheet(m)) {
        SkrivutOverskriftShape1->show();
        e.WorksheetHeadPending = true;
        Worksheet->show();
        Worksheet->setMaximum(series_.source().questionCount(e));
        Worksheet->showRow(Worksheet->SkrivutPanel1);
        Worksheet->setPrintButtonsEnabled(app_.utskrift && app_.utskrift->hasLines());
    }
    series_.begin();
}

void ExerciseWindow::Inled()
{
    Engine& e = engine_;
    const QSize screen = app_.platform.screenSize();
    const int W = screen.width(), H = screen.height();
    const int col = W / 64, row = H / 48;
    const int L = e.LetterWidth;

    Heading->setGeometry(L, L, 40 * col, 7 * row);
    SkrivutOverskriftShape1->setGeometry(Heading->geometry().right() + 2 * col, L, 14 * col, 4 * row);
    if (auto* label = SkrivutOverskriftShape1->findChild<QLabel*>())
        label->setGeometry(0, 0, SkrivutOverskriftShape1->width(), SkrivutOverskriftShape1->height());

    const int asterHeight = 10 * TAster::CellSize();
    const int asterWidth = std::max(10, asterHeight / 10 - L / 5);
    Aster2->setGeometry(W - asterWidth - L / 2, L, asterWidth, asterHeight);

    const int buttonHeight = std::max(px(36), QFontMetrics(ui::programFont(px(18))).height() + px(10));
    Panel1->setGeometry(L, H - std::max(4 * row, buttonHeight + px(12)) - L / 5, 62 * col,
                        std::max(4 * row, buttonHeight + px(12)));
    const int bw = (Panel1->width() - 5 * 8) / 4;
    int x = 8;
    for (QPushButton* b : {Button1, Button2, Button3, BitBtn1}) {
        b->setFont(ui::programFont(px(18)));
        b->setGeometry(x, (Panel1->height() - buttonHeight) / 2, bw, buttonHeight);
        x += bw + 8;
    }
    // The reward picture covers the question area, from under the instruction
    // down to the button panel.
    const int pictureTop = std::max(10 * row - L / 2, Heading->geometry().bottom() + 3 * InstruktionsLabel->fontMetrics().height() / 2 + L);
    const int pictureBottom = H - std::max(4 * row, buttonHeight + px(12)) - L / 5 - L / 2;
    BildPanelen->setGeometry(L, pictureTop, 58 * col, std::min(35 * row + L / 2, pictureBottom - pictureTop));
    Image1->setGeometry(0, 0, BildPanelen->width(), BildPanelen->height());
    LovordPanel->setGeometry(L, H - Panel1->height() - 5 * row - L / 5, BildPanelen->width(), 5 * row);

    const int counterWidth = std::max(8 * col, px(136));
    DiagPanel1->setGeometry(W - counterWidth - 2 * col, 12 * row, counterWidth, px(128));
    DiagPanel2->setGeometry(Heading->geometry().right() + 2 * col, L + 5 * row, 14 * col, 3 * row);
    DiagLabel1->setGeometry(0, 0, DiagPanel2->width(), DiagPanel2->height());

    const int lineWidth = questionRight() - L;
    for (QLabel* l : {FrageLabel1, FrageLabel2})
        l->resize(lineWidth, QFontMetrics(l->font()).height());

    Worksheet->setGeometry(0, H - px(66), W, px(66));
    Worksheet->layoutRows(W);

    // The instruction half its height below the heading, the question lines
    // under it, and the rule page's panel from the instruction down.
    InstruktionsLabel->setText(shown(e.HeaderInstruction));
    InstruktionsLabel->adjustSize();
    const int instrHeight = std::max(InstruktionsLabel->height(), QFontMetrics(InstruktionsLabel->font()).height());
    const int instrTop = Heading->geometry().bottom() + instrHeight / 2;
    InstruktionsLabel->move(Heading->x(), instrTop);
    FrageLabel1->move(InstruktionsLabel->x(), instrTop + 2 * instrHeight);
    FrageLabel2->move(InstruktionsLabel->x(), FrageLabel1->y() + FrageLabel1->height() * 4 / 3);
    RegelPanel->setGeometry(Heading->x() - 5, instrTop - 2, questionRight() + L - (Heading->x() - 5),
                            H - (instrTop - 2) - 5);

    Heading->RitaOverskriften(shown(e.HeaderLines[1]), shown(e.HeaderLines[2]), shown(e.HeaderLines[3]), L,
                              e.ScaleFactor);
}

int ExerciseWindow::questionRight() const
{
    // Left of the star column, and in the diagnosis modes left of the counters
    // that stand there instead.
    const int right = app_.platform.screenSize().width() - Aster2->width() - 2 * engine_.LetterWidth;
    return showsDiagnosisCounters(engine_.WorkMode) ? std::min(right, DiagPanel1->x() - engine_.LetterWidth) : right;
}

// --- a question ---------------------------------------------------------------------------

void ExerciseWindow::scanFields()
{
    Engine& e = engine_;
    // Fields from the first help field up to the first empty one: a "£" field
    // names the question's own rule page, any other is a help text; the
    // alternatives at the end are not helps.
    OwnRulePage = false;
    QStringList helps;
    for (int f = firstHelpField(); f <= FieldCount && !e.AnswerFields[f].empty(); ++f) {
        const std::string& field = e.AnswerFields[f];
        if ((unsigned char)field[0] == Pound) {
            RulePageName = shown(field.substr(1)) + QStringLiteral(".htm");
            OwnRulePage = true;
        } else {
            helps << shown(field);
        }
    }
    helps = helps.mid(0, std::max<qsizetype>(0, helps.size() - e.MarkedCount));
    HelpTexts = helps;
}

void ExerciseWindow::showQuestion()
{
    scanFields();
    showQuestionLines(engine_.AnswerFields[1]);
    updateRulesButton();
    InstruktionsLabel->show();
    if (isWorksheet(engine_.WorkMode))
        printedInstruction();
}

void ExerciseWindow::showQuestionLines(const std::string& text)
{
    Engine& e = engine_;
    const QFont f = FrageLabel2->font();
    e.dela_mening(FrageLabel2->x(), questionRight(), text, 2,
                  FontSpec{f.family(), f.pointSize() > 0 ? f.pointSize() : 12, f.bold(), f.pixelSize()});
    if (e.SplitLines[2].empty()) {
        FrageLabel1->hide();
        FrageLabel2->setText(shown(e.SplitLines[1]));
    } else {
        FrageLabel1->setText(shown(e.SplitLines[1]));
        FrageLabel1->show();
        FrageLabel2->setText(shown(e.SplitLines[2]));
    }
    FrageLabel2->setVisible(!e.SplitLines[1].starts_with("{F}"));
    FrageLabel1->adjustSize();
    FrageLabel2->adjustSize();
}

void ExerciseWindow::updateRulesButton()
{
    const WorkMode m = engine_.WorkMode;
    const bool tableButton = offersCorrection(m) && descriptor_ && descriptor_->rulesButton(engine_.ExerciseNo);
    const bool shownButton = !isWorksheet(m) && (tableButton || OwnRulePage);
    regelknapp->setVisible(shownButton);
    regelknapp->setEnabled(shownButton);
}

// --- the series' view ------------------------------------------------------------------------

void ExerciseWindow::setWaitTicking(bool on)
{
    if (on) {
        WaitTimer->start();
        // The window takes the keys while the answer shows, so Space ends the wait
        // wherever the focus was (a button would take Space as a click).
        setFocus();
    } else {
        WaitTimer->stop();
    }
}

void ExerciseWindow::WaitTimerTick() { series_.tick(); }

void ExerciseWindow::restartStars(int boxes)
{
    Aster2->SetRutNummer(0);
    Aster2->SetMaxAntalRutor(boxes);
    Aster2->SetStarta(true);
    Aster2->show();
    Aster2->SetVisa(true);
    Aster2->Refresh();
}

void ExerciseWindow::hideStars()
{
    Aster2->SetVisa(false);
    Aster2->hide();
}

void ExerciseWindow::starStep(bool wrong)
{
    Aster2->SetRutNummer(Aster2->RutNummer() < Aster2->MaxAntalRutor() ? Aster2->RutNummer() + 1 : 0);
    if (wrong)
        Aster2->SetRatt(false);
    Aster2->SetVisa(true);
    Aster2->Refresh();
}

void ExerciseWindow::diagnosisChanged()
{
    Engine& e = engine_;
    const WorkMode m = e.WorkMode;
    DiagPanel1->setVisible(showsDiagnosisCounters(m));
    DiagLabel3->setText(QStringLiteral("%1/%2").arg(std::min(e.SeriesPos, e.QuestionTotal)).arg(Engine::DiagnosisRoundSize));
    DiagLabel5->setText(QString::number(e.CorrectCount));
    DiagPanel2->setVisible(showsDiagnosisCounters(m));
    DiagLabel1->setText(m == WorkMode::Test ? QStringLiteral("Diagnos: Testning")
                                            : QStringLiteral("Övning %1").arg(e.PracticeRound + 1));
}

void ExerciseWindow::showEnd(const SeriesEnd& end)
{
    Engine& e = engine_;
    regelknapp->hide();
    BildPanelen->hide();
    BildTextPanel->hide();
    if (end.pictureNo > 0) {
        const QString name = QStringLiteral("\\BILD\\SPA%1.BMP").arg(end.pictureNo, 4, 10, QChar(u'0'));
        const QPixmap picture = [&] {
            if (auto file = e.findContentFile(name))
                return ui::loadPicture(*file);
            return QPixmap();
        }();
        if (!picture.isNull()) {
            // Kept in proportion and never enlarged past its own size, so it stays sharp.
            const QSize room = BildPanelen->size();
            const QPixmap fitted = picture.width() > room.width() || picture.height() > room.height()
                                       ? picture.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                                       : picture;
            Image1->setPixmap(fitted);
            BildPanelen->show();
            BildPanelen->raise();
            BildLabel->setText(shown(end.pictureCaption));
            BildLabel->adjustSize();
            BildTextPanel->setGeometry(0, 0, BildLabel->width() + 2 * e.LetterWidth, BildLabel->height() + 8);
            BildLabel->move(e.LetterWidth, 4);
            BildTextPanel->setVisible(!end.pictureCaption.empty());
            BildTextPanel->raise();
        }
    }
    if (end.praised)
        RitaLovord(shown(end.praise[0]), shown(end.praise[1]), shown(end.praise[2]));
    else
        LovordPanel->hide();
}

void ExerciseWindow::clearEnd()
{
    BildPanelen->hide();
    LovordPanel->hide();
}

void ExerciseWindow::showPanel(bool correctionOffered)
{
    Panel1->show();
    Panel1->raise();
    Button1->setEnabled(correctionOffered);
    BitBtn1->setEnabled(true);
    (correctionOffered ? Button1 : Button2)->setFocus();
}

void ExerciseWindow::hidePanel()
{
    Panel1->hide();
}

void ExerciseWindow::finish()
{
    WaitTimer->stop();
    endPreview();
    done(QDialog::Accepted);
}

void ExerciseWindow::done(int result)
{
    WaitTimer->stop();
    QDialog::done(result);
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
    pt = std::max(pt, pt * e.ScaleFactor / 100);
    auto fit = [&](QLabel* label, const QString& text, int& size) {
        auto apply = [&] {
            label->setFont(ui::programFontPt(size));
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

// --- the button panel and the rule page -----------------------------------------------------------

void ExerciseWindow::Button1Click() { series_.correctionPass(); }

void ExerciseWindow::Button2Click() { series_.continueSeries(); }

void ExerciseWindow::Button3Click() { series_.interrupt(); }

void ExerciseWindow::BitBtn1Click()
{
    if (isWorksheet(engine_.WorkMode))
        return;
    ui::showModal<TStallin>(app_.platform, app_);
    series_.settingsClosed();
}

void ExerciseWindow::regelknappClick()
{
    Engine& e = engine_;
    regelknapp->setEnabled(false);
    RegelPanel->show();
    RegelPanel->raise();
    ClosePanel2Knapp->setFocus();
    if (!OwnRulePage)
        RulePageName = descriptor_ ? QString::fromStdString(descriptor_->pageOf(e.ExerciseNo)) : QString();
    if (RulePageName.isEmpty()) {
        // The button stays off until the next question: there is no page to show.
        e.fail(QStringLiteral("Filen ") + paths::display(e.CdPath, QStringLiteral("\\regler\\R%1.htm").arg(e.ExerciseNo))
               + QStringLiteral(" finns inte eller är felaktig"));
        return;
    }
    RegelPanel->showPage(e, QStringLiteral("\\regler\\") + RulePageName);
    regelknapp->setEnabled(true);
}

void ExerciseWindow::ClosePanel2KnappClick()
{
    RegelPanel->closePanel();
}

void ExerciseWindow::rulePageClosed()
{
    if (QWidget* box = answerFocus(); box && series_.asking())
        box->setFocus();
    else
        setFocus();
}

// --- keys and the mouse ----------------------------------------------------------------------------

void ExerciseWindow::spacePressed() { series_.cutWait(); }

void ExerciseWindow::escapePressed()
{
    if (RegelPanel->isVisible()) {
        ClosePanel2KnappClick();
        return;
    }
    series_.pause();
}

bool ExerciseWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == InstruktionsLabel && (event->type() == QEvent::Move || event->type() == QEvent::Resize)
        && !fittingInstruction_) {
        fittingInstruction_ = true;
        const int room = questionRight() - InstruktionsLabel->x();
        const QString text = InstruktionsLabel->text();
        const int wanted = InstruktionsLabel->fontMetrics().horizontalAdvance(text) + 2;
        if (room > 0 && wanted > room) {
            InstruktionsLabel->setWordWrap(true);
            InstruktionsLabel->resize(room, InstruktionsLabel->heightForWidth(room));
        } else if (InstruktionsLabel->wordWrap() && wanted <= room) {
            InstruktionsLabel->setWordWrap(false);
            InstruktionsLabel->adjustSize();
        }
        fittingInstruction_ = false;
    }
    return QDialog::eventFilter(watched, event);
}

bool ExerciseWindow::event(QEvent* event)
{
    // A click on the question, a label or the background must not take the
    // keyboard from the answer: the click gives the window the focus, and the
    // answer gets it straight back.
    if (event->type() == QEvent::MouseButtonRelease && series_.asking() && !RegelPanel->isVisible())
        if (QWidget* box = answerFocus(); box && box->isVisible() && box->isEnabled() && focusWidget() != box)
            if (!qobject_cast<QPushButton*>(focusWidget()))
                box->setFocus();
    return QDialog::event(event);
}

void ExerciseWindow::keyPressEvent(QKeyEvent* event)
{
    // The window has the keys when nothing else takes them: while the answer
    // shows, after a click on the background, or from a button that passes them on.
    const int key = event->key();
    if (key == Qt::Key_Space && series_.waiting()) {
        spacePressed();
    } else if (key == Qt::Key_Escape) {
        if (RegelPanel->isVisible())
            ClosePanel2KnappClick();
        else if (Panel1->isVisible())
            Button3Click();
        else if (isWorksheet(engine_.WorkMode) && Worksheet->shownRow() == Worksheet->SkrivutPanel1)
            Worksheet->TillMenynButton->click();
        else if (series_.asking())
            escapePressed();
    } else if ((key == Qt::Key_Up || key == Qt::Key_Down) && !Worksheet->SkrivutAntalPanel->isHidden()
               && !Worksheet->isHidden()) {
        Worksheet->chooseCount(key == Qt::Key_Up ? +1 : -1);
    } else if ((key == Qt::Key_Return || key == Qt::Key_Enter) && qobject_cast<QPushButton*>(focusWidget())) {
        static_cast<QPushButton*>(focusWidget())->click();
    } else if (QWidget* box = answerFocus(); box && series_.asking() && box->isVisible() && box->isEnabled()
                                              && focusWidget() != box) {
        // Typing after a click elsewhere goes where it was meant to go. A key the
        // box itself passed on (Shift, a function key) is not sent back to it:
        // it would come straight back here, without end.
        box->setFocus();
        QApplication::sendEvent(box, event);
        return;
    }
    event->accept();
}

} // namespace lingvaro
