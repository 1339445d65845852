// The speech of the listening windows: sounds one after another as each ends,
// stopped at once, and a missing file or a computer without sound said once
// for each window, not at every sound.

#include "engine/engine.h"
#include "exercises/common/speechplayer.h"
#include "tests/engine/testsupport.h"
#include "tests/ui/testplatform.h"

#include <QSignalSpy>
#include <QtTest>

using namespace lingvaro;
using namespace lingvaro::testing;

namespace {

struct Fixture {
    TestPlatform platform;
    Engine engine;
    ScratchDir cd;
    Fixture()
    {
        engine.setPlatform(&platform, &platform, &platform);
        engine.CdPath = cd.path().native();
        engine.PcPath = (cd.path() / "pc").native();
        for (const char* name : {"Sp115001.WAV", "Sp115002.WAV", "Sp115004.WAV"})
            cd.write(std::string("LJUD/Sp115/") + name, "RIFF");
    }
    // The sound playing has ended, and the player has looked twice.
    void end(SpeechPlayer& player)
    {
        platform.playing = false;
        player.checkPlayback();
        player.checkPlayback();
    }
};

QStringList playedNames(const TestPlatform& p)
{
    QStringList out;
    for (const auto& s : p.played)
        out << s.file.section(u'/', -2);
    return out;
}

class SpeechPlayerTest : public QObject {
    Q_OBJECT
private slots:
    void soundsInTurn();
    void stopDropsTheRest();
    void aMissingSoundEndsTheTurnAndIsSaidOnce();
    void aComputerWithoutSoundIsSaidOnce();
    void aClosingWindowStopsItsSound();
};

void SpeechPlayerTest::soundsInTurn()
{
    Fixture f;
    f.engine.SoundSubdir = "Sp999";
    SpeechPlayer player(f.engine, f.platform, nullptr);
    QSignalSpy finished(&player, &SpeechPlayer::queueFinished);
    player.playInTurn("Sp115", {"Sp115002.WAV", "Sp115001.WAV"});
    QCOMPARE(playedNames(f.platform), QStringList{"Sp115/Sp115002.WAV"});
    QCOMPARE(f.engine.SoundSubdir, std::string("Sp999")); // the window's folder is left as it was
    player.checkPlayback();
    player.checkPlayback(); // still sounding
    QCOMPARE(f.platform.played.size(), std::size_t(1));
    f.end(player);
    QCOMPARE(playedNames(f.platform), (QStringList{"Sp115/Sp115002.WAV", "Sp115/Sp115001.WAV"}));
    QVERIFY(player.queueRunning() && finished.isEmpty());
    f.end(player);
    QVERIFY(!player.queueRunning());
    QCOMPARE(finished.size(), 1);
    QVERIFY(!f.platform.played[0].wait && !f.platform.played[1].wait); // nothing holds the program
    // The player's own clock looks while a queue runs.
    player.playInTurn("Sp115", {"Sp115004.WAV"});
    f.platform.playing = false;
    QTRY_COMPARE(finished.size(), 2);
}

void SpeechPlayerTest::stopDropsTheRest()
{
    Fixture f;
    SpeechPlayer player(f.engine, f.platform, nullptr);
    QSignalSpy finished(&player, &SpeechPlayer::queueFinished);
    player.playInTurn("Sp115", {"Sp115001.WAV", "Sp115002.WAV", "Sp115004.WAV"});
    player.stop();
    QCOMPARE(f.platform.stops, 1);
    QVERIFY(!f.platform.playing && !player.queueRunning());
    f.end(player);
    QCOMPARE(f.platform.played.size(), std::size_t(1));
    QVERIFY(finished.isEmpty());
    player.stop(); // nothing sounds: nothing to stop
    QCOMPARE(f.platform.stops, 1);
}

void SpeechPlayerTest::aMissingSoundEndsTheTurnAndIsSaidOnce()
{
    Fixture f;
    SpeechPlayer player(f.engine, f.platform, nullptr);
    QSignalSpy finished(&player, &SpeechPlayer::queueFinished);
    player.playInTurn("Sp115", {"Sp115001.WAV", "Sp115003.WAV", "Sp115004.WAV"});
    f.end(player);
    QCOMPARE(finished.size(), 1);
    QCOMPARE(f.platform.played.size(), std::size_t(1));
    QCOMPARE(f.platform.texts().size(), 1);
    QVERIFY(f.platform.texts().front().contains(QStringLiteral("SP115003.WAV")));
    player.playInTurn("Sp115", {"Sp115003.WAV"});
    f.engine.SoundSubdir = "Sp115";
    QVERIFY(!player.play("Sp115005.WAV"));
    QCOMPARE(f.platform.texts().size(), 1);
    QCOMPARE(finished.size(), 2);
    // The next window says it again.
    SpeechPlayer next(f.engine, f.platform, nullptr);
    QVERIFY(!next.play("Sp115003.WAV"));
    QCOMPARE(f.platform.texts().size(), 2);
}

void SpeechPlayerTest::aComputerWithoutSoundIsSaidOnce()
{
    Fixture f;
    f.platform.soundFails = true;
    f.engine.SoundSubdir = "Sp115";
    SpeechPlayer player(f.engine, f.platform, nullptr);
    QSignalSpy failed(&player, &SpeechPlayer::playerFailedNow);
    QVERIFY(!player.play("Sp115001.WAV"));
    QVERIFY(!player.play("Sp115002.WAV"));
    QVERIFY(player.playerFailed());
    QCOMPARE(failed.size(), 1);
    QCOMPARE(f.platform.texts(), QStringList{QStringLiteral("Ljudet kunde inte spelas upp: datorn har ingen ljudutgång.")});
    QCOMPARE(f.platform.messages[0].kind, MessageSink::Kind::Error);
    QCOMPARE(f.platform.played.size(), std::size_t(1));
}

void SpeechPlayerTest::aClosingWindowStopsItsSound()
{
    Fixture f;
    f.engine.SoundSubdir = "Sp115";
    {
        SpeechPlayer player(f.engine, f.platform, nullptr);
        QVERIFY(player.play("Sp115001.WAV"));
        QVERIFY(f.platform.playing);
    }
    QVERIFY(!f.platform.playing);
    QCOMPARE(f.platform.stops, 1);
}

} // namespace

QTEST_MAIN(SpeechPlayerTest)
#include "speechplayer_test.moc"
