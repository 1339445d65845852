#include "dialogs/stallin.h"

#include "engine/cp1252.h"
#include "engine/diagnosis.h"
#include "engine/engine.h"
#include "ui/context.h"
#include "ui/palette.h"
#include "ui/platform.h"
#include "ui/widgets.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace lingvaro {

MessageBoxType::MessageBoxType(QObject* owner, int scalePercent)
    : QObject(owner), pixelSize_(pixelSize(scalePercent))
{
    qApp->installEventFilter(this);
}

MessageBoxType::~MessageBoxType()
{
    qApp->removeEventFilter(this);
}

int MessageBoxType::pixelSize(int scalePercent)
{
    return std::max(16, 18 * (scalePercent > 0 ? scalePercent : 100) / 100);
}

bool MessageBoxType::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Polish) {
        auto* box = qobject_cast<QMessageBox*>(watched);
        if (box && !box->testAttribute(Qt::WA_SetFont))
            box->setFont(ui::programFont(pixelSize_));
    }
    return false;
}

TStallin::TStallin(AppContext& app) : QDialog(nullptr), app_(app)
{
    Engine& e = app.engine;
    setWindowTitle(QStringLiteral("Inställningar"));
    new MessageBoxType(this, e.ScaleFactor);
    const int L = e.LetterWidth;
    const QFont labelFont = ui::programFont(16);
    const QFont buttonFont = ui::programFont(17);
    const QString texts[] = {QStringLiteral("Antal sekunder som rätt svar visas:"),
                             QStringLiteral("Spanska bilder visas efter övningarna:"),
                             QStringLiteral("Intalat ljud till vissa övningar :")};
    // The values stand in one column right of the longest question.
    int labelWidth = 0;
    for (const QString& t : texts)
        labelWidth = std::max(labelWidth, QFontMetrics(labelFont).horizontalAdvance(t) + 8);
    const int column = 16 + labelWidth + 12;
    const int W = std::max(560, column + 110 + 4 * L), H = 340;
    resize(W, H);
    YtterPanel = ui::makePanel(this, ui::colour::Navy, 2);
    YtterPanel->setGeometry(L, L, W - 2 * L, H - 2 * L);
    InnerPanel = ui::makePanel(YtterPanel, QColor(240, 240, 240), 2);
    InnerPanel->setGeometry(L, L, YtterPanel->width() - 2 * L, YtterPanel->height() - 2 * L);
    const int iw = InnerPanel->width();

    auto* heading = ui::makePanel(InnerPanel, ui::colour::Maroon, 1);
    heading->setGeometry(10, 10, iw - 20, 40);
    auto* headingText = ui::makeLabel(heading, QStringLiteral("Inställningar"), ui::programFamily(), 24, true, Qt::white);
    headingText->setAlignment(Qt::AlignCenter);
    headingText->setGeometry(0, 0, iw - 20, 40);

    auto label = [&](const QString& text, int y) {
        auto* l = ui::makeLabel(InnerPanel, text, ui::programFamily(), 16, true, Qt::black);
        l->setGeometry(16, y, labelWidth, 26);
        return l;
    };
    label(texts[0], 68);
    TidLabel = ui::makeLabel(InnerPanel, {}, ui::programFamily(), 20, true, Qt::black);
    TidLabel->setGeometry(column, 66, 30, 30);
    SpinButton1 = new ui::SpinButton(InnerPanel);
    SpinButton1->setGeometry(column + 34, 62, 24, 38);
    auto* note = ui::makeLabel(InnerPanel,
                               QStringLiteral("(Visningen av rätt svar kan alltid brytas\nmed tryck på mellanslagstangenten)"),
                               ui::programFamily(), 14, false, QColor(64, 64, 64));
    note->setGeometry(16, 98, iw - 32, 40);
    label(texts[1], 150);
    JaNejButton1 = new QPushButton(InnerPanel);
    JaNejButton1->setGeometry(column, 146, 80, 32);
    label(texts[2], 192);
    JaNejButton2 = new QPushButton(InnerPanel);
    JaNejButton2->setGeometry(column, 188, 80, 32);
    SparaButton = new QPushButton(QStringLiteral("&Spara"), InnerPanel);
    SparaButton->setGeometry(iw / 2 - 135, InnerPanel->height() - 48, 125, 36);
    AvbrytButton = new QPushButton(QStringLiteral("&Avbryt"), InnerPanel);
    AvbrytButton->setGeometry(iw / 2 + 10, InnerPanel->height() - 48, 125, 36);
    for (QPushButton* b : {JaNejButton1, JaNejButton2, SparaButton, AvbrytButton})
        b->setFont(buttonFont);

    connect(SpinButton1, &ui::SpinButton::upClicked, this, &TStallin::SpinUp);
    connect(SpinButton1, &ui::SpinButton::downClicked, this, &TStallin::SpinDown);
    connect(JaNejButton1, &QPushButton::clicked, this, &TStallin::JaNejButton1Click);
    connect(JaNejButton2, &QPushButton::clicked, this, &TStallin::JaNejButton2Click);
    connect(SparaButton, &QPushButton::clicked, this, &TStallin::SparaClick);
    connect(AvbrytButton, &QPushButton::clicked, this, &QDialog::reject);

    ui::scaleBy(this, e.ScaleFactor);
    // The file's values replace any that were changed but not saved earlier.
    e.HaemtaTyskaINI();
    TidLabel->setText(QString::number(e.AnswerShowSeconds));
    showMode(JaNejButton1, e.PictureMode);
    showMode(JaNejButton2, e.SoundMode);
}

