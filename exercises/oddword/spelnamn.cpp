#include "exercises/oddword/spelnamn.h"

#include "engine/cp1252.h"
#include "engine/engine.h"
#include "ui/context.h"
#include "ui/palette.h"
#include "ui/platform.h"
#include "ui/widgets.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

namespace lingvaro {
namespace colour = ui::colour;

namespace {

constexpr int Width = 540, Height = 330;

void colourChoice(QPushButton* b, bool chosen)
{
    b->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; color: #000080; border: 2px outset #c0c0c0; }")
                         .arg(chosen ? QStringLiteral("#00ffff") : QStringLiteral("#ffffff")));
}

QString nameOf(const std::string& cp1252) { return fromCp1252(cp1252).left(TSpelNam::NameLength); }

} // namespace

TSpelNam::TSpelNam(AppContext& app) : QDialog(nullptr), app_(app)
{
    Engine& e = app.engine;
    setObjectName(QStringLiteral("TSpelNam"));
    setWindowTitle(QStringLiteral("Vem eller vilka ska spela?"));
    setWindowFlag(Qt::FramelessWindowHint);
    resize(Width, Height);
    auto* panel = ui::makePanel(this, colour::Navy, 3);
    panel->setGeometry(0, 0, Width, Height);
    RubrikLabel = ui::makeLabel(panel, QStringLiteral("¿Cuántos jugadores?"), 24, true, colour::Yellow);
    RubrikLabel->setAlignment(Qt::AlignCenter);
    RubrikLabel->setGeometry(0, 12, Width, 32);
    const char* captions[] = {"&Un jugador", "&Dos jugadores", "&Tres jugadores"};
    for (int i = 0; i < 3; ++i) {
        Antal[std::size_t(i)] = new QPushButton(QString::fromUtf8(captions[i]), panel);
        Antal[std::size_t(i)]->setGeometry(16 + i * 172, 56, 164, 36);
        Antal[std::size_t(i)]->setFont(ui::programFont(17));
        Antal[std::size_t(i)]->setAutoDefault(false);
        colourChoice(Antal[std::size_t(i)], false);
        connect(Antal[std::size_t(i)], &QPushButton::clicked, this, [this, i] { chooseCount(i + 1); });
    }
    PromptLabel = ui::makeLabel(panel, {}, 17, true, colour::White);
    PromptLabel->setGeometry(16, 104, Width - 32, 26);
    const std::array<std::string, 3> names = {e.PupilName, e.PlayerName2, e.PlayerName3};
    for (int i = 0; i < 3; ++i) {
        QLineEdit* field = new QLineEdit(panel);
        field->setMaxLength(NameLength);
        field->setFont(ui::programFont(18));
        field->setGeometry(16, 138 + i * 42, 260, 32);
        field->setText(nameOf(names[std::size_t(i)]));
        field->installEventFilter(this);
        field->hide();
        Namn[std::size_t(i)] = field;
        QLabel* error = ui::makeLabel(panel, QStringLiteral("Eso no era ningún nombre."), 16, true, colour::Yellow);
        error->setGeometry(288, 142 + i * 42, Width - 300, 24);
        error->hide();
        Fel[std::size_t(i)] = error;
        connect(field, &QLineEdit::textEdited, this, [this, i] {
            // Typing in a field takes back what was said of it and of the fields after it.
            for (int j = i; j < 3; ++j)
                Fel[std::size_t(j)]->hide();
            namesKnown_ = false;
        });
    }
    EscapeLabel = ui::makeLabel(panel, QStringLiteral("Puedes salir con la tecla de Escape."), 16, true, colour::Aqua);
    EscapeLabel->setGeometry(16, 270, 340, 24);
    EscapeLabel->hide();
    ParaButton = new QPushButton(QStringLiteral("&Para"), panel);
    ParaButton->setGeometry(Width - 156, Height - 58, 140, 38);
    ParaButton->setFont(ui::programFont(17));
    ParaButton->setAutoDefault(false);
    connect(ParaButton, &QPushButton::clicked, this, &TSpelNam::ParaClick);

    e.PlayersCancelled = false;
    if (e.PlayerCount >= 1 && e.PlayerCount <= 3) {
        // The players of the last game again, ready to go with one Enter.
        chooseCount(e.PlayerCount);
        namesKnown_ = true;
    } else {
        Antal[0]->setFocus();
    }
    const QSize screen = app.platform.screenSize();
    ui::scaleBy(this, std::min({int(app.engine.ScaleFactor), screen.width() * 100 / Width, screen.height() * 100 / Height}));
    move((screen.width() - width()) / 2, (screen.height() - height()) / 2);
}

void TSpelNam::chooseCount(int players)
{
    static const char* const prompts[] = {"Escribe tu nombre.", "Escribid vuestros nombres y pulsad Enter.",
                                          "Escribid vuestros nombres."};
    shown_ = std::clamp(players, 1, 3);
    for (int i = 0; i < 3; ++i) {
        const bool chosen = i + 1 == shown_;
        colourChoice(Antal[std::size_t(i)], chosen);
        Antal[std::size_t(i)]->setEnabled(!chosen);
        Namn[std::size_t(i)]->setVisible(i < shown_);
        Namn[std::size_t(i)]->setEnabled(i < shown_);
        if (i >= shown_)
            Fel[std::size_t(i)]->hide();
    }
    PromptLabel->setText(QString::fromUtf8(prompts[shown_ - 1]));
    namesKnown_ = false;
    Namn[0]->setFocus();
    Namn[0]->selectAll();
}

void TSpelNam::nameEntered(int field)
{
    if (field < 3 && field < shown_ && !namesKnown_) {
        Namn[std::size_t(field)]->setFocus();
        Namn[std::size_t(field)]->selectAll();
        return;
    }
    testNames();
}

bool TSpelNam::testNames()
{
    if (shown_ == 0)
        return false; // no count chosen yet: nothing to test
    bool allNamed = true;
    for (int i = 0; i < shown_; ++i) {
        const bool empty = Namn[std::size_t(i)]->text().trimmed().isEmpty();
        Fel[std::size_t(i)]->setVisible(empty);
        allNamed = allNamed && !empty;
    }
    if (!allNamed) {
        // The pupil is taken to the first field that still wants a name.
        for (int i = 0; i < shown_; ++i) {
            if (Fel[std::size_t(i)]->isVisibleTo(this)) {
                Namn[std::size_t(i)]->setFocus();
                Namn[std::size_t(i)]->selectAll();
                break;
            }
        }
        if (++failures_ >= 4) {
            setWindowTitle(EscapeLabel->text());
            EscapeLabel->show();
        }
        return false;
    }
    Engine& e = app_.engine;
    std::string* targets[] = {&e.PupilName, &e.PlayerName2, &e.PlayerName3};
    for (int i = 0; i < shown_; ++i)
        *targets[i] = cut(toCp1252(Namn[std::size_t(i)]->text().simplified()), 20);
    e.PlayerCount = shown_;
    e.PlayersCancelled = false;
    accept();
    return true;
}

void TSpelNam::ParaClick()
{
    app_.engine.PlayersCancelled = true;
    reject();
}

bool TSpelNam::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        for (int i = 0; i < 3; ++i) {
            if (watched == Namn[std::size_t(i)] && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
                nameEntered(i + 1);
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TSpelNam::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        ParaClick();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Enter on the window itself (a choice button, the background) tests
        // the names, and does nothing before a count is chosen.
        if (focusWidget() == ParaButton)
            ParaClick();
        else
            testNames();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

} // namespace lingvaro
