#pragma once
// The recorded speech of the listening windows: one sound now, or several one
// after the other, each started when the one before has ended, so the window
// takes no input it does not mean to while they play and can stop them at once
// (a pause, a new turn, the window closing).
//
// A sound file that is missing, or a computer that cannot play sound at all,
// is said once while the player lives, not at every question: the first
// message tells the pupil what there is to know, the next ones would only be
// in the way.

#include <QObject>
#include <deque>
#include <string>
#include <utility>

class QTimer;

namespace lingvaro {

class Engine;
namespace ui {
class Platform;
}

class SpeechPlayer : public QObject {
    Q_OBJECT
public:
    SpeechPlayer(Engine& engine, ui::Platform& platform, QObject* parent);
    ~SpeechPlayer() override;

    // Plays the sound `name` of the engine's SoundSubdir (looked for as every
    // sound is: the hard disk's installation first). False when nothing plays.
    bool play(const std::string& name);
    // Plays the sounds of the folder one after the other; queueFinished() when
    // the last has ended, or at once when one cannot be played.
    void playInTurn(const std::string& folder, const std::deque<std::string>& names);
    bool queueRunning() const { return queueRunning_; }
    // Stops the sound and drops what was still to play (queueFinished is not sent).
    void stop();

    // Whether the computer could not play a sound (no audio output): a window
    // may then offer what it offers without sound.
    bool playerFailed() const { return playerFailed_; }

    // Looks whether the sound playing has ended; the player's own clock calls
    // it every 50 ms while a queue runs (public so tests drive it).
    void checkPlayback();

signals:
    void queueFinished();
    // The computer cannot play sound (said once, when it is first found).
    void playerFailedNow();

private:
    void next();

    Engine& engine_;
    ui::Platform& platform_;
    QTimer* clock_;
    std::string folder_;
    std::deque<std::string> queue_;
    bool queueRunning_ = false;
    bool started_ = false;       // a sound was started by this player and may still sound
    int checksSinceStart_ = 0;
    bool missingSaid_ = false;
    bool playerFailed_ = false;
};

} // namespace lingvaro
