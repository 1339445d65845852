#include "exercises/sentences/satsu.h"

#include "contentmap/sentences.h"
#include "engine/cp1252.h"
#include "engine/engine.h"
#include "exercises/common/headingbox.h"
#include "exercises/common/registry.h"
#include "exercises/common/textanswer.h"
#include "results/skrivut.h"
#include "ui/palette.h"
#include "ui/widgets.h"

#include <QContextMenuEvent>
#include <QGraphicsOpacityEffect>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace lingvaro {

LINGVARO_EXERCISE_WINDOW(TSats)

namespace {

namespace colour = ui::colour;

QString shown(const std::string& cp1252) { return fromCp1252(cp1252); }

// The button panel speaks Swedish here, and goes on with "&Fortsätt".
constexpr ButtonCaptions SatsCaptions{"&Rätta felen", "&Fortsätt", "&Avbryt", "&Inställningar"};

const QString HelpStart = QStringLiteral("För musen över meningen.");
const QString HelpOnPart = QStringLiteral("Här kan du klicka med vänster musknapp.");
const QString HelpBackground = QStringLiteral("Styr musen till meningen!");
const QString HelpDragging = QStringLiteral("Håll knappen nedtryckt och dra musen till satsdelsruta!");
const QString HelpOverBox = QStringLiteral("Här kan du släppa upp knappen.");

// Takes the next sentence that gives the pupil something to do: a line whose
// marks do not pair up, or whose parts have no box, would leave the pupil with
// nothing to drag and no way on. It is passed over without being counted (the
// content check reports it). A leading digit of a line is dropped, in worksheet
// mode a second one too.
class SentenceSource : public QuestionSource {
public:
    void fetch(Engine& e, bool correctionPass) override
    {
        const int tries = std::max(1, questionCount(e));
        for (int i = 0; i < tries; ++i) {
            QuestionSource::fetch(e, correctionPass);
            e.CurrentLine = sentences::dropLeadingDigits(Engine::dekryptrad(e.CurrentLine), isWorksheet(e.WorkMode));
            if (correctionPass || sentences::hasBoxes(e.CurrentLine))
                return;
        }
    }
};

// How a part looks: a tile that can be picked up, the tile under the pointer
// or in the hand, or plain black text once it stands above its box.
enum class Look { Tile, Lit, Placed };

void setLook(QLabel* part, Look look)
{
    static const QString styles[] = {
        QStringLiteral("QLabel { color: #0000ff; background: #e4eaff; border: 1px solid #8c9ce8; border-radius: 5px; }"),
        QStringLiteral("QLabel { color: #0000ff; background: #00ffff; border: 1px solid #0000ff; border-radius: 5px; }"),
        QStringLiteral("QLabel { color: #000000; background: transparent; border: none; }")};
    part->setStyleSheet(styles[int(look)]);
}

// The words of the text around the parts, each with its leading spaces; the
// spaces at the end of a text are a piece of their own.
QStringList words(const QString& text)
{
    QStringList out;
    int pos = 0;
    while (pos < text.size()) {
        int end = pos;
        while (end < text.size() && text[end] == u' ')
            ++end;
        while (end < text.size() && text[end] != u' ')
            ++end;
        out << text.mid(pos, end - pos);
        pos = end;
    }
    return out;
}

} // namespace

std::vector<FlowPlace> flowPieces(const std::vector<FlowPiece>& pieces,
                                  const std::function<int(const FlowPiece&)>& width, int left, int right)
{
    std::vector<FlowPlace> out;
    const int space = width({QStringLiteral(" "), -1});
    int x = left, line = 0;
    bool lineEmpty = true;
    for (const FlowPiece& piece : pieces) {
        FlowPlace place;
        const bool blank = piece.part < 0 && piece.text.trimmed().isEmpty();
        const int w = width(piece);
        if (!lineEmpty && !blank && x + w > right) {
            ++line;
            x = left;
            lineEmpty = true;
        }
        place.line = line;
        if (lineEmpty && blank) {
            place.x = x;
            place.shown = false;
            out.push_back(place);
            continue;
        }
        if (lineEmpty && piece.part < 0 && piece.text.startsWith(u' ')) {
            int lead = 0;
            while (lead < piece.text.size() && piece.text[lead] == u' ')
                ++lead;
            x = left - lead * space;
        }
        place.x = x;
        x += w;
        lineEmpty = false;
        out.push_back(place);
    }
    return out;
}

