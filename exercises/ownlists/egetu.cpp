#include "exercises/ownlists/egetu.h"

#include "engine/cp1252.h"
#include "engine/diagnosis.h"
#include "engine/durablefile.h"
#include "engine/engine.h"
#include "engine/paths.h"
#include "engine/textfile.h"
#include "engine/wordlist.h"
#include "exercises/wordquiz/tyskord.h"
#include "results/skrivut.h"
#include "ui/context.h"
#include "ui/palette.h"
#include "ui/platform.h"
#include "ui/widgets.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLockFile>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <algorithm>
#include <cerrno>
#include <sys/stat.h>

namespace lingvaro {
namespace fs = std::filesystem;
namespace colour = ui::colour;

namespace {

constexpr int Width = 840, Height = 600;

QString shown(const std::string& cp1252) { return fromCp1252(cp1252); }
QString shown(const fs::path& file) { return QString::fromStdString(file.native()); }

// Whether something is at the path, also something that cannot be looked at;
// nothing is there when the path leads through a file.
bool there(const fs::path& file)
{
    struct stat st;
    return ::lstat(file.c_str(), &st) == 0 || (errno != ENOENT && errno != ENOTDIR);
}

QPushButton* button(QWidget* parent, const QString& caption, int x, int y, int w, int h = 34)
{
    auto* b = new QPushButton(caption, parent);
    b->setGeometry(x, y, w, h);
    b->setFont(ui::programFont(16));
    b->setAutoDefault(false);
    return b;
}

} // namespace

TEget::TEget(AppContext& app) : QDialog(nullptr), app_(app), e_(app.engine)
{
    setObjectName(QStringLiteral("TEget"));
    setWindowTitle(QStringLiteral("Skriv dina egna frågor"));
    setWindowFlag(Qt::FramelessWindowHint);
    resize(Width, Height);
    print = [](TUtskrift& printer) { return printer.SkrivutEget(); };
    printer_ = std::make_unique<TUtskrift>(e_, app.platform);
    printer_->hide();

    auto* back = ui::makePanel(this, colour::Navy, 3);
    back->setGeometry(0, 0, Width, Height);
    Editor = new QFrame(back);
    Editor->setGeometry(0, 0, Width, Height);
    auto* title = ui::makeLabel(Editor, QStringLiteral("Skriv dina egna frågor"), 26, true, colour::Yellow);
    title->setGeometry(20, 12, 480, 34);
    NamnLabel = ui::makeLabel(Editor, {}, 17, true, colour::Aqua);
    NamnLabel->setGeometry(500, 18, Width - 520, 26);
    NamnLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto label = [&](const QString& text, int y, QWidget* parent, int size = 17) {
        QLabel* l = ui::makeLabel(parent, text, size, true, colour::Yellow);
        l->setGeometry(20, y, 210, 30);
        return l;
    };
    auto edit = [&](QWidget* parent, int x, int y, int w, int length) {
        auto* field = new QLineEdit(parent);
        field->setGeometry(x, y, w, 30);
        field->setFont(ui::programFont(18));
        field->setMaxLength(length);
        field->setContextMenuPolicy(Qt::CustomContextMenu);
        field->installEventFilter(this);
        return field;
    };
    label(QStringLiteral("Förhörets överskrift:"), 60, Editor);
    OverskriftEdit = edit(Editor, 240, 60, 360, OwnHeadingLength);
    label(QStringLiteral("Förhörets instruktion:"), 100, Editor);
    InstruktionEdit = edit(Editor, 240, 100, 360, OwnHeadingLength);

    auto* questions = ui::makePanel(Editor, colour::Teal, 2);
    questions->setGeometry(12, 146, Width - 24, 300);
    NummerLabel = ui::makeLabel(questions, {}, 20, true, colour::White);
    NummerLabel->setGeometry(20, 10, 160, 30);
    SpinButton1 = new ui::SpinButton(questions);
    SpinButton1->setGeometry(180, 6, 24, 38);
    const char* captions[] = {"Fråga:", "Svar:", "Alternativsvar 1:", "Alternativsvar 2:"};
    const char* hints[] = {"Är denna ruta tom sparas inte frågan",
                           "Är denna ruta tom och alternativsvar saknas, sparas inte frågan",
                           "Det går lika bra att svara detta i förhöret.", "Även detta kan du svara i förhöret."};
    for (int i = 0; i < 4; ++i) {
        label(QString::fromUtf8(captions[i]), 56 + i * 60, questions);
        Box[std::size_t(i)] = edit(questions, 228, 56 + i * 60, 380, OwnBoxLength);
        Box[std::size_t(i)]->setToolTip(QString::fromUtf8(hints[i]));
        auto* hint = ui::makeLabel(questions, QString::fromUtf8(hints[i]), 13, false, colour::Cream);
        hint->setGeometry(228, 88 + i * 60, 560, 20);
    }
    ForegaendeButton = button(questions, QStringLiteral("&Föregående fråga"), 620, 56, 190);
    NastaButton = button(questions, QStringLiteral("&Nästa fråga"), 620, 100, 190);
    AntalLabel = ui::makeLabel(Editor, {}, 18, true, colour::White);
    AntalLabel->setGeometry(20, 456, 400, 30);

    const int y = Height - 64;
    SparaButton = button(Editor, QStringLiteral("&Spara"), 20, y, 140, 40);
    OppnaButton = button(Editor, QStringLiteral("Ö&ppna"), 180, y, 140, 40);
    VisaButton = button(Editor, QStringLiteral("Se &hela förhöret"), 340, y, 170, 40);
    TestaButton = button(Editor, QStringLiteral("&Testa"), 530, y, 130, 40);
    SlutaButton = button(Editor, QStringLiteral("S&luta"), 680, y, 140, 40);

    PopupMenu1 = new QMenu(this);
    for (QChar letter : {QChar(0xA1), QChar(0xBF), QChar(0xF1)}) {
        QAction* a = PopupMenu1->addAction(QStringLiteral("Klistra in ") + letter);
        connect(a, &QAction::triggered, this, [this, letter] {
            app_.platform.setClipboardText(QString(letter));
            if (auto* field = qobject_cast<QLineEdit*>(focusWidget())) {
                field->insert(QString(letter));
                textEdited(field);
            }
        });
    }

    // The message panel, over the editor, which it locks while it asks.
    MeddelandePanel = ui::makePanel(back, colour::Yellow, 3);
    MeddelandePanel->setGeometry(90, 170, Width - 180, 230);
    MeddelandeLabel = ui::makeLabel(MeddelandePanel, {}, 18, true, colour::Navy);
    MeddelandeLabel->setGeometry(20, 16, MeddelandePanel->width() - 40, 130);
    MeddelandeLabel->setAlignment(Qt::AlignCenter);
    for (int i = 0; i < 3; ++i) {
        SvarButton[std::size_t(i)] = button(MeddelandePanel, {}, 20 + i * 216, 166, 200, 40);
        connect(SvarButton[std::size_t(i)], &QPushButton::clicked, this, [this, i] { answer(i); });
    }
    MeddelandePanel->hide();

    FilPanel = ui::makePanel(back, colour::Teal, 3);
    FilPanel->setGeometry(170, 80, Width - 340, 420);
    auto* choose = ui::makeLabel(FilPanel, QStringLiteral("Välj ett av dina förhör"), 20, true, colour::Yellow);
    choose->setGeometry(16, 10, FilPanel->width() - 32, 30);
    FilLista = new QListWidget(FilPanel);
    FilLista->setGeometry(16, 48, FilPanel->width() - 32, 310);
    FilLista->setFont(ui::programFont(18));
    FilLista->installEventFilter(this);
    AvbrytButton = button(FilPanel, QStringLiteral("&Avbryt"), FilPanel->width() - 156, 368, 140, 38);
    connect(FilLista, &QListWidget::itemDoubleClicked, this, &TEget::openChosen);
    connect(AvbrytButton, &QPushButton::clicked, FilPanel, &QWidget::hide);
    FilPanel->hide();

    VisaPanel = ui::makePanel(back, colour::Yellow, 3);
    VisaPanel->setGeometry(0, 0, Width, Height);
    VisaText = new QPlainTextEdit(VisaPanel);
    VisaText->setReadOnly(true);
    VisaText->setGeometry(16, 16, Width - 32, Height - 90);
    VisaText->setFont(ui::programFont(17, false));
    MedSvarButton = button(VisaPanel, QStringLiteral("&Med svaren"), 16, Height - 60, 150, 40);
    UtanSvarButton = button(VisaPanel, QStringLiteral("&Utan svar"), 176, Height - 60, 150, 40);
    SkrivMedButton = button(VisaPanel, QStringLiteral("Skrivut m&ed svar"), 336, Height - 60, 170, 40);
    SkrivUtanButton = button(VisaPanel, QStringLiteral("Skrivut u&tan svar"), 516, Height - 60, 170, 40);
    StangButton = button(VisaPanel, QStringLiteral("&Stäng"), 696, Height - 60, 128, 40);
    connect(MedSvarButton, &QPushButton::clicked, this, [this] { showWhole(true); });
    connect(UtanSvarButton, &QPushButton::clicked, this, [this] { showWhole(false); });
    connect(SkrivMedButton, &QPushButton::clicked, this, [this] { printWhole(true); });
    connect(SkrivUtanButton, &QPushButton::clicked, this, [this] { printWhole(false); });
    connect(StangButton, &QPushButton::clicked, this, [this] {
        VisaPanel->hide();
        VisaButton->setFocus();
    });
    VisaPanel->hide();

    connect(SparaButton, &QPushButton::clicked, this, &TEget::SparaClick);
    connect(OppnaButton, &QPushButton::clicked, this, &TEget::OppnaClick);
    connect(VisaButton, &QPushButton::clicked, this, &TEget::VisaClick);
    connect(TestaButton, &QPushButton::clicked, this, &TEget::TestaClick);
    connect(SlutaButton, &QPushButton::clicked, this, &TEget::SlutaClick);
    connect(NastaButton, &QPushButton::clicked, this, &TEget::NastaClick);
    connect(ForegaendeButton, &QPushButton::clicked, this, &TEget::ForegaendeClick);
    connect(SpinButton1, &ui::SpinButton::upClicked, this, &TEget::NastaClick);
    connect(SpinButton1, &ui::SpinButton::downClicked, this, &TEget::ForegaendeClick);
    connectBoxes();

    const std::pair<QObject*, const char*> names[] = {
        {OverskriftEdit, "OverskriftEdit"}, {InstruktionEdit, "InstruktionEdit"}, {Box[0], "FragaEdit"},
        {Box[1], "SvarEdit"}, {Box[2], "Alternativ1Edit"}, {Box[3], "Alternativ2Edit"},
        {MeddelandePanel, "MeddelandePanel"}, {FilPanel, "FilPanel"}, {VisaPanel, "VisaPanel"}};
    for (const auto& [part, name] : names)
        part->setObjectName(QString::fromLatin1(name));

    OverskriftEdit->setText(QString::fromLatin1(OwnDefaultHeading));
    InstruktionEdit->setText(shown(std::string(OwnDefaultInstruction)));
    savedHeading_ = heading();
    savedInstruction_ = instruction();
    fillBoxes();
    // The program's scale, or less where the editor would not fit the screen.
    const QSize screen = app.platform.screenSize();
    ui::scaleBy(this, std::min({int(e_.ScaleFactor), screen.width() * 100 / Width, screen.height() * 100 / Height}));
    move(std::max(0, (screen.width() - width()) / 2), std::max(0, (screen.height() - height()) / 2));

    const fs::path folder = ownListFolder(e_);
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) {
        if (fs::create_directories(folder, ec) && !ec)
            e_.inform(QStringLiteral("Katalogen ") + shown(folder) + QStringLiteral(" har skapats."));
        else
            e_.fail(QStringLiteral("Kunde inte skapa katalogen ") + shown(folder) + QStringLiteral("."));
    }
    refresh();
    Box[0]->setFocus();
}

