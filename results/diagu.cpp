#include "results/diagu.h"

#include "engine/cp1252.h"
#include "engine/diagnosis.h"
#include "engine/engine.h"
#include "engine/paths.h"
#include "results/diaproto.h"
#include "dialogs/stallin.h"
#include "ui/context.h"
#include "ui/pagebrowser.h"
#include "ui/palette.h"
#include "ui/platform.h"
#include "ui/widgets.h"

#include <QCollator>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <fcntl.h>
#include <unistd.h>

namespace lingvaro {
namespace fs = std::filesystem;
namespace {

bool canCreateFileIn(const fs::path& dir)
{
    const fs::path probe = dir / "temp.dtt";
    const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return false;
    ::close(fd);
    std::error_code ec;
    fs::remove(probe, ec);
    return true;
}

QString inQuotes(const std::string& name) { return u'"' + fromCp1252(name) + u'"'; }

} // namespace

TDiag::TDiag(AppContext& app) : QDialog(nullptr), app_(app)
{
    setObjectName(QStringLiteral("TDiag"));
    Engine& e = app.engine;
    setWindowTitle(QStringLiteral("Diagnostiskt prov"));
    setWindowFlag(Qt::FramelessWindowHint);
    new MessageBoxType(this, e.ScaleFactor);
    auto* background = ui::makePanel(this, ui::colour::Navy);

    // Laid out for a screen of 800 x 600, scaled as every window is, and
    // centred on the screen.
    Content = new QWidget(this);
    Content->setGeometry(0, 0, 800, 600);
    const QString family = ui::programFamily();
    auto* title = ui::makeLabel(Content, QStringLiteral("Diagnostiskt prov"), family, 34, true, ui::colour::Yellow);
    title->setGeometry(0, 10, 800, 48);
    title->setAlignment(Qt::AlignCenter);

    const int left = 40, right = 400;
    NamnlistaLabel = ui::makeLabel(Content, QStringLiteral("Namnlista"), family, 20, true, Qt::white);
    NamnlistaLabel->setGeometry(left, 78, 330, 28);
    ListBox1 = new QListWidget(Content);
    ListBox1->setFont(ui::programFont(18));
    ListBox1->setSpacing(2);
    ListBox1->setGeometry(left, 110, 330, 410);
    auto prompt = [&](const QString& text, const QColor& colour, int y) {
        auto* l = ui::makeLabel(Content, text, family, 19, true, colour);
        l->setWordWrap(true);
        l->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
        l->setGeometry(right, y, 370, 52);
        return l;
    };
    NameLabel = prompt(QStringLiteral("Skriv namn. Tryck Enter."), Qt::white, 96);
    Edit1 = new QLineEdit(Content);
    Edit1->setFont(ui::programFont(18));
    Edit1->setGeometry(right, 152, 330, 36);
    Edit1->setMaxLength(60);
    PasswordLabel = prompt(QStringLiteral("Skriv lösenordet:"), Qt::white, 196);
    ErrorLabel = prompt(QStringLiteral("Falsk lösning. Nytt försök!"), ui::colour::Yellow, 196);
    MaskEdit1 = new QLineEdit(Content);
    MaskEdit1->setEchoMode(QLineEdit::Password);
    MaskEdit1->setMaxLength(PasswordLength);
    MaskEdit1->setFont(ui::programFont(18));
    MaskEdit1->setGeometry(right, 252, 220, 36);
    DeleteLabel = prompt({}, QColor(255, 200, 200), 96);
    NyPersonButton = new QPushButton(QStringLiteral("&Ny person"), Content);
    NyPersonButton->setGeometry(right, 540, 165, 40);
    AvbrytButton = new QPushButton(QStringLiteral("&Avbryt"), Content);
    AvbrytButton->setGeometry(right + 185, 540, 165, 40);

    TeacherPanel = ui::makePanel(Content, ui::colour::Maroon, 2);
    TeacherPanel->setGeometry(right, 300, 350, 226);
    auto* choose = ui::makeLabel(TeacherPanel, QStringLiteral("Välj ett alternativ"), family, 18, true, ui::colour::Yellow);
    choose->setGeometry(12, 8, 326, 26);
    auto teacherButton = [&](const QString& caption, int row) {
        auto* b = new QPushButton(caption, TeacherPanel);
        b->setGeometry(12, 40 + row * 45, 326, 38);
        return b;
    };
    DeleteAllButton = teacherButton(QStringLiteral("Ta bort alla diagnoser"), 0);
    DeleteWithButton = teacherButton(QStringLiteral("Ta bort enstaka med lösen"), 1);
    DeleteWithoutButton = teacherButton(QStringLiteral("Ta bort enstaka utan lösen"), 2);
    InfoButton = teacherButton(QStringLiteral("INFO"), 3);

    HelpPanel = ui::makePanel(this, ui::colour::Silver, 2);
    HelpBrowser = new ui::PageBrowser(HelpPanel);
    HelpCloseButton = new QPushButton(QStringLiteral("Stäng"), HelpPanel);
    HelpCloseButton->setGeometry(0, 0, 200, 40);
    for (QPushButton* b : findChildren<QPushButton*>()) {
        b->setAutoDefault(false);
        b->setFont(ui::programFont(18));
    }

    ui::scaleBy(this, e.ScaleFactor);
    const QSize screen = app.platform.screenSize();
    resize(screen);
    background->setGeometry(rect());
    Content->move(std::max(0, (screen.width() - Content->width()) / 2),
                  std::max(0, (screen.height() - Content->height()) / 2));
    const int margin = 2 * e.LetterWidth;
    HelpPanel->setGeometry(margin, margin, screen.width() - 2 * margin, screen.height() - 2 * margin);
    const int closeHeight = HelpCloseButton->height();
    HelpBrowser->setGeometry(5, 5, HelpPanel->width() - 10, HelpPanel->height() - closeHeight - 14);
    HelpCloseButton->setGeometry(0, HelpPanel->height() - closeHeight - 4, HelpPanel->width(), closeHeight);

    connect(NyPersonButton, &QPushButton::clicked, this, &TDiag::NyPersonClick);
    connect(AvbrytButton, &QPushButton::clicked, this, &TDiag::AvbrytClick);
    connect(DeleteAllButton, &QPushButton::clicked, this, &TDiag::deleteAllClick);
    connect(DeleteWithButton, &QPushButton::clicked, this, [this] {
        deleteOption = DeleteOption::WithPassword;
        ListBox1->setEnabled(true);
        ListBox1->setFocus();
    });
    connect(DeleteWithoutButton, &QPushButton::clicked, this, [this] {
        deleteOption = DeleteOption::WithoutPassword;
        ListBox1->setEnabled(true);
        ListBox1->setFocus();
    });
    connect(InfoButton, &QPushButton::clicked, this, &TDiag::InfoClick);
    connect(HelpCloseButton, &QPushButton::clicked, HelpPanel, &QWidget::hide);
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, &TDiag::learnerChosen);
    Edit1->installEventFilter(this);
    MaskEdit1->installEventFilter(this);
    ListBox1->installEventFilter(this);
    InfoButton->installEventFilter(this);

