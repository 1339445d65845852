#include "exercises/wordquiz/tyskord.h"

#include "engine/cp1252.h"
#include "engine/engine.h"
#include "engine/paths.h"
#include "engine/recordtable.h"
#include "engine/textfile.h"
#include "exercises/common/headingbox.h"
#include "exercises/common/registry.h"
#include "exercises/common/textanswer.h"
#include "exercises/common/worksheetpanel.h"
#include "exercises/wordquiz/rekord.h"
#include "ui/palette.h"
#include "ui/widgets.h"

#include <QContextMenuEvent>
#include <QDateTime>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <cmath>
#include <map>

namespace lingvaro {
namespace fs = std::filesystem;
namespace colour = ui::colour;

namespace {

bool openQuiz(AppContext& app)
{
    Engine& e = app.engine;
    const uint16_t exerciseNo = e.ExerciseNo;
    if (exerciseNo == 1003 && !ownListsExist(e)) {
        e.inform(QStringLiteral("Inga egna förhör är ännu gjorda."));
        return false;
    }
    return ui::showModal<TDinaOrd>(app.platform, app, exerciseNo) != 0;
}
const ExerciseWindowRegistration registered{"TDinaOrd", openQuiz};

QString shown(const std::string& cp1252) { return fromCp1252(cp1252); }
QString shown(const fs::path& file) { return QString::fromStdString(file.native()); }

// The long names of the general lists: file stem, "=", the name shown.
const char* const LongNames[] = {
    "SveSpa1=Översätt till spanska 1", "SveSpa2=Översätt till spanska 2", "SveSpa3=Översätt till spanska 3",
    "SveSpa4=Översätt till spanska 4", "SveSpa5=Översätt till spanska 5", "SveSpa6=Översätt till spanska 6",
    "SveSpa7=Översätt till spanska 7", "SveSpa8=Översätt till spanska 8", "SveSpa9=Översätt till spanska 9",
    "SpaSve1=Översätt till svenska 1", "SpaSve2=Översätt till svenska 2", "SpaSve3=Översätt till svenska 3",
    "SpaSve4=Översätt till svenska 4", "SpaSve5=Översätt till svenska 5", "SpaSve6=Översätt till svenska 6",
};

QString stemOf(const fs::path& file)
{
    // The name without its last four characters (".sp1", ".egt").
    const QString name = paths::entryName(file);
    return name.left(std::max<qsizetype>(0, name.size() - 4));
}

QFrame* boxPanel(QWidget* parent, const QString& caption, QLabel** value, int pixels)
{
    QFrame* panel = ui::makePanel(parent, colour::Navy, 2);
    auto* label = ui::makeLabel(panel, caption, ui::programFamily(), pixels, true, colour::Yellow);
    label->setObjectName(QStringLiteral("caption"));
    *value = ui::makeLabel(panel, {}, ui::programFamily(), pixels, true, colour::White);
    (*value)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return panel;
}

} // namespace

QString longListName(const QString& stem)
{
    const QString key = stem.left(20).toUpper();
    for (const char* entry : LongNames) {
        const QString e = QString::fromUtf8(entry);
        if (e.section(u'=', 0, 0).toUpper() == key)
            return e.section(u'=', 1);
    }
    return stem;
}

std::vector<WordListEntry> wordListEntries(const Engine& e, int exerciseNo)
{
    std::map<QString, fs::path> byName; // upper-cased file name → file; the hard disk's first
    auto add = [&](const fs::path& base, const QString& dir, const QString& pattern) {
        if (base.empty())
            return;
        for (const fs::path& file : paths::list(base, dir, pattern))
            byName.emplace(paths::entryName(file).toUpper(), file);
    };
    if (exerciseNo == 1003) {
        add(ownListFolder(e), {}, QStringLiteral("*.egt"));
    } else if (exerciseNo == 1001 || exerciseNo == 1002) {
        const QString pattern = exerciseNo == 1001 ? QStringLiteral("*.sp1") : QStringLiteral("*.sp2");
        add(e.PcPath, QStringLiteral("\\DATA"), pattern);
        add(e.CdPath, QStringLiteral("\\DATA"), pattern);
    }
    std::vector<WordListEntry> entries;
    for (const auto& [name, file] : byName) {
        const QString stem = stemOf(file);
        entries.push_back({exerciseNo == 1001 ? longListName(stem) : exerciseNo == 1002 ? stem.left(20) : stem, file});
    }
    return entries;
}

bool ownListsExist(const Engine& e)
{
    return !paths::list(ownListFolder(e), {}, QStringLiteral("*.egt")).empty();
}

const ExerciseRules& TDinaOrd::rules()
{
    static const ExerciseRules rules = [] {
        ExerciseRules r;
        r.shortFileFillsSeries = true; // a list of three words gives a series of ten
        r.starColumn = false;
        r.praise = false;
        return r;
    }();
    return rules;
}

TDinaOrd::TDinaOrd(AppContext& app, uint16_t exerciseNo) : ExerciseWindow(app, "TDinaOrd", rules())
{
    Engine& e = engine();
    e.ExerciseNo = exerciseNo;
    // Nothing of the exercise before shows here: the heading is the list's.
    for (int i = 1; i <= 3; ++i)
        e.HeaderLines[i].clear();
    e.HeaderInstruction.clear();
    e.HeaderNote.clear();
    e.WordSlot = 0;
    clock = [] { return QDateTime::currentMSecsSinceEpoch(); };
    auto source = std::make_unique<WordListSource>();
    source_ = source.get();
    series().setSource(std::move(source));

    Panel2 = ui::makePanel(this, colour::Teal, 2);
    auto* caption = ui::makeLabel(Panel2, QStringLiteral("Elige archivo"), ui::programFamily(), px(24), true,
                                  colour::Yellow);
    caption->setObjectName(QStringLiteral("Panel2Caption"));
    caption->setAlignment(Qt::AlignCenter);
    ListBox1 = new QListWidget(Panel2);
    ListBox1->setFont(ui::programFont(px(20)));
    QPalette lp = ListBox1->palette();
    lp.setColor(QPalette::Base, colour::Teal);
    lp.setColor(QPalette::Text, colour::Yellow);
    lp.setColor(QPalette::Highlight, colour::Yellow);
    lp.setColor(QPalette::HighlightedText, colour::Navy);
    ListBox1->setPalette(lp);
    ListBox1->installEventFilter(this);
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, [this] { chooseList(); });

