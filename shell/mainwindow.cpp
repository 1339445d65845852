#include "shell/mainwindow.h"

#include "engine/cp1252.h"
#include "engine/engine.h"
#include "engine/paths.h"
#include "results/diagu.h"
#include "results/skrivut.h"
#include "shell/menus.h"
#include "shell/omveka.h"
#include "ui/context.h"
#include "ui/pagebrowser.h"
#include "ui/platform.h"
#include "ui/widgets.h"

#include <QKeyEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <cmath>

namespace lingvaro {
namespace {

const QColor Navy(0, 0, 128);
const QColor Maroon(128, 0, 0);
const QColor Blue(0, 0, 255);
const QColor Yellow(255, 255, 0);

// The badge shown in worksheet mode: a yellow rounded rectangle.
class RoundedShape : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Yellow);
        p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), height() / 4.0, height() / 4.0);
    }
};

// The background when the photographs are not used: the colours of the flag.
QPixmap backgroundPicture(QSize size)
{
    QPixmap pm(size);
    QPainter p(&pm);
    QLinearGradient g(0, 0, 0, size.height());
    g.setColorAt(0.0, QColor(170, 21, 27));
    g.setColorAt(0.25, QColor(200, 40, 30));
    g.setColorAt(0.30, QColor(241, 191, 0));
    g.setColorAt(0.70, QColor(250, 205, 40));
    g.setColorAt(0.75, QColor(200, 40, 30));
    g.setColorAt(1.0, QColor(170, 21, 27));
    p.fillRect(pm.rect(), g);
    return pm;
}

constexpr int PanelWidth = 340;
constexpr int ButtonTop = 80;
constexpr int ButtonStep = 44;

} // namespace

TForm1::TForm1(AppContext& app) : QWidget(nullptr), app_(app)
{
    Engine& e = app_.engine;
    setWindowTitle(QStringLiteral("Lingvaro"));
    setWindowFlag(Qt::FramelessWindowHint);
    QFont base(QStringLiteral("MS Sans Serif"));
    base.setPointSize(8);
    setFont(base);
    setAutoFillBackground(true);
    const QSize screen = app_.platform.screenSize();
    resize(screen);

    Image1 = new QLabel(this);
    Image1->setScaledContents(true);
    Image1->setGeometry(0, 0, screen.width(), screen.height());
    Image1->hide();

    Panel9 = ui::makePanel(this, Blue);
    Panel9->setGeometry(0, 0, 700, 25);
    Panel9Caption = ui::makeLabel(Panel9, QStringLiteral("Lingvaro  –  spanska för svenska elever  –  övningar, diagnoser och arbetsblad"),
                                  QStringLiteral("Arial"), 15, true, Qt::white);
    Panel9Caption->setAlignment(Qt::AlignCenter);
    Panel9Caption->setGeometry(0, 0, 700, 25);

    Panel1 = ui::makePanel(this, Navy, 3);
    Panel1->setGeometry(0, 0, PanelWidth, ButtonTop + 10 * ButtonStep + 6);
    Label1 = ui::makeLabel(Panel1, QStringLiteral("LINGVARO"), QStringLiteral("Arial"), 35, false, Yellow);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setGeometry(5, 6, PanelWidth - 12, 42);
    Label6 = ui::makeLabel(Panel1, QStringLiteral("Uppdaterad 041021"), QStringLiteral("Arial"), 17, false, Yellow);
    Label6->setAlignment(Qt::AlignCenter);
    Label6->setGeometry(5, 50, PanelWidth - 12, 22);

    QFont buttonFont(QStringLiteral("Arial"));
    buttonFont.setPixelSize(23);
    buttonFont.setBold(true);
    int row = 0;
    auto button = [&](const QString& caption) {
        auto* b = new QPushButton(caption, Panel1);
        b->setFont(buttonFont);
        b->setGeometry((PanelWidth - 316) / 2, ButtonTop + row++ * ButtonStep, 316, 37);
        return b;
    };
    Button1 = button(QStringLiteral("Spanien"));
    Button2 = button(QStringLiteral("Dina ord"));
    Button3 = button(QStringLiteral("Lyssna-skriva"));
    Button6 = button(QStringLiteral("Läsa"));
    Button5 = button(QStringLiteral("Grammatik"));
    Button7 = button(QStringLiteral("Diagnos"));
    Button8 = button(QStringLiteral("Göra  arbetsblad"));
    Button9 = button(QStringLiteral("Manual"));
    Button10 = button(QStringLiteral("Om Lingvaro"));
    Button11 = button(QStringLiteral("Avsluta"));
    connect(Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TForm1::Button3Click);
    connect(Button6, &QPushButton::clicked, this, &TForm1::Button6Click);
    connect(Button5, &QPushButton::clicked, this, &TForm1::Button5Click);
    connect(Button7, &QPushButton::clicked, this, &TForm1::Button7Click);
    connect(Button8, &QPushButton::clicked, this, &TForm1::Button8Click);
    connect(Button9, &QPushButton::clicked, this, &TForm1::Button9Click);
    connect(Button10, &QPushButton::clicked, this, &TForm1::Button10Click);
    connect(Button11, &QPushButton::clicked, this, &QWidget::close);

    for (int k = 1; k <= 6; ++k) {
        BildImage[k] = new QLabel(this);
        BildImage[k]->setScaledContents(true);
        BildImage[k]->setMouseTracking(true);
        BildImage[k]->installEventFilter(this);
        BildImage[k]->hide();
    }
    Label3 = ui::makeLabel(this, {}, QStringLiteral("Arial"), 15, false, Qt::white);
    Label4 = ui::makeLabel(this, {}, QStringLiteral("Arial"), 15, false, Qt::white);

    Shape1 = new RoundedShape(this);
    Shape1->setGeometry(0, 0, 320, 44);
    Shape1->hide();
    Label2 = ui::makeLabel(this, QStringLiteral("Arbetsblad aktiverat"), QStringLiteral("Arial"), 23, true, Qt::black);
    Label2->setAlignment(Qt::AlignCenter);
    Label2->setGeometry(0, 0, 320, 30);
    Label2->setAutoFillBackground(true);
    ui::setPanelColour(Label2, Yellow);
    Label2->hide();

    // FormCreate (the manual's panel is made when the manual is first opened:
    // its browser alone would cost a noticeable part of the start)
    e.SmallFontOnce = false;
    Label3->hide();
    Label4->hide();
    e.PictureListStale = true;
    e.HaemtaTyskaINI();
    Skaltest();
    layOut();
    if (e.PictureMode == 1 || e.PictureMode == 3)
        startbilder();
    Panel9->raise(); // the credit stays readable over the top photographs
    if (e.PictureMode != 1 && e.PictureMode != 3)
        showBackground();
}