TEget::~TEget() = default;

void TEget::connectBoxes()
{
    for (QLineEdit* field : {OverskriftEdit, InstruktionEdit, Box[0], Box[1], Box[2], Box[3]}) {
        connect(field, &QLineEdit::textEdited, this, [this, field] { textEdited(field); });
        connect(field, &QLineEdit::customContextMenuRequested, this,
                [this, field](const QPoint& at) {
                    field->setFocus();
                    PopupMenu1->popup(field->mapToGlobal(at));
                });
    }
}

// --- what the boxes hold -------------------------------------------------------------------

std::string TEget::heading() const { return Engine::MellanslagBort(toCp1252(OverskriftEdit->text())); }
std::string TEget::instruction() const { return Engine::MellanslagBort(toCp1252(InstruktionEdit->text())); }

std::array<std::string, 4> TEget::boxes() const
{
    std::array<std::string, 4> out;
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = toCp1252(Box[i]->text());
    return out;
}

std::vector<std::string> TEget::storedLines(bool* kept) const
{
    std::vector<std::string> lines = Lines;
    const std::string line = ownListLine(boxes());
    const std::size_t at = std::size_t(std::max(1, EntryNo) - 1);
    if (!line.empty()) {
        if (at < lines.size())
            lines[at] = line;
        else
            lines.push_back(line);
    } else if (at < lines.size()) {
        lines.erase(lines.begin() + std::ptrdiff_t(at)); // an entry without question or answer is not kept
    }
    if (kept)
        *kept = !line.empty();
    return lines;
}