    // Opening
    HelpPanel->hide();
    TeacherPanel->hide();
    PasswordLabel->hide();
    ErrorLabel->hide();
    MaskEdit1->hide();
    Edit1->hide();
    NameLabel->hide();
    DeleteLabel->hide();
    NyPersonButton->setEnabled(true);
    deleteOption = DeleteOption::None;
    if (!e.DiagnosisDirTested) {
        e.DiagnosisDirTested = true;
        if (!DiagnosFileWish(e.DiagnosisDir))
            e.DiagnosisDir = paths::place(e.PcPath, QStringLiteral("RESULTAT")).native();
    }
    fillList();
}

bool TDiag::DiagnosFileWish(const std::string& dir)
{
    Engine& e = app_.engine;
    if (canCreateFileIn(dir))
        return true;
    e.inform(QStringLiteral("Diagnosen kan inte sparas i katalogen ") + QString::fromStdString(dir)
             + QStringLiteral(". Den kommer nu att sparas i katalogen ")
             + paths::display(e.PcPath, QStringLiteral("\\RESULTAT")));
    const fs::path results = paths::place(e.PcPath, QStringLiteral("RESULTAT"));
    if (!canCreateFileIn(results)) {
        std::error_code ec;
        fs::create_directories(results, ec);
    }
    return false;
}

