#include "exercises/wordquiz/rekord.h"

#include "engine/cp1252.h"
#include "engine/engine.h"
#include "ui/context.h"
#include "ui/palette.h"
#include "ui/platform.h"
#include "ui/widgets.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace lingvaro {
namespace fs = std::filesystem;
namespace colour = ui::colour;

namespace {

QString shown(const fs::path& file) { return QString::fromStdString(file.native()); }

constexpr int TitlePoints = 40, SmallestPoints = 10;

} // namespace

TRekord::TRekord(AppContext& app, QDateTime when) : QDialog(nullptr), app_(app), when_(std::move(when))
{
    Engine& e = app.engine;
    setObjectName(QStringLiteral("TRekord"));
    setWindowTitle(QStringLiteral("Rekordtabell"));
    setWindowFlag(Qt::FramelessWindowHint);
    setAutoFillBackground(true);
    ui::setPanelColour(this, colour::Navy);
    entry_ = RecordEntry::make(e.RecordName, e.RecordScore, now());

    TitelPanel = ui::makePanel(this, colour::Teal, 2);
    TitelLabel = new QLabel(TitelPanel);
    QPalette tp = TitelLabel->palette();
    tp.setColor(QPalette::WindowText, colour::Yellow);
    TitelLabel->setPalette(tp);
    TitelLabel->setAlignment(Qt::AlignCenter);
    TabellPanel = ui::makePanel(this, colour::Teal, 2);
    auto* inner = ui::makePanel(TabellPanel, colour::Yellow, 1);
    inner->setObjectName(QStringLiteral("InnerPanel"));
    StringGrid1 = new QTableWidget(inner);
    StringGrid1->setColumnCount(4);
    StringGrid1->setHorizontalHeaderLabels({QStringLiteral("  Nr"), QStringLiteral("       Namn"),
                                            QStringLiteral("  Datum och tid"), QStringLiteral("    Resultat")});
    StringGrid1->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    StringGrid1->verticalHeader()->hide();
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setSelectionMode(QAbstractItemView::NoSelection);
    StringGrid1->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    StringGrid1->setFocusPolicy(Qt::StrongFocus);
    StringGrid1->installEventFilter(this);

    UtanButton = new QPushButton(QStringLiteral("Tillbaka &utan att spara - ESC"), this);
    SparaButton = new QPushButton(QStringLiteral("Tillbaka och &spara - Enter"), this);
    for (QPushButton* b : {UtanButton, SparaButton})
        b->setAutoDefault(false);
    connect(UtanButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(SparaButton, &QPushButton::clicked, this, &TRekord::SparaClick);

    const std::pair<QObject*, const char*> names[] = {{TitelPanel, "TitelPanel"}, {TitelLabel, "TitelLabel"},
                                                      {TabellPanel, "TabellPanel"}, {StringGrid1, "StringGrid1"},
                                                      {UtanButton, "UtanButton"}, {SparaButton, "SparaButton"}};
    for (const auto& [part, name] : names)
        part->setObjectName(QString::fromLatin1(name));
    layout();
    fill();
}

QDateTime TRekord::now() const
{
    return when_.isValid() ? when_ : QDateTime::currentDateTime();
}

void TRekord::layout()
{
    const Engine& e = app_.engine;
    const QSize screen = app_.platform.screenSize();
    const int W = screen.width(), H = screen.height(), L = e.LetterWidth;
    resize(screen);
    auto px = [&](int v) { return v * std::max<int>(1, e.ScaleFactor) / 100; };

    // The title strip over the middle three quarters; its type shrinks from 40
    // points until the title fits, but never below 10.
    TitelPanel->setGeometry(W / 8, 0, W * 3 / 4, H / 8);
    TitelLabel->setText(QStringLiteral("Rekordtabell för ") + fromCp1252(e.WordListTitle));
    int points = TitlePoints;
    while (true) {
        const QFontMetrics m(ui::programFontPt(points));
        const QSize text = m.size(0, TitelLabel->text());
        if (points <= SmallestPoints
            || (text.width() <= TitelPanel->width() - 2 * L && text.height() <= TitelPanel->height() - L))
            break;
        --points;
    }
    TitelLabel->setFont(ui::programFontPt(points));
    TitelLabel->setGeometry(L, 0, TitelPanel->width() - 2 * L, TitelPanel->height());

    TabellPanel->setGeometry(W / 16, H / 8, W * 7 / 8, H * 3 / 4);
    auto* inner = TabellPanel->findChild<QFrame*>(QStringLiteral("InnerPanel"));
    inner->setGeometry(L, L, TabellPanel->width() - 2 * L, TabellPanel->height() - 2 * L);
    StringGrid1->setGeometry(L, L, inner->width() - 2 * L, inner->height() - 2 * L);

    // Columns as wide as their widest text; the score takes the rest.
    const QFont font = ui::programFont(px(18));
    StringGrid1->setFont(font);
    StringGrid1->horizontalHeader()->setFont(font);
    const QFontMetrics m(font);
    const int number = m.horizontalAdvance(QStringLiteral(" 400  "));
    const int name = m.horizontalAdvance(QStringLiteral("   Per Ove Gunnar Vikstrandemus "));
    const int date = m.horizontalAdvance(QStringLiteral(" 3970523 24:553 "));
    StringGrid1->setColumnWidth(0, number);
    StringGrid1->setColumnWidth(1, name);
    StringGrid1->setColumnWidth(2, date);
    StringGrid1->horizontalHeader()->setStretchLastSection(true);
    StringGrid1->verticalHeader()->setDefaultSectionSize(m.height() * 8 / 7);
    StringGrid1->horizontalHeader()->setFixedHeight(m.height() * 8 / 7 + px(4));

    // The two buttons in the strip under the table.
    const QRect table = TabellPanel->geometry();
    const int buttonWidth = table.width() * 30 / 64;
    const int buttonHeight = std::max(px(36), QFontMetrics(ui::programFont(px(18))).height() + px(12));
    const int stripTop = table.bottom() + 1;
    const int y = stripTop + (H / 8 - buttonHeight) / 2;
    for (QPushButton* b : {UtanButton, SparaButton})
        b->setFont(ui::programFont(px(18)));
    UtanButton->setGeometry(table.x() + table.width() / 64, y, buttonWidth, buttonHeight);
    SparaButton->setGeometry(table.x() + table.width() * 33 / 64, y, buttonWidth, buttonHeight);
}

void TRekord::fill()
{
    Engine& e = app_.engine;
    const fs::path file = e.RecordTablePath;
    RecordFile table(file);
    const RecordFile::Result read = table.read();
    bool canSave = true;
    std::error_code ec;
    std::vector<RecordEntry> stored;
    if (read.status == RecordFile::Status::Read) {
        stored = read.entries;
    } else if (read.status == RecordFile::Status::Unreadable) {
        e.fail(QStringLiteral("Filen ") + shown(file)
               + QStringLiteral(" finns men kan inte läsas. Tabellen kan inte sparas."));
        canSave = false;
    } else if (!fs::is_directory(file.parent_path(), ec)) {
        e.fail(QStringLiteral("Kan inte hitta katalogen ") + shown(file.parent_path())
               + QStringLiteral(". tabellen kan inte sparas."));
        canSave = false;
    } else {
        // A list's first table starts empty; making the file shows at once
        // whether the folder takes it.
        const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
        if (fd >= 0) {
            ::close(fd);
        } else if (errno != EEXIST) {
            e.fail(QStringLiteral("Filen ") + shown(file)
                   + QStringLiteral(" kan inte sparas. Katalogen är kanske skrivskyddad."));
            canSave = false;
        }
    }
    SparaButton->setEnabled(canSave);

    const RecordMerge merged = mergeRecord(stored, entry_);
    rows_ = merged.rows;
    placed_ = merged.placed;
    const int rowCount = merged.fits() ? RecordTableSize : RecordTableSize + 1;
    StringGrid1->setRowCount(rowCount);
    for (int r = 1; r <= rowCount; ++r) {
        auto set = [&](int column, const QString& text) {
            auto* item = new QTableWidgetItem(text);
            StringGrid1->setItem(r - 1, column, item);
        };
        set(0, recordNumberText(r));
        if (std::size_t(r) <= rows_.size()) {
            const RecordEntry& row = rows_[std::size_t(r - 1)];
            set(1, QStringLiteral("   ") + fromCp1252(row.name));
            set(2, QStringLiteral(" ") + recordDateText(row));
            set(3, recordScoreText(row.score));
        }
    }
    // The new entry stands out in the colours of a selection, which the pupil
    // cannot move away from it.
    for (int column = 1; column <= 3; ++column) {
        if (QTableWidgetItem* item = StringGrid1->item(placed_ - 1, column)) {
            item->setBackground(colour::Navy);
            item->setForeground(colour::Yellow);
        }
    }
    scrollToEntry();
}

void TRekord::scrollToEntry()
{
    // Rows 1..9 from the top, rows up to 89 in the middle, the last ones with
    // row 90 on top.
    const int visible = std::max(1, StringGrid1->viewport()->height() / std::max(1, StringGrid1->rowHeight(0)));
    int top = 1;
    if (placed_ >= 90)
        top = 90;
    else if (placed_ >= 10)
        top = std::max(1, placed_ - visible / 2);
    StringGrid1->verticalScrollBar()->setValue(top - 1);
}

void TRekord::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    scrollToEntry();
    StringGrid1->setFocus();
}