    FilPanel = ui::makePanel(this, colour::Navy, 2);
    FilLabel = ui::makeLabel(FilPanel, {}, ui::programFamily(), px(20), true, colour::Yellow);
    FilLabel->setAlignment(Qt::AlignCenter);

    namnruta = ui::makePanel(this, colour::Navy, 2);
    auto* name1 = ui::makeLabel(namnruta, QStringLiteral("Escribe tu nombre."), ui::programFamily(), px(22), true,
                                colour::Yellow);
    auto* name2 = ui::makeLabel(namnruta, QStringLiteral(" Aprieta Enter."), ui::programFamily(), px(22), true,
                                colour::Yellow);
    name1->setObjectName(QStringLiteral("NamnLabel1"));
    name2->setObjectName(QStringLiteral("NamnLabel2"));
    Edit2 = new QLineEdit(namnruta);
    Edit2->setMaxLength(20);
    Edit2->setFont(ui::programFont(px(22)));
    Edit2->installEventFilter(this);
    Edit2->setContextMenuPolicy(Qt::CustomContextMenu);
    namnruta->hide();

    Answer = new TextAnswer(this, e, app.platform, series(), e.ScaleFactor);
    connect(Answer, &TextAnswer::entered, this, &TDinaOrd::answerEntered);
    connect(Answer, &TextAnswer::escaped, this, &TDinaOrd::escapePressed);
    connect(Edit2, &QLineEdit::customContextMenuRequested, this,
            [this](const QPoint& at) { Answer->PopupMenu1->popup(Edit2->mapToGlobal(at)); });
    Answer->Edit1->hide();
    Answer->lampknapp->hide();
    SvarsLabel = ui::makeLabel(this, {}, ui::programFamily(), px(24), true, colour::Maroon);
    SvarsLabel->hide();