void TDiag::fillList()
{
    Engine& e = app_.engine;
    ListBox1->clear();
    DiagnosisFile file(e.DiagnosisDir);
    const auto records = file.readAll();
    if (!records) {
        if (file.unreadable())
            e.warn(unreadableText(file) + QStringLiteral(" Namnlistan kan inte visas."));
        // No file yet: straight to a new name.
        ListBox1->hide();
        NamnlistaLabel->hide();
        NameLabel->show();
        Edit1->clear();
        Edit1->setEnabled(true);
        Edit1->show();
        Edit1->setFocus();
        return;
    }
    ListBox1->show();
    NamnlistaLabel->show();
    QStringList names;
    for (const auto& r : *records)
        if (!r.PersonName.empty())
            names << fromCp1252(Engine::dekryptrad(r.PersonName));
    // As Swedish sorts: letter case aside, and Å, Ä, Ö after Z.
    QCollator swedish(QLocale(QLocale::Swedish, QLocale::Sweden));
    swedish.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(names.begin(), names.end(),
                     [&](const QString& a, const QString& b) { return swedish.compare(a, b) < 0; });
    ListBox1->addItems(names);
    if (ListBox1->count() > 0)
        ListBox1->setCurrentRow(0);
    ListBox1->setFocus();
}

void TDiag::NyPersonClick()
{
    NyPersonButton->setEnabled(false);
    ListBox1->hide();
    NamnlistaLabel->hide();
    NameLabel->setText(QStringLiteral("Skriv namn. Tryck Enter."));
    NameLabel->show();
    Edit1->clear();
    Edit1->setEnabled(true);
    Edit1->show();
    Edit1->setFocus();
}

void TDiag::openProtocol(bool newLearner)
{
    NameLabel->hide();
    PasswordLabel->hide();
    ErrorLabel->hide();
    MaskEdit1->hide();
    ui::showModal<Tdiaprot>(app_.platform, app_, newLearner);
    accept();
}

QString TDiag::unreadableText(const DiagnosisFile& file)
{
    return QStringLiteral("Diagnosfilen ") + QFile::decodeName(file.file().c_str())
           + QStringLiteral(" finns men kan inte läsas. Inga resultat sparas i den förrän den kan läsas igen, "
                            "så att ingen annans diagnos skrivs över.");
}

void TDiag::nameEntered()
{
    Engine& e = app_.engine;
    const QString typed = Edit1->text().trimmed();
    // The file keeps names in code page 1252: "Ł" would come back as "?".
    if (const auto outside = characterOutsideCp1252(typed)) {
        NameLabel->setText(QStringLiteral("Tecknet \"") + *outside
                           + QStringLiteral("\" kan inte sparas. Skriv namnet utan det!"));
        return;
    }
    // Compared as it will be stored: a name longer than the file keeps is the
    // learner whose name it begins with.
    const std::string name = storedName(toCp1252(typed));
    if (!name.empty() && DiagnosisFile(e.DiagnosisDir).find(name)) {
        NameLabel->setText(QStringLiteral("Namnet finns redan. Skriv ett nytt!"));
        return;
    }
    if (sameLearner(name, "L\xc4RARE")) {
        ListBox1->hide();
        NamnlistaLabel->hide();
        Edit1->hide();
        NameLabel->hide();
        waiting = Waiting::TeacherPassword;
        PasswordLabel->show();
        MaskEdit1->clear();
        MaskEdit1->show();
        MaskEdit1->setFocus();
        return;
    }
    // A name beginning with ")" would read back as a scrambled line in the list.
    if (name.empty() || name[0] == ')') {
        NameLabel->setText(QStringLiteral("Skriv ett riktigt namn!"));
        return;
    }
    ListBox1->hide();
    e.DiagnosisRecord = freshRecord(name);
    openProtocol(true);
}

void TDiag::learnerChosen()
{
    Engine& e = app_.engine;
    QListWidgetItem* item = ListBox1->currentItem();
    if (!item || !ListBox1->isEnabled())
        return;
    const std::string name = toCp1252(item->text());
    DiagnosisFile file(e.DiagnosisDir);
    const auto found = file.find(name);
    if (!found && file.unreadable()) {
        e.warn(unreadableText(file));
        return;
    }
    e.DiagnosisRecord = found ? *found : freshRecord(name);
    e.PersonName = cut(name, 26);
    if (e.Password.empty()) {
        openProtocol(!found);
        return;
    }
    learnerIsNew_ = !found;
    ListBox1->hide();
    NamnlistaLabel->hide();
    Edit1->hide();
    waiting = Waiting::LearnerPassword;
    PasswordLabel->show();
    MaskEdit1->clear();
    MaskEdit1->show();
    MaskEdit1->setFocus();
}

