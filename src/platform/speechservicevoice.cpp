// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#include "platform/speechservicevoice.h"
#include "platform/eventwait.h"

#include <libspeechd.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <map>
#include <mutex>
#include <set>

namespace {

// A call to the service that has not come back after this long means the
// service has stopped answering.
constexpr qint64 kAnswerMs = 1000;
// While speaking, the service is asked this often whether it is still there
// (it tells nothing when it goes away in the middle of an utterance).
constexpr qint64 kPingMs = 500;

qint64 nowMs()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

struct ServiceVoiceEntry {
    QByteArray module;
    QByteArray name;
    QString display;
};

} // namespace

struct SpeechServiceVoice::Shared {
    std::mutex mutex;
    std::condition_variable wake;
    std::deque<std::function<void(Shared &)>> jobs;
    bool quit = false;
    bool connectDone = false;
    bool listed = false;
    QList<ServiceVoiceEntry> voices;
    // Utterances: handed to the worker but not yet sent, and sent but not yet
    // ended (by message id). An end can overtake the reply to its own say.
    quint64 stopGeneration = 0;
    int unsent = 0;
    std::set<int> speaking;
    std::set<int> endedEarly;
    PostedCall *idleCall = nullptr;     // null once the voice is gone
    PostedCall *voicesCall = nullptr;   // null once the voice is gone

    SPDConnection *connection = nullptr;  // the worker's
    std::atomic<qint64> callStartedMs{0}; // 0 while no call runs
    std::atomic<qint64> lastPingMs{0};
    std::atomic<bool> lost{false};

    bool idleLocked() const { return lost || (unsent == 0 && speaking.empty()); }
    // With the mutex held: tells the game's thread that speech has ended.
    void postIdleLocked()
    {
        if (idleCall)
            idleCall->post();
    }
    void markLost()
    {
        std::lock_guard lock(mutex);
        if (!lost.exchange(true))
            postIdleLocked();
    }
};

