#include "shell/infowindows.h"

#include "engine/engine.h"
#include "ui/context.h"
#include "ui/palette.h"
#include "ui/platform.h"
#include "ui/widgets.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

namespace lingvaro {
namespace {

namespace colour = ui::colour;

// A window of the picture on the left and the fact lines beside it, laid out
// for a screen of 600 lines; the caller scales it (fittingScale) and then puts
// the picture in. Each fact is an item of its own, so that a fact that wraps
// does not read as two.
constexpr int FactWindowWidth = 760;
constexpr int FactWindowHeight = 420;
constexpr int ButtonTop = 366;

QLabel* factWindow(QDialog* w, const QString& title, const QStringList& facts)
{
    w->setWindowTitle(title);
    w->setWindowFlag(Qt::FramelessWindowHint);
    w->resize(FactWindowWidth, FactWindowHeight);
    auto* panel = ui::makePanel(w, colour::Navy, 3);
    panel->setGeometry(0, 0, FactWindowWidth, FactWindowHeight);
    auto* heading = ui::makeLabel(panel, title, 26, true, colour::Yellow);
    heading->setGeometry(20, 12, FactWindowWidth - 40, 36);
    auto* image = new QLabel(panel);
    image->setGeometry(20, 60, 320, 290);
    QString items;
    for (const QString& fact : facts)
        items += QStringLiteral("<li>") + fact.toHtmlEscaped() + QStringLiteral("</li>");
    auto* text = ui::makeLabel(panel, QStringLiteral("<ul style=\"-qt-list-indent: 1;\">") + items + QStringLiteral("</ul>"),
                               16, false, colour::White);
    text->setTextFormat(Qt::RichText);
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    text->setGeometry(350, 56, FactWindowWidth - 370, ButtonTop - 66);
    return image;
}

// The program's scale, or less where the window would not fit the screen
// (a 5:4 screen is narrower for its height than the scale allows for).
int fittingScale(AppContext& app)
{
    const QSize screen = app.platform.screenSize();
    return std::min({int(app.engine.ScaleFactor), screen.width() * 100 / FactWindowWidth,
                     screen.height() * 100 / FactWindowHeight});
}

// The picture at the size it is shown, in proportion.
void putPicture(QLabel* image, AppContext& app, const QString& file)
{
    if (auto found = app.engine.findContentFile(file))
        ui::showPicture(image, ui::loadPicture(*found));
}

QPushButton* button(QDialog* w, const QString& caption, int x)
{
    auto* b = new QPushButton(caption, w);
    b->setFont(ui::readingFont());
    b->setGeometry(x, ButtonTop, 200, 36);
    b->setAutoDefault(false);
    return b;
}

} // namespace

TKarta::TKarta(AppContext& app) : QDialog(nullptr)
{
    setObjectName(QStringLiteral("TKarta"));
    Picture = factWindow(this, QStringLiteral("Spaniens karta"),
                         {QStringLiteral("Kungariket Spanien har ca 39 milj invånare."),
                          QStringLiteral("Landet är något större än Sverige."),
                          QStringLiteral("Huvudstaden Madrid har ca 3 milj invånare."),
                          QStringLiteral("Spanska, katalanska, galiciska och baskiska erkänns som ’nationalspråk’."),
                          QStringLiteral("Religionen är romersk katolisism."),
                          QStringLiteral("Valuta sedan 1/2 2002 : Euro"),
                          QStringLiteral("Äldre valuta: 1 peseta=100 céntimos.")});
    AvbrytButton = button(this, QStringLiteral("&Avbryt"), FactWindowWidth - 220);
    connect(AvbrytButton, &QPushButton::clicked, this, &QDialog::reject);
    ui::scaleBy(this, fittingScale(app));
    putPicture(Picture, app, QStringLiteral("\\BILD\\KARTA.BMP"));
}

TFlagga::TFlagga(AppContext& app) : QDialog(nullptr), app_(app)
{
    setObjectName(QStringLiteral("TFlagga"));
    Picture = factWindow(this, QStringLiteral("Spaniens flagga och nationalsång"),
                         {QStringLiteral("Färgerna rött och gult valdes som Spaniens färger 1785."),
                          QStringLiteral("Dessa färger finns i riksvapnet."),
                          QStringLiteral("Nuvarande nationalflagga godkändes 1936."),
                          QStringLiteral("Nationalitetsbokstav på bilar är E."),
                          QStringLiteral("Nationaldag 12 oktober."),
                          QStringLiteral("Nationalsång: Marcha granadera   (Marcha real)"),
                          // One sentence, written over two lines: one fact.
                          QStringLiteral("Det finns ett par texter, men ingen av dem är officiellt")
                              + u' ' + QStringLiteral("godkänd. Sången sjungs i regel inte.")});
    SpelaUppButton = button(this, QStringLiteral("&Spela upp"), FactWindowWidth - 440);
    AvbrytUppspelningButton = button(this, QStringLiteral("A&vbryt Uppspelning"), FactWindowWidth - 440);
    AvbrytUppspelningButton->hide();
    AvbrytButton = button(this, QStringLiteral("&Avbryt"), FactWindowWidth - 220);
    connect(SpelaUppButton, &QPushButton::clicked, this, &TFlagga::SpelaUppClick);
    connect(AvbrytUppspelningButton, &QPushButton::clicked, this, &TFlagga::AvbrytUppspelningClick);
    connect(AvbrytButton, &QPushButton::clicked, this, &QDialog::reject);
    SoundWatch = new QTimer(this);
    SoundWatch->setInterval(250);
    connect(SoundWatch, &QTimer::timeout, this, [this] {
        if (!app_.platform.isPlaying())
            showPlayButton(true);
    });
    ui::scaleBy(this, fittingScale(app));
    putPicture(Picture, app, QStringLiteral("\\BILD\\FLAGGA.BMP"));
}

void TFlagga::SpelaUppClick()
{
    Engine& e = app_.engine;
    // The anthem lies directly in LJUD; a listening exercise earlier in the run
    // leaves its own sound folder set, where the anthem would not be found.
    e.SoundSubdir.clear();
    e.SpelaUppWavLjud("SPANIEN.WAV");
    // A sound that could not be played has been reported; "&Spela upp" stays.
    if (app_.platform.isPlaying())
        showPlayButton(false);
}

void TFlagga::AvbrytUppspelningClick()
{
    app_.platform.stop();
    showPlayButton(true);
}

void TFlagga::showPlayButton(bool play)
{
    SpelaUppButton->setVisible(play);
    AvbrytUppspelningButton->setVisible(!play);
    if (play)
        SoundWatch->stop();
    else
        SoundWatch->start();
}

void TFlagga::done(int result)
{
    SoundWatch->stop();
    app_.platform.stop();
    QDialog::done(result);
}

} // namespace lingvaro
