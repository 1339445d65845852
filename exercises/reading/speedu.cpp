#include "exercises/reading/speedu.h"

#include "contentmap/reading.h"
#include "engine/cp1252.h"
#include "engine/engine.h"
#include "engine/textfile.h"
#include "ui/context.h"
#include "ui/palette.h"
#include "ui/platform.h"
#include "ui/widgets.h"

#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include <cmath>

namespace lingvaro {

namespace {

namespace colour = ui::colour;

constexpr int PaceStart = 500;

} // namespace

// --- the text and its reading ----------------------------------------------------------------

void SpeedText::setLines(const std::vector<std::string>& plain)
{
    *this = SpeedText();
    for (const std::string& line : plain) {
        if (lines.size() == MaxLines)
            break;
        QStringList w;
        for (const std::string& word : reading::textWords(line))
            w << fromCp1252(word);
        if (w.isEmpty())
            continue;
        lines << w.join(u' ');
        words << w;
        wordCount += int(w.size());
        for (const QString& word : w)
            for (QChar c : word)
                letterCount += c.isLetterOrNumber() ? 1 : 0;
    }
}

QString SpeedText::wordsText() const { return QString::number(wordCount) + QStringLiteral(" palabras"); }

QString SpeedText::lettersText() const { return QString::number(letterCount) + QStringLiteral(" letras"); }

QString SpeedText::perWordText() const
{
    if (wordCount == 0)
        return {};
    return QString::number(double(letterCount) / wordCount, 'f', 1).replace(u'.', u',')
           + QStringLiteral(" letras por palabra");
}

void SpeedText::restart()
{
    line_ = word_ = greyed_ = elapsedMs_ = 0;
}

bool SpeedText::step(int intervalMs)
{
    if (finished())
        return false;
    ++greyed_;
    elapsedMs_ += intervalMs;
    if (++word_ >= words[line_].size()) {
        ++line_;
        word_ = 0;
    }
    return true;
}

int SpeedText::greyedInLine(int line) const
{
    if (line < line_)
        return int(words.value(line).size());
    return line == line_ ? word_ : 0;
}

int SpeedText::seconds() const { return int(std::nearbyint(elapsedMs_ / 1000.0)); }

QString SpeedText::wordsPerMinute() const
{
    // Read by the pace's own clock: no reading, no average.
    if (greyed_ == 0 || elapsedMs_ <= 0)
        return {};
    return QString::number(std::lround(greyed_ * 60000.0 / elapsedMs_));
}

int SpeedText::paceOf(int position)
{
    return int(std::nearbyint(1000.0 / intervalOf(std::clamp(position, 1, 900)) * 60.0));
}

// --- the paint box ----------------------------------------------------------------------------------

QFont SpeedPage::textFont() const
{
    const int margin = width() / 40;
    int pixels = std::max(12, height() / 16);
    QFont font = ui::programFont(pixels, false);
    auto fits = [&] {
        const QFontMetrics fm(font);
        for (const QString& line : text_.lines)
            if (fm.horizontalAdvance(line) > width() - 2 * margin)
                return false;
        return fm.lineSpacing() * (int(text_.lines.size()) + 1) <= height();
    };
    while (pixels > 8 && !fits())
        font = ui::programFont(--pixels, false);
    return font;
}

QPoint SpeedPage::lineOrigin(int line) const
{
    const QFontMetrics fm(textFont());
    return {width() / 40, fm.lineSpacing() / 2 + fm.ascent() + line * fm.lineSpacing()};
}

void SpeedPage::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), colour::Cream);
    p.setFont(textFont());
    const QFontMetrics fm(p.font());
    for (int i = 0; i < text_.lines.size(); ++i) {
        const QPoint at = lineOrigin(i);
        // The whole line is drawn twice, each time clipped to its side of the
        // last read word: the letters stay exactly where they are, only their
        // colour changes.
        const int read = text_.greyedInLine(i);
        const int split = read > 0 ? at.x() + fm.horizontalAdvance(QStringList(text_.words[i].mid(0, read)).join(u' '))
                                   : 0;
        const QRect band(0, at.y() - fm.ascent() - 2, width(), fm.height() + 4);
        p.setClipRect(band.adjusted(split, 0, 0, 0));
        p.setPen(colour::Black);
        p.drawText(at, text_.lines[i]);
        if (read > 0) {
            p.setClipRect(QRect(0, band.y(), split, band.height()));
            p.setPen(colour::Silver);
            p.drawText(at, text_.lines[i]);
        }
        p.setClipping(false);
    }
}

// --- the window -------------------------------------------------------------------------------------