    PoangPanel = boxPanel(this, {}, &FragaLabel, px(18));
    auto* fraga = PoangPanel->findChild<QLabel*>(QStringLiteral("caption"));
    fraga->setText(QStringLiteral("Fråga"));
    auto* poang = ui::makeLabel(PoangPanel, QStringLiteral("Poäng"), ui::programFamily(), px(18), true, colour::Yellow);
    poang->setObjectName(QStringLiteral("PoangCaption"));
    PoangLabel = ui::makeLabel(PoangPanel, {}, ui::programFamily(), px(18), true, colour::White);
    PoangLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    PoangPanel->hide();
    Panel13 = ui::makePanel(this, colour::Navy, 2);
    FelKvarLabel = ui::makeLabel(Panel13, {}, ui::programFamily(), px(20), true, colour::White);
    Panel13->hide();

    TabellButton = new QPushButton(QStringLiteral("&Tabell"), Panel1);
    TabellButton->setEnabled(false);
    connect(TabellButton, &QPushButton::clicked, this, &TDinaOrd::TabellClick);

    const std::pair<QObject*, const char*> names[] = {
        {Panel2, "Panel2"}, {ListBox1, "ListBox1"}, {FilPanel, "FilPanel"}, {namnruta, "namnruta"},
        {Edit2, "Edit2"}, {SvarsLabel, "SvarsLabel"}, {PoangPanel, "PoangPanel"}, {Panel13, "Panel13"},
        {TabellButton, "TabellButton"}};
    for (const auto& [part, name] : names)
        part->setObjectName(QString::fromLatin1(name));

    // "&Klart" sends its words with one underscore fewer than a word sent by itself.
    disconnect(Worksheet, &WorksheetPanel::countChosen, this, &ExerciseWindow::sendChosen);
    connect(Worksheet, &WorksheetPanel::countChosen, this, [this](int count) {
        sentByCount_ = true;
        sendChosen(count);
        sentByCount_ = false;
    });

    begin(); // nothing is asked before a list is chosen
    if (isWorksheet(e.WorkMode))
        Worksheet->hide();
    if (exerciseNo == 1004) {
        const fs::path file = e.WordFilePath;
        if (loadList(file, stemOf(file)))
            chooseList();
        else
            QTimer::singleShot(0, this, [this] { finish(); });
    } else {
        entries_ = wordListEntries(e, exerciseNo);
        for (const WordListEntry& entry : entries_)
            ListBox1->addItem(entry.shown);
        e.WordFilePath.clear();
        showList();
    }
}

// --- layout --------------------------------------------------------------------------------

