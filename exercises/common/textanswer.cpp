#include "exercises/common/textanswer.h"

#include "engine/cp1252.h"
#include "engine/engine.h"
#include "exercises/common/series.h"
#include "ui/palette.h"
#include "ui/platform.h"
#include "ui/widgets.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>

namespace lingvaro {

void Lamp::setColour(const QColor& c)
{
    colour_ = c;
    update();
}

void Lamp::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(colour_);
    p.drawEllipse(QRectF(rect()).adjusted(1, 1, -1, -1));
}

void Lamp::mousePressEvent(QMouseEvent*)
{
    emit pressed();
}

TextAnswer::TextAnswer(QWidget* window, Engine& engine, ui::Platform& platform, ExerciseSeries& series,
                       int scalePercent)
    : QObject(window), e_(engine), platform_(platform), series_(series)
{
    auto s = [scalePercent](int v) { return v * scalePercent / 100; };
    Edit1 = new QLineEdit(window);
    Edit1->setMaxLength(70);
    Edit1->setFont(ui::programFont(s(24)));
    Edit1->installEventFilter(this);
    Edit1->setContextMenuPolicy(Qt::CustomContextMenu);
    Label6 = ui::makeLabel(window, {}, ui::programFamily(), s(18), false, ui::colour::HelpBlue);
    Label7 = ui::makeLabel(window, {}, ui::programFamily(), s(18), false, ui::colour::HelpBlue);
    Helpknapp1 = new QPushButton(QStringLiteral("&Ayuda"), window);
    HelpKnapp2 = new QPushButton(QStringLiteral("&Ayuda"), window);
    for (QPushButton* b : {Helpknapp1, HelpKnapp2}) {
        b->setFont(ui::programFont(s(16)));
        b->setAutoDefault(false);
        b->resize(s(110), s(34));
    }
    lampknapp = new QToolButton(window);
    lampknapp->setText(QStringLiteral("A"));
    lampknapp->setToolTip(QStringLiteral("Klicka här för visning av fel bokstav"));
    lampknapp->setFocusPolicy(Qt::NoFocus);
    lampknapp->setFont(ui::programFont(s(16)));
    lampknapp->resize(s(34), s(34));
    LampShape = new Lamp(window);
    LampShape->setToolTip(QStringLiteral("Klicka här så försvinner visningen av fel bokstav"));
    LampShape->resize(s(34), s(34));
    LampShape->hide();
    Label6->hide();
    Label7->hide();
    Helpknapp1->hide();
    HelpKnapp2->hide();

    PopupMenu1 = new QMenu(window);
    for (QChar letter : {QChar(0xA1), QChar(0xBF), QChar(0xF1)}) {
        QAction* a = PopupMenu1->addAction(QStringLiteral("Klistra in ") + letter);
        connect(a, &QAction::triggered, this, [this, letter] { paste(letter); });
    }
    connect(Edit1, &QLineEdit::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenu1->popup(Edit1->mapToGlobal(at)); });
    connect(Edit1, &QLineEdit::textChanged, this, &TextAnswer::Edit1Change);
    connect(Helpknapp1, &QPushButton::clicked, this, &TextAnswer::Helpknapp1Click);
    connect(HelpKnapp2, &QPushButton::clicked, this, &TextAnswer::HelpKnapp2Click);
    connect(lampknapp, &QToolButton::clicked, this, &TextAnswer::lampknappClick);
    connect(LampShape, &Lamp::pressed, this, &TextAnswer::LampShapeMouseDown);
}

void TextAnswer::newQuestion(const std::string& correct, const QStringList& helps)
{
    correct_ = correct;
    correct2_.clear();
    activeBox_ = 1;
    Edit1->clear();
    if (Edit2)
        Edit2->clear();
    Label6->clear();
    Label7->clear();
    Label6->hide();
    Label7->hide();
    HelpKnapp2->hide();
    HelpTextCount = int(helps.size());
    if (!helps.isEmpty()) {
        Label6->setText(helps[0]);
        Label6->adjustSize();
        if (helps.size() >= 2) {
            Label7->setText(helps[1]);
            Label7->adjustSize();
        }
    }
    Helpknapp1->setVisible(!helps.isEmpty() && !isWorksheet(e_.WorkMode));
    Helpknapp1->setEnabled(true);
    HelpKnapp2->setEnabled(true);
    Edit1->setVisible(!isWorksheet(e_.WorkMode));
    lampControls();
}

void TextAnswer::setCorrect(const std::string& correct)
{
    correct_ = correct;
    Edit1Change();
}

void TextAnswer::setAnswering(bool on, bool focus)
{
    QLineEdit* box = activeEdit();
    Edit1->setEnabled(on && box == Edit1);
    if (Edit2)
        Edit2->setEnabled(on && box == Edit2);
    lampknapp->setEnabled(on);
    if (on && focus)
        box->setFocus();
}

