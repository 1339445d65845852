#include "exercises/reading/avsloja.h"

#include "contentmap/reading.h"
#include "engine/cp1252.h"
#include "engine/engine.h"
#include "engine/textfile.h"
#include "exercises/common/headingbox.h"
#include "ui/context.h"
#include "ui/palette.h"
#include "ui/platform.h"
#include "ui/widgets.h"

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>

namespace lingvaro {

namespace {

namespace colour = ui::colour;

const char* const StoryFile = "SPA41000.DAT";
const QString ShowStory = QStringLiteral("&Ver la historia");
const QString HideStory = QStringLiteral("&Esconder la historia");

void setTextColour(QWidget* w, const QColor& c)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, c);
    w->setPalette(p);
}

void setBackground(QWidget* w, const QColor* c)
{
    w->setAutoFillBackground(c != nullptr);
    if (c) {
        QPalette p = w->palette();
        p.setColor(QPalette::Window, *c);
        w->setPalette(p);
    }
}

// A caption over its value in a small panel of the counters.
QLabel* counter(QFrame* panel, const QString& caption, int x, int width, int fontPixels)
{
    auto* title = ui::makeLabel(panel, caption, ui::programFamily(), fontPixels, true, colour::Yellow);
    title->setAlignment(Qt::AlignCenter);
    title->setGeometry(x, fontPixels / 2, width, 2 * QFontMetrics(title->font()).height() + 2);
    auto* value = ui::makeLabel(panel, {}, ui::programFamily(), fontPixels * 3 / 2, true, colour::White);
    value->setAlignment(Qt::AlignCenter);
    value->setGeometry(x, title->geometry().bottom() + fontPixels / 2, width, QFontMetrics(value->font()).height());
    return value;
}

} // namespace

