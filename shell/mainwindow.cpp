#include "shell/mainwindow.h"

#include "engine/cp1252.h"
#include "engine/engine.h"
#include "results/diagu.h"
#include "results/skrivut.h"
#include "shell/menus.h"
#include "shell/omveka.h"
#include "ui/context.h"
#include "ui/pagebrowser.h"
#include "ui/palette.h"
#include "ui/platform.h"
#include "ui/rulepagepanel.h"
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

namespace colour = ui::colour;

// The badge shown in worksheet mode: a yellow rounded rectangle.
class RoundedShape : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(colour::Black, 1));
        p.setBrush(colour::Yellow);
        p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), height() / 4.0, height() / 4.0);
    }
};

// The background when the photographs are not used: the colours of the flag.
QPixmap backgroundPicture(QSize size)
{
    QPixmap pm(size);
    QPainter p(&pm);
    QLinearGradient g(0, 0, 0, size.height());
    g.setColorAt(0.0, colour::FlagRedDeep);
    g.setColorAt(0.25, colour::FlagRed);
    g.setColorAt(0.30, colour::FlagYellowDeep);
    g.setColorAt(0.70, colour::FlagYellow);
    g.setColorAt(0.75, colour::FlagRed);
    g.setColorAt(1.0, colour::FlagRedDeep);
    p.fillRect(pm.rect(), g);
    return pm;
}

constexpr int PanelWidth = 340;
constexpr int ButtonTop = 80;
constexpr int ButtonStep = 44;
// The smallest type a caption is set in to fit the room beside the panel.
constexpr int SmallestCaptionPixels = 9;

} // namespace

TForm1::TForm1(AppContext& app) : QWidget(nullptr), app_(app)
{
    Engine& e = app_.engine;
    setWindowTitle(QStringLiteral("Lingvaro"));
    setWindowFlag(Qt::FramelessWindowHint);
    setFont(ui::readingFont());
    setAutoFillBackground(true);
    const QSize screen = app_.platform.screenSize();
    resize(screen);

    Image1 = new QLabel(this);
    Image1->setScaledContents(true);
    Image1->setGeometry(0, 0, screen.width(), screen.height());
    Image1->hide();

    Panel9 = ui::makePanel(this, colour::Blue);
    Panel9->setGeometry(0, 0, 700, 25);
    Panel9Caption = ui::makeLabel(Panel9, QStringLiteral("Lingvaro  –  spanska för svenska elever  –  övningar, diagnoser och arbetsblad"),
                                  15, true, colour::White);
    Panel9Caption->setAlignment(Qt::AlignCenter);
    Panel9Caption->setGeometry(0, 0, 700, 25);

    Panel1 = ui::makePanel(this, colour::Navy, 3);
    Panel1->setGeometry(0, 0, PanelWidth, ButtonTop + 10 * ButtonStep + 6);
    Label1 = ui::makeLabel(Panel1, QStringLiteral("LINGVARO"), 35, false, colour::Yellow);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setGeometry(5, 6, PanelWidth - 12, 42);
    Label6 = ui::makeLabel(Panel1, QStringLiteral("Uppdaterad 041021"), 17, false, colour::Yellow);
    Label6->setAlignment(Qt::AlignCenter);
    Label6->setGeometry(5, 50, PanelWidth - 12, 22);

    const QFont buttonFont = ui::programFont(23);
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
    // The captions lie on the window's own blue; where one has to be moved over a
    // photograph to stay on the screen, its strip of blue keeps it readable.
    Label3 = ui::makeLabel(this, {}, 15, false, colour::White);
    Label4 = ui::makeLabel(this, {}, 15, false, colour::White);
    for (QLabel* caption : {Label3, Label4}) {
        caption->setAutoFillBackground(true);
        ui::setPanelColour(caption, colour::Blue);
    }

    Shape1 = new RoundedShape(this);
    Shape1->setGeometry(0, 0, 320, 44);
    Shape1->hide();
    Label2 = ui::makeLabel(this, QStringLiteral("Arbetsblad aktiverat"), 23, true, colour::Black);
    Label2->setAlignment(Qt::AlignCenter);
    Label2->setGeometry(0, 0, 320, 30);
    // Its yellow is the badge's own, so that the badge keeps its round corners.
    Label2->setAutoFillBackground(false);
    Label2->hide();

    // FormCreate (the manual's panel is made when the manual is first opened:
    // its browser alone would cost a noticeable part of the start)
    e.SmallFontOnce = false;
    Label3->hide();
    Label4->hide();
    e.PictureListStale = true;
    e.HaemtaTyskaINI();
    Skaltest();
    captionPixels_ = Label3->font().pixelSize();
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
    // Made after the window was scaled: its type is scaled as it is made.
    RegelPanel = new ui::RulePagePanel(this, QStringLiteral("Stäng"), app_.engine.ScaleFactor);
    RegelPanel->hide();
    WebBrowser1 = RegelPanel->browser();
    ClosePanel2Knapp = RegelPanel->closeButton();
    // The keyboard goes back to the button that opened it.
    connect(RegelPanel, &ui::RulePagePanel::closed, this, [this] { Button9->setFocus(); });
}

