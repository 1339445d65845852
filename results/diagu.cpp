#include "results/diagu.h"

#include "engine/cp1252.h"
#include "engine/diagnosis.h"
#include "engine/engine.h"
#include "engine/paths.h"
#include "results/diaproto.h"
#include "dialogs/stallin.h"
#include "ui/context.h"
#include "ui/pagebrowser.h"
#include "ui/platform.h"
#include "ui/widgets.h"

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

const QColor Navy(0, 0, 128);

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
    const QSize screen = app.platform.screenSize();
    resize(screen);
    auto* background = ui::makePanel(this, Navy);
    background->setGeometry(rect());
    auto* title = ui::makeLabel(this, QStringLiteral("Diagnostiskt prov"), QStringLiteral("Arial"), 34, true,
                                QColor(255, 255, 0));
    title->setGeometry(0, 20, screen.width(), 48);
    title->setAlignment(Qt::AlignCenter);

    const int left = screen.width() / 2 - 300;
    NamnlistaLabel = ui::makeLabel(this, QStringLiteral("Namnlista"), QStringLiteral("Arial"), 20, true, Qt::white);
    NamnlistaLabel->setGeometry(left, 90, 300, 28);
    ListBox1 = new QListWidget(this);
    ListBox1->setSortingEnabled(true);
    ListBox1->setGeometry(left, 120, 300, screen.height() - 220);
    ListBox1->setFont(QFont(QStringLiteral("Arial"), 13));
    NameLabel = ui::makeLabel(this, QStringLiteral("Skriv namn. Tryck Enter."), QStringLiteral("Arial"), 20, true, Qt::white);
    NameLabel->setGeometry(left + 330, 120, 360, 28);
    Edit1 = new QLineEdit(this);
    Edit1->setGeometry(left + 330, 152, 300, 32);
    Edit1->setMaxLength(60);
    PasswordLabel = ui::makeLabel(this, QStringLiteral("Skriv lösenordet:"), QStringLiteral("Arial"), 20, true, Qt::white);
    PasswordLabel->setGeometry(left + 330, 200, 360, 28);
    ErrorLabel = ui::makeLabel(this, QStringLiteral("Falsk lösning. Nytt försök!"), QStringLiteral("Arial"), 20, true,
                               QColor(255, 255, 0));
    ErrorLabel->setGeometry(left + 330, 200, 360, 28);
    MaskEdit1 = new QLineEdit(this);
    MaskEdit1->setEchoMode(QLineEdit::Password);
    MaskEdit1->setMaxLength(10);
    MaskEdit1->setGeometry(left + 330, 232, 200, 32);
    DeleteLabel = ui::makeLabel(this, {}, QStringLiteral("Arial"), 18, true, QColor(255, 200, 200));
    DeleteLabel->setGeometry(left + 330, 90, 400, 28);
    NyPersonButton = new QPushButton(QStringLiteral("&Ny person"), this);
    NyPersonButton->setGeometry(left + 330, screen.height() - 140, 140, 36);
    AvbrytButton = new QPushButton(QStringLiteral("&Avbryt"), this);
    AvbrytButton->setGeometry(left + 490, screen.height() - 140, 140, 36);

    TeacherPanel = ui::makePanel(this, QColor(128, 0, 0), 2);
    TeacherPanel->setGeometry(left + 330, 290, 320, 230);
    auto* choose = ui::makeLabel(TeacherPanel, QStringLiteral("Välj ett alternativ"), QStringLiteral("Arial"), 18, true,
                                 QColor(255, 255, 0));
    choose->setGeometry(10, 8, 300, 26);
    auto teacherButton = [&](const QString& caption, int row) {
        auto* b = new QPushButton(caption, TeacherPanel);
        b->setGeometry(10, 42 + row * 44, 300, 36);
        b->setAutoDefault(false);
        return b;
    };
    DeleteAllButton = teacherButton(QStringLiteral("Ta bort alla diagnoser"), 0);
    DeleteWithButton = teacherButton(QStringLiteral("Ta bort enstaka med lösen"), 1);
    DeleteWithoutButton = teacherButton(QStringLiteral("Ta bort enstaka utan lösen"), 2);
    InfoButton = teacherButton(QStringLiteral("INFO"), 3);

    HelpPanel = ui::makePanel(this, QColor(192, 192, 192), 2);
    HelpPanel->setGeometry(20, 20, screen.width() - 40, screen.height() - 40);
    HelpBrowser = new ui::PageBrowser(HelpPanel);
    HelpBrowser->setGeometry(5, 5, HelpPanel->width() - 10, HelpPanel->height() - 50);
    HelpCloseButton = new QPushButton(QStringLiteral("Stäng"), HelpPanel);
    HelpCloseButton->setGeometry(0, HelpPanel->height() - 40, HelpPanel->width(), 36);

    for (QPushButton* b : findChildren<QPushButton*>())
        b->setAutoDefault(false);
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
    const auto records = DiagnosisFile(e.DiagnosisDir).readAll();
    if (!records) {
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
    for (const auto& r : *records)
        if (!r.PersonName.empty())
            ListBox1->addItem(fromCp1252(Engine::dekryptrad(r.PersonName)));
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

void TDiag::openProtocol()
{
    NameLabel->hide();
    PasswordLabel->hide();
    ErrorLabel->hide();
    MaskEdit1->hide();
    ui::showModal<Tdiaprot>(app_.platform, app_);
    accept();
}

void TDiag::nameEntered()
{
    Engine& e = app_.engine;
    const std::string name = toCp1252(Edit1->text().trimmed());
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
    openProtocol();
}

void TDiag::learnerChosen()
{
    Engine& e = app_.engine;
    QListWidgetItem* item = ListBox1->currentItem();
    if (!item || !ListBox1->isEnabled())
        return;
    const std::string name = toCp1252(item->text());
    const auto found = DiagnosisFile(e.DiagnosisDir).find(name);
    e.DiagnosisRecord = found ? *found : freshRecord(name);
    e.PersonName = cut(name, 26);
    if (e.Password.empty()) {
        openProtocol();
        return;
    }
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
    switch (waiting) {
    case Waiting::LearnerPassword:
        if (typed == e.Password)
            openProtocol();
        else
            wrongPassword();
        return;
    case Waiting::TeacherPassword: {
        if (auto stored = TeacherPasswordFile::read(teacherFile()))
            e.TeacherPassword = *stored;
        else
            e.fail(QStringLiteral("Kunde inte skapa lärarlösenfilen."));
        if (typed == e.TeacherPassword || typed == TeacherPasswordFile::MasterPassword) {
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
        if (typed == e.Password) {
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
        if (result == DiagnosisFile::Result::Saved) {
            removed = true;
            e.inform(QStringLiteral("Diagnosen ") + inQuotes(loadedName_) + QStringLiteral(" är borttagen."));
        } else if (result == DiagnosisFile::Result::Locked) {
            e.inform(QStringLiteral("Diagnosfilen används just nu från en annan dator. Försök igen om en stund."));
        } else {
            e.inform(QStringLiteral("Ny fil i katalogen ") + dir + QStringLiteral(" kunde inte skapas"));
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
    e.TeacherPasswordMode = true;
    e.PasswordChanged = false;
    ui::showModal<TNLOS>(app_.platform, app_);
    e.TeacherPasswordMode = false;
    if (e.PasswordChanged && !TeacherPasswordFile::write(teacherFile(), e.TeacherPassword))
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
