#include "exercises/common/speechplayer.h"

#include "engine/engine.h"
#include "ui/platform.h"

#include <QTimer>

namespace lingvaro {

SpeechPlayer::SpeechPlayer(Engine& engine, ui::Platform& platform, QObject* parent)
    : QObject(parent), engine_(engine), platform_(platform), clock_(new QTimer(this))
{
    clock_->setInterval(50);
    connect(clock_, &QTimer::timeout, this, &SpeechPlayer::checkPlayback);
}

SpeechPlayer::~SpeechPlayer()
{
    // A sound of a window that has closed must not go on sounding over the menu.
    if (started_)
        platform_.stop();
}

bool SpeechPlayer::play(const std::string& name)
{
    const auto file = engine_.findSound(name);
    if (!file) {
        if (!missingSaid_) {
            missingSaid_ = true;
            engine_.inform(engine_.missingSoundText(name));
        }
        return false;
    }
    if (playerFailed_)
        return false; // said once; the next sounds would fail the same way
    started_ = true;
    checksSinceStart_ = 0;
    if (platform_.play(QString::fromStdString(file->native()), false))
        return true;
    started_ = false;
    playerFailed_ = true;
    engine_.fail(platform_.errorText());
    emit playerFailedNow();
    return false;
}

void SpeechPlayer::playInTurn(const std::string& folder, const std::deque<std::string>& names)
{
    stop();
    folder_ = folder;
    queue_ = names;
    queueRunning_ = true;
    next();
}

void SpeechPlayer::next()
{
    while (queueRunning_) {
        if (queue_.empty()) {
            queueRunning_ = false;
            clock_->stop();
            emit queueFinished();
            return;
        }
        const std::string name = queue_.front();
        queue_.pop_front();
        const std::string subdir = engine_.SoundSubdir;
        engine_.SoundSubdir = folder_;
        const bool playing = play(name);
        engine_.SoundSubdir = subdir;
        if (playing) {
            clock_->start();
            return;
        }
        // One sound that cannot be played: the rest would not fare better.
        queue_.clear();
    }
}

void SpeechPlayer::checkPlayback()
{
    if (!queueRunning_)
        return;
    // A sound takes a moment to start; one that has not yet been seen playing
    // is given two looks before it counts as ended.
    if (++checksSinceStart_ < 2 || platform_.isPlaying())
        return;
    next();
}

void SpeechPlayer::stop()
{
    queue_.clear();
    queueRunning_ = false;
    clock_->stop();
    if (started_) {
        platform_.stop();
        started_ = false;
    }
}

} // namespace lingvaro