void TDinaOrd::Inled()
{
    ExerciseWindow::Inled();
    const QSize screen = size();
    const int W = screen.width(), row = screen.height() / 48, col = W / 64;
    const int L = engine().LetterWidth;

    // Five buttons in the panel: "&Tabell" before "&Interrumpe".
    const int bw = (Panel1->width() - 6 * 8) / 5;
    QFont font = Button1->font();
    while (font.pixelSize() > 10
           && QFontMetrics(font).horizontalAdvance(Button1->text().remove(u'&')) > bw - px(16))
        font.setPixelSize(font.pixelSize() - 1);
    int x = 8;
    for (QPushButton* b : {Button1, Button2, TabellButton, Button3, BitBtn1}) {
        b->setFont(font);
        b->setGeometry(x, Button1->y(), bw, Button1->height());
        b->setAutoDefault(false);
        x += bw + 8;
    }

    const int right = Heading->geometry().right() + 2 * col;
    FilPanel->setGeometry(right, L, W - right - L, 4 * row);
    FilLabel->setGeometry(4, 0, FilPanel->width() - 8, FilPanel->height());
    const int lineHeight = QFontMetrics(FragaLabel->font()).height();
    const int boxWidth = std::max(14 * col, px(190));
    const QRect box(W - boxWidth - L, FilPanel->geometry().bottom() + row, boxWidth, 2 * lineHeight + px(20));
    PoangPanel->setGeometry(box);
    Panel13->setGeometry(box);
    for (QLabel* l : PoangPanel->findChildren<QLabel*>())
        l->resize(box.width() / 2 - px(10), lineHeight);
    PoangPanel->findChild<QLabel*>(QStringLiteral("caption"))->move(px(10), px(8));
    FragaLabel->move(box.width() / 2, px(8));
    PoangPanel->findChild<QLabel*>(QStringLiteral("PoangCaption"))->move(px(10), px(8) + lineHeight + px(4));
    PoangLabel->move(box.width() / 2, px(8) + lineHeight + px(4));
    FelKvarLabel->setGeometry(px(10), 0, box.width() - px(20), box.height());
    FelKvarLabel->setAlignment(Qt::AlignCenter);

    QLineEdit* edit = Answer->Edit1;
    edit->setGeometry(FrageLabel2->x(), FrageLabel2->y() + FrageLabel2->height() * 3 / 2,
                      std::min(30 * col, questionRight() - FrageLabel2->x()), QFontMetrics(edit->font()).height() + px(12));
    SvarsLabel->setGeometry(edit->x(), edit->geometry().bottom() + px(10), questionRight() - edit->x(),
                            QFontMetrics(SvarsLabel->font()).height());
    const int lampTop = std::max(30 * row, SvarsLabel->geometry().bottom() + SvarsLabel->height());
    Answer->lampknapp->move(L, lampTop);
    Answer->LampShape->move(L, lampTop);

    // The list between the heading and the button panel; the name box in its middle.
    const int top = Heading->geometry().bottom() + row;
    Panel2->setGeometry(L, top, W - 2 * L, Panel1->y() - row - top);
    auto* caption = Panel2->findChild<QLabel*>(QStringLiteral("Panel2Caption"));
    caption->setGeometry(0, px(6), Panel2->width(), QFontMetrics(caption->font()).height() + px(6));
    ListBox1->setGeometry(L, caption->geometry().bottom() + px(6), Panel2->width() - 2 * L,
                          Panel2->height() - caption->geometry().bottom() - px(6) - L);

    const int pad = px(14);
    auto* name1 = namnruta->findChild<QLabel*>(QStringLiteral("NamnLabel1"));
    auto* name2 = namnruta->findChild<QLabel*>(QStringLiteral("NamnLabel2"));
    name1->adjustSize();
    name2->adjustSize();
    const int nameWidth = std::max(px(420), name1->width() + name2->width() + 2 * pad);
    name1->move(pad, pad);
    name2->move(name1->geometry().right() + 1, pad);
    Edit2->setGeometry(pad, name1->geometry().bottom() + pad, nameWidth - 2 * pad,
                       QFontMetrics(Edit2->font()).height() + px(10));
    const int nameHeight = Edit2->geometry().bottom() + pad;
    namnruta->setGeometry(Panel2->x() + (Panel2->width() - nameWidth) / 2,
                          Panel2->y() + (Panel2->height() - nameHeight) / 3, nameWidth, nameHeight);
    FilPanel->setVisible(!isWorksheet(engine().WorkMode) && !FilLabel->text().isEmpty());
    showHeading();
}

