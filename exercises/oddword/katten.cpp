#include "exercises/oddword/katten.h"

#include "engine/cp1252.h"
#include "engine/engine.h"
#include "exercises/oddword/spelnamn.h"
#include "ui/context.h"
#include "ui/palette.h"
#include "ui/platform.h"
#include "ui/widgets.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

namespace lingvaro {
namespace colour = ui::colour;

namespace {

constexpr int SmallestPoints = 10; // no text shrinks below this, however long it is

QString shown(const std::string& cp1252) { return fromCp1252(cp1252); }

} // namespace

// --- the score panel ---------------------------------------------------------------------

OddWordScores::OddWordScores(QWidget* parent, int scalePercent) : QWidget(parent), scale_(std::max(1, scalePercent)) {}

void OddWordScores::setPlayers(const std::vector<QString>& names)
{
    names_ = names;
    fitNames();
    update();
}

void OddWordScores::setState(const OddWordTurns& turns)
{
    for (int p = 1; p <= 3; ++p)
        points_[std::size_t(p - 1)] = p <= turns.players() ? turns.points(p) : 0;
    current_ = turns.current();
    QStringList description;
    for (std::size_t i = 0; i < names_.size(); ++i)
        description << QStringLiteral("%1 %2").arg(names_[i]).arg(points_[i]);
    setAccessibleDescription(description.join(QStringLiteral(", ")));
    update();
}

void OddWordScores::resizeEvent(QResizeEvent*)
{
    fitNames();
}

void OddWordScores::fitNames()
{
    // One size for every name: 20 points, less until the longest fits its part.
    const int room = width() * 2 / 5 - 16;
    namePoints_ = 20 * scale_ / 100;
    for (;; --namePoints_) {
        const QFontMetrics m(ui::programFontPt(namePoints_));
        const bool fits = std::all_of(names_.begin(), names_.end(),
                                      [&](const QString& n) { return m.horizontalAdvance(n) <= room; });
        if (fits || namePoints_ <= SmallestPoints)
            break;
    }
}

void OddWordScores::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), colour::Navy);
    if (names_.empty())
        return;
    const int rows = int(names_.size());
    const int rowHeight = height() / 3;
    const int nameWidth = width() * 2 / 5;
    p.setFont(ui::programFontPt(namePoints_));
    for (int i = 0; i < rows; ++i) {
        const QRect row(0, i * rowHeight + (height() - rows * rowHeight) / 2, width(), rowHeight);
        const QRect name = row.adjusted(6, 6, nameWidth - row.width(), -6);
        p.fillRect(name, i + 1 == current_ ? colour::Aqua : colour::White);
        p.setPen(colour::Navy);
        p.drawText(name.adjusted(8, 0, -4, 0), Qt::AlignLeft | Qt::AlignVCenter, names_[std::size_t(i)]);
        const QRect bar = row.adjusted(nameWidth + 6, 10, -10, -10);
        p.fillRect(bar, colour::White);
        QRect filled = bar;
        filled.setWidth(bar.width() * std::clamp(points_[std::size_t(i)], 0, OddWordTurns::Goal) / OddWordTurns::Goal);
        p.fillRect(filled, colour::Aqua);
        p.setPen(QPen(colour::Navy, 1));
        for (int k = 1; k < OddWordTurns::Goal; ++k) {
            const int x = bar.x() + bar.width() * k / OddWordTurns::Goal;
            p.drawLine(x, bar.y(), x, bar.bottom());
        }
        p.setPen(QPen(colour::Yellow, 2));
        p.drawRect(bar);
    }
}

// --- the game ---------------------------------------------------------------------------------

