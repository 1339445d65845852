#pragma once
// The worksheet printer "Skrivarkö": made at start and kept for the whole run.
// In worksheet mode the exercise windows fill its two print lists, one without
// and one with the answers, and ask it to print them as A4 worksheets: a framed
// heading on the first page, bold block headings, numbered tasks with their
// answer lines, page numbers and page breaks that keep a task together with the
// lines that belong to it.
//
// Positions on the page are whole millimetres from the paper's top left corner,
// turned into printer pixels from the page size of the printer in use (the
// printer is switched to full-page coordinates while printing).
//
// A printout walks only the list it prints, with the kinds of that list's own
// lines: the list without answers carries instruction lines that the one with
// answers lacks, so the two are never read side by side.
//
// Page breaks: a task, or a block heading, goes to the next page when the
// lines it keeps (8 mm each, a heading 24 mm) would pass 276 mm, or when the
// text of the task with its answer lines, or of the heading with its
// instruction and first task, would really end below 290 mm. A block longer
// than a page is split rather than run off the sheet.

#include "engine/cp1252.h" // the lists hold shown text: engine fields go in through fromCp1252

#include <QSize>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <string>

class QLabel;
class QListWidget;
class QPainter;
class QPrinter;
class QStackedLayout;

namespace lingvaro {

class Engine;
struct AppContext;

// What an exercise window sends to the print lists: one question, and the
// heading of its exercise before the first one. The printer numbers both: the
// heading as "n.  heading", the task's first line as "   n. ".
struct WorksheetTask {
    QStringList withoutAnswers; // the first line follows the task number
    QStringList withAnswers;
};
struct WorksheetBlock {
    QString heading;            // empty: the heading of the last exercise again
    QStringList withoutAnswers; // lines after the heading in the list without answers
    QStringList withAnswers;    // and in the one with them
};
namespace ui {
class Platform;
}

class TUtskrift : public QWidget {
    Q_OBJECT
public:
    explicit TUtskrift(AppContext& app, QWidget* parent = nullptr);
    TUtskrift(Engine& engine, ui::Platform& platform, QWidget* parent = nullptr);

    // The print lists, in print order: ListBox1 without the answers (a writing
    // line of underscores after each task), ListBox2 with them.
    QListWidget* ListBox1;
    QListWidget* ListBox2;
    QLabel* Caption; // the panel caption "Skrivarkö"

    // Brings list 1 or 2 to the front (the exercise windows' "Se ditt val").
    void showList(int list);

    // Shown, the queue belongs to the window that shows it, so that a window
    // manager keeps it above that window even when it fills the screen.
    void setVisible(bool visible) override;
    int shownList() const;

    // "&Rensa": empties both lists and starts the worksheet afresh: pages,
    // heading and task numbers start again (PrintHeadingNeeded, PageNo 1,
    // WorksheetBlockCount 0, WorksheetTaskCount 0) and the next question sent
    // brings its exercise heading again. The main window's worksheet switch
    // clears the same way.
    void Rensa();
    // The same, for callers that still say which window asks.
    void Rensa(bool /*exerciseWindow*/) { Rensa(); }

    // The answer as printed: with alternatives (MarkedCount > 0) it reads
    // "answer eller alt1, alt2." from the engine's current AnswerFields.
    QString UtSkriftSvar(const std::string& answer) const;

    // A question for the print lists, after its exercise heading while that is
    // pending (the first question an exercise window sends).
    void sendTask(const WorksheetBlock& block, const WorksheetTask& task);
    // The exercise heading alone, while it is pending.
    void sendHeading(const WorksheetBlock& block);
    bool hasLines() const;

    // Line kinds of the print lists. Lines sent as above carry their kind; a
    // line added to a list by hand is read by its spacing (LineKind).
    enum Kind { Other = 0, BlockHeading = 1, Task = 2, Empty = 10 };
    static constexpr int KindRole = Qt::UserRole + 1;
    // 1 for a block heading ("12.  Verb": number, full stop, two spaces, or
    // any other line starting with a digit), 2 for a numbered task
    // ("   7. la casa", " 17. …", "117. …": tasks from 100 on start with their
    // number too and are told from headings by the single space after the full
    // stop), 10 for an empty line, 0 for everything else (instructions, answer
    // and writing lines, second lines of a task).
    static int LineKind(const QString& line);

    // How many 8-mm lines line `line` (0-based) of list 1 or 2 wants kept below
    // it: 3 for a block heading, else the lines of kind 0 that directly follow
    // (up to the end of the list: the last task keeps its answer too).
    int UppgiftTillNySida(int line, int list) const;
    // Whether line `line` of list 1 or 2 is followed by an instruction line.
    bool InstruktionFinns(int line, int list) const;

    // Millimetres on an A4 page to pixels of a page pageSize pixels large, and
    // back; rounded to the nearest whole number, halves to even.
    static int XmmTillPixel(int mm, const QSize& pageSize);
    static int YmmTillPixel(int mm, const QSize& pageSize);
    static int YPixelTillmm(int px, const QSize& pageSize);

    // Drawing on a page that a painter has open on the printer. The heading
    // block (only while PrintHeadingNeeded) restarts PageNo at 1, numbers the
    // page, draws the framed worksheet heading with the maker line and sets
    // PrintY below it.
    void SkrivProgramRubrik(QPainter& painter);
    void SkrivSidNr(QPainter& painter, int n);
    void SkrivProgramNamn(QPainter& painter);

    // Prints the list chosen by PrintWithAnswers after the print dialog, as
    // many times as the dialog asks, each copy from page 1 with the heading
    // block. False when the dialog was cancelled or printing could not start.
    bool SkrivutFraga();
    // The same on a printer the caller has set up (no dialog); the copies are
    // printed one after the other into the one print job.
    bool SkrivutFraga(QPrinter& printer, int copies);

    // Prints one copy of the list chosen by PrintWithAnswers without a dialog
    // (the own word lists): on the system's default printer, or on the
    // caller's printer. False when printing could not start.
    bool SkrivutEget();
    bool SkrivutEget(QPrinter& printer);

    // Where the next line goes on the page (mm from the top), and the list
    // being printed (1 or 2).
    int PrintY = 2;
    int PrintList = 1;

    // The heading texts of the worksheet and the maker line under them.
    static QString headingText(bool withAnswers);
    static const QString MakerLine;
    static const QString ProgramName;

private:
    enum class Style { Dialog, Direct };
    struct Sheet;

    bool printOn(QPrinter& printer, int copies, Style style);
    void printList(Sheet& sheet, Style style);
    void newPage(Sheet& sheet);
    int lineHeight(const Sheet& sheet, Style style) const;
    int nextTop(const Sheet& sheet, Style style, int y, int line) const;
    int headingBottom(const Sheet& sheet, Style style, int y, int line) const;
    int blockBottom(const Sheet& sheet, Style style, int y, int line, int keep) const;
    const QListWidget* list(int list) const;
    static int kindAt(const QListWidget& list, int row);
    static void addRow(QListWidget* list, Kind kind, const QString& text);

    Engine& engine_;
    ui::Platform& platform_;
    QStackedLayout* stack_;
};

} // namespace lingvaro