void TDinaOrd::showHeading()
{
    const Engine& e = engine();
    if (e.HeaderLines[1].empty())
        Heading->RitaOverskriften(QStringLiteral("Ordförrådet"), {}, {}, e.LetterWidth, e.ScaleFactor);
    else
        Heading->RitaOverskriften(shown(e.HeaderLines[1]), shown(e.HeaderLines[2]), shown(e.HeaderLines[3]),
                                  e.LetterWidth, e.ScaleFactor);
    InstruktionsLabel->setText(e.HeaderInstruction.empty() ? QStringLiteral("Översätt.") : shown(e.HeaderInstruction));
    InstruktionsLabel->adjustSize();
}

// --- the list and the name box --------------------------------------------------------------

void TDinaOrd::showList()
{
    QuizPhase = 0;
    namnruta->hide();
    for (QWidget* w : std::initializer_list<QWidget*>{InstruktionsLabel, FrageLabel1, FrageLabel2, SvarsLabel,
                                                      Answer->Edit1, Answer->lampknapp, Answer->LampShape,
                                                      PoangPanel, Panel13})
        w->hide();
    Panel2->show();
    Panel2->raise();
    if (ListBox1->currentRow() < 0 && ListBox1->count() > 0)
        ListBox1->setCurrentRow(0);
    ListBox1->setFocus();
}

bool TDinaOrd::loadList(const fs::path& file, const QString& title)
{
    Engine& e = engine();
    e.WordFilePath = file.native();
    const auto bytes = readFileBytes(file);
    WordList list = bytes ? parseWordList(*bytes) : WordList{};
    if (list.questions.empty()) {
        FileReady = false;
        e.fail(QStringLiteral("Filen ") + shown(file) + QStringLiteral(" finns inte eller är felaktig"));
        return false;
    }
    e.WordListTitle = cut(toCp1252(title), 50);
    FilLabel->setText(shown(e.WordListTitle));
    FilPanel->setVisible(!isWorksheet(e.WorkMode));
    // Counted again at every choice, so an own list tried again shows its new
    // words, and the headings are always this list's.
    e.WordSlot = wordListSlot(e, file.native(), wordListFingerprint(*bytes), int(list.questions.size()));
    for (int i = 1; i <= 3; ++i)
        e.HeaderLines[i] = list.headings[std::size_t(i - 1)];
    e.HeaderInstruction = list.instruction;
    e.HeaderNote = list.note;
    source_->setList(std::move(list));
    FileReady = true;

    // The record table: the list's file name up to its first ".", in the record folder.
    const std::string stem = file.filename().native().substr(0, file.filename().native().find('.'));
    const QString tableName = QString::fromStdString(stem) + QStringLiteral(".TNR");
    const fs::path folder = e.ScoreDir.empty() ? paths::place(e.PcPath, QStringLiteral("RESULTAT")) : fs::path(e.ScoreDir);
    const auto existing = paths::find(folder, tableName);
    e.RecordTablePath = (existing ? *existing : folder / tableName.toStdString()).native();
    showHeading();
    return true;
}

void TDinaOrd::chooseList()
{
    Engine& e = engine();
    if (QuizPhase != 0)
        return;
    if (e.ExerciseNo != 1004) {
        const int row = ListBox1->currentRow();
        if (row < 0 || std::size_t(row) >= entries_.size())
            return;
        if (!loadList(entries_[std::size_t(row)].file, entries_[std::size_t(row)].shown))
            return;
    }
    Panel2->hide();
    if (isWorksheet(e.WorkMode)) {
        QuizPhase = 2;
        Worksheet->show();
        Worksheet->setMaximum(source_->questionCount(e));
        Worksheet->showRow(Worksheet->SkrivutPanel1);
        Worksheet->setPrintButtonsEnabled(app_.utskrift && app_.utskrift->hasLines());
        Answer->lampknapp->hide();
        series().begin();
        return;
    }
    QuizPhase = 1;
    namnruta->show();
    namnruta->raise();
    Edit2->setEnabled(true);
    Edit2->setText(shown(e.PupilName));
    Edit2->selectAll();
    Edit2->setFocus();
}