void TEget::storeEntry()
{
    bool kept = false;
    const bool fresh = EntryNo > entryCount();
    Lines = storedLines(&kept);
    if (kept && fresh)
        draft_ = {};
}

bool TEget::unsaved() const
{
    const std::vector<std::string> lines = storedLines();
    if (OwnListOpenedPath.empty() && lines.empty())
        return false; // nothing written yet that could be lost
    return lines != savedLines_ || heading() != savedHeading_ || instruction() != savedInstruction_;
}

void TEget::fillBoxes()
{
    EntryNo = std::clamp(EntryNo, 1, entryCount() + 1);
    const std::array<std::string, 4> texts =
        EntryNo <= entryCount() ? ownListBoxes(Lines[std::size_t(EntryNo - 1)]) : draft_;
    for (std::size_t i = 0; i < texts.size(); ++i)
        Box[i]->setText(shown(texts[i]));
    refresh();
}

void TEget::refresh()
{
    NummerLabel->setText(QStringLiteral("Fråga %1").arg(EntryNo));
    AntalLabel->setText(QStringLiteral("Antal färdiga frågor: %1").arg(entryCount()));
    NamnLabel->setText(shown(OwnListName));
    SparaButton->setEnabled(unsaved() && !heading().empty());
    NastaButton->setEnabled(EntryNo <= entryCount());
    ForegaendeButton->setEnabled(EntryNo > 1);
    OppnaButton->setEnabled(ownListsExist(e_));
    std::error_code ec;
    TestaButton->setEnabled(!OwnListOpenedPath.empty() && fs::is_regular_file(OwnListOpenedPath, ec));
}

