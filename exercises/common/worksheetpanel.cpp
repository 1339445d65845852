#include "exercises/common/worksheetpanel.h"

#include "ui/palette.h"
#include "ui/widgets.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace lingvaro {
namespace {
constexpr int ButtonWidth = 154, ButtonStep = 162, RowHeight = 50;
}

WorksheetPanel::WorksheetPanel(QWidget* parent, int scalePercent) : QFrame(parent), scale_(scalePercent)
{
    setAutoFillBackground(true);
    ui::setPanelColour(this, ui::colour::Maroon);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
    auto s = [this](int v) { return v * scale_ / 100; };
    auto row = [&] {
        QFrame* r = ui::makePanel(this, ui::colour::Maroon);
        r->setGeometry(0, 0, s(6 * ButtonStep + 16), s(RowHeight));
        r->hide();
        return r;
    };
    SkrivutPanel1 = row();
    SkrivutValPanel = row();
    SkrivutAntalPanel = row();
    SkrivutSvarPanel = row();
    SkrivutListValPanel = row();

    // Main row
    auto* antal = rowButton(SkrivutPanel1, QStringLiteral("Välja &antal"), QStringLiteral("Datorn väljer uppgifter"), 0);
    auto* valjaUt = rowButton(SkrivutPanel1, QStringLiteral("Välja &ut"), QStringLiteral("Du själv väljer uppgifter"), 1);
    auto* seVal1 = rowButton(SkrivutPanel1, QStringLiteral("Se ditt &val"), QStringLiteral("Förhandsgranskning"), 2);
    auto* skrivUt1 = rowButton(SkrivutPanel1, QStringLiteral("&Skriv ut"),
                               QStringLiteral("Du får välja utskrift med eller utan svar här. "), 3);
    auto* rensa = rowButton(SkrivutPanel1, QStringLiteral("&Rensa"), QStringLiteral("Tar bort allt som valts till utskrift. "), 4);
    TillMenynButton = rowButton(SkrivutPanel1, QStringLiteral("Till &menyn"),
                                QStringLiteral("Utskriften kan utökas med andra förhör."), 5);
    connect(antal, &QPushButton::clicked, this, [this] {
        ChosenCount = 1;
        chooseCount(0);
        showRow(SkrivutAntalPanel);
    });
    connect(valjaUt, &QPushButton::clicked, this, [this] {
        ReturnToChoice = true;
        showRow(SkrivutValPanel);
    });
    connect(seVal1, &QPushButton::clicked, this, [this] {
        ReturnToChoice = false;
        ListFromMainRow = true;
        showRow(SkrivutListValPanel);
    });
    connect(skrivUt1, &QPushButton::clicked, this, [this] { showRow(SkrivutSvarPanel); });
    connect(rensa, &QPushButton::clicked, this, &WorksheetPanel::clearRequested);
    connect(TillMenynButton, &QPushButton::clicked, this, &WorksheetPanel::toMenuRequested);

    // Choose yourself
    auto* nasta = rowButton(SkrivutValPanel, QStringLiteral("&Nästa uppgift"), {}, 0);
    auto* skicka = rowButton(SkrivutValPanel, QStringLiteral("Skickas &till utskrift"), {}, 1);
    auto* seVal2 = rowButton(SkrivutValPanel, QStringLiteral("Se ditt &val"), QStringLiteral("Förhandsgranskning"), 2);
    auto* skrivUt2 = rowButton(SkrivutValPanel, QStringLiteral("&Skriv ut"),
                               QStringLiteral("Du får välja utskrift med eller utan svar här. "), 3);
    auto* avbryt1 = rowButton(SkrivutValPanel, QStringLiteral("&Avbryt"), {}, 5);
    connect(nasta, &QPushButton::clicked, this, &WorksheetPanel::nextRequested);
    connect(skicka, &QPushButton::clicked, this, &WorksheetPanel::sendRequested);
    connect(seVal2, &QPushButton::clicked, this, [this] {
        ReturnToChoice = true;
        ListFromMainRow = false;
        showRow(SkrivutListValPanel);
    });
    connect(skrivUt2, &QPushButton::clicked, this, [this] { showRow(SkrivutSvarPanel); });
    connect(avbryt1, &QPushButton::clicked, this, [this] { showRow(SkrivutPanel1); });

    // Count chooser
    AntalLabel = ui::makeLabel(SkrivutAntalPanel, {}, ui::programFamily(), s(20), true, ui::colour::Yellow);
    AntalLabel->setGeometry(s(40), s(8), s(150), s(34));
    AntalSpin = new ui::SpinButton(SkrivutAntalPanel);
    AntalSpin->setGeometry(s(8), s(6), s(24), s(38));
    connect(AntalSpin, &ui::SpinButton::upClicked, this, [this] { chooseCount(+1); });
    connect(AntalSpin, &ui::SpinButton::downClicked, this, [this] { chooseCount(-1); });
    auto* klart = rowButton(SkrivutAntalPanel, QStringLiteral("&Klart"), {}, 2);
    auto* avbryt2 = rowButton(SkrivutAntalPanel, QStringLiteral("&Avbryt"), {}, 5);
    connect(klart, &QPushButton::clicked, this, [this] {
        emit countChosen(ChosenCount);
        showRow(SkrivutPanel1);
    });
    connect(avbryt2, &QPushButton::clicked, this, [this] {
        ReturnToChoice = false;
        showRow(SkrivutPanel1);
    });

    // Print with or without answers
    auto* utan = rowButton(SkrivutSvarPanel, QStringLiteral("Skriv ut &utan svaren"), {}, 0);
    auto* med = rowButton(SkrivutSvarPanel, QStringLiteral("Skriv ut &med svaren"), {}, 1);
    auto* avbryt3 = rowButton(SkrivutSvarPanel, QStringLiteral("&Avbryt"), {}, 5);
    auto print = [this](bool withAnswers) {
        const auto buttons = SkrivutSvarPanel->findChildren<QPushButton*>();
        for (QPushButton* b : buttons)
            b->setEnabled(false);
        emit printRequested(withAnswers);
        for (QPushButton* b : buttons)
            b->setEnabled(true);
    };
    connect(utan, &QPushButton::clicked, this, [print] { print(false); });
    connect(med, &QPushButton::clicked, this, [print] { print(true); });
    connect(avbryt3, &QPushButton::clicked, this, [this] { showRow(ReturnToChoice ? SkrivutValPanel : SkrivutPanel1); });

    // View the choice
    auto* seUtan = rowButton(SkrivutListValPanel, QStringLiteral("Se ditt val &utan svar"), {}, 0);
    auto* seMed = rowButton(SkrivutListValPanel, QStringLiteral("Se ditt val &med svar"), {}, 1);
    auto* avbryt4 = rowButton(SkrivutListValPanel, QStringLiteral("&Avbryt"), {}, 5);
    connect(seUtan, &QPushButton::clicked, this, [this] { emit previewRequested(1); });
    connect(seMed, &QPushButton::clicked, this, [this] { emit previewRequested(2); });
    connect(avbryt4, &QPushButton::clicked, this, [this] {
        emit previewClosed();
        showRow(ListFromMainRow ? SkrivutPanel1 : SkrivutValPanel);
    });

    printButtons = {skrivUt1, skrivUt2, seVal1, seVal2, rensa};
    for (QPushButton* b : findChildren<QPushButton*>())
        b->installEventFilter(this);
    showRow(SkrivutPanel1);
}