void TStallin::showMode(QPushButton* button, uint8_t& mode)
{
    if (mode > 3)
        mode = 1;
    button->setText(mode == 0 || mode == 2 ? QStringLiteral("Nej") : QStringLiteral("Ja"));
    button->setEnabled(mode < 2);
}

void TStallin::toggle(QPushButton* button, uint8_t& mode)
{
    if (mode == 0) {
        mode = 1;
        button->setText(QStringLiteral("Ja"));
    } else if (mode == 1) {
        mode = 0;
        button->setText(QStringLiteral("Nej"));
    }
}

void TStallin::SpinUp()
{
    Engine& e = app_.engine;
    if (e.AnswerShowSeconds < 9)
        ++e.AnswerShowSeconds;
    TidLabel->setText(QString::number(e.AnswerShowSeconds));
}

void TStallin::SpinDown()
{
    Engine& e = app_.engine;
    if (e.AnswerShowSeconds > 0)
        --e.AnswerShowSeconds;
    TidLabel->setText(QString::number(e.AnswerShowSeconds));
}

void TStallin::JaNejButton1Click() { toggle(JaNejButton1, app_.engine.PictureMode); }
void TStallin::JaNejButton2Click() { toggle(JaNejButton2, app_.engine.SoundMode); }

void TStallin::SparaClick()
{
    // A failed write is told by the engine; the values stay in effect for this run.
    app_.engine.WriteSettingsIni();
    accept();
}

TNLOS::TNLOS(AppContext& app, For who, std::string current)
    : QDialog(nullptr), app_(app), who_(who), password_(std::move(current))
{
    setWindowTitle(QStringLiteral("Nytt lösenord"));
    new MessageBoxType(this, app.engine.ScaleFactor);
    resize(440, 160);
    Label1 = ui::makeLabel(this, QStringLiteral("Skriv nytt lösord. Tryck Enter."), ui::programFamily(), 17, true, Qt::black);
    Label1->setGeometry(15, 10, 410, 26);
    Label2 = ui::makeLabel(this, QStringLiteral("Skriv ditt lösenord en gång till."), ui::programFamily(), 15, false,
                           ui::colour::Maroon);
    Label2->setGeometry(15, 38, 410, 22);
    Label2->hide();
    maskedit1 = new QLineEdit(this);
    maskedit1->setEchoMode(QLineEdit::Password);
    maskedit1->setFont(ui::programFont(18));
    maskedit1->setGeometry(15, 66, 260, 34);
    maskedit1->installEventFilter(this);
    AvbrytButton = new QPushButton(QStringLiteral("&Avbryt"), this);
    AvbrytButton->setFont(ui::programFont(17));
    AvbrytButton->setGeometry(300, 112, 125, 34);
    AvbrytButton->setAutoDefault(false);
    connect(AvbrytButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(maskedit1, &QLineEdit::textChanged, this, [this] {
        if (PromptState == 2) {
            PromptState = 1;
            prompt(QStringLiteral("Skriv lösenordet en gång till!"));
            Label2->hide();
        }
    });
    FirstEntry.clear();
    ui::scaleBy(this, app.engine.ScaleFactor);
    maskedit1->setFocus();
}

void TNLOS::prompt(const QString& text)
{
    Label1->setText(text);
    const int scale = app_.engine.ScaleFactor > 0 ? app_.engine.ScaleFactor : 100;
    Label1->move(15 * scale / 100, Label1->y()); // where it stood when the dialog was scaled
}

bool TNLOS::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == maskedit1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            enterPressed();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TNLOS::refuse(const QString& text)
{
    const QSignalBlocker quiet(maskedit1);
    maskedit1->clear();
    prompt(text);
    PromptState = 2;
}

void TNLOS::enterPressed()
{
    const QString typed = maskedit1->text();
    // A password is kept in code page 1252 and typed at a login that takes 10
    // characters: one that could not be typed there again is never accepted.
    if (const auto outside = characterOutsideCp1252(typed)) {
        refuse(QStringLiteral("Tecknet \"") + *outside + QStringLiteral("\" går inte att använda!"));
        return;
    }
    if (typed.size() > PasswordLength) {
        refuse(QStringLiteral("Högst %1 tecken, tack!").arg(PasswordLength));
        return;
    }
    const std::string T = toCp1252(typed);
    auto clearField = [&] {
        const QSignalBlocker quiet(maskedit1);
        maskedit1->clear();
    };
    if (T == password_) {
        clearField();
        prompt(QStringLiteral("Det gamla lösenordet gäller inte!"));
        Label2->show();
        PromptState = 2;
        return;
    }
    if (T != FirstEntry || T.empty()) {
        if (T.empty()) {
            prompt(QStringLiteral("Det riktiga lösenordet, tack!"));
            PromptState = 2;
        } else if (!FirstEntry.empty()) {
            prompt(QStringLiteral("Samma lösenord, tack!"));
            Label2->show();
            clearField();
            PromptState = 2;
        } else {
            FirstEntry = T;
            prompt(QStringLiteral("Skriv lösenordet en gång till!"));
            Label2->hide();
            clearField();
        }
        return;
    }
    changed_ = true;
    password_ = T;
    accept();
}

} // namespace lingvaro
