// The own-list editor, driven by real keys and clicks: questions typed box by
// box, what cannot be stored refused as it is typed, a list saved and opened
// again byte for byte, a save that fails keeping the list, the questions asked
// before work is discarded, the whole list on paper, and "Testa".

#include "engine/cp1252.h"
#include "engine/textfile.h"
#include "exercises/ownlists/egetu.h"
#include "results/skrivut.h"
#include "tests/ui/windowfixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <sys/stat.h>
#include <unistd.h>

using namespace lingvaro;
using namespace lingvaro::testing;
namespace fs = std::filesystem;

namespace {

struct Editor : WindowFixture {
    fs::path own;
    Editor()
    {
        own = pc.path() / "Eget";
        fs::create_directories(own);
        engine.OwnDir = own.native();
    }
};

// Typed key by key; a letter beyond ASCII comes as the keyboard sends it, as text.
void keys(QWidget* widget, const QString& text)
{
    for (QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClick(widget, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// The pupil clicks into a box and types, then presses Enter.
void type(QLineEdit* box, const QString& text, bool enter = true)
{
    QTest::mouseClick(box, Qt::LeftButton);
    box->selectAll();
    if (text.isEmpty())
        QTest::keyClick(box, Qt::Key_Backspace);
    keys(box, text);
    if (enter)
        QTest::keyClick(box, Qt::Key_Return);
}

// A whole question typed through the four boxes.
void question(TEget& w, const QString& q, const QString& a, const QString& alt1 = {}, const QString& alt2 = {})
{
    type(w.Box[0], q);
    type(w.Box[1], a);
    type(w.Box[2], alt1);
    if (!alt1.isEmpty())
        type(w.Box[3], alt2);
}

// The message panel's button of that caption.
void reply(TEget& w, const QString& caption)
{
    QVERIFY2(w.MeddelandePanel->isVisible(), qPrintable(caption));
    for (QPushButton* b : w.SvarButton)
        if (b->isVisible() && b->text() == caption) {
            QTest::mouseClick(b, Qt::LeftButton);
            return;
        }
    QFAIL(qPrintable(QStringLiteral("no button ") + caption));
}

class OwnListsTest : public QObject {
    Q_OBJECT
private slots:
    void questionsTypedBoxByBox();
    void whatCannotBeStoredIsRefusedAsItIsTyped();
    void aListSavedAndOpenedAgainByteForByte();
    void aSaveThatFailsKeepsTheList();
    void workIsNeverDiscardedWithoutAQuestion();
    void theWholeListOnScreenAndPrintedOnce();
    void testaQuizzesTheSavedList();
};

void OwnListsTest::questionsTypedBoxByBox()
{
    Editor f;
    TEget w(f.app);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QVERIFY(!w.TestaButton->isEnabled());
    QVERIFY(!w.SparaButton->isEnabled());
    QCOMPARE(w.OverskriftEdit->text(), QStringLiteral("Lingvaro"));
    QCOMPARE(w.InstruktionEdit->text(), QStringLiteral("Översätt till spanska"));

    // An empty Enter on a new question takes nothing out: there is nothing there.
    type(w.Box[0], {});
    QCOMPARE(w.entryCount(), 0);
    QCOMPARE(w.EntryNo, 1);

    // casa, hus, (empty), hem: the second alternative moves up with its "&".
    type(w.Box[0], QStringLiteral("casa"));
    QCOMPARE(w.focusWidget(), static_cast<QWidget*>(w.Box[1]));
    type(w.Box[1], QStringLiteral("hus"));
    QCOMPARE(w.focusWidget(), static_cast<QWidget*>(w.Box[2]));
    QTest::keyClick(w.Box[2], Qt::Key_Tab);
    type(w.Box[3], QStringLiteral("hem"));
    QCOMPARE(w.Lines, std::vector<std::string>{"casa#hus#&hem"});
    QCOMPARE(w.EntryNo, 2);
    QCOMPARE(w.focusWidget(), static_cast<QWidget*>(w.Box[0]));
    QCOMPARE(w.AntalLabel->text(), QStringLiteral("Antal färdiga frågor: 1"));

    // Without an alternative, Enter in the empty first alternative ends the question.
    question(w, QStringLiteral("perro"), QStringLiteral("hund"));
    // casa, (empty), hem: no answer, so the question is not kept.
    type(w.Box[0], QStringLiteral("gato"));
    w.Box[1]->clear();
    type(w.Box[2], QStringLiteral("katt"));
    type(w.Box[3], {});
    QCOMPARE(w.entryCount(), 2);
    QCOMPARE(w.focusWidget(), static_cast<QWidget*>(w.Box[1])); // the answer is what is missing

    // The question being typed survives a look at an earlier one.
    QTest::mouseClick(w.ForegaendeButton, Qt::LeftButton);
    QCOMPARE(w.Box[0]->text(), QStringLiteral("perro"));
    QCOMPARE(w.EntryNo, 2);
    QTest::mouseClick(w.NastaButton, Qt::LeftButton);
    QCOMPARE(w.Box[0]->text(), QStringLiteral("gato"));
    QCOMPARE(w.Box[2]->text(), QStringLiteral("katt"));

    // An emptied question of the list is taken out by an empty Enter.
    QTest::mouseClick(w.ForegaendeButton, Qt::LeftButton);
    QTest::mouseClick(w.ForegaendeButton, Qt::LeftButton);
    QCOMPARE(w.EntryNo, 1);
    type(w.Box[0], {});
    QCOMPARE(w.Lines, std::vector<std::string>{"perro#hund"});
    QCOMPARE(w.Box[0]->text(), QStringLiteral("perro"));
}

void OwnListsTest::whatCannotBeStoredIsRefusedAsItIsTyped()
{
    Editor f;
    TEget w(f.app);
    w.show();
    type(w.OverskriftEdit, QStringLiteral("Vecka."), false);
    QCOMPARE(w.OverskriftEdit->text(), QStringLiteral("Vecka"));
    QVERIFY(w.MeddelandePanel->isVisible());
    QCOMPARE(w.MeddelandeLabel->text(),
             QStringLiteral("Överskriften fungerar också som filnamn,\nsom inte får ha mer än en punkt."));
    QVERIFY(!w.Editor->isEnabled()); // everything waits for the answer
    reply(w, QStringLiteral("OK"));
    QVERIFY(w.Editor->isEnabled());
    keys(w.OverskriftEdit, QStringLiteral(" 3/"));
    QCOMPARE(w.OverskriftEdit->text(), QStringLiteral("Vecka 3"));
    reply(w, QStringLiteral("OK"));
    keys(w.OverskriftEdit, QStringLiteral("4"));
    QCOMPARE(w.OverskriftEdit->text(), QStringLiteral("Vecka 34"));

    type(w.Box[0], QStringLiteral(";"), false);
    QCOMPARE(w.Box[0]->text(), QString());
    QCOMPARE(w.MeddelandeLabel->text(), QStringLiteral("En fråga kan inte börja med ; $ eller )."));
    reply(w, QStringLiteral("OK"));
    keys(w.Box[0], QStringLiteral("casa;"));
    QCOMPARE(w.Box[0]->text(), QStringLiteral("casa;")); // only the first character matters
    type(w.Box[1], QStringLiteral("hus#"), false);
    QCOMPARE(w.Box[1]->text(), QStringLiteral("hus"));
    reply(w, QStringLiteral("OK"));
    keys(w.Box[1], QStringLiteral("hem"));
    QCOMPARE(w.Box[1]->text(), QStringLiteral("hushem"));
    type(w.Box[2], QStringLiteral("\u0142"), false); // a letter the file cannot hold
    QCOMPARE(w.Box[2]->text(), QString());
    reply(w, QStringLiteral("OK"));
}

void OwnListsTest::aListSavedAndOpenedAgainByteForByte()
{
    Editor f;
    const fs::path file = f.own / "Vecka 34.egt";
    {
        TEget w(f.app);
        w.show();
        type(w.OverskriftEdit, QStringLiteral("Vecka 34"));
        type(w.InstruktionEdit, QStringLiteral("Översätt till svenska"));
        question(w, QStringLiteral("la casa"), QStringLiteral("huset"), QStringLiteral("ett hus"), QStringLiteral("hus"));
        question(w, QStringLiteral("¿Qué tal?"), QStringLiteral("Hur mår du?"));
        // The third question is still in the boxes when "Spara" is pressed: it is saved too.
        type(w.Box[0], QStringLiteral("el año"));
        type(w.Box[1], QStringLiteral("året"), false);
        QVERIFY(w.SparaButton->isEnabled());
        QTest::mouseClick(w.SparaButton, Qt::LeftButton);
        QCOMPARE(w.MeddelandeLabel->text(), QStringLiteral("Ska du spara ditt förhör?"));
        reply(w, QStringLiteral("Ja"));
        QVERIFY(!w.SparaButton->isEnabled());
        QVERIFY(w.TestaButton->isEnabled());
        QCOMPARE(w.entryCount(), 3);
        QCOMPARE(fromCp1252(w.OwnListName), QStringLiteral("Vecka 34"));
    }
    const std::string bytes = readFileBytes(file).value_or("");
    QCOMPARE(bytes, std::string("$Vecka 34\r\n$\xd6vers\xe4tt till svenska\r\nla casa#huset#&ett hus#hus\r\n"
                                "\xbfQu\xe9 tal?#Hur m\xe5r du?\r\n"
                                "el a\xf1o#\xe5ret\r\n"));
    QVERIFY(!fs::exists(f.own / "Vecka 34.egt.part"));

    // Opened again and saved unchanged: the same bytes.
    TEget w(f.app);
    w.show();
    QVERIFY(w.OppnaButton->isEnabled());
    QTest::mouseClick(w.OppnaButton, Qt::LeftButton);
    QVERIFY(w.FilPanel->isVisible());
    QCOMPARE(w.FilLista->item(0)->text(), QStringLiteral("Vecka 34"));
    QTest::keyClick(w.FilLista, Qt::Key_Return);
    QCOMPARE(w.OverskriftEdit->text(), QStringLiteral("Vecka 34"));
    QCOMPARE(w.entryCount(), 3);
    QCOMPARE(w.EntryNo, 4);
    QVERIFY(!w.unsaved());
    QTest::mouseClick(w.ForegaendeButton, Qt::LeftButton);
    QCOMPARE(w.Box[1]->text(), QStringLiteral("året"));
    QTest::keyClick(w.Box[1], Qt::Key_Backspace);
    keys(w.Box[1], QStringLiteral("t"));
    QVERIFY(!w.unsaved()); // the same text again is no change
    w.save();
    QCOMPARE(readFileBytes(file).value_or(""), bytes);
}

void OwnListsTest::aSaveThatFailsKeepsTheList()
{
    Editor f;
    // An own-list folder that cannot be made: a file stands where it would be.
    f.pc.write("inte-en-katalog", "x");
    f.engine.OwnDir = (f.pc.path() / "inte-en-katalog" / "Eget").native();
    TEget w(f.app);
    w.show();
    QCOMPARE(f.platform.texts().last(),
             QStringLiteral("Kunde inte skapa katalogen ") + QString::fromStdString(f.engine.OwnDir) + QStringLiteral("."));
    question(w, QStringLiteral("casa"), QStringLiteral("hus"));
    QTest::mouseClick(w.SparaButton, Qt::LeftButton);
    reply(w, QStringLiteral("Ja"));
    QVERIFY(f.platform.texts().last().endsWith(QStringLiteral("Lingvaro.egt kan inte sparas.")));
    QCOMPARE(w.Lines, std::vector<std::string>{"casa#hus"});
    QVERIFY(w.SparaButton->isEnabled());
    QVERIFY(!w.TestaButton->isEnabled());
    // Closing asks, and "Ja" that cannot save does not close.
    QTest::mouseClick(w.SlutaButton, Qt::LeftButton);
    reply(w, QStringLiteral("Ja"));
    QVERIFY(w.isVisible());
    QCOMPARE(w.Lines, std::vector<std::string>{"casa#hus"});

    // A list file that is there but cannot be read is not written over.
    Editor g;
    const fs::path locked = g.pc.write("Eget/Lingvaro.egt", "$Lingvaro\r\n$x\r\nviejo#gammal\r\n");
    ::chmod(locked.c_str(), 0);
    if (::geteuid() != 0) {
        TEget v(g.app);
        v.show();
        question(v, QStringLiteral("casa"), QStringLiteral("hus"));
        QTest::mouseClick(v.SparaButton, Qt::LeftButton);
        reply(v, QStringLiteral("Ja")); // "Det finns redan ett förhör som heter Lingvaro."
        QVERIFY(g.platform.texts().last().endsWith(QStringLiteral("finns men kan inte läsas, så förhöret sparas inte.")));
    }
    ::chmod(locked.c_str(), 0644);
    QCOMPARE(readFileBytes(locked).value_or(""), std::string("$Lingvaro\r\n$x\r\nviejo#gammal\r\n"));
}

void OwnListsTest::workIsNeverDiscardedWithoutAQuestion()
{
    Editor f;
    f.pc.write("Eget/Djur.egt", "$Djur\r\n$\xd6vers\xe4tt\r\nperro#hund\r\n");
    TEget w(f.app);
    w.show();
    // A new list, never saved, with a question: "Öppna" asks before it goes.
    type(w.OverskriftEdit, QStringLiteral("Ny"));
    question(w, QStringLiteral("casa"), QStringLiteral("hus"));
    QTest::mouseClick(w.OppnaButton, Qt::LeftButton);
    QTest::keyClick(w.FilLista, Qt::Key_Return);
    QCOMPARE(w.DialogState, 14);
    reply(w, QStringLiteral("Återgå"));
    QCOMPARE(w.Lines, std::vector<std::string>{"casa#hus"});
    QTest::mouseClick(w.OppnaButton, Qt::LeftButton);
    QTest::keyClick(w.FilLista, Qt::Key_Return);
    reply(w, QStringLiteral("Ja, spara först"));
    QCOMPARE(readFileBytes(f.own / "Ny.egt").value_or(""), std::string("$Ny\r\n$\xd6vers\xe4tt till spanska\r\ncasa#hus\r\n"));
    QCOMPARE(w.OverskriftEdit->text(), QStringLiteral("Djur"));
    QCOMPARE(w.Lines, std::vector<std::string>{"perro#hund"});

    // The same list again, changed: "Ja, återgå" drops the change.
    question(w, QStringLiteral("gato"), QStringLiteral("katt"));
    QTest::mouseClick(w.OppnaButton, Qt::LeftButton);
    w.FilLista->setCurrentRow(0); // Djur
    QTest::keyClick(w.FilLista, Qt::Key_Return);
    QCOMPARE(w.DialogState, 11);
    reply(w, QStringLiteral("Nej"));
    QCOMPARE(w.entryCount(), 2);
    // Renaming the heading to another list's name asks before that list is replaced.
    type(w.OverskriftEdit, QStringLiteral("Ny"));
    QTest::mouseClick(w.SparaButton, Qt::LeftButton);
    QCOMPARE(w.MeddelandeLabel->text(), QStringLiteral("Det finns redan ett förhör som heter Ny.\nSka det ersättas av det här förhöret?"));
    reply(w, QStringLiteral("Nej"));
    QCOMPARE(readFileBytes(f.own / "Ny.egt").value_or(""), std::string("$Ny\r\n$\xd6vers\xe4tt till spanska\r\ncasa#hus\r\n"));

    // Closing with changes asks; "Bara sluta" closes without saving.
    QTest::keyClick(w.Box[0], Qt::Key_Escape);
    QCOMPARE(w.DialogState, 0);
    reply(w, QStringLiteral("Bara sluta"));
    QVERIFY(!w.isVisible());
    QCOMPARE(readFileBytes(f.own / "Djur.egt").value_or(""), std::string("$Djur\r\n$\xd6vers\xe4tt\r\nperro#hund\r\n"));
}

void OwnListsTest::theWholeListOnScreenAndPrintedOnce()
{
    Editor f;
    TEget w(f.app);
    w.show();
    type(w.OverskriftEdit, QStringLiteral("Vecka 3"));
    question(w, QStringLiteral("casa"), QStringLiteral("hus"), QStringLiteral("hem"));
    question(w, QStringLiteral("perro"), QStringLiteral("hund"));
    QTest::mouseClick(w.VisaButton, Qt::LeftButton);
    QVERIFY(w.VisaPanel->isVisible());
    QCOMPARE(w.wholeList(false), (QStringList{"        Vecka 3", "        Översätt till spanska", "", "    1  casa", "",
                                              QString(60, u'_'), "    2  perro", "", QString(60, u'_')}));
    QCOMPARE(w.wholeList(true), (QStringList{"        Vecka 3", "        Översätt till spanska", "", "    1  casa",
                                             "        hus", "        hem", QString(50, u'-'), "    2  perro", "        hund"}));
    QTest::mouseClick(w.MedSvarButton, Qt::LeftButton);
    QVERIFY(w.VisaText->toPlainText().contains(QStringLiteral("        hem")));

    QTemporaryDir dir;
    int printed = 0;
    QString pdf;
    w.print = [&](TUtskrift& printer) {
        QPrinter p(QPrinter::HighResolution);
        p.setOutputFormat(QPrinter::PdfFormat);
        pdf = dir.filePath(QStringLiteral("eget%1.pdf").arg(++printed));
        p.setOutputFileName(pdf);
        return printer.SkrivutEget(p);
    };
    for (int i = 0; i < 2; ++i) {
        QTest::mouseClick(w.SkrivMedButton, Qt::LeftButton);
        const QString text = pdfText(pdf);
        QCOMPARE(text.count(QStringLiteral("casa")), 1);
        QCOMPARE(text.count(QStringLiteral("perro")), 1);
        QVERIFY(text.contains(QStringLiteral("hem")));
    }
    QTest::mouseClick(w.SkrivUtanButton, Qt::LeftButton);
    const QString without = pdfText(pdf);
    QCOMPARE(without.count(QStringLiteral("casa")), 1);
    QVERIFY(!without.contains(QStringLiteral("hund")));
    QCOMPARE(f.utskrift->ListBox1->count(), 0); // the worksheet's own lists are left alone
    QTest::mouseClick(w.StangButton, Qt::LeftButton);
    QVERIFY(!w.VisaPanel->isVisible());
}

void OwnListsTest::testaQuizzesTheSavedList()
{
    Editor f;
    TEget w(f.app);
    w.show();
    type(w.OverskriftEdit, QStringLiteral("Prov"));
    question(w, QStringLiteral("casa"), QStringLiteral("hus"));
    w.save();
    question(w, QStringLiteral("perro"), QStringLiteral("hund"));
    QTest::mouseClick(w.TestaButton, Qt::LeftButton);
    QCOMPARE(w.DialogState, 15); // not saved yet: asked first
    reply(w, QStringLiteral("Ja, spara först"));
    QCOMPARE(f.platform.openedWindows, QStringList{"TDinaOrd"});
    QCOMPARE(int(f.engine.ExerciseNo), 1004);
    QCOMPARE(fs::path(f.engine.WordFilePath), f.own / "Prov.egt");
    QCOMPARE(f.engine.WordQuestionCounts[f.engine.WordSlot], 2);
}

} // namespace

QTEST_MAIN(OwnListsTest)
#include "ownlists_test.moc"