QPushButton* WorksheetPanel::rowButton(QFrame* row, const QString& caption, const QString& hint, int column)
{
    auto* b = new QPushButton(caption, row);
    b->setToolTip(hint);
    b->setFont(ui::programFont(15 * scale_ / 100));
    b->setGeometry((8 + column * ButtonStep) * scale_ / 100, 8 * scale_ / 100, ButtonWidth * scale_ / 100,
                   34 * scale_ / 100);
    b->setAutoDefault(false);
    return b;
}

void WorksheetPanel::layoutRows(int windowWidth)
{
    for (QWidget* r : {SkrivutPanel1, SkrivutValPanel, SkrivutAntalPanel, SkrivutSvarPanel, SkrivutListValPanel}) {
        // A row wider than the window (a large scale on a narrow screen) is
        // narrowed to fit, its buttons with it, so none is cut off at the edges.
        if (r->width() > windowWidth && windowWidth > 0) {
            const double f = double(windowWidth) / r->width();
            for (QWidget* child : r->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                child->setGeometry(int(child->x() * f), child->y(), int(child->width() * f), child->height());
                // The caption keeps fitting its narrower button.
                if (auto* button = qobject_cast<QPushButton*>(child)) {
                    QFont font = button->font();
                    const QString caption = button->text().remove(u'&');
                    while (font.pixelSize() > 8
                           && QFontMetrics(font).horizontalAdvance(caption) > button->width() - 8 * scale_ / 100) {
                        font.setPixelSize(font.pixelSize() - 1);
                        button->setFont(font);
                    }
                }
            }
            r->resize(windowWidth, r->height());
        }
        r->move((windowWidth - r->width()) / 2, 8 * scale_ / 100);
    }
}

void WorksheetPanel::showRow(QWidget* row)
{
    for (QWidget* r : {SkrivutPanel1, SkrivutValPanel, SkrivutAntalPanel, SkrivutSvarPanel, SkrivutListValPanel})
        r->setVisible(r == row);
    // The first button of the row takes the keys, so Enter and the arrows act here.
    if (const auto buttons = row->findChildren<QPushButton*>(); !buttons.isEmpty() && isVisible())
        buttons.first()->setFocus();
}

QWidget* WorksheetPanel::shownRow() const
{
    for (QWidget* r : {SkrivutPanel1, SkrivutValPanel, SkrivutAntalPanel, SkrivutSvarPanel, SkrivutListValPanel})
        if (!r->isHidden())
            return r;
    return nullptr;
}

void WorksheetPanel::setPrintButtonsEnabled(bool on)
{
    for (QPushButton* b : printButtons)
        b->setEnabled(on);
}

void WorksheetPanel::chooseCount(int delta)
{
    if (delta > 0 && ChosenCount < maximum_)
        ++ChosenCount;
    else if (delta < 0 && ChosenCount > 0)
        --ChosenCount;
    AntalLabel->setText(QStringLiteral("Antal : %1").arg(ChosenCount));
}

bool WorksheetPanel::eventFilter(QObject* watched, QEvent* event)
{
    // The buttons of the row would take the arrows to move the focus.
    if (event->type() == QEvent::KeyPress && !SkrivutAntalPanel->isHidden()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            chooseCount(key == Qt::Key_Up ? +1 : -1);
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}

} // namespace lingvaro