const ExerciseRules& TSats::rules()
{
    static const ExerciseRules rules = [] {
        ExerciseRules r;
        r.wrongGoesOnAtOnce = true; // the wrong drops were shown while the pupil tried
        r.captionsFor = [](int) { return SatsCaptions; };
        return r;
    }();
    return rules;
}

TSats::TSats(AppContext& app) : ExerciseWindow(app, "TSats", rules())
{
    series().setSource(std::make_unique<SentenceSource>());
    Label3 = ui::makeLabel(this, HelpStart, ui::programFamily(), px(18), true, colour::Maroon);
    for (int k = 0; k < MaxParts; ++k) {
        MenCopy[std::size_t(k)] = ui::makeLabel(this, {}, ui::programFamily(), px(26), true, colour::Black);
        Men[std::size_t(k)] = ui::makeLabel(this, {}, ui::programFamily(), px(26), true, colour::Blue);
        Men[std::size_t(k)]->setObjectName(QStringLiteral("Men%1").arg(k + 1));
        MenCopy[std::size_t(k)]->setObjectName(QStringLiteral("Men%1").arg(k + 6));
        auto* box = ui::makePanel(this, colour::Yellow, 2);
        box->setObjectName(QStringLiteral("Memo%1").arg(k + 1));
        for (int line = 0; line < 2; ++line) {
            auto* caption = ui::makeLabel(box, {}, ui::programFamily(), px(18), true, colour::Navy);
            caption->setAlignment(Qt::AlignCenter);
            caption->setObjectName(QStringLiteral("caption%1").arg(line + 1));
            caption->setAttribute(Qt::WA_TransparentForMouseEvents);
        }
        Memo[std::size_t(k)] = box;
        for (QWidget* w : {static_cast<QWidget*>(Men[std::size_t(k)]), static_cast<QWidget*>(MenCopy[std::size_t(k)]),
                           static_cast<QWidget*>(box)}) {
            w->setAttribute(Qt::WA_TransparentForMouseEvents);
            w->hide();
        }
    }
    Shape1 = new Lamp(this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    FelPanel = ui::makePanel(this, colour::Red, 2);
    FelPanel->setObjectName(QStringLiteral("FelPanel"));
    auto* fel = ui::makeLabel(FelPanel, QStringLiteral("Fel. Gör ett nytt försök!"), ui::programFamily(), px(20), true,
                              colour::Yellow);
    fel->setAlignment(Qt::AlignCenter);
    FelPanel->hide();
    for (QWidget* w : {static_cast<QWidget*>(Label3), static_cast<QWidget*>(Shape1), static_cast<QWidget*>(FelPanel),
                       static_cast<QWidget*>(fel)})
        w->setAttribute(Qt::WA_TransparentForMouseEvents);
    Label3->setObjectName(QStringLiteral("Label3"));
    InstruktionsLabel->hide();
    FrageLabel1->hide();
    FrageLabel2->hide();
    setMouseTracking(true);
    begin();
}

int TSats::boxCategory(int box) const
{
    return box >= 0 && box < boxCount() ? boxes_[std::size_t(box)].category : 0;
}

// --- layout -------------------------------------------------------------------------------

void TSats::Inled()
{
    ExerciseWindow::Inled();
    Engine& e = engine();
    const int L = e.LetterWidth;
    static const char* const second[] = {"Predikat eller subjekt?", "Vilket är ackusativobjektet?",
                                         "Ackusativ- eller dativobjekt?"};
    const int n = e.ExerciseNo;
    if (n == 59100 || n == 59200 || n == 59300)
        Heading->RitaOverskriften(QStringLiteral("Satsdelar."), QString::fromUtf8(second[(n - 59100) / 100]), {}, L,
                                  e.ScaleFactor);
    InstruktionsLabel->hide();

    // The help line a line below the heading, the sentence two help lines below it.
    const int helpHeight = QFontMetrics(Label3->font()).height();
    Label3->move(Heading->x(), Heading->geometry().bottom() + helpHeight);
    Label3->resize(questionRight() - Label3->x(), helpHeight);
    sentenceTop_ = Label3->y() + 2 * helpHeight;

    // From the bottom up: the button panel, the rules button, the wrong-drop
    // panel and the boxes.
    regelknapp->move(Heading->x(), Panel1->y() - regelknapp->height() - L);
    auto* fel = FelPanel->findChild<QLabel*>();
    fel->adjustSize();
    FelPanel->resize(fel->width() + 2 * L, fel->height() + px(10));
    fel->setGeometry(0, 0, FelPanel->width(), FelPanel->height());
    FelPanel->move(Heading->x(), regelknapp->y() - FelPanel->height() - L);
    const int boxHeight = 2 * QFontMetrics(ui::programFont(px(18))).height() + px(12);
    boxTop_ = FelPanel->y() - L - boxHeight;
    for (QFrame* box : Memo)
        box->resize(box->width(), boxHeight);
    const int lamp = px(30);
    Shape1->setGeometry(questionRight() - lamp, boxTop_ + (boxHeight - lamp) / 2, lamp, lamp);
}

void TSats::layOutBoxes()
{
    const int left = Heading->x();
    const int right = Shape1->x() - engine().LetterWidth;
    const int slot = (right - left) / MaxParts;
    const int width = std::min(px(170), slot - px(14));
    const int n = boxCount();
    const int first = left + (right - left - n * slot) / 2;
    for (int l = 0; l < MaxParts; ++l) {
        QFrame* box = Memo[std::size_t(l)];
        if (l >= n) {
            box->hide();
            continue;
        }
        box->setGeometry(first + l * slot + (slot - width) / 2, boxTop_, width, box->height());
        const sentences::Category& c = sentences::categories()[std::size_t(boxes_[std::size_t(l)].category - 1)];
        const auto captions = box->findChildren<QLabel*>();
        const int lineHeight = (box->height() - px(8)) / 2;
        for (QLabel* caption : captions) {
            const bool firstLine = caption->objectName() == QStringLiteral("caption1");
            caption->setText(QString::fromUtf8(firstLine ? c.caption1 : c.caption2));
            // A one-line caption stands in the middle of its box.
            const bool single = !*c.caption2;
            caption->setGeometry(0, single ? (box->height() - lineHeight) / 2 : px(4) + (firstLine ? 0 : lineHeight),
                                 box->width(), lineHeight);
            caption->setVisible(firstLine || !single);
        }
        colourBox(l, false);
        box->setVisible(!isWorksheet(engine().WorkMode));
    }
}

QLabel* TSats::plainLabel(int index)
{
    while (Mell.size() <= index) {
        QLabel* l = ui::makeLabel(this, {}, ui::programFamily(), px(26), true, colour::Black);
        l->setAttribute(Qt::WA_TransparentForMouseEvents);
        l->setObjectName(QStringLiteral("Mell%1").arg(Mell.size() + 1));
        l->lower();
        Mell << l;
    }
    return Mell[index];
}

void TSats::layOutSentence()
{
    const QFont font = ui::programFont(px(26));
    const QFontMetrics fm(font);
    std::vector<FlowPiece> pieces;
    for (int i = 0; i < plainTexts_.size(); ++i) {
        for (const QString& w : words(plainTexts_[i]))
            pieces.push_back({w, -1});
        if (i < partTexts_.size())
            pieces.push_back({partTexts_[i], i});
    }
    // A part is a tile a little wider than its text.
    const int pad = px(5);
    auto width = [&](const FlowPiece& p) { return fm.horizontalAdvance(p.text) + (p.part >= 0 ? 2 * pad : 0); };
    const auto places = flowPieces(pieces, width, Heading->x(), questionRight());
    const int lineStep = fm.height() * 3 / 2;
    int plain = 0;
    lines_ = 0;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const FlowPiece& piece = pieces[i];
        const FlowPlace& place = places[i];
        const QPoint at(place.x, sentenceTop_ + place.line * lineStep);
        lines_ = std::max(lines_, place.line + 1);
        const QSize size(width(piece) + 1, fm.height());
        if (piece.part < 0) {
            QLabel* l = plainLabel(plain++);
            l->setText(piece.text);
            l->setGeometry(QRect(at, size));
            l->setVisible(place.shown);
            continue;
        }
        const std::size_t k = std::size_t(piece.part);
        home_[k] = at;
        for (QLabel* l : {MenCopy[k], Men[k]}) {
            l->setText(piece.text);
            l->setGeometry(QRect(at, size));
        }
        MenCopy[k]->hide(); // under its part until the part leaves its place
        Men[k]->show();
        Men[k]->raise();
    }
    for (int i = plain; i < Mell.size(); ++i)
        Mell[i]->hide();
}