void TEget::refuse(QLineEdit* box, const QString& why)
{
    ask(6, why.split(u'\n'), {{QStringLiteral("OK"), [box] { box->setFocus(); }}});
}

void TEget::textEdited(QLineEdit* field)
{
    // What the list cannot keep is taken out as it is typed, and the pupil is told why.
    const QString text = field->text();
    QString kept = text;
    std::optional<std::string> problem;
    if (field == OverskriftEdit || field == InstruktionEdit) {
        if (field == OverskriftEdit)
            problem = ownHeadingProblem(toCp1252(text));
        else if (text.contains(u'#'))
            problem = ownBoxProblem(toCp1252(text), false);
        kept.remove(u'#');
        if (field == OverskriftEdit)
            kept.remove(u'.').remove(u'/').remove(u'\\');
    } else {
        const bool question = field == Box[0];
        problem = ownBoxProblem(toCp1252(text), question);
        kept.remove(u'#');
        while (question && !kept.trimmed().isEmpty() && QStringView(u";$)").contains(kept.trimmed().front()))
            kept = kept.trimmed().mid(1);
    }
    if (auto outside = characterOutsideCp1252(kept)) {
        problem = (QStringLiteral("Tecknet ") + *outside + QStringLiteral(" kan inte sparas.")).toStdString();
        kept.remove(*outside);
    }
    if (kept != text) {
        field->setText(kept);
        refuse(field, QString::fromStdString(problem.value_or("")));
    }
    if (EntryNo > entryCount() && field != OverskriftEdit && field != InstruktionEdit)
        draft_ = boxes(); // the new question survives a look at another one
    refresh();
}