fs::path TDiag::teacherFile() const
{
    const Engine& e = app_.engine;
    if (auto onMedium = paths::find(e.CdPath, QStringLiteral("\\DATA\\SPA45444.DOT")))
        return *onMedium;
    return paths::place(e.PcPath, QStringLiteral("\\DATA\\SPA45444.DOT"));
}

void TDiag::wrongPassword()
{
    MaskEdit1->clear();
    if (++attempts >= 3) {
        reject();
        return;
    }
    PasswordLabel->hide();
    ErrorLabel->setText(QStringLiteral("Felaktigt lösen. Försök igen!"));
    ErrorLabel->show();
}

void TDiag::passwordEntered()
{
    Engine& e = app_.engine;
    const std::string typed = toCp1252(MaskEdit1->text());
    // A character the file cannot hold would be compared as "?": never a match.
    const bool outside = characterOutsideCp1252(MaskEdit1->text()).has_value();
    switch (waiting) {
    case Waiting::LearnerPassword:
        if (typed == e.Password && !outside)
            openProtocol(learnerIsNew_);
        else
            wrongPassword();
        return;
    case Waiting::TeacherPassword: {
        const fs::path teacher = teacherFile();
        if (auto stored = TeacherPasswordFile::read(teacher))
            e.TeacherPassword = *stored;
        else if (std::error_code ec; fs::exists(teacher, ec) || ec)
            e.fail(QStringLiteral("Lärarlösenfilen ") + QFile::decodeName(teacher.c_str())
                   + QStringLiteral(" finns men kan inte läsas."));
        else
            e.fail(QStringLiteral("Kunde inte skapa lärarlösenfilen."));
        // An empty field is never the teacher's password, also when none could be read.
        const bool right = !typed.empty() && (typed == e.TeacherPassword || typed == TeacherPasswordFile::MasterPassword);
        if (!outside && right) {
            MaskEdit1->hide();
            PasswordLabel->hide();
            ErrorLabel->hide();
            TeacherPanel->show();
            ListBox1->show();
            NamnlistaLabel->show();
            ListBox1->setEnabled(false);
            InfoButton->setFocus();
            waiting = Waiting::Nothing;
        } else {
            wrongPassword();
        }
        return;
    }
    case Waiting::DeletePassword:
        if (typed == e.Password && !outside) {
            deleteLoaded();
        } else {
            ErrorLabel->setText(QStringLiteral("Felaktigt lösen.!"));
            ErrorLabel->show();
            PasswordLabel->hide();
            MaskEdit1->clear();
            e.inform(QStringLiteral("Felaktigt lösen."));
        }
        return;
    case Waiting::Nothing:
        return;
    }
}

void TDiag::deleteKey()
{
    Engine& e = app_.engine;
    QListWidgetItem* item = ListBox1->currentItem();
    if (!item)
        return;
    const std::string name = toCp1252(item->text());
    const auto found = DiagnosisFile(e.DiagnosisDir).find(name);
    e.DiagnosisRecord = found ? *found : freshRecord(name);
    loadedName_ = e.PersonName;
    NyPersonButton->hide();
    DeleteLabel->setText(QStringLiteral("Ta bort diagnosen: ") + fromCp1252(loadedName_));
    DeleteLabel->show();
    if (deleteOption == DeleteOption::WithoutPassword) {
        deleteLoaded();
        return;
    }
    waiting = Waiting::DeletePassword;
    PasswordLabel->show();
    MaskEdit1->clear();
    MaskEdit1->show();
    MaskEdit1->setFocus();
}