// --- a sentence ------------------------------------------------------------------------------

void TSats::showQuestion()
{
    Engine& e = engine();
    const sentences::Sentence s = sentences::parse(e.AnswerFields[1]);
    partTexts_.clear();
    plainTexts_.clear();
    partCategory_.clear();
    for (const std::string& p : s.parts)
        partTexts_ << shown(p);
    for (const std::string& p : s.plain)
        plainTexts_ << shown(p);
    std::vector<std::string> codes;
    for (int k = 0; k < partCount(); ++k) {
        codes.push_back(e.AnswerFields[k + 2]);
        partCategory_.push_back(sentences::categoryOf(codes.back()));
    }
    boxes_.clear();
    for (const sentences::Box& b : sentences::boxes(codes))
        boxes_.push_back({b.part, b.category});
    placed_.fill(false);
    filled_.fill(false);
    placedCount_ = 0;
    firstTry_ = true;
    dragged_ = hovered_ = litBox_ = -1;
    unsetCursor();

    for (int k = 0; k < MaxParts; ++k) {
        QLabel* part = Men[std::size_t(k)];
        part->setFont(ui::programFont(px(26)));
        part->setAlignment(Qt::AlignCenter);
        part->setGraphicsEffect(nullptr);
        setLook(part, Look::Tile);
        MenCopy[std::size_t(k)]->setAlignment(Qt::AlignCenter);
        part->setVisible(k < partCount());
        MenCopy[std::size_t(k)]->hide();
    }
    showQuestionArea(true);
    layOutSentence();
    layOutBoxes();
    Shape1->setColour(colour::Lime);
    FelPanel->hide();
    setHelp(boxes_.empty() ? QStringLiteral("Den här meningen har inga satsdelsrutor. Tryck Esc.") : HelpStart);
    updateRulesButton();
}