TSpeed::TSpeed(AppContext& app) : QDialog(nullptr), app_(app)
{
    Engine& e = app.engine;
    setObjectName(QStringLiteral("TSpeed"));
    setWindowTitle(QStringLiteral("Entrenamiento de lectura"));
    setWindowFlag(Qt::FramelessWindowHint);
    setFont(ui::programFont(px(16)));
    resize(app.platform.screenSize());
    e.ExerciseNo = Engine::GeProgramtal(e.DataFileName);

    PaintBox = new SpeedPage(this, text_);
    PaintBox->setObjectName(QStringLiteral("PaintBox1"));

    PacePanel = ui::makePanel(this, colour::Navy, 2);
    auto paceLine = [&](const QString& t, const char* name, const QColor& c) {
        auto* l = ui::makeLabel(PacePanel, t, ui::programFamily(), px(18), true, c);
        l->setAlignment(Qt::AlignCenter);
        l->setObjectName(QString::fromLatin1(name));
        return l;
    };
    paceLine(QStringLiteral("Calcula la velocidad"), "pace1", colour::Yellow);
    PaceLabel = paceLine(QString::number(SpeedText::paceOf(PaceStart)) + QStringLiteral(" palabras/minuto"),
                         "PaceLabel", colour::White);
    paceLine(QStringLiteral("de lectura."), "pace3", colour::Yellow);
    ScrollBar1 = new QScrollBar(Qt::Horizontal, PacePanel);
    ScrollBar1->setRange(1, 900);
    ScrollBar1->setValue(PaceStart);
    ScrollBar1->setSingleStep(10);
    ScrollBar1->setPageStep(100);
    connect(ScrollBar1, &QScrollBar::valueChanged, this, &TSpeed::paceChanged);

    EmpiezaButton = new QPushButton(QStringLiteral("&Empieza"), this);
    ParaButton = new QPushButton(QStringLiteral("&Para"), this);
    for (QPushButton* b : {EmpiezaButton, ParaButton}) {
        b->setFont(ui::programFont(px(18)));
        b->setAutoDefault(false);
    }
    EmpiezaButton->setEnabled(false);
    connect(EmpiezaButton, &QPushButton::clicked, this, &TSpeed::EmpiezaClick);
    connect(ParaButton, &QPushButton::clicked, this, &TSpeed::ParaClick);

    auto info = [&](const QColor& c) { return ui::makeLabel(this, {}, ui::programFamily(), px(18), true, c); };
    WordsLabel = info(colour::Navy);
    LettersLabel = info(colour::Navy);
    PerWordLabel = info(colour::Navy);
    TookLabel = info(colour::Maroon);
    SecondsLabel = info(colour::Maroon);
    ReadLabel = info(colour::Maroon);
    ResultLabel = info(colour::Maroon);
    TookLabel->setText(QStringLiteral("La lectura tomó:"));
    ReadLabel->setText(QStringLiteral("Leíste:"));
    showResults(false);

    StartPanel = ui::makePanel(this, colour::Teal, 3);
    StartPanel->setObjectName(QStringLiteral("StartPanel"));
    const char* const startLines[] = {"Entrenamiento de lectura", "Vas a medir tu velocidad de lectura.",
                                      "Lee en voz alta.", "No debes cometer más que alguna falta.",
                                      "Elige uno de los textos de la lista."};
    for (int i = 0; i < 5; ++i) {
        auto* l = ui::makeLabel(StartPanel, QString::fromUtf8(startLines[i]), ui::programFamily(), px(i == 0 ? 26 : 19),
                                true, i == 0 ? colour::Yellow : colour::White);
        l->setObjectName(QStringLiteral("start%1").arg(i + 1));
    }
    TextList = new QListWidget(StartPanel);
    TextList->setObjectName(QStringLiteral("TextList"));
    TextList->setFont(ui::programFont(px(20)));
    connect(TextList, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { chooseText(TextList->row(item) + 1); });

    WordTimer = new QTimer(this);
    WordTimer->setInterval(SpeedText::intervalOf(PaceStart));
    connect(WordTimer, &QTimer::timeout, this, &TSpeed::wordTick);

    std::vector<std::string> plain;
    if (auto file = e.findContentFile(QStringLiteral("\\DATA\\") + fromCp1252(e.DataFileName)))
        forEachLine(*file, [&](std::string_view line) {
            if (!line.empty() && line[0] != ';' && line[0] != '$')
                plain.push_back(Engine::dekryptrad(line));
            return true;
        });
    texts_ = reading::texts(plain);
    for (int k = 1; k <= textCount(); ++k)
        TextList->addItem(QString::number(k));
    TextList->setCurrentRow(textCount() > 0 ? 0 : -1);
    layOut();
    StartPanel->show();
    StartPanel->raise();
    TextList->setFocus();
}

