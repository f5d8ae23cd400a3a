// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
//
// Checks the shipped sound clips, help pages and menu picture as files: the
// program plays, speaks and draws them as they are, so a broken header, a wrong
// sample rate, a bare LF or a character the voice cannot read is a user-visible fault.

#include <QtCore/QFile>
#include <QtCore/QString>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#ifndef QUOREL_SOURCE_DIR
#error "QUOREL_SOURCE_DIR must name the repository root"
#endif

namespace {

std::optional<std::string> readShipped(const std::string &relative)
{
    QFile file(QString::fromStdString(std::string(QUOREL_SOURCE_DIR) + "/" + relative));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

std::uint32_t le32(const std::string &s, std::size_t at)
{
    return static_cast<std::uint32_t>(static_cast<unsigned char>(s[at])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(s[at + 1])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(s[at + 2])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(s[at + 3])) << 24;
}

std::uint16_t le16(const std::string &s, std::size_t at)
{
    return static_cast<std::uint16_t>(static_cast<unsigned char>(s[at]) |
                                      static_cast<unsigned char>(s[at + 1]) << 8);
}

std::uint32_t be32(const std::string &s, std::size_t at)
{
    return static_cast<std::uint32_t>(static_cast<unsigned char>(s[at])) << 24 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(s[at + 1])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(s[at + 2])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(s[at + 3]));
}

// ---------------------------------------------------------------- sound clips

struct ClipCase {
    const char *file;
    std::uint32_t rate;
    std::uint32_t targetDataBytes; // the length the clip's role calls for
};

void PrintTo(const ClipCase &c, std::ostream *os) { *os << c.file; }

struct WaveInfo {
    std::uint16_t format = 0, channels = 0, bits = 0, blockAlign = 0;
    std::uint32_t rate = 0, byteRate = 0;
    std::size_t dataOffset = 0, dataSize = 0;
    bool haveFmt = false, haveData = false;
};

// Walks the RIFF chunk list; reports a structural fault through gtest.
WaveInfo parseWave(const std::string &bytes)
{
    WaveInfo info;
    EXPECT_GE(bytes.size(), 44u);
    if (bytes.size() < 12)
        return info;
    EXPECT_EQ(bytes.substr(0, 4), "RIFF");
    EXPECT_EQ(bytes.substr(8, 4), "WAVE");
    EXPECT_EQ(le32(bytes, 4), bytes.size() - 8) << "RIFF size does not match the file size";

    std::size_t at = 12;
    while (at + 8 <= bytes.size()) {
        const std::string id = bytes.substr(at, 4);
        const std::size_t size = le32(bytes, at + 4);
        const std::size_t body = at + 8;
        if (body + size > bytes.size()) {
            ADD_FAILURE() << "chunk '" << id << "' runs past the end of the file";
            break;
        }
        if (id == "fmt ") {
            EXPECT_GE(size, 16u);
            if (size >= 16) {
                info.haveFmt = true;
                info.format = le16(bytes, body);
                info.channels = le16(bytes, body + 2);
                info.rate = le32(bytes, body + 4);
                info.byteRate = le32(bytes, body + 8);
                info.blockAlign = le16(bytes, body + 12);
                info.bits = le16(bytes, body + 14);
            }
        } else if (id == "data") {
            info.haveData = true;
            info.dataOffset = body;
            info.dataSize = size;
        }
        at = body + size + (size & 1);
    }
    EXPECT_EQ(at, bytes.size()) << "trailing bytes after the last chunk";
    return info;
}

class ShippedClip : public ::testing::TestWithParam<ClipCase> {};

TEST_P(ShippedClip, IsMonoSixteenBitPcmAtItsRateAndLength)
{
    const ClipCase &c = GetParam();
    const auto bytes = readShipped(std::string("resources/wave/") + c.file);
    ASSERT_TRUE(bytes) << c.file << " is missing";
    const WaveInfo w = parseWave(*bytes);
    ASSERT_TRUE(w.haveFmt) << "no fmt chunk";
    ASSERT_TRUE(w.haveData) << "no data chunk";

    EXPECT_EQ(w.format, 1) << "not PCM";
    EXPECT_EQ(w.channels, 1) << "not mono";
    EXPECT_EQ(w.bits, 16);
    EXPECT_EQ(w.rate, c.rate);
    EXPECT_EQ(w.blockAlign, 2);
    EXPECT_EQ(w.byteRate, c.rate * 2);
    EXPECT_EQ(w.dataSize % 2, 0u) << "data holds a partial sample";

    EXPECT_GE(w.dataSize, c.targetDataBytes * 0.75);
    EXPECT_LE(w.dataSize, c.targetDataBytes * 1.25);
}

// The clips are played at full volume next to speech: they must be clearly audible,
// must not clip, and must start and end near silence so they do not click.
TEST_P(ShippedClip, IsAudibleUnclippedAndStartsAndEndsQuietly)
{
    const ClipCase &c = GetParam();
    const auto bytes = readShipped(std::string("resources/wave/") + c.file);
    ASSERT_TRUE(bytes);
    const WaveInfo w = parseWave(*bytes);
    ASSERT_TRUE(w.haveData);
    ASSERT_EQ(w.bits, 16);
    const std::size_t count = w.dataSize / 2;
    ASSERT_GT(count, 100u);

    auto sample = [&](std::size_t i) { return static_cast<std::int16_t>(le16(*bytes, w.dataOffset + 2 * i)); };
    int peak = 0;
    for (std::size_t i = 0; i < count; ++i)
        peak = std::max(peak, std::abs(static_cast<int>(sample(i))));
    const double peakDb = 20.0 * std::log10(peak / 32768.0);
    EXPECT_GT(peakDb, -9.0) << "clip is too quiet";
    EXPECT_LT(peakDb, -1.0) << "clip reaches full scale";

    const int quiet = 32768 / 100; // -40 dBFS
    EXPECT_LT(std::abs(static_cast<int>(sample(0))), quiet) << "clip starts with a click";
    EXPECT_LT(std::abs(static_cast<int>(sample(count - 1))), quiet) << "clip ends with a click";
}

INSTANTIATE_TEST_SUITE_P(Clips, ShippedClip,
                         ::testing::Values(ClipCase{"CHEER.wav", 22050, 107666}, ClipCase{"NO.wav", 22050, 15878},
                                           ClipCase{"OK.wav", 32000, 22056}, ClipCase{"WALL.wav", 22050, 10336}),
                         [](const ::testing::TestParamInfo<ClipCase> &info) {
                             std::string name = info.param.file;
                             return name.substr(0, name.find('.'));
                         });

// ----------------------------------------------------------------- help pages

struct HelpCase {
    const char *file;
    const char *title;
    std::size_t targetBytes;
};

void PrintTo(const HelpCase &c, std::ostream *os) { *os << c.file; }

class HelpPage : public ::testing::TestWithParam<HelpCase> {};

// Bytes that Windows-1252 leaves undefined: they would reach the voice as garbage.
bool undefinedIn1252(unsigned char b)
{
    return b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
}

TEST_P(HelpPage, IsPrintableWindows1252WithCrLfLineEnds)
{
    const HelpCase &c = GetParam();
    const auto text = readShipped(std::string("resources/text/") + c.file);
    ASSERT_TRUE(text) << c.file << " is missing";
    ASSERT_FALSE(text->empty());

    for (std::size_t i = 0; i < text->size(); ++i) {
        const auto b = static_cast<unsigned char>((*text)[i]);
        if (b == '\r') {
            EXPECT_TRUE(i + 1 < text->size() && (*text)[i + 1] == '\n') << "bare CR at byte " << i;
        } else if (b == '\n') {
            EXPECT_TRUE(i > 0 && (*text)[i - 1] == '\r') << "bare LF at byte " << i;
        } else {
            EXPECT_TRUE((b >= 0x20 && b != 0x7F) && !undefinedIn1252(b))
                << "byte " << int(b) << " at " << i << " is not printable Windows-1252";
        }
    }
    EXPECT_GE(text->size(), c.targetBytes / 2);
    EXPECT_LE(text->size(), c.targetBytes * 3 / 2);
}

// Each page is spoken in one go: it must announce itself first, and tell the
// listener which key leads on.
TEST_P(HelpPage, StartsWithItsTitleAndNamesTheKeyForMore)
{
    const HelpCase &c = GetParam();
    const auto text = readShipped(std::string("resources/text/") + c.file);
    ASSERT_TRUE(text);
    EXPECT_EQ(text->rfind(c.title, 0), 0u) << "page does not start with \"" << c.title << "\"";
    EXPECT_NE(text->find("F1"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Pages, HelpPage,
                         ::testing::Values(HelpCase{"HELP0.txt", "Quorel Crosswords.", 96},
                                           HelpCase{"HELP1.txt", "Page 1. Introduction.", 560},
                                           HelpCase{"HELP2.txt", "Page 2. Getting Started.", 1296},
                                           HelpCase{"HELP3.txt", "Page 3. Function Keys.", 1228},
                                           HelpCase{"HELP4.txt", "Page 4. Magnification mode.", 768}),
                         [](const ::testing::TestParamInfo<HelpCase> &info) {
                             std::string name = info.param.file;
                             return name.substr(0, name.find('.'));
                         });

// The clips carry meaning a listener cannot guess (the ok sound is no verdict):
// the help explains each of them, and the key that silences the game.
TEST(HelpPages, ExplainEverySoundAndTheKeyThatSilences)
{
    std::string all;
    for (const char *file : {"HELP0.txt", "HELP1.txt", "HELP2.txt", "HELP3.txt", "HELP4.txt"}) {
        const auto text = readShipped(std::string("resources/text/") + file);
        ASSERT_TRUE(text) << file;
        all += *text + " ";
    }
    for (const char *word : {"ok sound", "no sound", "wall sound", "cheer", "Ctrl at any time"})
        EXPECT_NE(all.find(word), std::string::npos) << "the help never mentions \"" << word << "\"";
}

// ---------------------------------------------------------------- menu picture

TEST(MenuPicture, IsACompletePngOfTheMenuSize)
{
    const auto png = readShipped("resources/images/menu.png");
    ASSERT_TRUE(png) << "menu.png is missing";
    ASSERT_GE(png->size(), 8u + 25u + 12u);
    EXPECT_EQ(png->substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));

    // The first chunk must be IHDR (13 bytes) holding the width and height.
    EXPECT_EQ(be32(*png, 8), 13u);
    EXPECT_EQ(png->substr(12, 4), "IHDR");
    EXPECT_EQ(be32(*png, 16), 1009u) << "width";
    EXPECT_EQ(be32(*png, 20), 765u) << "height";

    // A truncated file loses its closing IEND chunk.
    EXPECT_EQ(png->substr(png->size() - 8, 4), "IEND");
}

} // namespace