void TSats::showQuestionArea(bool on)
{
    const bool worksheet = isWorksheet(engine().WorkMode);
    Label3->setVisible(on && !worksheet);
    Shape1->setVisible(on && !worksheet);
    if (!on) {
        FelPanel->hide();
        for (int k = 0; k < MaxParts; ++k) {
            Men[std::size_t(k)]->hide();
            MenCopy[std::size_t(k)]->hide();
            Memo[std::size_t(k)]->hide();
        }
        for (QLabel* l : Mell)
            l->hide();
    }
}

void TSats::setAnswering(bool on)
{
    answering_ = on && !isWorksheet(engine().WorkMode);
    if (!answering_ && dragged_ >= 0)
        returnPart(dragged_);
}

void TSats::showEnd(const SeriesEnd& end)
{
    // The sentence and its boxes make room for the picture and the praise.
    showQuestionArea(false);
    ExerciseWindow::showEnd(end);
}

void TSats::setHelp(const QString& text)
{
    if (Label3->text() != text)
        Label3->setText(text);
}

void TSats::colourBox(int box, bool underPointer)
{
    if (box < 0 || box >= MaxParts)
        return;
    const QColor& c = filled_[std::size_t(box)] ? colour::Aqua : underPointer ? colour::Lime : colour::Yellow;
    ui::setPanelColour(Memo[std::size_t(box)], c);
}