Tkatten::Tkatten(AppContext& app) : QDialog(nullptr), app_(app), e_(app.engine)
{
    setObjectName(QStringLiteral("Tkatten"));
    setWindowTitle(QStringLiteral("Vad ska bort?"));
    setWindowFlag(Qt::FramelessWindowHint);
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    // The words of the menu's file; never the own lists a quiz looked in last.
    e_.ExerciseNo = Engine::GeProgramtal(e_.DataFileName);
    auto px = [this](int v) { return v * std::max<int>(1, e_.ScaleFactor) / 100; };

    RubrikPanel = ui::makePanel(this, colour::Aqua, 2);
    auto* rubrik = ui::makeLabel(RubrikPanel, QStringLiteral("Vad ska bort?"), px(36), true, colour::Navy);
    rubrik->setObjectName(QStringLiteral("RubrikLabel"));
    rubrik->setAlignment(Qt::AlignCenter);
    InstruktionsLabel = ui::makeLabel(this, shown(e_.HeaderInstruction), px(20), true, colour::Green);
    InstruktionsLabel->setWordWrap(true);
    for (int i = 0; i < 4; ++i) {
        QFrame* panel = ui::makePanel(this, palette().color(QPalette::Window), 3);
        panel->setCursor(Qt::PointingHandCursor);
        panel->installEventFilter(this);
        OrdLabel[std::size_t(i)] = ui::makeLabel(panel, {}, px(30), true, colour::Navy);
        OrdLabel[std::size_t(i)]->setAlignment(Qt::AlignCenter);
        NummerLabel[std::size_t(i)] = ui::makeLabel(panel, QString::number(i + 1), px(18), true, colour::Maroon);
        for (QObject* part : {static_cast<QObject*>(OrdLabel[std::size_t(i)]), static_cast<QObject*>(NummerLabel[std::size_t(i)])})
            part->installEventFilter(this);
        panel->setObjectName(QStringLiteral("KattPanel%1").arg(i + 1));
        KattPanel[std::size_t(i)] = panel;
    }
    KommentarLabel = ui::makeLabel(this, {}, px(22), true, colour::Maroon);
    KommentarLabel->setWordWrap(true);
    KommentarLabel->hide();
    PoangPanel = new OddWordScores(this, e_.ScaleFactor);
    LovordPanel = ui::makePanel(this, colour::Blue);
    auto* inner = ui::makePanel(LovordPanel, colour::Yellow);
    inner->setObjectName(QStringLiteral("LovordInner"));
    LovordLabel = ui::makeLabel(inner, {}, px(30), true, colour::Navy);
    LovordLabel->setAlignment(Qt::AlignCenter);
    LovordPanel->hide();

    Panel1 = ui::makePanel(this, colour::Navy, 2);
    Button2 = new QPushButton(QStringLiteral("&Continúa"), Panel1);
    Button3 = new QPushButton(QStringLiteral("&Interrumpe"), Panel1);
    NyaNamnButton = new QPushButton(QStringLiteral("&Nuevos nombres"), Panel1);
    for (QPushButton* b : {Button2, Button3, NyaNamnButton}) {
        b->setFont(ui::programFont(px(18)));
        b->setAutoDefault(false);
    }
    connect(Button2, &QPushButton::clicked, this, &Tkatten::ContinuaClick);
    connect(Button3, &QPushButton::clicked, this, &QDialog::accept);
    connect(NyaNamnButton, &QPushButton::clicked, this, &Tkatten::NyaNamnClick);
    Panel1->hide();

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &Tkatten::Timer1Tick);

    const std::pair<QObject*, const char*> names[] = {
        {RubrikPanel, "RubrikPanel"}, {InstruktionsLabel, "InstruktionsLabel"}, {KommentarLabel, "KommentarLabel"},
        {PoangPanel, "PoangPanel"},   {LovordPanel, "LovordPanel"},             {Panel1, "Panel1"},
        {Button2, "Button2"},         {Button3, "Button3"},                     {NyaNamnButton, "NyaNamnButton"}};
    for (const auto& [part, name] : names)
        part->setObjectName(QString::fromLatin1(name));
    layout();
    newGame();
}

void Tkatten::layout()
{
    const QSize screen = app_.platform.screenSize();
    resize(screen);
    const int W = screen.width(), H = screen.height();
    const int u = W / 32, v = H / 48;
    auto px = [this](int value) { return value * std::max<int>(1, e_.ScaleFactor) / 100; };

    RubrikPanel->setGeometry(u, v, 14 * u, 5 * v);
    RubrikPanel->findChild<QLabel*>(QStringLiteral("RubrikLabel"))->setGeometry(0, 0, 14 * u, 5 * v);
    InstruktionsLabel->setGeometry(u, 7 * v, 30 * u, 3 * v);
    const int gap = u / 2, panelWidth = (30 * u - 3 * gap) / 4;
    for (int i = 0; i < 4; ++i) {
        KattPanel[std::size_t(i)]->setGeometry(u + i * (panelWidth + gap), 11 * v, panelWidth, 9 * v);
        OrdLabel[std::size_t(i)]->setGeometry(4, 0, panelWidth - 8, 9 * v);
        NummerLabel[std::size_t(i)]->setGeometry(px(8), px(4), px(30), px(24));
    }
    LovordPanel->setGeometry(u, 11 * v, 30 * u, 9 * v);
    auto* inner = LovordPanel->findChild<QFrame*>(QStringLiteral("LovordInner"));
    inner->setGeometry(6, 6, LovordPanel->width() - 12, LovordPanel->height() - 12);
    LovordLabel->setGeometry(0, 0, inner->width(), inner->height());
    KommentarLabel->setGeometry(u, 22 * v, 30 * u, 6 * v);
    PoangPanel->setGeometry(u, 29 * v, 30 * u, 12 * v);

    const int buttonHeight = std::max(px(36), QFontMetrics(Button2->font()).height() + px(10));
    const int panelHeight = std::max(4 * v, buttonHeight + px(12));
    Panel1->setGeometry(u, H - panelHeight - v / 2, 30 * u, panelHeight);
    const int bw = (Panel1->width() - 4 * 8) / 3;
    int x = 8;
    for (QPushButton* b : {Button2, NyaNamnButton, Button3}) {
        b->setGeometry(x, (panelHeight - buttonHeight) / 2, bw, buttonHeight);
        x += bw + 8;
    }
}

