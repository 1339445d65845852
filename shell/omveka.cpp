#include "shell/omveka.h"

#include "engine/engine.h"
#include "ui/context.h"
#include "ui/platform.h"
#include "ui/widgets.h"

#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace lingvaro {
namespace {

QFrame* infoPanel(QWidget* parent, const QString& title, const QString& text)
{
    QFrame* panel = ui::makePanel(parent, QColor(255, 255, 225), 2);
    auto* layout = new QVBoxLayout(panel);
    auto* heading = ui::makeLabel(panel, title, QStringLiteral("Arial"), 20, true, QColor(128, 0, 0));
    auto* body = ui::makeLabel(panel, text, QStringLiteral("Arial"), 15, false, Qt::black);
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
    setWindowTitle(QStringLiteral("Om Lingvaro"));
    setWindowFlag(Qt::FramelessWindowHint);
    const QSize screen = app.platform.screenSize();
    resize(screen);

    Background = new QLabel(this);
    Background->setScaledContents(true);
    Background->setGeometry(rect());
    Background->setAutoFillBackground(true);
    ui::setPanelColour(Background, QColor(0, 0, 128));
    Background->installEventFilter(this);
    if (auto file = e.findContentFile(QStringLiteral("\\BILD\\SPA0010.BMP")))
        Background->setPixmap(ui::loadPicture(*file));

    auto* card = ui::makePanel(this, QColor(0, 0, 128), 3);
    card->setGeometry(screen.width() / 2 - 260, screen.height() / 6, 520, 330);
    auto* name = ui::makeLabel(card, QStringLiteral("LINGVARO"), QStringLiteral("Arial"), 44, true, QColor(255, 255, 0));
    name->setAlignment(Qt::AlignCenter);
    name->setGeometry(0, 14, 520, 56);
    auto* credits = ui::makeLabel(card,
                                  QStringLiteral("Spanska för svenska elever\n\n"
                                                 "Författare:\tLingvaros lärarlag\n"
                                                 "Programmerare:\tLingvaros utvecklare\n"
                                                 "Foto:\t\tmålade bilder, Lingvaro\n"
                                                 "Ljud:\t\tsyntetiskt tal, Lingvaro"),
                                  QStringLiteral("Arial"), 17, false, Qt::white);
    credits->setGeometry(40, 80, 460, 200);
    AvbrytButton = new QPushButton(QStringLiteral("&Avbryt"), card);
    AvbrytButton->setGeometry(200, 285, 120, 32);
    connect(AvbrytButton, &QPushButton::clicked, this, &QDialog::reject);

    auto smallPicture = [&](const QString& file, int x) {
        auto* label = new QLabel(this);
        label->setScaledContents(true);
        label->setGeometry(x, screen.height() - 150, 120, 90);
        label->setFrameStyle(QFrame::Box);
        label->setCursor(Qt::PointingHandCursor);
        if (auto f = e.findContentFile(file))
            label->setPixmap(ui::loadPicture(*f));
        else
            label->setText(QStringLiteral("i"));
        label->installEventFilter(this);
        return label;
    };
    Picture1 = smallPicture(QStringLiteral("\\BILD\\SPA0001.BMP"), screen.width() / 2 - 140);
    Picture2 = smallPicture(QStringLiteral("\\BILD\\SPA0002.BMP"), screen.width() / 2 + 20);

    InfoPanel1 = infoPanel(this, QStringLiteral("Om programmet"),
                           QStringLiteral("Lingvaro är ett övningsprogram i spanska för svenska elever. Du övar "
                                          "översättning, ordförråd, hörförståelse, läsning och grammatik, och får se "
                                          "rätt svar direkt. Med Diagnos testar du 41 områden av grammatiken, och "
                                          "läraren ser resultaten. Med Göra arbetsblad skriver du ut övningar på papper."));
    InfoPanel2 = infoPanel(this, QStringLiteral("Bilderna och ljuden"),
                           QStringLiteral("Bilderna från Spanien är målade av programmet självt, och de spanska "
                                          "meningarna läses upp med syntetiskt tal. Ljud och bilder kan stängas av "
                                          "under Inställningar i övningarna."));
    for (QFrame* panel : {InfoPanel1, InfoPanel2}) {
        panel->setGeometry(screen.width() / 2 - 300, screen.height() / 2 - 40, 600, 200);
        panel->installEventFilter(this);
    }
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