void TSats::highlightPart(int part)
{
    if (part == hovered_)
        return;
    for (int k = 0; k < partCount(); ++k)
        if (!placed_[std::size_t(k)])
            setLook(Men[std::size_t(k)], k == part ? Look::Lit : Look::Tile);
    hovered_ = part;
}

// --- the mouse ---------------------------------------------------------------------------------

int TSats::partAt(QPoint pos) const
{
    for (int k = 0; k < partCount(); ++k)
        if (k != dragged_ && !placed_[std::size_t(k)] && Men[std::size_t(k)]->isVisible()
            && Men[std::size_t(k)]->geometry().contains(pos))
            return k;
    return -1;
}

int TSats::boxAt(QPoint pos) const
{
    for (int l = 0; l < boxCount(); ++l)
        if (Memo[std::size_t(l)]->isVisible() && Memo[std::size_t(l)]->geometry().contains(pos))
            return l;
    return -1;
}

void TSats::hoverAt(QPoint pos)
{
    if (!answering_ || dragged_ >= 0)
        return;
    const int part = partAt(pos);
    highlightPart(part);
    if (part >= 0) {
        setCursor(Qt::OpenHandCursor);
        setHelp(HelpOnPart);
    } else {
        unsetCursor();
        setHelp(HelpBackground);
    }
}

bool TSats::startDrag(int part, QPoint pos)
{
    if (!answering_ || !series().asking() || part < 0 || part >= partCount() || placed_[std::size_t(part)])
        return false;
    if (dragged_ >= 0)
        returnPart(dragged_);
    FelPanel->hide();
    dragged_ = part;
    QLabel* label = Men[std::size_t(part)];
    // The part rides just above the pointer, where it was taken hold of
    // across, so the box under the pointer stays readable.
    grabOffset_ = QPoint(pos.x() - label->x(), label->height() + px(8));
    highlightPart(part);
    MenCopy[std::size_t(part)]->show();
    // In the hand the part lets the box under it show through.
    auto* seeThrough = new QGraphicsOpacityEffect(label);
    seeThrough->setOpacity(0.7);
    label->setGraphicsEffect(seeThrough);
    label->raise();
    setCursor(Qt::ClosedHandCursor);
    setHelp(HelpDragging);
    return true;
}

void TSats::dragTo(QPoint pos)
{
    if (dragged_ < 0)
        return;
    Men[std::size_t(dragged_)]->move(pos - grabOffset_);
    const int box = boxAt(pos);
    if (box != litBox_) {
        colourBox(litBox_, false);
        colourBox(box, true);
        litBox_ = box;
    }
    setHelp(box >= 0 ? HelpOverBox : HelpDragging);
}

void TSats::returnPart(int part)
{
    if (part < 0 || part >= MaxParts)
        return;
    Men[std::size_t(part)]->move(home_[std::size_t(part)]);
    Men[std::size_t(part)]->setGraphicsEffect(nullptr);
    MenCopy[std::size_t(part)]->hide();
    colourBox(litBox_, false);
    litBox_ = -1;
    if (dragged_ == part)
        dragged_ = -1;
    unsetCursor();
}

void TSats::releaseOnBackground()
{
    if (dragged_ < 0)
        return;
    returnPart(dragged_);
    highlightPart(-1);
    setHelp(HelpBackground);
}

void TSats::placePart(int part, int box)
{
    QLabel* label = Men[std::size_t(part)];
    const QFrame* target = Memo[std::size_t(box)];
    // A long part shrinks until it fits above its box and its neighbours' room.
    const int room = target->width() + px(12);
    QFont font = label->font();
    while (font.pixelSize() > px(12) && QFontMetrics(font).horizontalAdvance(label->text()) > room)
        font.setPixelSize(font.pixelSize() - 1);
    label->setFont(font);
    const QFontMetrics fm(font);
    label->resize(fm.horizontalAdvance(label->text()) + 1, fm.height());
    label->move(target->x() + (target->width() - label->width()) / 2, target->y() - label->height() - px(4));
    label->setGraphicsEffect(nullptr);
    setLook(label, Look::Placed);
    placed_[std::size_t(part)] = true;
    filled_[std::size_t(box)] = true;
    ++placedCount_;
}