int TSpeed::px(int v) const { return v * std::max<int>(1, app_.engine.ScaleFactor) / 100; }

void TSpeed::layOut()
{
    const QSize screen = app_.platform.screenSize();
    const int W = screen.width(), H = screen.height();
    const int L = std::max<int>(4, app_.engine.LetterWidth);
    const int column = std::max(px(230), W / 5);
    const int right = W - L - column;
    PaintBox->setGeometry(L, L, right - 2 * L, H - 2 * L);

    PacePanel->setGeometry(right, L, column, px(150));
    int y = px(10);
    for (const char* name : {"pace1", "PaceLabel", "pace3"}) {
        auto* l = PacePanel->findChild<QLabel*>(QString::fromLatin1(name));
        l->setGeometry(0, y, column, QFontMetrics(l->font()).height());
        y += l->height() + px(4);
    }
    ScrollBar1->setGeometry(px(12), y + px(6), column - px(24), px(24));
    PacePanel->resize(column, ScrollBar1->geometry().bottom() + px(14));

    EmpiezaButton->setGeometry(right, PacePanel->geometry().bottom() + px(16), column, px(40));
    ParaButton->setGeometry(right, EmpiezaButton->geometry().bottom() + px(10), column, px(40));
    const int line = QFontMetrics(WordsLabel->font()).height() + px(4);
    y = ParaButton->geometry().bottom() + px(24);
    for (QLabel* l : {WordsLabel, LettersLabel, PerWordLabel}) {
        l->setGeometry(right, y, column, line);
        y += line;
    }
    y += line;
    for (QLabel* l : {TookLabel, SecondsLabel, ReadLabel, ResultLabel}) {
        l->setGeometry(right, y, column, line);
        y += line;
    }

    const int pw = std::min(PaintBox->width() - 2 * L, px(560)), ph = std::min(H - 2 * L, px(440));
    StartPanel->setGeometry(PaintBox->x() + (PaintBox->width() - pw) / 2, (H - ph) / 2, pw, ph);
    y = px(18);
    for (int i = 1; i <= 5; ++i) {
        auto* l = StartPanel->findChild<QLabel*>(QStringLiteral("start%1").arg(i));
        l->setGeometry(px(20), y, pw - px(40), QFontMetrics(l->font()).height());
        y += l->height() + (i == 1 ? px(14) : px(6));
    }
    TextList->setGeometry(px(20), y + px(10), px(120), ph - y - px(30));
}

void TSpeed::showResults(bool on)
{
    for (QLabel* l : {TookLabel, SecondsLabel, ReadLabel, ResultLabel})
        l->setVisible(on);
}

void TSpeed::paceChanged(int position)
{
    PaceLabel->setText(QString::number(SpeedText::paceOf(position)) + QStringLiteral(" palabras/minuto"));
    // A reading under way goes on at the new pace from its next word.
    WordTimer->setInterval(SpeedText::intervalOf(position));
}

void TSpeed::chooseText(int k)
{
    if (k < 1 || k > textCount() || WordTimer->isActive())
        return;
    text_.setLines(texts_[std::size_t(k - 1)]);
    StartPanel->hide();
    showResults(false);
    WordsLabel->setText(text_.wordsText());
    LettersLabel->setText(text_.lettersText());
    PerWordLabel->setText(text_.perWordText());
    PaintBox->update();
    EmpiezaButton->setEnabled(text_.wordCount > 0);
    EmpiezaButton->setFocus();
}

void TSpeed::EmpiezaClick()
{
    if (text_.wordCount == 0 || WordTimer->isActive())
        return;
    text_.restart();
    PaintBox->update();
    showResults(false);
    EmpiezaButton->setEnabled(false);
    WordTimer->setInterval(SpeedText::intervalOf(ScrollBar1->value()));
    WordTimer->start();
    ScrollBar1->setFocus();
}

void TSpeed::wordTick()
{
    if (text_.step(WordTimer->interval())) {
        PaintBox->update();
        return;
    }
    WordTimer->stop();
    SecondsLabel->setText(QString::number(text_.seconds()) + QStringLiteral(" segundos."));
    const QString perMinute = text_.wordsPerMinute();
    ResultLabel->setText(perMinute.isEmpty() ? QString() : perMinute + QStringLiteral(" palabras/minuto."));
    showResults(true);
    StartPanel->show();
    StartPanel->raise();
    EmpiezaButton->setEnabled(false);
    TextList->setFocus();
}

void TSpeed::ParaClick()
{
    WordTimer->stop();
    accept();
}

void TSpeed::done(int result)
{
    WordTimer->stop();
    QDialog::done(result);
}

} // namespace lingvaro
