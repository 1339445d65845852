// The typed answer's second box: which box takes the keys, the lamp that
// follows the box being answered, and a lamp of its own for each box.

#include "exercises/common/series.h"
#include "exercises/common/textanswer.h"
#include "tests/ui/windowfixture.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QToolButton>

using namespace lingvaro;
using namespace lingvaro::testing;

namespace {

struct NoView : SeriesView {
    void showQuestion() override {}
    void setAnswering(bool) override {}
    void setWaitTicking(bool) override {}
    void restartStars(int) override {}
    void hideStars() override {}
    void starStep(bool) override {}
    void diagnosisChanged() override {}
    void showEnd(const SeriesEnd&) override {}
    void clearEnd() override {}
    void showPanel(bool) override {}
    void hidePanel() override {}
    void finish() override {}
};

QColor colourOf(Lamp* lamp)
{
    const QImage image = lamp->grab().toImage();
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

struct Answer {
    WindowFixture f;
    NoView view;
    ExerciseRules rules;
    ExerciseSeries series{f.engine, view, rules};
    QWidget window;
    TextAnswer answer{&window, f.engine, f.platform, series, 100};
    explicit Answer(bool ownLamp)
    {
        window.resize(600, 300);
        answer.addSecondBox(ownLamp);
        answer.Edit1->setGeometry(10, 10, 200, 30);
        answer.Edit2->setGeometry(10, 60, 200, 30);
        answer.lampknapp->move(250, 10);
        answer.LampShape->move(250, 10);
        if (answer.LampShape2)
            answer.LampShape2->move(250, 60);
        answer.newQuestion("hablo", {});
        answer.setCorrect2("comes");
        window.show();
    }
};

class TextAnswerTest : public QObject {
    Q_OBJECT
private slots:
    void theActiveBoxTakesTheKeysAndTheSharedLamp();
    void eachBoxWithALampOfItsOwn();
};

void TextAnswerTest::theActiveBoxTakesTheKeysAndTheSharedLamp()
{
    Answer a(false);
    QVERIFY(QTest::qWaitForWindowExposed(&a.window));
    TextAnswer& t = a.answer;
    QVERIFY(!t.LampShape2);
    t.Edit2->show();
    t.setAnswering(true);
    QVERIFY(t.Edit1->isEnabled());
    QVERIFY(!t.Edit2->isEnabled()); // a new question starts at the first box
    QTest::mouseClick(t.lampknapp, Qt::LeftButton);
    QVERIFY(t.LampShape->isVisible());
    QCOMPARE(a.window.focusWidget(), t.Edit1); // the lamp switch gives the keys back
    QTest::keyClicks(t.Edit1, QStringLiteral("hab"));
    QCOMPARE(colourOf(t.LampShape), QColor(0, 255, 0));
    QTest::keyClicks(t.Edit1, QStringLiteral("x"));
    QCOMPARE(colourOf(t.LampShape), QColor(255, 0, 0));

    // The second box: the one lamp now judges what is typed there.
    t.setActiveBox(2);
    t.setAnswering(true);
    QVERIFY(!t.Edit1->isEnabled());
    QVERIFY(t.Edit2->isEnabled());
    QCOMPARE(a.window.focusWidget(), t.Edit2);
    QCOMPARE(colourOf(t.LampShape), QColor(0, 255, 0)); // nothing typed there yet
    QTest::keyClicks(t.Edit2, QStringLiteral("com"));
    QCOMPARE(colourOf(t.LampShape), QColor(0, 255, 0));
    QTest::keyClicks(t.Edit2, QStringLiteral("o"));
    QCOMPARE(colourOf(t.LampShape), QColor(255, 0, 0));

    QSignalSpy first(&t, &TextAnswer::entered), second(&t, &TextAnswer::secondEntered), esc(&t, &TextAnswer::escaped);
    QTest::keyClick(t.Edit2, Qt::Key_Return);
    QTest::keyClick(t.Edit2, Qt::Key_Escape);
    QCOMPARE(first.count(), 0);
    QCOMPARE(second.count(), 1);
    QCOMPARE(esc.count(), 1);
    t.setAnswering(false);
    QVERIFY(!t.Edit1->isEnabled() && !t.Edit2->isEnabled());

    // A new question: back to the first box, both emptied.
    t.newQuestion("vivo", {});
    QCOMPARE(t.activeBox(), 1);
    QVERIFY(t.Edit2->text().isEmpty());
}

void TextAnswerTest::eachBoxWithALampOfItsOwn()
{
    Answer a(true);
    QVERIFY(QTest::qWaitForWindowExposed(&a.window));
    TextAnswer& t = a.answer;
    QVERIFY(t.LampShape2);
    t.setAnswering(true);
    QTest::mouseClick(t.lampknapp, Qt::LeftButton);
    QVERIFY(t.LampShape->isVisible());
    QVERIFY(!t.LampShape2->isVisible()); // its box is not shown yet
    t.Edit2->show();
    t.setActiveBox(2);
    QVERIFY(t.LampShape2->isVisible());
    QTest::keyClicks(t.Edit1, QStringLiteral("hx")); // typed before: its own lamp only
    QCOMPARE(colourOf(t.LampShape), QColor(255, 0, 0));
    QCOMPARE(colourOf(t.LampShape2), QColor(0, 255, 0));
    t.setAnswering(true);
    QTest::keyClicks(t.Edit2, QStringLiteral("co"));
    QCOMPARE(colourOf(t.LampShape2), QColor(0, 255, 0));
    QCOMPARE(colourOf(t.LampShape), QColor(255, 0, 0));
    // A click on either lamp switches the display off for both.
    QTest::mousePress(t.LampShape2, Qt::LeftButton);
    QVERIFY(!t.LampShape->isVisible());
    QVERIFY(!t.LampShape2->isVisible());
    QVERIFY(t.lampknapp->isVisible());
    QVERIFY(!a.series.lampOn());
}

} // namespace

QTEST_MAIN(TextAnswerTest)
#include "textanswer_test.moc"