Tavsloj::Tavsloj(AppContext& app) : QDialog(nullptr), app_(app)
{
    Engine& e = app.engine;
    setObjectName(QStringLiteral("Tavsloj"));
    setWindowTitle(QStringLiteral("Descubre"));
    setWindowFlag(Qt::FramelessWindowHint);
    setFont(ui::programFont(px(16)));
    resize(app.platform.screenSize());
    e.ExerciseNo = Engine::GeProgramtal(StoryFile);

    Heading = new HeadingBox(this);
    Heading->setInnerColour(colour::Navy);
    for (int r = 0; r < RevealGame::Rows; ++r) {
        NameLabels[std::size_t(r)] = ui::makeLabel(this, {}, ui::programFamily(), px(22), true, colour::Green);
        NameLabels[std::size_t(r)]->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    for (int s = 0; s < RevealGame::Slots; ++s) {
        QLabel* l = ui::makeLabel(this, {}, ui::programFamily(), px(24), true, colour::Navy);
        l->setObjectName(QStringLiteral("Slot%1").arg(s + 1));
        l->setAttribute(Qt::WA_TransparentForMouseEvents);
        SlotLabels[std::size_t(s)] = l;
    }

    DragList = new QListWidget(this);
    DragList->setObjectName(QStringLiteral("ListBox1"));
    DragList->setFont(ui::programFont(px(20)));
    DragList->viewport()->installEventFilter(this);
    DragList->installEventFilter(this);
    DragList->viewport()->setCursor(Qt::OpenHandCursor);

    EntryPanel = ui::makePanel(this, colour::Teal, 2);
    auto* prompt = ui::makeLabel(EntryPanel, QStringLiteral("Escribe la palabra"), ui::programFamily(), px(20), true,
                                 colour::Yellow);
    prompt->setObjectName(QStringLiteral("prompt"));
    Edit1 = new QLineEdit(EntryPanel);
    Edit1->setMaxLength(20);
    Edit1->setFont(ui::programFont(px(22)));
    Edit1->installEventFilter(this);
    VerButton = new QPushButton(ShowStory, EntryPanel);
    VerButton->setFont(ui::programFont(px(18)));
    VerButton->installEventFilter(this);
    connect(Edit1, &QLineEdit::returnPressed, this, &Tavsloj::typeWord);
    connect(VerButton, &QPushButton::clicked, this, &Tavsloj::VerButtonClick);

    CounterPanel = ui::makePanel(this, colour::Navy, 2);
    const int cw = px(116);
    AttemptsLabel = counter(CounterPanel, QStringLiteral("Número de\n intentos"), px(6), cw, px(16));
    JustasLabel = counter(CounterPanel, QStringLiteral("Las respuestas\njustas"), px(6) + cw, cw, px(16));
    ListoLabel = counter(CounterPanel, QStringLiteral("Listo\n"), px(6) + 2 * cw, cw, px(16));
    CounterPanel->resize(3 * cw + px(12), ListoLabel->geometry().bottom() + px(10));

    DragLabel = ui::makeLabel(this, {}, ui::programFamily(), px(22), true, colour::Blue);
    DragLabel->setAttribute(Qt::WA_TransparentForMouseEvents);
    setBackground(DragLabel, &colour::Yellow);
    DragLabel->hide();

    ChoicePanel = ui::makePanel(this, colour::Cream, 3);
    ChoicePanel->setObjectName(QStringLiteral("ChoicePanel"));
    auto* titles = ui::makeLabel(ChoicePanel, QStringLiteral("Elige un titular"), ui::programFamily(), px(20), true,
                                 colour::Maroon);
    titles->setObjectName(QStringLiteral("titles"));
    StoryList = new QListWidget(ChoicePanel);
    StoryList->setObjectName(QStringLiteral("StoryList"));
    StoryList->setFont(ui::programFont(px(20)));
    StoryList->installEventFilter(this);
    auto* variants = ui::makeLabel(ChoicePanel, QStringLiteral("Elige la variante de juego"), ui::programFamily(),
                                   px(20), true, colour::Maroon);
    variants->setObjectName(QStringLiteral("variants"));
    Variant1 = new QRadioButton(QStringLiteral("Coloca las palabras que te han sido dadas\nen el lugar correcto del texto."),
                                ChoicePanel);
    Variant2 = new QRadioButton(QStringLiteral("Escribe la palabra que tratas de adivinar"), ChoicePanel);
    for (QRadioButton* b : {Variant1, Variant2}) {
        b->setFont(ui::programFont(px(17)));
        setTextColour(b, colour::Navy);
        // The round mark grows with the type, so that it is as easy to hit as the text.
        b->setStyleSheet(QStringLiteral("QRadioButton::indicator { width: %1px; height: %1px; }").arg(px(17)));
    }
    Variant1->setChecked(true);
    InterrumpeButton = new QPushButton(QStringLiteral("&Interrumpe"), ChoicePanel);
    InterrumpeButton->setFont(ui::programFont(px(18)));
    connect(InterrumpeButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(StoryList, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        loadStory(StoryList->row(item) + 1);
    });
    for (QPushButton* b : findChildren<QPushButton*>())
        b->setAutoDefault(false);

    // The stories, read once: the file does not change while the window is open.
    std::vector<std::string> plain;
    if (auto file = e.findContentFile(QStringLiteral("\\DATA\\") + QString::fromLatin1(StoryFile)))
        forEachLine(*file, [&](std::string_view line) {
            if (!line.empty() && line[0] != ';' && line[0] != '$')
                plain.push_back(Engine::dekryptrad(line));
            return true;
        });
    stories_ = reading::texts(plain);
    layOut();
    backToChoice();
}

int Tavsloj::px(int v) const { return v * std::max<int>(1, app_.engine.ScaleFactor) / 100; }

int Tavsloj::storyCount() const { return int(stories_.size()); }

std::vector<std::string> Tavsloj::storyLines(int story) const
{
    return story >= 1 && story <= storyCount() ? stories_[std::size_t(story - 1)] : std::vector<std::string>{};
}

void Tavsloj::layOut()
{
    const QSize screen = app_.platform.screenSize();
    const int W = screen.width(), H = screen.height();
    const int L = app_.engine.LetterWidth;
    const int right = W - L - CounterPanel->width();
    CounterPanel->move(right, L);
    Heading->setGeometry(L, L, std::min(W * 40 / 64, right - 2 * L), H * 9 / 48); // room for three lines
    Heading->RitaOverskriften(QStringLiteral("Descubre"), {}, {}, L, app_.engine.ScaleFactor);

    const int columnTop = std::max(Heading->geometry().bottom(), CounterPanel->geometry().bottom()) + px(20);
    // The words to drag, or the box to type in, in a narrow column on the right;
    // the story has the rest.
    const int column = std::min(CounterPanel->width(), px(250));
    DragList->setGeometry(W - L - column, columnTop, column, H - columnTop - px(20));
    EntryPanel->setGeometry(W - L - column, columnTop, column, px(170));
    auto* prompt = EntryPanel->findChild<QLabel*>(QStringLiteral("prompt"));
    prompt->setGeometry(px(10), px(10), EntryPanel->width() - px(20), QFontMetrics(prompt->font()).height());
    Edit1->setGeometry(px(10), prompt->geometry().bottom() + px(10), EntryPanel->width() - px(20), px(40));
    VerButton->setGeometry(px(10), Edit1->geometry().bottom() + px(14), EntryPanel->width() - px(20), px(40));

    // Under the heading, in the middle of the window.
    const int choiceTop = Heading->geometry().bottom() + px(24);
    const int pw = std::min(W - 2 * L, px(680)), ph = std::min(H - choiceTop - L, px(400));
    ChoicePanel->setGeometry((W - pw) / 2, choiceTop, pw, ph);
    auto* titles = ChoicePanel->findChild<QLabel*>(QStringLiteral("titles"));
    auto* variants = ChoicePanel->findChild<QLabel*>(QStringLiteral("variants"));
    const int m = px(20);
    titles->adjustSize();
    titles->move(m, m);
    StoryList->setGeometry(m, titles->geometry().bottom() + px(8), titles->width(),
                           ph - titles->geometry().bottom() - px(8) - m);
    const int x2 = StoryList->geometry().right() + px(40);
    variants->setGeometry(x2, m, pw - x2 - m, QFontMetrics(variants->font()).height());
    Variant1->setGeometry(x2, variants->geometry().bottom() + px(14), pw - x2 - m, Variant1->sizeHint().height());
    Variant2->setGeometry(x2, Variant1->geometry().bottom() + px(14), pw - x2 - m, Variant2->sizeHint().height());
    InterrumpeButton->setGeometry(pw - m - px(180), ph - m - px(40), px(180), px(40));
}

// Each row's words stand 10 pixels apart after its speaker's name; the type
// shrinks until the widest row fits left of the list.
void Tavsloj::layOutRows()
{
    const QSize screen = app_.platform.screenSize();
    const int L = app_.engine.LetterWidth;
    const int left = L + px(10);
    const int right = DragList->x() - px(20);
    int nameWidth = 0;
    QFont nameFont = NameLabels[0]->font();
    for (int r = 0; r < game_.rows; ++r)
        nameWidth = std::max(nameWidth, QFontMetrics(nameFont).horizontalAdvance(game_.names[std::size_t(r)]));
    const int wordsLeft = left + (nameWidth > 0 ? nameWidth + px(16) : 0);
    int pixels = px(24);
    auto rowWidth = [&](int r, const QFont& f) {
        int w = 0;
        for (int i = 0; i < RevealGame::PerRow; ++i) {
            const auto& s = game_.cells[std::size_t(r * RevealGame::PerRow + i)];
            // Room for the word as it will show when uncovered, and as its mask.
            if (s.used)
                w += std::max(QFontMetrics(f).horizontalAdvance(s.word), QFontMetrics(f).horizontalAdvance(s.mask))
                     + px(10);
        }
        return w;
    };
    QFont font = ui::programFont(pixels);
    for (int r = 0; r < game_.rows; ++r)
        while (pixels > px(12) && wordsLeft + rowWidth(r, font) > right)
            font = ui::programFont(--pixels);
    const QFontMetrics fm(font);
    const int top = Heading->geometry().bottom() + px(30);
    const int step = std::min(fm.height() * 2, (screen.height() - top - px(20)) / RevealGame::Rows);
    for (int r = 0; r < RevealGame::Rows; ++r) {
        QLabel* name = NameLabels[std::size_t(r)];
        name->setText(r < game_.rows ? game_.names[std::size_t(r)] : QString());
        name->adjustSize();
        name->move(left, top + r * step + (fm.height() - name->height()) / 2);
        name->setVisible(r < game_.rows && playing_);
        int x = wordsLeft;
        for (int i = 0; i < RevealGame::PerRow; ++i) {
            const int s = r * RevealGame::PerRow + i;
            QLabel* l = SlotLabels[std::size_t(s)];
            l->setFont(font);
            l->resize(fm.horizontalAdvance(l->text()) + 2, fm.height());
            l->move(x, top + r * step);
            x = l->geometry().right() + 1 + px(10);
        }
    }
}

void Tavsloj::showSlots()
{
    for (int s = 0; s < RevealGame::Slots; ++s) {
        const auto& slot = game_.cells[std::size_t(s)];
        QLabel* l = SlotLabels[std::size_t(s)];
        l->setText(slot.used ? game_.shownText(s, wholeStory_) : QString());
        setTextColour(l, slot.uncovered || slot.dash ? colour::Black : colour::Navy);
        setBackground(l, nullptr);
        l->setVisible(slot.used && playing_);
    }
    layOutRows();
}

void Tavsloj::updateCounters()
{
    AttemptsLabel->setText(QString::number(game_.attempts));
    JustasLabel->setText(game_.justas());
    ListoLabel->setText(game_.listo());
}

void Tavsloj::backToChoice()
{
    endDrag();
    playing_ = false;
    wholeStory_ = false;
    game_ = RevealGame();
    for (QLabel* l : NameLabels)
        l->hide();
    for (QLabel* l : SlotLabels)
        l->hide();
    DragList->clear();
    DragList->hide();
    EntryPanel->hide();
    CounterPanel->hide();
    Edit1->clear();
    Edit1->setEnabled(true);
    VerButton->setText(ShowStory);
    Heading->RitaOverskriften(QStringLiteral("Descubre"), {}, {}, app_.engine.LetterWidth, app_.engine.ScaleFactor);
    StoryList->clear();
    for (int k = 1; k <= storyCount(); ++k)
        StoryList->addItem(QString::number(k));
    StoryList->setCurrentRow(storyCount() > 0 ? 0 : -1);
    updateCounters();
    ChoicePanel->show();
    ChoicePanel->raise();
    StoryList->setFocus();
}

void Tavsloj::loadStory(int story)
{
    if (story < 1 || story > storyCount())
        return;
    game_.load(storyLines(story));
    if (game_.wordCount == 0) // nothing to uncover: the content check reports such a story
        return;
    playing_ = true;
    wholeStory_ = false;
    ChoicePanel->hide();
    CounterPanel->show();
    const bool dragging = Variant1->isChecked();
    Heading->RitaOverskriften(QStringLiteral("Descubre"),
                              dragging ? QStringLiteral("Coloca las palabras que te han sido dadas")
                                       : QStringLiteral("Escribe la palabra que tratas de adivinar"),
                              dragging ? QStringLiteral("en el lugar correcto del texto.") : QString(),
                              app_.engine.LetterWidth, app_.engine.ScaleFactor);
    DragList->clear();
    DragList->addItems(game_.dragList);
    DragList->setCurrentRow(0);
    DragList->setVisible(dragging);
    EntryPanel->setVisible(!dragging);
    Edit1->clear();
    Edit1->setEnabled(true);
    VerButton->setText(ShowStory);
    showSlots();
    updateCounters();
    if (dragging)
        DragList->setFocus();
    else
        Edit1->setFocus();
}

// --- variant 1: dragging a word -----------------------------------------------------------------

int Tavsloj::slotAt(QPoint pos) const
{
    for (int s = 0; s < RevealGame::Slots; ++s)
        if (SlotLabels[std::size_t(s)]->isVisible() && SlotLabels[std::size_t(s)]->geometry().contains(pos))
            return s;
    return -1;
}

bool Tavsloj::startListDrag(int row, QPoint globalPos)
{
    if (!playing_ || !DragList->isVisible() || row < 0 || row >= DragList->count())
        return false;
    DragList->setCurrentRow(row);
    dragRow_ = row;
    DragLabel->setText(u' ' + DragList->item(row)->text() + u' ');
    DragLabel->adjustSize();
    // The word rides just above the pointer, so the place under it stays in sight.
    grabOffset_ = QPoint(DragLabel->width() / 2, DragLabel->height() + px(6));
    DragLabel->move(mapFromGlobal(globalPos) - grabOffset_);
    DragLabel->show();
    DragLabel->raise();
    setCursor(Qt::ClosedHandCursor);
    return true;
}

void Tavsloj::lightSlot(int slot)
{
    if (slot == litSlot_)
        return;
    if (litSlot_ >= 0)
        setBackground(SlotLabels[std::size_t(litSlot_)], nullptr);
    // Only a hidden word's place takes a drop: only it lights up.
    const bool open = slot >= 0 && !game_.cells[std::size_t(slot)].uncovered && !game_.cells[std::size_t(slot)].dash;
    litSlot_ = open ? slot : -1;
    if (litSlot_ >= 0)
        setBackground(SlotLabels[std::size_t(litSlot_)], &colour::Aqua);
}

void Tavsloj::dragTo(QPoint globalPos)
{
    if (dragRow_ < 0)
        return;
    const QPoint pos = mapFromGlobal(globalPos);
    DragLabel->move(pos - grabOffset_);
    lightSlot(slotAt(pos));
}

void Tavsloj::endDrag()
{
    lightSlot(-1);
    DragLabel->hide();
    dragRow_ = -1;
    unsetCursor();
}

void Tavsloj::releaseAt(QPoint globalPos)
{
    if (dragRow_ < 0)
        return;
    const int slot = slotAt(mapFromGlobal(globalPos));
    if (slot < 0) {
        endDrag(); // let go elsewhere: the word stays in the list
        return;
    }
    dropOnSlot(slot);
}

void Tavsloj::dropOnSlot(int slot)
{
    const int row = dragRow_ >= 0 ? dragRow_ : DragList->currentRow();
    endDrag();
    if (!playing_ || row < 0 || row >= DragList->count())
        return;
    const RevealGame::Result result = game_.drop(DragList->item(row)->text(), slot);
    if (result == RevealGame::Result::Right) {
        DragList->clear();
        DragList->addItems(game_.dragList);
        DragList->setCurrentRow(0);
        showSlots();
    }
    updateCounters();
    finishIfComplete();
}

// --- variant 2: typing a word ---------------------------------------------------------------------

void Tavsloj::typeWord()
{
    if (!playing_ || wholeStory_)
        return;
    if (game_.type(Edit1->text()) > 0)
        showSlots();
    Edit1->clear();
    Edit1->setFocus();
    updateCounters();
    finishIfComplete();
}

void Tavsloj::VerButtonClick()
{
    if (!playing_)
        return;
    wholeStory_ = !wholeStory_;
    VerButton->setText(wholeStory_ ? HideStory : ShowStory);
    Edit1->setEnabled(!wholeStory_);
    showSlots();
    if (!wholeStory_)
        Edit1->setFocus();
}

void Tavsloj::finishIfComplete()
{
    if (!game_.complete())
        return;
    DragList->hide();
    EntryPanel->hide();
    showSlots();
    app_.engine.inform(QStringLiteral("¡Enhorabuena! ¡Excelente!"));
    backToChoice();
}

// --- the mouse and the keys ---------------------------------------------------------------------------

bool Tavsloj::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (watched == DragList->viewport()
        && (type == QEvent::MouseButtonPress || type == QEvent::MouseMove || type == QEvent::MouseButtonRelease
            || type == QEvent::MouseButtonDblClick)) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint global = mouse->globalPosition().toPoint();
        if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) {
            if (mouse->button() == Qt::LeftButton) {
                const QModelIndex index = DragList->indexAt(mouse->position().toPoint());
                if (index.isValid())
                    startListDrag(index.row(), global);
            }
            return true;
        }
        if (type == QEvent::MouseMove) {
            dragTo(global);
            return dragRow_ >= 0;
        }
        releaseAt(global);
        return true;
    }
    if (type == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        keyPressEvent(static_cast<QKeyEvent*>(event));
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void Tavsloj::mouseMoveEvent(QMouseEvent* event)
{
    dragTo(event->globalPosition().toPoint());
    event->accept();
}

void Tavsloj::mouseReleaseEvent(QMouseEvent* event)
{
    releaseAt(event->globalPosition().toPoint());
    event->accept();
}

void Tavsloj::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Escape) {
        // During a story Esc goes back to the choice; at the choice it closes.
        if (dragRow_ >= 0)
            endDrag();
        else if (playing_)
            backToChoice();
        else
            reject();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace lingvaro
