#include "shell/infowindows.h"

#include "engine/engine.h"
#include "ui/context.h"
#include "ui/platform.h"
#include "ui/widgets.h"

#include <QLabel>
#include <QPushButton>

namespace lingvaro {
namespace {

// A window of the picture on the left and the fact lines beside it.
QLabel* factWindow(QDialog* w, AppContext& app, const QString& title, const QString& picture, const QStringList& facts)
{
    Engine& e = app.engine;
    w->setWindowTitle(title);
    w->setWindowFlag(Qt::FramelessWindowHint);
    w->resize(900, 440);
    auto* panel = ui::makePanel(w, QColor(0, 0, 128), 3);
    panel->setGeometry(0, 0, 900, 440);
    auto* heading = ui::makeLabel(panel, title, QStringLiteral("Arial"), 26, true, QColor(255, 255, 0));
    heading->setGeometry(20, 12, 860, 36);
    auto* image = new QLabel(panel);
    image->setGeometry(20, 60, 400, 300);
    image->setScaledContents(true);
    if (auto file = e.findContentFile(picture))
        image->setPixmap(ui::loadPicture(*file));
    auto* text = ui::makeLabel(panel, facts.join(u'\n'), QStringLiteral("Arial"), 16, false, Qt::white);
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    text->setGeometry(440, 60, 440, 300);
    return image;
}

QPushButton* button(QDialog* w, const QString& caption, int x)
{
    auto* b = new QPushButton(caption, w);
    b->setGeometry(x, 384, 200, 36);
    b->setAutoDefault(false);
    return b;
}

} // namespace

TKarta::TKarta(AppContext& app) : QDialog(nullptr)
{
    setObjectName(QStringLiteral("TKarta"));
    Picture = factWindow(this, app, QStringLiteral("Spaniens karta"), QStringLiteral("\\BILD\\KARTA.BMP"),
                         {QStringLiteral("Kungariket Spanien har ca 39 milj invånare."),
                          QStringLiteral("Landet är något större än Sverige."),
                          QStringLiteral("Huvudstaden Madrid har ca 3 milj invånare."),
                          QStringLiteral("Spanska, katalanska, galiciska och baskiska erkänns som ’nationalspråk’."),
                          QStringLiteral("Religionen är romersk katolisism."),
                          QStringLiteral("Valuta sedan 1/2 2002 : Euro"),
                          QStringLiteral("Äldre valuta: 1 peseta=100 céntimos.")});
    AvbrytButton = button(this, QStringLiteral("&Avbryt"), 680);
    connect(AvbrytButton, &QPushButton::clicked, this, &QDialog::reject);
    ui::scaleBy(this, app.engine.ScaleFactor);
}

TFlagga::TFlagga(AppContext& app) : QDialog(nullptr), app_(app)
{
    setObjectName(QStringLiteral("TFlagga"));
    Picture = factWindow(this, app, QStringLiteral("Spaniens flagga och nationalsång"), QStringLiteral("\\BILD\\FLAGGA.BMP"),
                         {QStringLiteral("Färgerna rött och gult valdes som Spaniens färger 1785."),
                          QStringLiteral("Dessa färger finns i riksvapnet."),
                          QStringLiteral("Nuvarande nationalflagga godkändes 1936."),
                          QStringLiteral("Nationalitetsbokstav på bilar är E."),
                          QStringLiteral("Nationaldag 12 oktober."),
                          QStringLiteral("Nationalsång: Marcha granadera   (Marcha real)"),
                          QStringLiteral("Det finns ett par texter, men ingen av dem är officiellt"),
                          QStringLiteral("godkänd. Sången sjungs i regel inte.")});
    SpelaUppButton = button(this, QStringLiteral("&Spela upp"), 460);
    AvbrytUppspelningButton = button(this, QStringLiteral("A&vbryt Uppspelning"), 460);
    AvbrytUppspelningButton->hide();
    AvbrytButton = button(this, QStringLiteral("&Avbryt"), 680);
    connect(SpelaUppButton, &QPushButton::clicked, this, &TFlagga::SpelaUppClick);
    connect(AvbrytUppspelningButton, &QPushButton::clicked, this, &TFlagga::AvbrytUppspelningClick);
    connect(AvbrytButton, &QPushButton::clicked, this, [this] {
        app_.platform.stop();
        reject();
    });
    ui::scaleBy(this, app.engine.ScaleFactor);
}

void TFlagga::SpelaUppClick()
{
    Engine& e = app_.engine;
    // The anthem lies directly in LJUD; a listening exercise earlier in the run
    // leaves its own sound folder set, where the anthem would not be found.
    e.SoundSubdir.clear();
    e.SpelaUppWavLjud("SPANIEN.WAV");
    SpelaUppButton->hide();
    AvbrytUppspelningButton->show();
}

void TFlagga::AvbrytUppspelningClick()
{
    app_.platform.stop();
    AvbrytUppspelningButton->hide();
    SpelaUppButton->show();
}

} // namespace lingvaro
