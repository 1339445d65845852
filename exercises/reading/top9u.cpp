#include "exercises/reading/top9u.h"

#include "engine/engine.h"
#include "ui/context.h"
#include "ui/palette.h"
#include "ui/platform.h"
#include "ui/widgets.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

namespace lingvaro {

namespace {

namespace colour = ui::colour;

constexpr int CardWidth = 660;
constexpr int CardHeight = 470;

} // namespace

std::array<int, 9> top9::regroupOrder(int group)
{
    // Slots 1..9 take F3 F4 F9 F1 F5 F7 F2 F6 F8 after a 1, and so on: each
    // group of three gets one name of the chosen group first.
    static const int table[3][9] = {{3, 4, 9, 1, 5, 7, 2, 6, 8},
                                    {6, 3, 7, 4, 1, 9, 5, 2, 8},
                                    {7, 2, 6, 9, 4, 1, 8, 5, 3}};
    std::array<int, 9> order{};
    const int g = std::clamp(group, 1, 3) - 1;
    for (int s = 0; s < 9; ++s)
        order[std::size_t(s)] = table[g][s] - 1;
    return order;
}

Ttop9::Ttop9(AppContext& app) : QDialog(nullptr), app_(app)
{
    setObjectName(QStringLiteral("Ttop9"));
    setWindowTitle(QStringLiteral("Topp9"));
    setWindowFlag(Qt::FramelessWindowHint);
    setFont(ui::programFont(px(18)));
    const QSize screen = app.platform.screenSize();
    resize(screen);
    setAutoFillBackground(true);
    {
        QPalette p = palette();
        p.setColor(QPalette::Window, colour::Purple);
        setPalette(p);
    }

    IntroPanel = card({QStringLiteral("¡Hola!"), QStringLiteral("Mi nombre es Veka."),
                       QStringLiteral("Me gustan los experimentos mágicos."),
                       QStringLiteral("Dentro de poco vamos a hacer uno."),
                       QStringLiteral("Por favor, di tu verdadero nombre."), QString(), QStringLiteral("Tu nombre es:")});
    NameEdit = new QLineEdit(IntroPanel);
    NameEdit->setMaxLength(30);
    NameEdit->setFont(ui::programFont(px(22)));
    connect(NameEdit, &QLineEdit::returnPressed, this, &Ttop9::nameEntered);

    SexPanel = card({QStringLiteral("Ahora estoy un poco avergonzado."),
                     QStringLiteral("No soy muy bueno en lo referente a nombres,"),
                     QStringLiteral("así que me tienes que decir si eres chico o chica."), QString(),
                     QStringLiteral("Aprieta O si eres chico"), QStringLiteral("Aprieta A si eres chica")});

    // One sentence over two lines: no heading line.
    ListPanel = card({QStringLiteral("Ahora escribe los nueve nombres de"), QStringLiteral("que más te gustan."),
                      QStringLiteral("Aprieta Enter después de cada nombre.")},
                     false);
    ListLine2 = ListPanel->findChild<QLabel*>(QStringLiteral("line2"));
    SiguienteButton = new QPushButton(QStringLiteral("La &siguiente"), ListPanel);
    connect(SiguienteButton, &QPushButton::clicked, this, &Ttop9::SiguienteClick);

    EntryPanel = card({QString()});
    EntryHeading = EntryPanel->findChild<QLabel*>(QStringLiteral("line1"));
    for (int i = 0; i < 9; ++i) {
        auto* number = ui::makeLabel(EntryPanel, QStringLiteral("%1.").arg(i + 1), ui::programFamily(), px(20), true,
                                     colour::Maroon);
        number->setGeometry(px(40), px(70) + i * px(38), px(36), px(34));
        EntryLabels[std::size_t(i)] = ui::makeLabel(EntryPanel, {}, ui::programFamily(), px(20), true, colour::Navy);
        EntryLabels[std::size_t(i)]->setGeometry(px(80), px(70) + i * px(38), px(360), px(34));
    }
    FavouriteEdit = new QLineEdit(EntryPanel);
    FavouriteEdit->setMaxLength(30);
    FavouriteEdit->setFont(ui::programFont(px(20)));
    connect(FavouriteEdit, &QLineEdit::returnPressed, this, &Ttop9::favouriteEntered);

    GroupPanel = card({QStringLiteral("¿En qué grupo está tu nombre favorito?"), QStringLiteral("Aprieta 1, 2 o 3.")});
    // The second question looks like the first: a line says the groups are new.
    RoundLabel = ui::makeLabel(GroupPanel, QStringLiteral("Los nombres han cambiado de grupo."), ui::programFamily(),
                               px(19), true, colour::Green);
    RoundLabel->setObjectName(QStringLiteral("RoundLabel"));
    RoundLabel->adjustSize();
    RoundLabel->move(px(30), px(90));
    RoundLabel->hide();
    const int groupWidth = (px(CardWidth) - px(80)) / 3;
    for (int g = 0; g < 3; ++g) {
        QFrame* group = ui::makePanel(GroupPanel, colour::Yellow, 2);
        group->setGeometry(px(20) + g * (groupWidth + px(20)), px(130), groupWidth, px(230));
        group->setCursor(Qt::PointingHandCursor);
        group->installEventFilter(this);
        auto* number = ui::makeLabel(group, QString::number(g + 1), ui::programFamily(), px(28), true, colour::Maroon);
        number->setAlignment(Qt::AlignCenter);
        number->setGeometry(0, px(8), groupWidth, px(40));
        number->setAttribute(Qt::WA_TransparentForMouseEvents);
        for (int i = 0; i < 3; ++i) {
            QLabel* l = ui::makeLabel(group, {}, ui::programFamily(), px(20), true, colour::Navy);
            l->setAlignment(Qt::AlignCenter);
            l->setGeometry(px(4), px(60) + i * px(52), groupWidth - px(8), px(40));
            l->setAttribute(Qt::WA_TransparentForMouseEvents);
            GroupLabels[std::size_t(g * 3 + i)] = l;
        }
        Groups[std::size_t(g)] = group;
    }

    FinalPanel = new QFrame(this);
    FinalPanel->setGeometry(0, 0, screen.width(), screen.height());
    Picture = new QLabel(FinalPanel);
    Picture->setGeometry(FinalPanel->rect());
    if (auto file = app.engine.findContentFile(QStringLiteral("\\BILD\\TOP9.BMP")))
        Picture->setPixmap(ui::coverPicture(ui::loadPicture(*file), FinalPanel->size()));
    NameLabel = ui::makeLabel(FinalPanel, {}, ui::programFamily(), px(26), true, colour::Yellow);
    GuessLabel = ui::makeLabel(FinalPanel, {}, ui::programFamily(), px(44), true, colour::White);
    FinalCierra = new QPushButton(QStringLiteral("&Cierra"), FinalPanel);
    FinalCierra->setFont(ui::programFont(px(18)));
    connect(FinalCierra, &QPushButton::clicked, this, &QDialog::accept);
    FinalPanel->hide();

    for (QPushButton* b : findChildren<QPushButton*>())
        b->setAutoDefault(false);
    showPanel(IntroPanel);
}

int Ttop9::px(int v) const { return v * std::max<int>(1, app_.engine.ScaleFactor) / 100; }

// A card in the middle of the window: its lines from the top, and "&Cierra"
// at its bottom right.
QFrame* Ttop9::card(const QStringList& lines, bool title)
{
    const QSize screen = app_.platform.screenSize();
    const int w = std::min(px(CardWidth), screen.width() - 20), h = std::min(px(CardHeight), screen.height() - 20);
    QFrame* panel = ui::makePanel(this, colour::Cream, 3);
    panel->setGeometry((screen.width() - w) / 2, (screen.height() - h) / 2, w, h);
    int y = px(24);
    for (int i = 0; i < lines.size(); ++i) {
        const bool heading = title && i == 0;
        QLabel* l = ui::makeLabel(panel, lines[i], ui::programFamily(), px(heading ? 24 : 21), true,
                                  heading ? colour::Maroon : colour::Navy);
        l->setObjectName(QStringLiteral("line%1").arg(i + 1));
        l->setGeometry(px(30), y, w - px(60), QFontMetrics(l->font()).height());
        y += l->height() + px(8);
    }
    auto* close = new QPushButton(QStringLiteral("&Cierra"), panel);
    close->setFont(ui::programFont(px(18)));
    close->setGeometry(w - px(160), h - px(56), px(140), px(40));
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    panel->hide();
    return panel;
}

void Ttop9::showPanel(QFrame* panel)
{
    for (QFrame* p : {IntroPanel, SexPanel, ListPanel, EntryPanel, GroupPanel, FinalPanel})
        p->setVisible(p == panel);
    panel->raise();
    const int bottom = panel->height() - px(56);
    if (panel == IntroPanel) {
        auto* last = IntroPanel->findChild<QLabel*>(QStringLiteral("line7"));
        NameEdit->setGeometry(px(30), last->geometry().bottom() + px(10), px(320), px(40));
        NameEdit->setFocus();
    } else if (panel == ListPanel) {
        SiguienteButton->setGeometry(px(30), bottom, px(200), px(40));
        SiguienteButton->setFocus();
    } else if (panel == EntryPanel) {
        FavouriteEdit->setFocus();
    } else if (panel == FinalPanel) {
        FinalCierra->setFocus();
    } else {
        // The keys O/A and 1-3 go to the window.
        setFocus();
    }
}

QWidget* Ttop9::shownPanel() const
{
    for (QFrame* p : {IntroPanel, SexPanel, ListPanel, EntryPanel, GroupPanel, FinalPanel})
        if (!p->isHidden())
            return p;
    return nullptr;
}

void Ttop9::nameEntered()
{
    const QString name = NameEdit->text().trimmed();
    if (name.isEmpty())
        return;
    name_ = name;
    showPanel(SexPanel);
}

void Ttop9::chooseSex(QChar key)
{
    if (shownPanel() != SexPanel)
        return;
    if (key == u'O' || key == u'o' || key == u'0')
        groupWord_ = QStringLiteral("chicas");
    else if (key == u'A' || key == u'a')
        groupWord_ = QStringLiteral("chicos");
    else
        return;
    ListLine2->setText(groupWord_ + QStringLiteral(" que más te gustan."));
    showPanel(ListPanel);
}

void Ttop9::SiguienteClick()
{
    EntryHeading->setText(QStringLiteral("Mis nueve ") + groupWord_
                          + (groupWord_ == QStringLiteral("chicas") ? QStringLiteral(" favoritas son")
                                                                    : QStringLiteral(" favoritos son")));
    for (QLabel* l : EntryLabels)
        l->clear();
    entered_ = 0;
    FavouriteEdit->clear();
    FavouriteEdit->setGeometry(EntryLabels[0]->geometry().adjusted(0, -px(2), 0, px(2)));
    showPanel(EntryPanel);
}

void Ttop9::favouriteEntered()
{
    const QString name = FavouriteEdit->text().trimmed();
    if (name.isEmpty() || entered_ >= 9)
        return;
    places_[std::size_t(entered_)] = name;
    EntryLabels[std::size_t(entered_)]->setText(name);
    ++entered_;
    FavouriteEdit->clear();
    if (entered_ < 9) {
        // The box moves down to the next name's row.
        FavouriteEdit->setGeometry(EntryLabels[std::size_t(entered_)]->geometry().adjusted(0, -px(2), 0, px(2)));
        return;
    }
    // The names are dealt into the groups in an order of the window's own.
    const std::vector<int> order = app_.engine.shuffledOrder(9);
    std::array<QString, 9> dealt;
    for (int s = 0; s < 9; ++s)
        dealt[std::size_t(s)] = places_[std::size_t(order[std::size_t(s)] - 1)];
    places_ = dealt;
    round_ = 1;
    showGroups();
    showPanel(GroupPanel);
}

void Ttop9::showGroups()
{
    for (int s = 0; s < 9; ++s)
        GroupLabels[std::size_t(s)]->setText(places_[std::size_t(s)]);
}

void Ttop9::groupChosen(int group)
{
    if (shownPanel() != GroupPanel || group < 1 || group > 3)
        return;
    if (round_ == 1) {
        const std::array<int, 9> order = top9::regroupOrder(group);
        std::array<QString, 9> dealt;
        for (int s = 0; s < 9; ++s)
            dealt[std::size_t(s)] = places_[std::size_t(order[std::size_t(s)])];
        places_ = dealt;
        round_ = 2;
        RoundLabel->show();
        showGroups();
        return;
    }
    guessed_ = places_[std::size_t(top9::guessedSlot(group))];
    round_ = 3;
    // The names at the picture's right edge, "&Cierra" under them.
    const QSize screen = app_.platform.screenSize();
    const int margin = px(30);
    NameLabel->setText(name_ + QStringLiteral(",\ntu nombre favorito es"));
    NameLabel->setAlignment(Qt::AlignRight);
    GuessLabel->setText(QStringLiteral("¡") + guessed_ + QStringLiteral("!"));
    NameLabel->adjustSize();
    GuessLabel->adjustSize();
    FinalCierra->setGeometry(screen.width() - margin - px(140), screen.height() - margin - px(40), px(140), px(40));
    GuessLabel->move(screen.width() - margin - GuessLabel->width(), FinalCierra->y() - px(20) - GuessLabel->height());
    NameLabel->move(screen.width() - margin - NameLabel->width(), GuessLabel->y() - px(6) - NameLabel->height());
    showPanel(FinalPanel);
}

void Ttop9::keyPressEvent(QKeyEvent* event)
{
    const QString text = event->text();
    if (shownPanel() == SexPanel && text.size() == 1) {
        chooseSex(text[0]);
        event->accept();
        return;
    }
    // The card before the names has told the pupil to press Enter after each
    // name: Enter there goes on as "La siguiente" does.
    if (shownPanel() == ListPanel && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        SiguienteClick();
        event->accept();
        return;
    }
    if (shownPanel() == GroupPanel && text.size() == 1 && text[0] >= u'1' && text[0] <= u'3') {
        groupChosen(text[0].digitValue());
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool Ttop9::eventFilter(QObject* watched, QEvent* event)
{
    // A click on a group answers as its number does.
    if (event->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        for (int g = 0; g < 3; ++g)
            if (watched == Groups[std::size_t(g)]) {
                groupChosen(g + 1);
                return true;
            }
    return QDialog::eventFilter(watched, event);
}

} // namespace lingvaro