void TForm1::showBackground()
{
    if (Image1->pixmap().isNull())
        Image1->setPixmap(backgroundPicture(Image1->size()));
    Image1->show();
    Image1->lower();
}

void TForm1::makeManualPanel()
{
    if (RegelPanel)
        return;
    RegelPanel = ui::makePanel(this, QColor(192, 192, 192), 2);
    WebBrowser1 = new ui::PageBrowser(RegelPanel);
    ClosePanel2Knapp = new QPushButton(QStringLiteral("Stäng"), RegelPanel);
    QFont f = ClosePanel2Knapp->font();
    f.setPointSizeF(f.pointSizeF() * app_.engine.ScaleFactor / 100.0);
    ClosePanel2Knapp->setFont(f);
    connect(ClosePanel2Knapp, &QPushButton::clicked, RegelPanel, &QWidget::hide);
}

int TForm1::screenWidth() const { return app_.platform.screenSize().width(); }
int TForm1::screenHeight() const { return app_.platform.screenSize().height(); }

void TForm1::Skaltest()
{
    Engine& e = app_.engine;
    const FontSpec measuring{QStringLiteral("MS Sans Serif"), 12, true};
    const int w = screenWidth();
    QString caption;
    int n = 0;
    while (app_.platform.textWidth(caption, measuring) < w && n < 10000) {
        caption += u'A';
        ++n;
    }
    int f = int(std::nearbyint((n - 1) * 100.0 / 50.0));
    if (f > 95 && f < 102)
        f = 100;
    int factor = int(std::nearbyint(f * 175.0 / 200.0));
    // The windows are drawn for a screen of 600 lines; on a wide screen the width
    // alone would make them taller than the screen.
    factor = std::clamp(factor, 50, std::max(50, screenHeight() * 100 / 600));
    e.ScaleFactor = uint16_t(factor);
    if (e.ScaleFactor != 100)
        ui::scaleBy(this, e.ScaleFactor);
    e.LetterWidth = uint16_t(std::max(1, app_.platform.textWidth(QStringLiteral("L"), measuring)));
}