void TDinaOrd::nameEntered()
{
    Engine& e = engine();
    const QString name = Edit2->text().simplified();
    if (QuizPhase != 1 || name.isEmpty())
        return; // a name is needed: the record table shows it
    e.PupilName = cut(toCp1252(name), 20);
    namnruta->hide();
    startQuiz();
}

void TDinaOrd::startQuiz()
{
    QuizPhase = 2;
    Answer->Edit1->show();
    series().begin();
    Answer->Edit1->setFocus();
}

// --- a word -------------------------------------------------------------------------------------

void TDinaOrd::showQuestion()
{
    Engine& e = engine();
    if (QuizPhase != 2 || !FileReady)
        return;
    if (e.SeriesPos == 1) {
        Score = 0; // every series, and every correction pass, starts from nothing
        tabellEarned_ = false;
        TabellButton->setEnabled(false);
    }
    showQuestionLines(e.AnswerFields[1]);
    InstruktionsLabel->show();
    Answer->newQuestion(e.AnswerFields[2], {});
    SvarsLabel->setText(shown(e.AnswerFields[2]));
    SvarsLabel->setVisible(isWorksheet(e.WorkMode));
    refreshBoxes();
    shownAt_ = clock();
}

void TDinaOrd::setAnswering(bool on)
{
    const bool asking = on && QuizPhase == 2 && !isWorksheet(engine().WorkMode);
    Answer->setAnswering(asking);
    if (asking)
        Answer->lampControls();
}

QWidget* TDinaOrd::answerFocus()
{
    return QuizPhase == 2 ? Answer->Edit1 : nullptr;
}

void TDinaOrd::answerEntered()
{
    Engine& e = engine();
    if (QuizPhase != 2 || !series().asking())
        return;
    const bool right = series().isRight(e.AnswerFields[2], toCp1252(Answer->Edit1->text()));
    if (right && !e.CorrectionPass) {
        // Hundredths of a second since the word was shown: a quick answer earns
        // up to a hundred points and the answer's length; a slow one can lose.
        const qint64 t = std::max<qint64>(0, clock() - shownAt_) / 10;
        double points = double(e.AnswerFields[2].size()) + 100.0 - 0.02 * double(t);
        if (series().lampOn())
            points /= 2;
        Score += points;
    }
    if (!right)
        SvarsLabel->show();
    const int position = e.SeriesPos;
    series().judged(right);
    // The number of the word on screen stays while its answer shows.
    if (series().waiting())
        FragaLabel->setText(QStringLiteral("%1/%2").arg(std::clamp(position, 1, e.SeriesSize)).arg(e.SeriesSize));
    PoangLabel->setText(scoreText(Score));
}

QString TDinaOrd::scoreText(double score)
{
    return QString::number(static_cast<long long>(std::nearbyint(score)));
}

void TDinaOrd::refreshBoxes()
{
    const Engine& e = engine();
    const bool shows = QuizPhase == 2 && FileReady && !isWorksheet(e.WorkMode);
    PoangPanel->setVisible(shows && !e.CorrectionPass);
    Panel13->setVisible(shows && e.CorrectionPass);
    FragaLabel->setText(QStringLiteral("%1/%2").arg(std::clamp(e.SeriesPos, 1, e.SeriesSize)).arg(e.SeriesSize));
    PoangLabel->setText(scoreText(Score));
    FelKvarLabel->setText(QStringLiteral("Fel kvar: %1").arg(source_->storedErrors(e)));
}

void TDinaOrd::diagnosisChanged()
{
    ExerciseWindow::diagnosisChanged();
    refreshBoxes();
}

// --- the end of a series and the panel ------------------------------------------------------------

void TDinaOrd::showEnd(const SeriesEnd& end)
{
    ExerciseWindow::showEnd(end);
    InstruktionsLabel->hide();
    const Engine& e = engine();
    // A correction pass scores nothing, so it earns no row in the table.
    tabellEarned_ = e.WorkMode == WorkMode::Practice && !e.CorrectionPass;
}

