#include "dialogs/stallin.h"

#include "engine/cp1252.h"
#include "engine/engine.h"
#include "ui/context.h"
#include "ui/platform.h"
#include "ui/widgets.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace lingvaro {

TStallin::TStallin(AppContext& app) : QDialog(nullptr), app_(app)
{
    Engine& e = app.engine;
    setWindowTitle(QStringLiteral("Inställningar"));
    const int L = e.LetterWidth;
    const int W = 560, H = 330;
    resize(W, H);
    YtterPanel = ui::makePanel(this, QColor(0, 0, 128), 2);
    YtterPanel->setGeometry(L, L, W - 2 * L, H - 2 * L);
    InnerPanel = ui::makePanel(YtterPanel, QColor(240, 240, 240), 2);
    InnerPanel->setGeometry(L, L, YtterPanel->width() - 2 * L, YtterPanel->height() - 2 * L);
    const int iw = InnerPanel->width();

    auto* heading = ui::makePanel(InnerPanel, QColor(128, 0, 0), 1);
    heading->setGeometry(10, 10, iw - 20, 40);
    auto* headingText = ui::makeLabel(heading, QStringLiteral("Inställningar"), QStringLiteral("Arial"), 24, true, Qt::white);
    headingText->setAlignment(Qt::AlignCenter);
    headingText->setGeometry(0, 0, iw - 20, 40);

    auto label = [&](const QString& text, int y) {
        auto* l = ui::makeLabel(InnerPanel, text, QStringLiteral("Arial"), 16, false, Qt::black);
        l->setGeometry(16, y, 330, 26);
        return l;
    };
    label(QStringLiteral("Antal sekunder som rätt svar visas:"), 66);
    TidLabel = ui::makeLabel(InnerPanel, {}, QStringLiteral("Arial"), 20, true, Qt::black);
    TidLabel->setGeometry(350, 64, 30, 30);
    SpinButton1 = new ui::SpinButton(InnerPanel);
    SpinButton1->setGeometry(385, 60, 22, 38);
    auto* note = ui::makeLabel(InnerPanel,
                               QStringLiteral("(Visningen av rätt svar kan alltid brytas\nmed tryck på mellanslagstangenten)"),
                               QStringLiteral("Arial"), 13, false, QColor(64, 64, 64));
    note->setGeometry(16, 96, 400, 40);
    label(QStringLiteral("Spanska bilder visas efter övningarna:"), 146);
    JaNejButton1 = new QPushButton(InnerPanel);
    JaNejButton1->setGeometry(350, 144, 70, 28);
    label(QStringLiteral("Intalat ljud till vissa övningar :"), 186);
    JaNejButton2 = new QPushButton(InnerPanel);
    JaNejButton2->setGeometry(350, 184, 70, 28);
    SparaButton = new QPushButton(QStringLiteral("&Spara"), InnerPanel);
    SparaButton->setGeometry(iw / 2 - 130, InnerPanel->height() - 44, 120, 32);
    AvbrytButton = new QPushButton(QStringLiteral("&Avbryt"), InnerPanel);
    AvbrytButton->setGeometry(iw / 2 + 10, InnerPanel->height() - 44, 120, 32);

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
    // A failure to write is not reported: the values stay in effect for this run.
    app_.engine.WriteSettingsIni();
    accept();
}

TNLOS::TNLOS(AppContext& app) : QDialog(nullptr), app_(app)
{
    setWindowTitle(QStringLiteral("Nytt lösenord"));
    resize(420, 150);
    Label1 = ui::makeLabel(this, QStringLiteral("Skriv nytt lösord. Tryck Enter."), QStringLiteral("Arial"), 16, true, Qt::black);
    Label1->setGeometry(15, 10, 390, 24);
    Label2 = ui::makeLabel(this, QStringLiteral("Skriv ditt lösenord en gång till."), QStringLiteral("Arial"), 14, false,
                           QColor(128, 0, 0));
    Label2->setGeometry(15, 36, 390, 22);
    Label2->hide();
    maskedit1 = new QLineEdit(this);
    maskedit1->setEchoMode(QLineEdit::Password);
    maskedit1->setGeometry(15, 64, 250, 28);
    maskedit1->installEventFilter(this);
    AvbrytButton = new QPushButton(QStringLiteral("&Avbryt"), this);
    AvbrytButton->setGeometry(290, 104, 110, 30);
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
    Label1->move(15, Label1->y());
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

void TNLOS::enterPressed()
{
    Engine& e = app_.engine;
    const std::string T = toCp1252(maskedit1->text());
    std::string& target = e.TeacherPasswordMode ? e.TeacherPassword : e.Password;
    auto clearField = [&] {
        const QSignalBlocker quiet(maskedit1);
        maskedit1->clear();
    };
    if (T == target) {
        clearField();
        prompt(QStringLiteral("Det gamla lösenordet gäller inte!"));
        Label2->show();
        PromptState = 2;
        return;
    }
    // A password beginning with ")" would be read back as a scrambled line, and
    // a teacher could then never log in with it.
    const bool unreadable = e.TeacherPasswordMode && !T.empty() && T[0] == ')';
    if (T != FirstEntry || T.empty() || unreadable) {
        if (T.empty() || unreadable) {
            if (unreadable)
                clearField();
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
    e.PasswordChanged = true;
    target = e.TeacherPasswordMode ? T : cut(T, 10);
    accept();
}

} // namespace lingvaro