namespace {

// The service's notifications carry no user data, only the client id of the
// connection; this finds our side of it.
// Never destroyed: a worker left to finish may still use them while the
// program ends.
std::mutex &g_registryMutex = *new std::mutex;
auto &g_registry = *new std::map<size_t, std::weak_ptr<SpeechServiceVoice::Shared>>;

void onSpeechEnded(size_t messageId, size_t clientId, SPDNotificationType)
{
    std::shared_ptr<SpeechServiceVoice::Shared> s;
    {
        std::lock_guard lock(g_registryMutex);
        const auto it = g_registry.find(clientId);
        if (it != g_registry.end())
            s = it->second.lock();
    }
    if (!s)
        return;
    std::lock_guard lock(s->mutex);
    const int id = int(messageId);
    if (s->speaking.erase(id) == 0) {
        if (s->unsent > 0)
            s->endedEarly.insert(id);
        return;
    }
    if (s->idleLocked())
        s->postIdleLocked();
}

void connectToService(SpeechServiceVoice::Shared &s)
{
    char *error = nullptr;
    // No autospawn: the solver's service is used when it runs, never started by us.
    SPDConnection *c = spd_open2("quorel-crosswords", "speech", nullptr, SPD_MODE_THREADED, nullptr, 0, &error);
    std::free(error);
    if (c) {
        c->callback_end = onSpeechEnded;
        c->callback_cancel = onSpeechEnded;
        spd_set_notification_on(c, SPD_END);
        spd_set_notification_on(c, SPD_CANCEL);
    }
    std::lock_guard lock(s.mutex);
    s.connection = c;
    s.connectDone = true;
    if (!c)
        s.lost = true;
    s.wake.notify_all();
}

// The English voices themselves, not every variant of each. A synthesiser
// with many voices (espeak-ng lists over ten thousand with their variants)
// takes seconds to list, so this runs after start-up and the voices join the
// list when it is done.
void listVoices(SpeechServiceVoice::Shared &s)
{
    QList<ServiceVoiceEntry> voices;
    // A connection of its own, in the library's single-threaded mode: a long
    // list comes in several times faster than through the threaded connection
    // that speaks (espeak-ng's 13 000 lines: about 2 s against 7 s).
    char *error = nullptr;
    SPDConnection *lister = spd_open2("quorel-crosswords", "voices", nullptr, SPD_MODE_SINGLE, nullptr, 0, &error);
    std::free(error);
    char **modules = lister ? spd_list_modules(lister) : nullptr;
    for (char **m = modules; m && *m; ++m) {
        if (std::strcmp(*m, "dummy") == 0)
            continue;  // the placeholder that only says the service is not set up
        if (spd_set_output_module(lister, *m) != 0)
            continue;
        SPDVoice **list = spd_list_synthesis_voices(lister);
        for (SPDVoice **v = list; v && *v; ++v) {
            const bool english = (*v)->language && std::strncmp((*v)->language, "en", 2) == 0;
            const bool plain = !(*v)->variant || !*(*v)->variant || std::strcmp((*v)->variant, "none") == 0;
            if (english && plain && (*v)->name)
                voices.append({QByteArray(*m), QByteArray((*v)->name),
                               QStringLiteral("%1 (%2) through the speech service")
                                   .arg(QString::fromUtf8((*v)->name), QString::fromUtf8(*m))});
        }
        free_spd_voices(list);
    }
    free_spd_modules(modules);
    if (lister)
        spd_close(lister);
    std::lock_guard lock(s.mutex);
    s.voices = voices;
    s.listed = true;
    if (!voices.isEmpty() && s.voicesCall)
        s.voicesCall->post();
}

void runJobs(std::shared_ptr<SpeechServiceVoice::Shared> s)
{
    // Not timed, like the listing: a service slow to answer at start-up (a
    // busy login) is not given up on; its voices join once it answers.
    connectToService(*s);
    if (s->connection) {
        std::lock_guard lock(g_registryMutex);
        g_registry[size_t(spd_get_client_id(s->connection))] = s;
    }
    // Not timed: until it is done no voice of the service can be chosen.
    if (s->connection)
        listVoices(*s);
    for (;;) {
        std::function<void(SpeechServiceVoice::Shared &)> job;
        {
            std::unique_lock lock(s->mutex);
            s->wake.wait(lock, [&] { return s->quit || !s->jobs.empty(); });
            if (s->quit)
                break;
            job = std::move(s->jobs.front());
            s->jobs.pop_front();
        }
        if (!s->connection)
            continue;  // no service: nothing to tell it
        s->callStartedMs = nowMs();
        job(*s);
        s->callStartedMs = 0;
    }
    if (s->connection) {
        {
            std::lock_guard lock(g_registryMutex);
            std::erase_if(g_registry, [&](const auto &entry) { return entry.second.lock() == s; });
        }
        spd_close(s->connection);
        s->connection = nullptr;
    }
}

} // namespace

SpeechServiceVoice::SpeechServiceVoice()
    : m_shared(std::make_shared<Shared>()), m_idleCall([this] {
          if (isIdle())
              reportIdle();
      }),
      m_voicesCall([this] { reportVoicesChanged(); })
{
    m_shared->idleCall = &m_idleCall;
    m_shared->voicesCall = &m_voicesCall;
    m_worker = std::thread(runJobs, m_shared);
    // The game waits for the service at most a second, once, at start-up;
    // a later answer still brings its voices.
    std::unique_lock lock(m_shared->mutex);
    m_shared->wake.wait_for(lock, std::chrono::milliseconds(kAnswerMs), [this] { return m_shared->connectDone; });
}

SpeechServiceVoice::~SpeechServiceVoice()
{
    const bool hung = !available();
    bool listing = false;
    {
        std::lock_guard lock(m_shared->mutex);
        listing = !m_shared->connectDone || (m_shared->connection && !m_shared->listed);
        m_shared->idleCall = nullptr;
        m_shared->voicesCall = nullptr;
        m_shared->jobs.clear();
        m_shared->quit = true;
    }
    m_shared->wake.notify_all();
    // A worker stuck in a call to a service that never answers, or still
    // connecting or listing voices, is left to finish on its own; it holds its
    // own share of the state.
    if ((hung && m_shared->callStartedMs != 0) || listing)
        m_worker.detach();
    else
        m_worker.join();
}