int TForm1::screenWidth() const { return app_.platform.screenSize().width(); }
int TForm1::screenHeight() const { return app_.platform.screenSize().height(); }

void TForm1::Skaltest()
{
    Engine& e = app_.engine;
    const FontSpec measuring{ui::measuringFamily(), 12, true};
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
    app_.platform.setScalePercent(factor);
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
    ui::setPanelColour(this, colour::Blue);
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
    const int W = screenWidth(), H = screenHeight();
    const int R = Panel1->x() + Panel1->width();
    e.SmallFontOnce = true;
    const char* caption = Engine::PictureCaptionOf(e.StartPictures[k]);
    const int left = (!click && k == 6) ? e.LetterWidth : 2;
    e.dela_mening(left, Panel1->x(), caption ? caption : "", 2);
    const QString line1 = fromCp1252(e.SplitLines[1]);
    const QString line2 = fromCp1252(e.SplitLines[2]);

    // The caption is measured in a smaller type than it is shown in, so it may
    // still be too wide for the room beside the panel on its photograph's side:
    // then its type is made smaller until it fits (or reaches the smallest).
    const int roomLeft = k <= 3 ? 0 : R;
    const int roomWidth = k <= 3 ? Panel1->x() : W - R;
    QFont font = Label3->font();
    font.setPixelSize(captionPixels_);
    auto setLines = [&] {
        Label3->setFont(font);
        Label4->setFont(font);
        Label3->setText(line1);
        Label4->setText(line2);
        Label3->adjustSize();
        Label4->adjustSize();
    };
    auto blockWidth = [&] { return std::max(Label3->width(), line2.isEmpty() ? 0 : Label4->width()); };
    setLines();
    while (blockWidth() > roomWidth && font.pixelSize() > SmallestCaptionPixels) {
        font.setPixelSize(font.pixelSize() - 1);
        setLines();
    }

    int x;
    if (click) {
        x = image->x() + (image->width() - Label3->width()) / 2;
    } else if (k <= 3) {
        x = Label3->width() < image->width() ? image->x() + (image->width() - Label3->width()) / 2
                                             : (Panel1->x() - Label3->width()) / 2 + e.LetterWidth;
    } else {
        x = Label3->width() < BildImage[6]->width() ? R + (image->width() - Label3->width()) / 2 : R + e.LetterWidth;
    }
    int y = image->y() + image->height();

    // Wholly on the screen: moved in from the edge, into the room beside the
    // panel where it fits there, and up from the bottom (over the lower edge of
    // the photograph) where the lines would run below the screen.
    const int block = blockWidth();
    int lowest = roomLeft, highest = roomLeft + roomWidth - block;
    if (highest < lowest) {
        lowest = 0;
        highest = std::max(0, W - block);
    }
    x = std::clamp(x, lowest, highest);
    const int height = Label3->height() + (line2.isEmpty() ? 0 : Label4->height());
    y = std::max(0, std::min(y, H - height));

    Label3->move(x, y);
    Label4->move(x, y + Label3->height());
    Label4->setVisible(!line2.isEmpty());
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
    // Esc closes the manual first; with nothing open it ends the program.
    if (event->key() == Qt::Key_Escape) {
        if (RegelPanel && RegelPanel->isVisible())
            RegelPanel->closePanel();
        else
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
    ui::setPanelColour(Panel1, on ? colour::Maroon : colour::Navy);
    // Both ways the worksheet starts afresh, exactly as "&Rensa" does it.
    if (app_.utskrift)
        app_.utskrift->Rensa();
}

void TForm1::Button9Click()
{
    Engine& e = app_.engine;
    const int L = e.LetterWidth;
    makeManualPanel();
    // A letter and a half in from the top left, and the same short of the
    // screen's right and bottom edges.
    RegelPanel->setGeometry(L * 3 / 2, L * 3 / 2, screenWidth() - 3 * L, screenHeight() - 3 * L);
    RegelPanel->show();
    RegelPanel->raise();
    RegelPanel->showPage(e, QStringLiteral("\\data\\Lingvaro.htm"));
    ClosePanel2Knapp->setFocus();
}

void TForm1::Button10Click()
{
    ui::showModal<TOmVeka>(app_.platform, app_);
}

} // namespace lingvaro