void TForm1::layOut()
{
    const int W = screenWidth(), H = screenHeight();
    resize(W, H);
    Image1->setGeometry(0, 0, W, H);
    Panel9->move((W - Panel9->width()) / 2, 0);
    Panel1->move((W - Panel1->width()) / 2,
                 (H - Panel9->height() - Panel1->height() - Shape1->height()) / 2 + Panel9->height());
    Shape1->move((W - Shape1->width()) / 2, 0);
    const int B = Panel1->y() + Panel1->height();
    Shape1->move(Shape1->x(), (H - B - Shape1->height()) / 2 + B);
    Label2->move(Label2->x(), (Shape1->height() - Label2->height()) / 2 + Shape1->y());
    Label1->setGeometry(5, Label1->y(), Panel1->width() - 12, Label1->height());
}

void TForm1::startbilder()
{
    Engine& e = app_.engine;
    const int W = screenWidth(), H = screenHeight();
    const int R = Panel1->x() + Panel1->width();
    ui::setPanelColour(this, Blue);
    const char* prefix = W <= 780 ? "SPAL" : W <= 899 ? "SPAM" : "SPAS";
    for (int k = 1; k <= 6; ++k) {
        const int n = e.haemta_Bildslumptal();
        if (n == 0 && e.PictureMode == 0) {
            // No pictures on the medium: the draw has said so once and switched
            // pictures off; the background picture stands in for them.
            break;
        }
        e.StartPictures[k] = n;
        const QString name = QStringLiteral("\\BILD\\%1%2.BMP").arg(QLatin1String(prefix)).arg(n, 4, 10, QChar(u'0'));
        QLabel* image = BildImage[k];
        const auto file = n > 0 ? e.findContentFile(name) : std::nullopt;
        const QPixmap picture = file ? ui::loadPicture(*file) : QPixmap();
        if (picture.isNull()) {
            image->hide();
            image->resize(0, 0);
            continue;
        }
        image->setPixmap(picture);
        image->resize(picture.size());
        image->move(k <= 3 ? Panel1->x() - image->width() : R, image->y());
        image->show();
    }
    auto* i11 = BildImage[1];
    auto* i12 = BildImage[2];
    auto* i13 = BildImage[3];
    i11->move(i11->x(), Panel1->y() / 2);
    i13->move(i13->x(), H - Panel1->y() / 2 - i11->height());
    i12->move(i12->x(), i11->y() + i11->height() + ((i13->y() - (i11->y() + i11->height())) - i12->height()) / 2);
    for (int k = 4; k <= 6; ++k)
        BildImage[k]->move(BildImage[k]->x(), BildImage[k - 3]->y());
}

