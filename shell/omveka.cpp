#include "shell/omveka.h"

#include "engine/engine.h"
#include "ui/context.h"
#include "ui/palette.h"
#include "ui/platform.h"
#include "ui/widgets.h"

#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace lingvaro {
namespace {

namespace colour = ui::colour;

// The window is laid out for its size before scaling (the screen divided by the
// scale, never less than 600 lines), from the top: the card, the row of the two
// small pictures, and the room where an information panel opens, so that a
// panel covers neither the credits nor the buttons nor the pictures.
constexpr int CardWidth = 520;
constexpr int CardHeight = 280;
constexpr int PictureWidth = 120;
constexpr int PictureHeight = 90;
constexpr int PanelWidth = 600;
constexpr int Gap = 14;

QFrame* infoPanel(QWidget* parent, const QString& title, const QString& text)
{
    QFrame* panel = ui::makePanel(parent, colour::Cream, 2);
    auto* layout = new QVBoxLayout(panel);
    auto* heading = ui::makeLabel(panel, title, 20, true, colour::Maroon);
    auto* body = ui::makeLabel(panel, text, 15, false, colour::Black);
    body->setWordWrap(true);
    layout->addWidget(heading);
    layout->addWidget(body);
    layout->addStretch(1);
    panel->hide();
    return panel;
}

} // namespace

TOmVeka::TOmVeka(AppContext& app) : QDialog(nullptr)
{
    Engine& e = app.engine;
    setObjectName(QStringLiteral("TOmVeka"));
    setWindowTitle(QStringLiteral("Om Lingvaro"));
    setWindowFlag(Qt::FramelessWindowHint);
    const int scale = std::max(1, int(e.ScaleFactor));
    const QSize screen = app.platform.screenSize();
    const int W = std::max(CardWidth + 2 * Gap, screen.width() * 100 / scale);
    const int H = std::max(600, screen.height() * 100 / scale);
    resize(W, H);

    Background = new QLabel(this);
    Background->setGeometry(rect());
    Background->setAutoFillBackground(true);
    ui::setPanelColour(Background, colour::Navy);
    Background->installEventFilter(this);

    const int cardTop = std::max(Gap, (H - CardHeight - PictureHeight - 200 - 2 * Gap) / 3);
    Card = ui::makePanel(this, colour::Navy, 3);
    Card->setGeometry((W - CardWidth) / 2, cardTop, CardWidth, CardHeight);
    auto* name = ui::makeLabel(Card, QStringLiteral("LINGVARO"), 44, true, colour::Yellow);
    name->setAlignment(Qt::AlignCenter);
    name->setGeometry(0, 12, CardWidth, 56);
    Credits = ui::makeLabel(Card,
                            QStringLiteral("Spanska för svenska elever\n\n"
                                           "Författare:\tLingvaros lärarlag\n"
                                           "Programmerare:\tLingvaros utvecklare\n"
                                           "Foto:\t\tmålade bilder, Lingvaro\n"
                                           "Ljud:\t\tsyntetiskt tal, Lingvaro"),
                            17, false, colour::White);
    Credits->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    Credits->setGeometry(40, 76, CardWidth - 80, 146);
    AvbrytButton = new QPushButton(QStringLiteral("&Avbryt"), Card);
    AvbrytButton->setFont(ui::readingFont());
    AvbrytButton->setGeometry((CardWidth - 140) / 2, CardHeight - 48, 140, 34);
    connect(AvbrytButton, &QPushButton::clicked, this, &QDialog::reject);

    const int pictureTop = cardTop + CardHeight + Gap;
    auto smallPicture = [&](int x) {
        auto* label = new QLabel(this);
        label->setGeometry(x, pictureTop, PictureWidth, PictureHeight);
        label->setFrameStyle(QFrame::Box);
        label->setCursor(Qt::PointingHandCursor);
        label->setText(QStringLiteral("i"));
        label->setAlignment(Qt::AlignCenter);
        label->installEventFilter(this);
        return label;
    };
    Picture1 = smallPicture(W / 2 - Gap / 2 - PictureWidth);
    Picture2 = smallPicture(W / 2 + Gap / 2);

    InfoPanel1 = infoPanel(this, QStringLiteral("Om programmet"),
                           QStringLiteral("Lingvaro är ett övningsprogram i spanska för svenska elever. Du övar "
                                          "översättning, ordförråd, hörförståelse, läsning och grammatik, och får se "
                                          "rätt svar direkt. Med Diagnos testar du 41 områden av grammatiken, och "
                                          "läraren ser resultaten. Med Göra arbetsblad skriver du ut övningar på papper."));
    InfoPanel2 = infoPanel(this, QStringLiteral("Bilderna och ljuden"),
                           QStringLiteral("Bilderna från Spanien är målade av programmet självt; kartan och flaggan "
                                          "kommer från Open Clip Art Library (fri från upphovsrätt). De spanska "
                                          "meningarna läses upp med syntetiskt tal. Ljud och bilder kan stängas av "
                                          "under Inställningar i övningarna."));
    const int panelTop = pictureTop + PictureHeight + Gap;
    // As tall as its text wants, within the room below the pictures.
    for (QFrame* panel : {InfoPanel1, InfoPanel2}) {
        const int wanted = panel->layout()->totalHeightForWidth(PanelWidth) + Gap;
        panel->setGeometry((W - PanelWidth) / 2, panelTop, PanelWidth, std::min(wanted, H - panelTop - Gap));
        panel->installEventFilter(this);
    }

    // Scaled as every window is, then made exactly as large as the screen.
    ui::scaleBy(this, scale);
    resize(screen);
    Background->setGeometry(rect());

    // The pictures at the size they are shown, scaled down smoothly.
    auto picture = [&](const char* file) {
        auto found = e.findContentFile(QString::fromLatin1(file));
        return found ? ui::loadPicture(*found) : QPixmap();
    };
    QPixmap background = picture("\\BILD\\OMBILD.BMP");
    if (background.isNull())
        background = picture("\\BILD\\SPA0022.BMP");
    Background->setPixmap(ui::coverPicture(background, size()));
    const QPixmap first = picture("\\BILD\\SPA0001.BMP");
    const QPixmap second = picture("\\BILD\\SPA0002.BMP");
    if (!first.isNull())
        Picture1->setPixmap(ui::coverPicture(first, Picture1->contentsRect().size()));
    if (!second.isNull())
        Picture2->setPixmap(ui::coverPicture(second, Picture2->contentsRect().size()));
}

void TOmVeka::togglePanel(int which)
{
    QFrame* mine = which == 1 ? InfoPanel1 : InfoPanel2;
    QFrame* other = which == 1 ? InfoPanel2 : InfoPanel1;
    other->hide();
    mine->setVisible(!mine->isVisible());
    mine->raise();
}

void TOmVeka::hidePanels()
{
    InfoPanel1->hide();
    InfoPanel2->hide();
}

bool TOmVeka::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        // Consumed here, or the click would reach the window and close the panel again.
        if (watched == Picture1 || watched == Picture2) {
            togglePanel(watched == Picture1 ? 1 : 2);
            return true;
        }
        if (watched == InfoPanel1 || watched == InfoPanel2 || watched == Background) {
            hidePanels();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TOmVeka::mouseReleaseEvent(QMouseEvent* event)
{
    hidePanels();
    QDialog::mouseReleaseEvent(event);
}

} // namespace lingvaro