// --- moving between questions ------------------------------------------------------------

void TEget::boxEntered(int box)
{
    auto next = [&](int i) {
        Box[std::size_t(i)]->setFocus();
        Box[std::size_t(i)]->end(false);
    };
    const auto texts = boxes();
    auto filled = [&](int i) { return !Engine::MellanslagBort(texts[std::size_t(i)]).empty(); };
    switch (box) {
    case 0:
        if (filled(0)) {
            next(1);
        } else if (EntryNo <= entryCount()) {
            // An emptied question is taken out of the list; a new one is not there to take out.
            Lines.erase(Lines.begin() + EntryNo - 1);
            fillBoxes();
        }
        return;
    case 1:
        if (filled(1) || filled(2) || filled(3))
            next(2);
        return;
    case 2:
        if (filled(2)) {
            next(3);
            return;
        }
        [[fallthrough]]; // no alternative: the question is done
    default: {
        const bool complete = filled(0) && filled(1);
        NastaClick();
        next(complete || !filled(0) ? 0 : 1);
    }
    }
}

void TEget::NastaClick()
{
    if (DialogState >= 0)
        return;
    bool kept = false;
    storedLines(&kept);
    storeEntry();
    if (kept)
        ++EntryNo;
    fillBoxes();
}

void TEget::ForegaendeClick()
{
    if (DialogState >= 0 || EntryNo <= 1)
        return;
    storeEntry();
    --EntryNo;
    fillBoxes();
}

// --- saving ------------------------------------------------------------------------------------

fs::path TEget::pathOf(const std::string& heading) const
{
    const fs::path folder = ownListFolder(e_);
    const QString name = shown(heading) + QStringLiteral(".egt");
    if (auto existing = paths::find(folder, name))
        return *existing;
    return folder / name.toStdString();
}

bool TEget::save()
{
    const std::string title = heading();
    if (title.empty())
        return false;
    const bool fresh = EntryNo > entryCount();
    bool kept = false;
    storedLines(&kept);
    storeEntry(); // the question in the boxes is part of what is saved
    if (kept && fresh)
        ++EntryNo;
    const fs::path file = pathOf(title);
    const QString name = shown(file);
    std::error_code ec;
    fs::create_directories(file.parent_path(), ec);
    if (!fs::is_directory(file.parent_path(), ec)) {
        e_.fail(QStringLiteral("Filen ") + name + QStringLiteral(" kan inte sparas."));
        fillBoxes();
        return false;
    }
    if (there(file) && !readFileBytes(file)) {
        e_.fail(QStringLiteral("Filen ") + name + QStringLiteral(" finns men kan inte läsas, så förhöret sparas inte."));
        fillBoxes();
        return false;
    }
    const std::string bytes = ownListBytes({title, instruction(), Lines});
    QLockFile lock(name + QStringLiteral(".lock"));
    if (!lock.tryLock(3000)) {
        e_.warn(QStringLiteral("Filen ") + name + QStringLiteral(" används av en annan dator. Försök igen om en stund."));
        fillBoxes();
        return false;
    }
    if (!replaceFileDurably(file, file.native() + ".part", bytes)) {
        e_.fail(QStringLiteral("Filen ") + name + QStringLiteral(" kan inte sparas."));
        fillBoxes();
        return false;
    }
    // The list as it now stands in its file: empty questions are gone.
    const OwnList written = parseOwnList(readFileBytes(file).value_or(bytes));
    Lines = written.lines;
    OverskriftEdit->setText(shown(title));
    OwnListName = title;
    OwnListOpenedPath = file;
    savedLines_ = Lines;
    savedHeading_ = heading();
    savedInstruction_ = instruction();
    fillBoxes();
    return true;
}