void TForm1::showCaption(int k, bool click)
{
    Engine& e = app_.engine;
    QLabel* image = BildImage[k];
    const int R = Panel1->x() + Panel1->width();
    e.SmallFontOnce = true;
    const char* caption = Engine::PictureCaptionOf(e.StartPictures[k]);
    const int left = (!click && k == 6) ? e.LetterWidth : 2;
    e.dela_mening(left, Panel1->x(), caption ? caption : "", 2);

    Label4->hide();
    Label3->setText(fromCp1252(e.SplitLines[1]));
    Label3->adjustSize();
    Label3->move(Label3->x(), image->y() + image->height());
    int x;
    if (click) {
        x = image->x() + (image->width() - Label3->width()) / 2;
    } else if (k <= 3) {
        x = Label3->width() < image->width() ? image->x() + (image->width() - Label3->width()) / 2
                                             : (Panel1->x() - Label3->width()) / 2 + e.LetterWidth;
    } else {
        x = Label3->width() < BildImage[6]->width() ? R + (image->width() - Label3->width()) / 2 : R + e.LetterWidth;
    }
    Label3->move(x, Label3->y());
    if (!click && k == 4 && Label3->width() > screenWidth() - R) {
        // Too wide for the room right of the panel: one point smaller, again on
        // every move while it still does not fit.
        QFont f = Label3->font();
        f.setPixelSize(std::max(6, f.pixelSize() - 1));
        Label3->setFont(f);
        Label4->setFont(f);
        Label3->adjustSize();
    }
    Label4->setText(fromCp1252(e.SplitLines[2]));
    Label4->adjustSize();
    Label4->move(Label3->x(), Label3->y() + Label3->height());
    Label4->setVisible(!e.SplitLines[2].empty());
    Label3->show();
    Label3->raise();
    Label4->raise();
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    for (int k = 1; k <= 6; ++k) {
        if (watched != BildImage[k])
            continue;
        if (event->type() == QEvent::MouseMove)
            showCaption(k, false);
        else if (event->type() == QEvent::MouseButtonRelease)
            showCaption(k, true);
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void TForm1::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TForm1::subjectButton(int button)
{
    Engine& e = app_.engine;
    if (!isWorksheet(e.WorkMode))
        e.WorkMode = WorkMode::Practice;
    openSubjectMenu(button);
}

void TForm1::openSubjectMenu(int button)
{
    switch (button) {
    case 1: openMenu(app_, "TF1"); break;
    case 2: openMenu(app_, "TF2"); break;
    case 3: openMenu(app_, "TF3"); break;
    case 5: openMenu(app_, "TF5"); break;
    case 6: openMenu(app_, "TF6"); break;
    default: break;
    }
}

void TForm1::openDiagnosis()
{
    ui::showModal<TDiag>(app_.platform, app_);
    if (!isWorksheet(app_.engine.WorkMode))
        app_.engine.WorkMode = WorkMode::Practice;
}

void TForm1::Button1Click() { subjectButton(1); }
void TForm1::Button2Click() { subjectButton(2); }
void TForm1::Button3Click() { subjectButton(3); }
void TForm1::Button6Click() { subjectButton(6); }
void TForm1::Button5Click() { subjectButton(5); }

void TForm1::Button7Click()
{
    diagnosisCancelled = false;
    app_.engine.WorkMode = WorkMode::Test;
    openDiagnosis();
}

void TForm1::Button8Click()
{
    Engine& e = app_.engine;
    e.WorkMode = isWorksheet(e.WorkMode) ? WorkMode::Practice : WorkMode::Worksheet;
    const bool on = isWorksheet(e.WorkMode);
    Button8->setText(on ? QStringLiteral("Avaktivera arbetsblad") : QStringLiteral("Göra arbetsblad"));
    Button1->setEnabled(!on);
    Button3->setEnabled(!on);
    Button6->setEnabled(!on);
    Button7->setEnabled(!on);
    if (!on)
        Button2->setEnabled(true);
    if (on)
        Label2->setGeometry(Shape1->x(), Label2->y(), Shape1->width(), Label2->height());
    Label2->setVisible(on);
    Shape1->setVisible(on);
    if (on) {
        Shape1->raise();
        Label2->raise();
    }
    ui::setPanelColour(Panel1, on ? Maroon : Navy);
    if (app_.utskrift)
        app_.utskrift->Rensa(false);
}

void TForm1::Button9Click()
{
    Engine& e = app_.engine;
    const int L = e.LetterWidth;
    makeManualPanel();
    RegelPanel->setGeometry(L * 3 / 2, L * 3 / 2, screenWidth() - 2 * L, screenHeight() - 2 * L);
    const int buttonHeight = ClosePanel2Knapp->sizeHint().height();
    WebBrowser1->setGeometry(0, 0, RegelPanel->width() - L * 3 / 2,
                             std::min(RegelPanel->height() - L, RegelPanel->height() - buttonHeight));
    ClosePanel2Knapp->setGeometry(0, RegelPanel->height() - buttonHeight, RegelPanel->width(), buttonHeight);
    RegelPanel->show();
    RegelPanel->raise();
    if (auto page = e.findContentFile(QStringLiteral("\\data\\Lingvaro.htm")))
        WebBrowser1->openPage(*page);
    else
        e.fail(QStringLiteral("Filen ") + paths::display(e.CdPath, QStringLiteral("\\data\\Lingvaro.htm"))
               + QStringLiteral(" finns inte eller är felaktig"));
    ClosePanel2Knapp->setFocus();
}

void TForm1::Button10Click()
{
    ui::showModal<TOmVeka>(app_.platform, app_);
}

} // namespace lingvaro