void TDinaOrd::clearEnd()
{
    ExerciseWindow::clearEnd();
    SvarsLabel->hide();
}

void TDinaOrd::showPanel(bool correctionOffered)
{
    ExerciseWindow::showPanel(correctionOffered);
    TabellButton->setEnabled(tabellEarned_);
}

void TDinaOrd::TabellClick()
{
    Engine& e = engine();
    if (!tabellEarned_)
        return;
    const fs::path table = e.RecordTablePath;
    const fs::path folder = table.parent_path();
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) {
        const fs::path results = paths::place(e.PcPath, QStringLiteral("RESULTAT"));
        e.warn(QStringLiteral("Kan inte hitta katalogen ") + shown(folder) + QStringLiteral(". Tabellen kommer att lagras i ")
               + shown(results) + QStringLiteral("."));
        fs::create_directories(results, ec);
        if (!fs::is_directory(results, ec)) {
            e.fail(QStringLiteral("Kan inte hitta katalogen ") + shown(results) + QStringLiteral(" ."));
            return;
        }
        // Only the record tables move: the diagnoses and the own lists stay where they are.
        e.ScoreDir = results.native() + "/";
        e.RecordTablePath = (results / table.filename()).native();
    }
    tabellEarned_ = false;
    TabellButton->setEnabled(false);
    e.RecordName = cut(e.PupilName, RecordEntry::NameBytes);
    e.RecordScore = recordScoreOf(Score);
    ui::showModal<TRekord>(app_.platform, app_);
    Button2->setFocus();
}

// --- keys ------------------------------------------------------------------------------------

void TDinaOrd::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && QuizPhase == 0) {
        finish();
        return;
    }
    if (event->key() == Qt::Key_Escape && QuizPhase == 1) {
        showList();
        return;
    }
    ExerciseWindow::keyPressEvent(event);
}

bool TDinaOrd::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && (watched == ListBox1 || watched == Edit2)) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
        if (watched == ListBox1 && enter) {
            chooseList();
            return true;
        }
        if (watched == Edit2 && enter) {
            nameEntered();
            return true;
        }
        if (key == Qt::Key_Escape) {
            if (watched == ListBox1)
                finish();
            else
                showList();
            return true;
        }
    }
    return ExerciseWindow::eventFilter(watched, event);
}

void TDinaOrd::contextMenuEvent(QContextMenuEvent* event)
{
    if (QuizPhase == 2)
        Answer->PopupMenu1->popup(event->globalPos());
}

// --- worksheet mode -------------------------------------------------------------------------------

WorksheetBlock TDinaOrd::worksheetBlock()
{
    WorksheetBlock block;
    block.heading = QStringLiteral("Ordförrådet ---") + shown(engine().WordListTitle);
    const QString instruction = QStringLiteral("     Översätt följande ord:");
    block.withoutAnswers << instruction;
    block.withAnswers << instruction;
    return block;
}

WorksheetTask TDinaOrd::worksheetTask()
{
    Engine& e = engine();
    const std::string word = e.AnswerFields[1], answer = e.AnswerFields[2];
    const QString printedAnswer = app_.utskrift ? app_.utskrift->UtSkriftSvar(answer) : shown(answer);
    e.dela_mening(20, 700, word, 2);
    WorksheetTask task;
    for (QStringList* list : {&task.withoutAnswers, &task.withAnswers}) {
        *list << shown(e.SplitLines[1]);
        if (!e.SplitLines[2].empty())
            *list << QStringLiteral("      ") + shown(e.SplitLines[2]);
    }
    task.withoutAnswers << QStringLiteral("       ") + QString(sentByCount_ ? 36 : 37, u'_');
    task.withAnswers << QStringLiteral("       ") + printedAnswer;
    return task;
}

} // namespace lingvaro