void TEget::saveThen(const std::function<void()>& after)
{
    if (heading().empty()) {
        ask(10, {QStringLiteral("Förhöret saknar överskriften."), QStringLiteral("Skriv en överskrift först.")},
            {{QStringLiteral("OK"), [this] { OverskriftEdit->setFocus(); }}});
        return;
    }
    const fs::path file = pathOf(heading());
    std::error_code ec;
    if (there(file) && !fs::equivalent(file, OwnListOpenedPath, ec)) {
        // Another list of that name would be lost: its own question.
        ask(3, {QStringLiteral("Det finns redan ett förhör som heter ") + shown(heading()) + QStringLiteral("."),
                QStringLiteral("Ska det ersättas av det här förhöret?")},
            {{QStringLiteral("Ja"), [this, after] { if (save() && after) after(); }}, {QStringLiteral("Nej"), {}}});
        return;
    }
    if (save() && after)
        after();
}

void TEget::SparaClick()
{
    if (DialogState >= 0 || heading().empty())
        return;
    std::error_code ec;
    const fs::path file = pathOf(heading());
    if (there(file) && !fs::equivalent(file, OwnListOpenedPath, ec)) {
        saveThen({});
        return;
    }
    ask(3, {!there(file) ? QStringLiteral("Ska du spara ditt förhör?") : QStringLiteral("Ska du spara ditt ändrade förhör?")},
        {{QStringLiteral("Ja"), [this] { saveThen({}); }}, {QStringLiteral("Nej"), {}}});
}

// --- closing and opening ------------------------------------------------------------------------

void TEget::closeNow()
{
    QDialog::done(QDialog::Accepted);
}

void TEget::reject()
{
    SlutaClick();
}

void TEget::SlutaClick()
{
    if (DialogState >= 0)
        return;
    if (FilPanel->isVisible() || VisaPanel->isVisible()) {
        FilPanel->hide();
        VisaPanel->hide();
        return;
    }
    if (!unsaved()) {
        closeNow();
        return;
    }
    if (heading().empty()) {
        ask(10, {QStringLiteral("Förhöret saknar överskriften. Vill du återgå och"),
                 QStringLiteral("skriva en överskrift eller bara sluta?")},
            {{QStringLiteral("Återgå"), [this] { OverskriftEdit->setFocus(); }},
             {QStringLiteral("Bara sluta"), [this] { closeNow(); }}});
        return;
    }
    ask(0, {!there(pathOf(heading())) ? QStringLiteral("Ska du spara ditt förhör?")
                                         : QStringLiteral("Ska du spara ditt ändrade förhör?")},
        {{QStringLiteral("Ja"), [this] { saveThen([this] { closeNow(); }); }},
         {QStringLiteral("Bara sluta"), [this] { closeNow(); }},
         {QStringLiteral("Återgå"), {}}});
}

void TEget::OppnaClick()
{
    if (DialogState >= 0)
        return;
    FilLista->clear();
    std::vector<fs::path> files = paths::list(ownListFolder(e_), {}, QStringLiteral("*.egt"));
    std::sort(files.begin(), files.end(), [](const fs::path& a, const fs::path& b) {
        return paths::entryName(a).toUpper() < paths::entryName(b).toUpper();
    });
    for (const fs::path& file : files) {
        const QString name = paths::entryName(file);
        auto* item = new QListWidgetItem(name.left(name.size() - 4), FilLista);
        item->setData(Qt::UserRole, shown(file));
    }
    if (FilLista->count() == 0)
        return;
    FilLista->setCurrentRow(0);
    FilPanel->show();
    FilPanel->raise();
    FilLista->setFocus();
}