void TextAnswer::focusBox()
{
    QLineEdit* box = activeEdit();
    if (box->isVisible() && box->isEnabled())
        box->setFocus();
}

void TextAnswer::addSecondBox(bool ownLamp)
{
    if (Edit2)
        return;
    QWidget* window = Edit1->parentWidget();
    Edit2 = new QLineEdit(window);
    Edit2->setMaxLength(Edit1->maxLength());
    Edit2->setFont(Edit1->font());
    Edit2->installEventFilter(this);
    Edit2->setContextMenuPolicy(Qt::CustomContextMenu);
    Edit2->hide();
    connect(Edit2, &QLineEdit::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenu1->popup(Edit2->mapToGlobal(at)); });
    connect(Edit2, &QLineEdit::textChanged, this, &TextAnswer::Edit2Change);
    if (ownLamp) {
        LampShape2 = new Lamp(window);
        LampShape2->setToolTip(LampShape->toolTip());
        LampShape2->resize(LampShape->size());
        LampShape2->hide();
        connect(LampShape2, &Lamp::pressed, this, &TextAnswer::LampShapeMouseDown);
    }
}

void TextAnswer::setCorrect2(const std::string& correct)
{
    correct2_ = correct;
    Edit2Change();
}

void TextAnswer::setActiveBox(int box)
{
    activeBox_ = box == 2 && Edit2 ? 2 : 1;
    lampControls();
    Edit1Change();
}

void TextAnswer::lampControls()
{
    const WorkMode m = e_.WorkMode;
    if (isWorksheet(m) || m == WorkMode::Test) {
        lampknapp->hide();
        LampShape->hide();
    } else {
        LampShape->setVisible(series_.lampOn());
        lampknapp->setVisible(!series_.lampOn());
    }
    if (LampShape2)
        LampShape2->setVisible(LampShape->isVisibleTo(Edit1->parentWidget()) && Edit2->isVisibleTo(Edit1->parentWidget()));
}

bool TextAnswer::lampShows() const
{
    const WorkMode m = e_.WorkMode;
    return m == WorkMode::Practice || isDiagnosisPractice(m);
}

void TextAnswer::colourLamp(Lamp* lamp, const QLineEdit* box, const std::string& correct)
{
    if (!lamp || lamp->isHidden() || !lampShows())
        return;
    lamp->setColour(e_.GreenRedTest(toCp1252(box->text()), correct) == 1 ? ui::colour::Lime : ui::colour::Red);
}

void TextAnswer::Edit1Change()
{
    // One lamp for two boxes follows the box being answered.
    if (Edit2 && !LampShape2 && activeBox_ == 2)
        colourLamp(LampShape, Edit2, correct2_);
    else
        colourLamp(LampShape, Edit1, correct_);
}

void TextAnswer::Edit2Change()
{
    if (LampShape2)
        colourLamp(LampShape2, Edit2, correct2_);
    else if (activeBox_ == 2)
        colourLamp(LampShape, Edit2, correct2_);
}

void TextAnswer::Helpknapp1Click()
{
    series_.useHelp(1);
    Label6->show();
    if (HelpTextCount == 2) {
        Helpknapp1->hide();
        HelpKnapp2->setGeometry(Helpknapp1->geometry());
        HelpKnapp2->show();
        HelpKnapp2->setEnabled(true);
    } else {
        Helpknapp1->setEnabled(false);
    }
    focusBox();
}

void TextAnswer::HelpKnapp2Click()
{
    series_.useHelp(2);
    Label7->show();
    HelpKnapp2->setEnabled(false);
    focusBox();
}

void TextAnswer::lampknappClick()
{
    lampknapp->hide();
    const bool on = !series_.lampOn();
    series_.setLamp(on);
    LampShape->setVisible(on);
    lampControls();
    if (on) {
        Edit1Change();
        if (Edit2)
            Edit2Change();
        focusBox();
    }
}

void TextAnswer::LampShapeMouseDown()
{
    LampShape->hide();
    if (LampShape2)
        LampShape2->hide();
    series_.setLamp(false);
    lampknapp->show();
    focusBox();
}

void TextAnswer::paste(QChar letter)
{
    platform_.setClipboardText(QString(letter));
    QLineEdit* target = qobject_cast<QLineEdit*>(Edit1->window()->focusWidget());
    if (!target)
        target = Edit1;
    target->insert(QString(letter));
}

bool TextAnswer::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched == Edit1 || (Edit2 && watched == Edit2)) && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (watched == Edit1)
                emit entered();
            else
                emit secondEntered();
            return true;
        }
        if (key == Qt::Key_Escape) {
            emit escaped();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace lingvaro