void TSats::dropOnBox(int box)
{
    if (dragged_ < 0)
        return;
    const int part = dragged_;
    if (box < 0 || box >= boxCount() || filled_[std::size_t(box)]) {
        // Not on a box, or on one its part has filled already: the part goes back.
        releaseOnBackground();
        return;
    }
    colourBox(litBox_, false);
    litBox_ = -1;
    dragged_ = -1;
    unsetCursor();
    hovered_ = -1;
    // Any free box of the part's category takes it: two dative objects fill the
    // two dative boxes in either order.
    if (partCategory_[std::size_t(part)] != 0 && boxes_[std::size_t(box)].category == partCategory_[std::size_t(part)]) {
        placePart(part, box);
        colourBox(box, false);
        Shape1->setColour(colour::Lime);
        setHelp(HelpStart);
    } else {
        returnPart(part);
        setLook(Men[std::size_t(part)], Look::Tile);
        FelPanel->show();
        FelPanel->raise();
        Shape1->setColour(colour::Red);
        setHelp(HelpStart);
        firstTry_ = false;
    }
    if (placedCount_ >= boxCount() && boxCount() > 0)
        series().judged(firstTry_);
}

void TSats::mousePressEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    if (event->button() == Qt::RightButton) {
        event->accept();
        releaseOnBackground();
        if (!RegelPanel->isVisible())
            series().pause();
        return;
    }
    if (event->button() == Qt::LeftButton && startDrag(partAt(pos), pos)) {
        event->accept();
        return;
    }
    ExerciseWindow::mousePressEvent(event);
}

void TSats::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    if (dragged_ >= 0)
        dragTo(pos);
    else
        hoverAt(pos);
    event->accept();
}

void TSats::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && dragged_ >= 0) {
        dropOnBox(boxAt(event->position().toPoint()));
        event->accept();
        return;
    }
    ExerciseWindow::mouseReleaseEvent(event);
}

void TSats::contextMenuEvent(QContextMenuEvent* event)
{
    event->accept(); // the right button pauses; there is no menu
}

void TSats::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && dragged_ >= 0)
        releaseOnBackground();
    ExerciseWindow::keyPressEvent(event);
}

// --- worksheet mode ----------------------------------------------------------------------------------

WorksheetBlock TSats::worksheetBlock()
{
    const Engine& e = engine();
    WorksheetBlock block;
    switch (e.ExerciseNo) {
    case 59100: block.heading = QStringLiteral("SATSDELAR. Predikat och subjekt?"); break;
    case 59200: block.heading = QStringLiteral("SATSDELAR. Ackusativobjekt."); break;
    case 59300: block.heading = QStringLiteral("SATSDELAR. Ackusativ- eller dativobjekt?"); break;
    default: block.heading = QStringLiteral("SATSDELAR."); break;
    }
    if (!e.HeaderNote.empty()) {
        block.withoutAnswers << QStringLiteral("      ") + shown(e.HeaderNote);
        block.withAnswers << QStringLiteral("      ") + shown(e.HeaderNote);
    }
    return block;
}

WorksheetTask TSats::worksheetTask()
{
    const Engine& e = engine();
    WorksheetTask task;
    const QString sentence = shown(e.AnswerFields[1]);
    task.withoutAnswers << sentence;
    task.withAnswers << sentence;
    const QString indent(7, u' ');
    for (const BoxOf& b : boxes_) {
        const QString label = QString::fromUtf8(sentences::categories()[std::size_t(b.category - 1)].worksheetLabel);
        task.withoutAnswers << indent + label + QString(28, u'_');
        task.withAnswers << indent + label + u' ' + partTexts_.value(b.part);
    }
    return task;
}

} // namespace lingvaro