int SpeechServiceVoice::serviceRate(int rate)
{
    return std::clamp(rate, -10, 10) * 10;
}

void SpeechServiceVoice::post(std::function<void(Shared &)> job)
{
    {
        std::lock_guard lock(m_shared->mutex);
        m_shared->jobs.push_back(std::move(job));
    }
    m_shared->wake.notify_all();
}

void SpeechServiceVoice::checkAlive()
{
    if (m_shared->lost)
        return;
    const qint64 started = m_shared->callStartedMs;
    if (started != 0 && nowMs() - started > kAnswerMs) {
        m_shared->markLost();
        return;
    }
    bool speakingNow = false;
    bool queued = false;
    {
        std::lock_guard lock(m_shared->mutex);
        speakingNow = !m_shared->idleLocked();
        queued = !m_shared->jobs.empty();
    }
    if (speakingNow && !queued && started == 0 && nowMs() - m_shared->lastPingMs > kPingMs) {
        m_shared->lastPingMs = nowMs();
        post([](Shared &s) {
            char **modules = spd_list_modules(s.connection);
            if (!modules)
                s.markLost();
            free_spd_modules(modules);
        });
    }
}

bool SpeechServiceVoice::available()
{
    checkAlive();
    return !m_shared->lost;
}

bool SpeechServiceVoice::isIdle()
{
    checkAlive();
    std::lock_guard lock(m_shared->mutex);
    return m_shared->idleLocked();
}

void SpeechServiceVoice::speak(const QString &text)
{
    if (!available() || text.trimmed().isEmpty())
        return;
    quint64 generation = 0;
    {
        std::lock_guard lock(m_shared->mutex);
        ++m_shared->unsent;
        generation = m_shared->stopGeneration;
    }
    post([text = text.toUtf8(), generation](Shared &s) {
        {
            std::lock_guard lock(s.mutex);
            if (generation != s.stopGeneration)
                return;  // stopped before it was sent
        }
        const int id = spd_say(s.connection, SPD_MESSAGE, text.constData());
        std::lock_guard lock(s.mutex);
        if (generation != s.stopGeneration)
            return;
        --s.unsent;
        if (id < 0) {
            if (!s.lost.exchange(true))
                s.postIdleLocked();
        } else if (s.endedEarly.erase(id) == 0) {
            s.speaking.insert(id);
        } else if (s.idleLocked()) {
            s.postIdleLocked();
        }
    });
}

void SpeechServiceVoice::speakAndWait(const QString &text)
{
    speak(text);
    runEventsUntil([this] { return isIdle(); }, 10);
}

void SpeechServiceVoice::stop()
{
    {
        std::lock_guard lock(m_shared->mutex);
        ++m_shared->stopGeneration;
        m_shared->unsent = 0;
        m_shared->speaking.clear();
        m_shared->endedEarly.clear();
    }
    if (available())
        post([](Shared &s) { spd_cancel(s.connection); });  // our own connection's speech only
}

QStringList SpeechServiceVoice::voiceNames()
{
    QStringList names;
    if (!available())
        return names;
    std::lock_guard lock(m_shared->mutex);
    for (const ServiceVoiceEntry &v : m_shared->voices)
        names.append(v.display);
    return names;
}

void SpeechServiceVoice::selectVoice(int index)
{
    ServiceVoiceEntry entry;
    {
        std::lock_guard lock(m_shared->mutex);
        if (index < 0 || index >= m_shared->voices.size())
            return;
        entry = m_shared->voices[index];
    }
    post([entry](Shared &s) {
        spd_set_output_module(s.connection, entry.module.constData());
        spd_set_synthesis_voice(s.connection, entry.name.constData());
    });
}

void SpeechServiceVoice::setRate(int rate)
{
    const int serviceValue = serviceRate(rate);
    post([serviceValue](Shared &s) { spd_set_voice_rate(s.connection, serviceValue); });
}
