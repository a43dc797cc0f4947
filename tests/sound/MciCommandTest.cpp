#include "sound/MciCommand.h"

#include <gtest/gtest.h>

using Verb = MciCommand::Verb;
using Type = MciCommand::DeviceType;

TEST(MciCommand, ReadsTheCommandsThePlayerSends) {
    const MciCommand open =
        MciCommand::parse(R"(open "C:\My Sounds\チャイム.wav" type waveaudio alias K41S1 wait)");
    EXPECT_TRUE(open.valid);
    EXPECT_EQ(open.verb, Verb::Open);
    EXPECT_EQ(open.device, QStringLiteral(R"(C:\My Sounds\チャイム.wav)"));
    EXPECT_EQ(open.type, Type::WaveAudio);
    EXPECT_EQ(open.alias, "K41S1");
    EXPECT_TRUE(open.wait);

    const MciCommand midi = MciCommand::parse("OPEN tune.mid Type Sequencer ALIAS a");
    EXPECT_TRUE(midi.valid);
    EXPECT_EQ(midi.type, Type::Sequencer);
    EXPECT_FALSE(midi.wait);

    const MciCommand syncPlay = MciCommand::parse("play K41S2 from 0 wait");
    EXPECT_TRUE(syncPlay.valid);
    EXPECT_EQ(syncPlay.verb, Verb::Play);
    EXPECT_EQ(syncPlay.device, "K41S2");
    EXPECT_EQ(syncPlay.fromMs, 0);
    EXPECT_TRUE(syncPlay.wait);

    const MciCommand later = MciCommand::parse("play K41S2 from 250");
    EXPECT_EQ(later.fromMs, 250);
    EXPECT_FALSE(later.wait);

    EXPECT_EQ(MciCommand::parse("stop K41S3").verb, Verb::Stop);
    EXPECT_EQ(MciCommand::parse("  close   K41S4 ").device, "K41S4");
    EXPECT_EQ(MciCommand::parse("open x.ogg type mpegvideo alias v").type, Type::Other);
}

TEST(MciCommand, RejectsWhatItCannotRunSafely) {
    const struct {
        const char* text;
        Verb verb;
    } cases[] = {
        {"", Verb::Unknown},
        {"play", Verb::Unknown},
        {"eject K41S1", Verb::Unknown},
        {"open \"unclosed.wav type waveaudio alias a", Verb::Unknown},
        {"open \"\" type waveaudio alias a", Verb::Unknown},
        {"play a from soon", Verb::Play},
        {"play a from -5", Verb::Play},
        {"play a from", Verb::Play},
        {"stop a loudly", Verb::Stop},
        {"open x.wav type", Verb::Open},
    };
    for (const auto& c : cases) {
        const MciCommand cmd = MciCommand::parse(QString::fromUtf8(c.text));
        EXPECT_FALSE(cmd.valid) << c.text;
        if (c.verb == Verb::Unknown) EXPECT_EQ(cmd.verb, Verb::Unknown) << c.text;
    }
}