void Tkatten::newGame()
{
    const int players = std::clamp(e_.PlayerCount, 1, 3);
    turns_ = OddWordTurns(players);
    const std::string* stored[] = {&e_.PupilName, &e_.PlayerName2, &e_.PlayerName3};
    std::vector<QString> names;
    for (int p = 1; p <= players; ++p) {
        const QString name = shown(*stored[p - 1]).simplified();
        names.push_back(name.isEmpty() ? QStringLiteral("Spelare %1").arg(p) : name);
    }
    PoangPanel->setPlayers(names);
    gameOver_ = waiting_ = endsAfterWait_ = paused_ = false;
    Timer1->stop();
    LovordPanel->hide();
    Panel1->hide();
    InstruktionsLabel->show();
    for (QFrame* panel : KattPanel)
        panel->show();
    nextQuestion();
}

void Tkatten::setPanelsEnabled(bool on)
{
    // The words stay as they are to read; only the picking stops.
    enabled_ = on;
    for (QFrame* panel : KattPanel)
        panel->setCursor(on ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void Tkatten::nextQuestion()
{
    Timer1->stop();
    ticks_ = 0;
    waiting_ = endsAfterWait_ = false;
    KommentarLabel->hide();
    e_.QuestionNo = uint16_t(e_.haemta_slumptal(e_.DrawCounters[e_.CatalogueIndex], e_.CatalogueIndex));
    e_.haemtaord(e_.DataFileName, e_.QuestionNo);
    e_.str_postarray(e_.CurrentLine);

    // The four words in a new order; the first field is the one to pick.
    const std::vector<int> order = e_.shuffledOrder(4);
    std::copy(order.begin(), order.end(), order_.begin());
    wordPoints_ = 30 * std::max<int>(1, e_.ScaleFactor) / 100;
    const int room = KattPanel[0]->width() - 16;
    for (;; --wordPoints_) {
        const QFontMetrics m(ui::programFontPt(wordPoints_));
        bool fits = true;
        for (int f = 1; f <= 4; ++f)
            fits = fits && m.horizontalAdvance(shown(e_.AnswerFields[f])) <= room;
        if (fits || wordPoints_ <= SmallestPoints)
            break;
    }
    for (int p = 0; p < 4; ++p) {
        const int field = order_[std::size_t(p)];
        OrdLabel[std::size_t(p)]->setFont(ui::programFontPt(wordPoints_));
        OrdLabel[std::size_t(p)]->setText(shown(e_.AnswerFields[field]));
        ui::setPanelColour(KattPanel[std::size_t(p)], palette().color(QPalette::Window));
        if (field == 1)
            rightPanel_ = p + 1;
    }
    turns_.nextTurn();
    PoangPanel->setState(turns_);
    setPanelsEnabled(true);
    setFocus();
}

void Tkatten::pick(int panel)
{
    if (!enabled_ || panel < 1 || panel > 4)
        return;
    setPanelsEnabled(false);
    const bool right = e_.svarstest(e_.AnswerFields[1], toCp1252(OrdLabel[std::size_t(panel - 1)]->text()), 1) == AnswerRight;
    ++e_.SeriesPos;
    const bool over = turns_.picked(right);
    PoangPanel->setState(turns_);
    if (right) {
        if (over)
            endGame(false);
        else
            nextQuestion();
        return;
    }
    // The right word in aqua and why it does not belong, for the time the pupil has set.
    ui::setPanelColour(KattPanel[std::size_t(rightPanel_ - 1)], colour::Aqua);
    KommentarLabel->setText(shown(e_.AnswerFields[5]));
    KommentarLabel->show();
    waiting_ = true;
    endsAfterWait_ = over;
    ticks_ = 0;
    Timer1->start();
}

void Tkatten::Timer1Tick()
{
    if (!waiting_ || paused_)
        return;
    if (++ticks_ < e_.AnswerShowSeconds)
        return;
    Timer1->stop();
    waiting_ = false;
    if (endsAfterWait_)
        endGame(true);
    else
        nextQuestion();
}

void Tkatten::endGame(bool onWrongPick)
{
    Timer1->stop();
    gameOver_ = true;
    waiting_ = false;
    setPanelsEnabled(false);
    const std::string* stored[] = {&e_.PupilName, &e_.PlayerName2, &e_.PlayerName3};
    std::vector<std::string> winners;
    for (int p : turns_.winners()) {
        const QString name = shown(*stored[p - 1]).simplified();
        winners.push_back((name.isEmpty() ? QStringLiteral("Spelare %1").arg(p) : name).toStdString());
    }
    for (QFrame* panel : KattPanel)
        panel->hide();
    KommentarLabel->hide();
    InstruktionsLabel->setVisible(!onWrongPick);
    QString greeting = QString::fromStdString(oddWordGreeting(winners, onWrongPick));
    LovordLabel->setText(greeting);
    // The greeting's type shrinks until it fits its panel, never below 10 points.
    int points = 30 * std::max<int>(1, e_.ScaleFactor) / 100;
    while (points > SmallestPoints
           && QFontMetrics(ui::programFontPt(points)).horizontalAdvance(greeting) > LovordLabel->width() - 16)
        --points;
    LovordLabel->setFont(ui::programFontPt(points));
    LovordPanel->show();
    LovordPanel->raise();
    Panel1->show();
    Panel1->raise();
    Button2->setFocus();
}

void Tkatten::pause()
{
    if (gameOver_ || Panel1->isVisible())
        return;
    paused_ = true;
    Timer1->stop();
    setPanelsEnabled(false);
    Panel1->show();
    Panel1->raise();
    Button2->setEnabled(true);
    Button2->setFocus();
}

void Tkatten::ContinuaClick()
{
    if (gameOver_) {
        newGame();
        return;
    }
    if (!paused_)
        return;
    paused_ = false;
    Panel1->hide();
    if (waiting_) {
        // The pick was judged before the pause: the game goes on with the next
        // words, never with the same ones and their answer in aqua.
        waiting_ = false;
        if (endsAfterWait_)
            endGame(true);
        else
            nextQuestion();
        return;
    }
    setPanelsEnabled(true);
    setFocus();
}

void Tkatten::NyaNamnClick()
{
    if (ui::showModal<TSpelNam>(app_.platform, app_) != 0)
        newGame();
    else
        Button2->setFocus();
}

int Tkatten::panelAt(QObject* object) const
{
    for (int p = 0; p < 4; ++p)
        if (object == KattPanel[std::size_t(p)] || object == OrdLabel[std::size_t(p)] || object == NummerLabel[std::size_t(p)])
            return p + 1;
    return 0;
}

bool Tkatten::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        if (const int panel = panelAt(watched)) {
            const auto button = static_cast<QMouseEvent*>(event)->button();
            if (button == Qt::LeftButton)
                pick(panel);
            else if (button == Qt::RightButton)
                pause();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void Tkatten::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton)
        pause();
    QDialog::mousePressEvent(event);
}

void Tkatten::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key >= Qt::Key_1 && key <= Qt::Key_4) {
        pick(key - Qt::Key_1 + 1); // nothing while the panels are off
    } else if (key == Qt::Key_Escape) {
        if (Panel1->isVisible())
            accept();
        else
            pause();
    } else if (key == Qt::Key_Space && waiting_ && !paused_) {
        ticks_ = e_.AnswerShowSeconds; // the wait ends at the next tick
    } else if ((key == Qt::Key_Return || key == Qt::Key_Enter) && qobject_cast<QPushButton*>(focusWidget())) {
        static_cast<QPushButton*>(focusWidget())->click();
    } else {
        QDialog::keyPressEvent(event);
        return;
    }
    event->accept();
}

} // namespace lingvaro
