// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// Prints how many milliseconds of speech the game's espeak-ng voice makes of a
// phrase when the game hands it over, so that an end-to-end test can hear what
// a logged phrase really sounded like.
//
// usage: quorel-voice-length "phrase"
#include "platform/espeakvoice.h"
#include "speech/speakable.h"

#include <QCoreApplication>
#include <cstdio>

namespace {

// Receives a phrase the way the voice of the game does and synthesises it
// with the real espeak-ng voice, without playing it.
class SynthesisingVoice : public Voice {
public:
    qint64 pcmBytes = 0;
    bool isIdle() override { return true; }
    void speak(const QString &text) override { pcmBytes += m_espeak.synthesise(text).size(); }
    void speakAndWait(const QString &text) override { speak(text); }
    QStringList voiceNames() override { return m_espeak.voiceNames(); }
    void selectVoice(int index) override { m_espeak.selectVoice(index); }
    void setRate(int rate) override { m_espeak.setRate(rate); }
    void stop() override {}
    bool available() const { return m_espeak.available(); }

private:
    EspeakVoice m_espeak;
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: quorel-voice-length \"phrase\"\n");
        return 2;
    }
    SynthesisingVoice voice;
    if (!voice.available()) {
        std::fprintf(stderr, "espeak-ng could not be started\n");
        return 1;
    }
    voice.selectVoice(0);  // the game's voice and speed when no settings are stored
    voice.setRate(0);
    handToVoice(voice, QString::fromLocal8Bit(argv[1]), VoiceWait::No);
    // 16-bit mono samples at 22050 Hz
    std::printf("%lld\n", static_cast<long long>(voice.pcmBytes * 1000 / (2 * 22050)));
    return 0;
}
