#include "results/diaproto.h"

#include "engine/cp1252.h"
#include "engine/diagnosis.h"
#include "engine/engine.h"
#include "results/diagut.h"
#include "contentmap/menutree.h"
#include "dialogs/stallin.h"
#include "ui/palette.h"
#include "ui/platform.h"
#include "ui/widgets.h"

#include <QFile>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>
#include <cmath>

namespace lingvaro {
namespace {

const QString TimeTemplate = QStringLiteral("  970523 24:55  ");

QString statusCell(int status) { return QStringLiteral("    ") + diagnosisStatusText(status); }

} // namespace

QString Tdiaprot::resultText(int value)
{
    const int spaces = value < 10 ? 12 : value < 100 ? 10 : 8;
    return QString(spaces, u' ') + QString::number(value);
}

Tdiaprot::Tdiaprot(AppContext& app, bool newLearner)
    : QDialog(nullptr), app_(app), previousHost_(app.diagnosis), newLearner_(newLearner)
{
    setObjectName(QStringLiteral("Tdiaprot"));
    Engine& e = app.engine;
    app_.diagnosis = this;
    setWindowFlag(Qt::FramelessWindowHint);
    new MessageBoxType(this, e.ScaleFactor);
    const QSize screen = app.platform.screenSize();
    resize(screen);
    setFont(ui::programFont(16));

    TitleLabel = ui::makeLabel(this, {}, ui::programFamily(), 24, true, ui::colour::Navy);
    TitleLabel->setGeometry(0, 4, screen.width(), 36);
    TitleLabel->setIndent(e.LetterWidth);
    const int barHeight = TitleLabel->height() * 7 / 4;
    ButtonBar = ui::makePanel(this, ui::colour::Navy, 1);
    ButtonBar->setGeometry(0, screen.height() - barHeight, screen.width(), barHeight);
    int x = e.LetterWidth;
    const QFont buttonFont = ui::programFont(18);
    auto button = [&](const QString& caption) {
        auto* b = new QPushButton(caption, ButtonBar);
        b->setFont(buttonFont);
        const int width = std::max(150, QFontMetrics(buttonFont).horizontalAdvance(caption) + 40);
        b->setGeometry(x, (barHeight - 38) * 5 / 16, width, 38);
        b->setAutoDefault(false);
        x += width + 12;
        return b;
    };
    AvbrytButton = button(QStringLiteral("&Avbryt"));
    NyttLosenButton = button(QStringLiteral("&Nytt lösen"));
    SkrivUtButton = button(QStringLiteral("&Skriv ut"));
    HjalpButton = button(QStringLiteral("&Hjälp"));

    StringGrid1 = new QTableWidget(43, 5, this);
    StringGrid1->verticalHeader()->hide();
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int gridTop = TitleLabel->geometry().bottom() + 4;
    StringGrid1->setGeometry(0, gridTop, screen.width(), ButtonBar->y() - gridTop - 4);
    const QStringList header = {QStringLiteral("  Nr"), QStringLiteral("                  Område"),
                                QStringLiteral("    Resultat"), QStringLiteral("    Tidpunkt"), QStringLiteral("    Status")};
    for (int c = 0; c < 5; ++c)
        setCell(0, c, header[c]);
    for (int r = 1; r <= 41; ++r)
        setCell(r, 0, (r <= 9 ? QStringLiteral("   ") : QStringLiteral("  ")) + QString::number(r));
    // The heading row stays in sight above the rows (as a fixed row would);
    // the grid's row 0 keeps its texts for the print-out.
    StringGrid1->setHorizontalHeaderLabels(header);
    StringGrid1->setRowHidden(0, true);
    QHeaderView* heading = StringGrid1->horizontalHeader();
    heading->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    heading->setSectionResizeMode(QHeaderView::Fixed);
    heading->setSectionsClickable(false);
    heading->setHighlightSections(false);

    // The rows in a type a pupil reads easily: as large as lets all of them
    // stand on the screen at once, and never smaller than 16 pixels; where
    // they do not all fit (768 lines and fewer), the grid scrolls.
    const int frame = 2 * StringGrid1->frameWidth();
    const int inside = StringGrid1->height() - frame;
    const QFont gridFont = ui::programFont(std::clamp(inside / 43 - 6, 16, 20));
    StringGrid1->setFont(gridFont);
    heading->setFont(gridFont);
    const int headingHeight = heading->sizeHint().height();
    const int rowHeight = std::max(gridFont.pixelSize() + 6, (inside - headingHeight) / 42);
    StringGrid1->verticalHeader()->setMinimumSectionSize(8);
    StringGrid1->verticalHeader()->setDefaultSectionSize(rowHeight);
    const bool scrolls = headingHeight + 42 * rowHeight > inside;
    StringGrid1->setVerticalScrollBarPolicy(scrolls ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    const int viewportWidth =
        screen.width() - frame - (scrolls ? StringGrid1->style()->pixelMetric(QStyle::PM_ScrollBarExtent) : 0);

    const QFontMetrics gridMetrics(gridFont);
    const int W = gridMetrics.horizontalAdvance(TimeTemplate);
    const int numberWidth = std::max(3 * int(e.LetterWidth), gridMetrics.horizontalAdvance(QStringLiteral("  41  ")));
    const int valueWidth = W + e.LetterWidth;
    StringGrid1->setColumnWidth(0, numberWidth);
    for (int c = 2; c <= 4; ++c)
        StringGrid1->setColumnWidth(c, valueWidth);
    StringGrid1->setColumnWidth(1, viewportWidth - numberWidth - 3 * valueWidth);
    StringGrid1->installEventFilter(this);
    StringGrid1->viewport()->installEventFilter(this);
    connect(StringGrid1, &QTableWidget::currentCellChanged, this, [this](int row) {
        app_.engine.ProtocolRow = row;
        Panel2->hide();
    });
    connect(StringGrid1, &QTableWidget::cellDoubleClicked, this, [this](int row) {
        app_.engine.ProtocolRow = row;
        chooseRow();
    });

    Panel1 = ui::makePanel(this, ui::colour::Cream, 2);
    auto* help1 = ui::makeLabel(Panel1, QStringLiteral("Flytta till önskad rad och dubbelklicka"), ui::programFamily(),
                                18, true, Qt::black);
    auto* help2 = ui::makeLabel(Panel1, QStringLiteral("eller tryck enter så kommer diagnosen."), ui::programFamily(),
                                18, true, Qt::black);
    help1->adjustSize();
    help2->adjustSize();
    help1->move(e.LetterWidth, 8);
    help2->move(e.LetterWidth, 8 + help1->height() + 4);
    Panel1->setGeometry(screen.width() / 2, screen.height() / 3, help1->width() + 2 * e.LetterWidth,
                        help1->height() + help2->height() + 20);
    Panel1->installEventFilter(this);
    Panel1->hide();

    Panel2 = ui::makePanel(this, ui::colour::Yellow, 2);
    NoticeLine1 = ui::makeLabel(Panel2, {}, ui::programFamily(), 18, true, Qt::black);
    NoticeLine2 = ui::makeLabel(Panel2, {}, ui::programFamily(), 18, true, Qt::black);
    Panel2->hide();

    // The columns' left edges as parts of the printed table's width.
    if (app_.diagutform) {
        const double SW = screen.width();
        const int p0 = int(std::nearbyint(3.0 * e.LetterWidth / SW * 100));
        const int q = int(std::nearbyint(W / SW * 100));
        const int pa = q - 1, pb = q + 1;
        const int p1 = 100 - p0 - 3 * pa;
        app_.diagutform->PrintColumnPercent = {p0, p0 + p1, p0 + p1 + pa, p0 + p1 + pa + pb};
    }

    connect(AvbrytButton, &QPushButton::clicked, this, &Tdiaprot::AvbrytClick);
    connect(NyttLosenButton, &QPushButton::clicked, this, &Tdiaprot::NyttLosenClick);
    connect(SkrivUtButton, &QPushButton::clicked, this, &Tdiaprot::SkrivUtClick);
    connect(HjalpButton, &QPushButton::clicked, this, [this] {
        Panel1->show();
        Panel1->raise();
        StringGrid1->setFocus();
    });
    e.ProtocolChanged = false;
    rita_prot();
    StringGrid1->setFocus();
}

Tdiaprot::~Tdiaprot()
{
    app_.diagnosis = previousHost_;
}

void Tdiaprot::setCell(int row, int column, const QString& text)
{
    auto* item = StringGrid1->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        StringGrid1->setItem(row, column, item);
    }
    item->setText(text);
}

void Tdiaprot::rita_prot()
{
    Engine& e = app_.engine;
    const DiagnosisRecordData& r = e.DiagnosisRecord;
    TitleLabel->setText(QStringLiteral("Diagnosprotokoll för  ") + fromCp1252(r.PersonName));
    for (int row = 1; row <= 41; ++row) {
        setCell(row, 1, QStringLiteral("  ") + QString::fromUtf8(diagnosisItemName(row)));
        setCell(row, 2, resultText(r.DiagnosisResults[row]));
        setCell(row, 3, QStringLiteral("  ") + protocolTime(r, row));
        setCell(row, 4, statusCell(r.DiagnosisStatus[row]));
    }
    StringGrid1->setCurrentCell(std::clamp(e.ProtocolRow, 1, 42), 1);
    StringGrid1->scrollToItem(StringGrid1->currentItem());
    if (e.ProtocolChanged) {
        SparaProtokoll();
    }
    summa();
}

void Tdiaprot::summa()
{
    int sum = 0;
    for (int i = 1; i <= 41; ++i)
        sum += app_.engine.DiagnosisRecord.DiagnosisResults[i];
    setCell(42, 2, resultText(sum));
    setCell(42, 1, QString(78, u' ') + QStringLiteral("Summa"));
}

void Tdiaprot::SparaProtokoll()
{
    Engine& e = app_.engine;
    DiagnosisFile file(e.DiagnosisDir);
    // A learner new to the file is added, never put in place of another
    // learner of the same name (one who could not be seen when the name was typed).
    auto store = [&](bool keepTruncated) {
        return newLearner_ ? file.add(e.DiagnosisRecord, keepTruncated) : file.save(e.DiagnosisRecord, keepTruncated);
    };
    auto result = store(false);
    const QString shown = QFile::decodeName(file.file().c_str());
    if (result == DiagnosisFile::Result::Truncated
        && e.messages().askYesNo(QStringLiteral("Diagnosfilen ") + shown
                                 + QStringLiteral(" är ofullständig: den sista posten är avskuren. Vill du spara ändå? "
                                                  "Den avskurna delen försvinner då.")))
        result = store(true);
    // Whatever keeps the result from the file, it stays here and is saved next time.
    e.ProtocolChanged = true;
    switch (result) {
    case DiagnosisFile::Result::Saved:
        e.ProtocolChanged = false;
        newLearner_ = false;
        break;
    case DiagnosisFile::Result::Locked:
        e.inform(QStringLiteral("Diagnosfilen används just nu från en annan dator. Resultatet sparas nästa gång."));
        break;
    case DiagnosisFile::Result::Unreadable:
        e.warn(QStringLiteral("Diagnosfilen ") + shown
               + QStringLiteral(" finns men kan inte läsas. Resultatet sparas inte, så att ingen annans diagnos skrivs över."));
        break;
    case DiagnosisFile::Result::NameTaken:
        e.warn(QStringLiteral("Namnet \"") + fromCp1252(e.DiagnosisRecord.PersonName)
               + QStringLiteral("\" finns redan i diagnosfilen. Resultatet sparas inte, så att den diagnosen inte skrivs över."));
        break;
    case DiagnosisFile::Result::Failed:
        e.warn(QStringLiteral("Resultatet kunde inte sparas i diagnosfilen ") + shown
               + QStringLiteral(". Det sparas nästa gång."));
        break;
    default:
        break; // a cut-off file the user chose to keep as it is
    }
}

void Tdiaprot::InfoText()
{
    Engine& e = app_.engine;
    const int row = e.ProtocolRow;
    const int before = row - 1;
    NoticeLine1->setText(QStringLiteral("Du måste göra ") + QString::fromUtf8(diagnosisItemName(before)));
    NoticeLine2->setText(e.DiagnosisRecord.DiagnosisStatus[before] == 3 ? QStringLiteral("bättre innan du gör detta test.")
                                                                         : QStringLiteral("innan du gör detta test."));
    NoticeLine1->adjustSize();
    NoticeLine2->adjustSize();
    NoticeLine1->move(15, 8);
    NoticeLine2->move(15, 12 + NoticeLine1->height());
    const int width = std::max(NoticeLine1->width(), NoticeLine2->width()) + 30;
    const QSize screen = app_.platform.screenSize();
    // Just under the chosen row, wherever the grid has scrolled it to.
    const int height = NoticeLine2->geometry().bottom() + 10;
    const int below = StringGrid1->viewport()
                          ->mapTo(this, QPoint(0, StringGrid1->rowViewportPosition(row) + StringGrid1->rowHeight(row)))
                          .y();
    Panel2->setGeometry(screen.width() - width - 20, std::min(below, ButtonBar->y() - height), width, height);
    Panel2->show();
    Panel2->raise();
}

void Tdiaprot::HjalpText()
{
    Panel1->show();
    Panel1->raise();
}

void Tdiaprot::chooseRow()
{
    Engine& e = app_.engine;
    const int row = e.ProtocolRow;
    if (row < 1 || row > 41)
        return;
    e.WorkMode = WorkMode::Test;
    Panel2->hide();
    e.DiagnosisItem = row;
    setEnabled(false);
    const int status = e.DiagnosisRecord.DiagnosisStatus[row];
    if (status == 1) {
        // Item 6 waits for item 5 as 2..4 wait for the item before them.
        if (row >= 2 && row <= 6)
            InfoText();
    } else if (status == 3) {
        UtseOvaProgram(row, status);
    } else {
        UtseDiagProgram(row);
    }
    setEnabled(true);
    StringGrid1->setFocus();
}

bool Tdiaprot::windowExists(int item)
{
    // Asked before the data file, as the menus do: a missing window is not a
    // missing file.
    if (diagnosisItemWindows().count(item))
        return true;
    app_.engine.inform(QStringLiteral("Denna övning finns inte ännu."));
    return false;
}

void Tdiaprot::UtseDiagProgram(int item)
{
    Engine& e = app_.engine;
    e.DataFileName = QStringLiteral("SpDi%1.DAT").arg(item, 2, 10, QChar(u'0')).toStdString();
    Panel2->hide();
    if (windowExists(item) && e.Kolla(e.DataFileName) && app_.openExerciseWindow)
        app_.openExerciseWindow(diagnosisItemWindowClass(item));
    summa();
}

void Tdiaprot::UtseOvaProgram(int item, int status)
{
    Engine& e = app_.engine;
    e.WorkMode = WorkMode::DiagnosisPractice;
    e.PracticeRound = 0;
    if (status == 3)
        e.DataFileName = QStringLiteral("SpOvn%1.DAT").arg(100 + item).toStdString();
    if (windowExists(item) && e.Kolla(e.DataFileName) && app_.openExerciseWindow)
        app_.openExerciseWindow(diagnosisItemWindowClass(item));
}

void Tdiaprot::diagnosback(int value)
{
    Engine& e = app_.engine;
    storeResult(e.DiagnosisRecord, e.DiagnosisItem, value, QDateTime::currentDateTime());
    e.ProtocolChanged = true;
    setEnabled(true);
    rita_prot();
    update();
}

void Tdiaprot::practicePassed(int item)
{
    Engine& e = app_.engine;
    e.DiagnosisRecord.DiagnosisStatus[item] = 2;
    GeStatusTal(e.DiagnosisRecord, item);
    setCell(item, 4, statusCell(2));
    Panel2->hide();
    e.ProtocolChanged = true;
}

void Tdiaprot::enableProtocol()
{
    setEnabled(true);
}

void Tdiaprot::AvbrytClick()
{
    Engine& e = app_.engine;
    SparaProtokoll();
    e.WorkMode = WorkMode::Practice;
    accept();
}

void Tdiaprot::NyttLosenClick()
{
    Engine& e = app_.engine;
    TNLOS dialog(app_, TNLOS::For::Learner, e.Password);
    app_.platform.runModal(dialog);
    if (dialog.changed()) {
        e.Password = dialog.newPassword();
        e.ProtocolChanged = true;
    }
    StringGrid1->setFocus();
}

void Tdiaprot::SkrivUtClick()
{
    if (!app_.diagutform)
        return;
    app_.diagutform->StringGrid1.clear();
    for (int r = 0; r < StringGrid1->rowCount(); ++r) {
        QStringList row;
        for (int c = 0; c < 5; ++c)
            row << (StringGrid1->item(r, c) ? StringGrid1->item(r, c)->text() : QString());
        app_.diagutform->StringGrid1.push_back(row);
    }
    app_.diagutform->SkrivutDiaggen();
    StringGrid1->setFocus();
}

bool Tdiaprot::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == StringGrid1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            chooseRow();
            return true;
        }
        if (key == Qt::Key_Escape) {
            AvbrytClick();
            return true;
        }
        Panel1->hide();
    }
    if (watched == StringGrid1->viewport() && event->type() == QEvent::MouseButtonRelease) {
        const int row = StringGrid1->rowAt(static_cast<QMouseEvent*>(event)->position().toPoint().y());
        if (row >= 0) {
            app_.engine.ProtocolRow = row;
            StringGrid1->setCurrentCell(row, 1);
        }
        Panel1->hide();
        Panel2->hide();
    }
    if (watched == Panel1 && event->type() == QEvent::MouseButtonRelease)
        Panel1->hide();
    return QDialog::eventFilter(watched, event);
}

void Tdiaprot::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        AvbrytClick();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace lingvaro