void TEget::openChosen()
{
    QListWidgetItem* item = FilLista->currentItem();
    if (!item)
        return;
    const fs::path file = item->data(Qt::UserRole).toString().toStdString();
    FilPanel->hide();
    std::error_code ec;
    if (!unsaved()) {
        load(file);
    } else if (!OwnListOpenedPath.empty() && fs::equivalent(file, OwnListOpenedPath, ec)) {
        ask(11, {QStringLiteral("Du försöker öppna samma förhör som du håller på med."),
                 QStringLiteral("Ska du återgå till det gamla förhöret?"), QStringLiteral("Då missar du dina ändringar?")},
            {{QStringLiteral("Ja, återgå"), [this, file] { load(file); }}, {QStringLiteral("Nej"), {}}});
    } else {
        // Whatever was open before, or a new list never saved: the work is asked for.
        ask(14, {QStringLiteral("Förhöret som du håller på med har inte sparats."),
                 QStringLiteral("Ska du spara detta innan du öppnar det nya,"),
                 QStringLiteral("eller öppna det nya och missa ändringarna?")},
            {{QStringLiteral("Ja, spara först"), [this, file] { saveThen([this, file] { load(file); }); }},
             {QStringLiteral("Öppna det nya"), [this, file] { load(file); }},
             {QStringLiteral("Återgå"), {}}});
    }
}

void TEget::load(const fs::path& file)
{
    const auto bytes = readFileBytes(file);
    if (!bytes) {
        e_.fail(QStringLiteral("Filen ") + shown(file) + QStringLiteral(" finns inte eller är felaktig"));
        return;
    }
    const OwnList list = parseOwnList(*bytes);
    const QString name = paths::entryName(file);
    OwnListName = toCp1252(name.left(name.size() - 4));
    OverskriftEdit->setText(shown(list.heading.empty() ? OwnListName : list.heading));
    InstruktionEdit->setText(shown(list.instruction));
    Lines = list.lines;
    EntryNo = entryCount() + 1;
    draft_ = {};
    OwnListOpenedPath = file;
    savedLines_ = Lines;
    savedHeading_ = heading();
    savedInstruction_ = instruction();
    fillBoxes();
    Box[0]->setFocus();
}

// --- the message panel ----------------------------------------------------------------------------

void TEget::ask(int state, const QStringList& lines, std::vector<Answer> answers)
{
    DialogState = state;
    answers_ = std::move(answers);
    MeddelandeLabel->setText(lines.join(u'\n'));
    const int count = int(answers_.size());
    const int w = SvarButton[0]->width(), gap = w / 12;
    const int left = (MeddelandePanel->width() - count * w - (count - 1) * gap) / 2;
    for (int i = 0; i < 3; ++i) {
        QPushButton* b = SvarButton[std::size_t(i)];
        b->setVisible(i < count);
        if (i < count) {
            b->setText(answers_[std::size_t(i)].caption);
            b->move(left + i * (w + gap), b->y());
        }
    }
    Editor->setEnabled(false);
    MeddelandePanel->show();
    MeddelandePanel->raise();
    SvarButton[0]->setFocus();
}

void TEget::hideMessage()
{
    DialogState = -1;
    MeddelandePanel->hide();
    Editor->setEnabled(true);
}

void TEget::answer(int button)
{
    if (DialogState < 0 || button < 0 || std::size_t(button) >= answers_.size())
        return;
    const std::function<void()> act = answers_[std::size_t(button)].act;
    hideMessage();
    if (act)
        act();
    refresh();
    if (DialogState < 0 && !focusWidget())
        Box[0]->setFocus();
}

// --- keys -----------------------------------------------------------------------------------------

bool TEget::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
        if (watched == FilLista && (enter || key == Qt::Key_Escape)) {
            if (enter)
                openChosen();
            else
                FilPanel->hide();
            return true;
        }
        if (enter) {
            for (int i = 0; i < 4; ++i) {
                if (watched == Box[std::size_t(i)]) {
                    boxEntered(i);
                    return true;
                }
            }
            if (watched == OverskriftEdit || watched == InstruktionEdit) {
                (watched == OverskriftEdit ? static_cast<QWidget*>(InstruktionEdit) : Box[0])->setFocus();
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TEget::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && qobject_cast<QPushButton*>(focusWidget())) {
        static_cast<QPushButton*>(focusWidget())->click();
        return;
    }
    if (key == Qt::Key_Escape) {
        SlutaClick();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace lingvaro