void TRekord::SparaClick()
{
    Engine& e = app_.engine;
    if (!SparaButton->isEnabled())
        return;
    RecordFile table(e.RecordTablePath);
    RecordEntry entry = entry_;
    entry.setTime(now()); // the time of keeping it
    const RecordFile::Result saved = table.save(entry);
    const QString file = shown(table.file());
    switch (saved.status) {
    case RecordFile::Status::Saved:
    case RecordFile::Status::NotPlaced:
        accept();
        return;
    case RecordFile::Status::Locked:
        e.warn(QStringLiteral("Tabellen kunde inte sparas: filen ") + file
               + QStringLiteral(" används av en annan dator. Försök igen om en stund."));
        return;
    case RecordFile::Status::Unreadable:
        e.fail(QStringLiteral("Filen ") + file + QStringLiteral(" finns men kan inte läsas. Tabellen kan inte sparas."));
        SparaButton->setEnabled(false);
        return;
    default:
        e.fail(QStringLiteral("Filen ") + file + QStringLiteral(" kan inte sparas."));
        return;
    }
}

bool TRekord::eventFilter(QObject* watched, QEvent* event)
{
    // The grid would take Enter and Esc for itself.
    if (watched == StringGrid1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter) {
            keyPressEvent(static_cast<QKeyEvent*>(event));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TRekord::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        reject();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (auto* b = qobject_cast<QPushButton*>(focusWidget()))
            b->click();
        else
            SparaClick();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

} // namespace lingvaro