void TDiag::deleteLoaded()
{
    Engine& e = app_.engine;
    DiagnosisFile file(e.DiagnosisDir);
    const QString dir = QString::fromStdString(e.DiagnosisDir);
    bool removed = false;
    if (!file.readAll()) {
        e.inform(QStringLiteral("Diagnosfilen ") + dir + QStringLiteral("/SPANDIAG.DIA saknas eller är felaktig"));
    } else if (e.messages().askYesNo(QStringLiteral("Vill du verkligen ta bort diagnosen ") + inQuotes(loadedName_)
                                     + QStringLiteral("?"))) {
        auto result = file.remove(loadedName_);
        if (result == DiagnosisFile::Result::Truncated
            && e.messages().askYesNo(QStringLiteral("Diagnosfilen är ofullständig: den sista posten är avskuren. "
                                                    "Vill du ta bort diagnosen ändå? Den avskurna delen försvinner då.")))
            result = file.remove(loadedName_, true);
        switch (result) {
        case DiagnosisFile::Result::Saved:
            removed = true;
            e.inform(QStringLiteral("Diagnosen ") + inQuotes(loadedName_) + QStringLiteral(" är borttagen."));
            break;
        case DiagnosisFile::Result::Locked:
            e.inform(QStringLiteral("Diagnosfilen används just nu från en annan dator. Försök igen om en stund."));
            break;
        case DiagnosisFile::Result::Truncated:
            break; // the teacher said no to dropping the cut-off part: nothing was changed
        case DiagnosisFile::Result::Unreadable:
        case DiagnosisFile::Result::Missing:
            e.inform(QStringLiteral("Diagnosfilen ") + dir + QStringLiteral("/SPANDIAG.DIA saknas eller är felaktig"));
            break;
        default:
            e.inform(QStringLiteral("Ny fil i katalogen ") + dir + QStringLiteral(" kunde inte skapas"));
            break;
        }
    }
    waiting = Waiting::Nothing;
    if (deleteOption == DeleteOption::WithoutPassword) {
        fillList();
    } else if (removed) {
        for (QListWidgetItem* item : ListBox1->findItems(fromCp1252(loadedName_), Qt::MatchExactly))
            delete item;
    }
    ListBox1->show();
    ListBox1->setEnabled(true);
    MaskEdit1->hide();
    PasswordLabel->hide();
    DeleteLabel->hide();
    NyPersonButton->show();
    NyPersonButton->setEnabled(true);
}

void TDiag::deleteAllClick()
{
    Engine& e = app_.engine;
    DiagnosisFile file(e.DiagnosisDir);
    if (!file.readAll()) {
        e.inform(QStringLiteral("Diagnosfilen ") + QString::fromStdString(e.DiagnosisDir)
                 + QStringLiteral("/SPANDIAG.DIA saknas eller är felaktig"));
        return;
    }
    if (auto archived = file.archive(QDateTime::currentDateTime()))
        e.inform(QStringLiteral("Alla diagnoser är sparade i arkivfilen ")
                 + QString::fromStdString(archived->filename().native()) + QStringLiteral("."));
    else
        e.inform(QStringLiteral("Diagnosfilen kunde inte arkiveras."));
    accept();
}

void TDiag::InfoClick()
{
    Engine& e = app_.engine;
    HelpPanel->show();
    HelpPanel->raise();
    if (auto page = e.findContentFile(QStringLiteral("\\regler\\Diagnos.htm")))
        HelpBrowser->openPage(*page);
    else
        e.fail(QStringLiteral("Filen ") + paths::display(e.CdPath, QStringLiteral("\\regler\\Diagnos.htm"))
               + QStringLiteral(" finns inte eller är felaktig"));
    HelpCloseButton->setFocus();
}

void TDiag::newTeacherPassword()
{
    Engine& e = app_.engine;
    TNLOS dialog(app_, TNLOS::For::Teacher, e.TeacherPassword);
    app_.platform.runModal(dialog);
    if (!dialog.changed())
        return;
    e.TeacherPassword = dialog.newPassword();
    if (!TeacherPasswordFile::write(teacherFile(), e.TeacherPassword))
        e.fail(QStringLiteral("Kunde inte skapa lärarlösenfilen."));
}

void TDiag::AvbrytClick()
{
    app_.engine.WorkMode = WorkMode::Practice;
    reject();
}

bool TDiag::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (watched == Edit1 && enter) {
            nameEntered();
            return true;
        }
        if (watched == MaskEdit1 && enter) {
            passwordEntered();
            return true;
        }
        if (watched == ListBox1 && enter) {
            learnerChosen();
            return true;
        }
        if (watched == ListBox1 && key->key() == Qt::Key_R) {
            deleteKey();
            return true;
        }
        if (watched == InfoButton && (key->text() == QStringLiteral("Ä") || key->text() == QStringLiteral("ä"))) {
            newTeacherPassword();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace lingvaro
