// Checks the 70 crosswords that ship in resources/text against the byte
// format the loader reads and the house rules every puzzle must keep:
// grid shape, numbering, answers, clue texts and the catalogue. The word-stem
// and listening rules are the clue-file writer's own (tools/puzzles), so the
// tools and this suite judge a clue alike.

#include <QFile>
#include <QString>

#include <gtest/gtest.h>

#include "common.hpp"
#include "listening.hpp"
#include "puzzle/ansi.h"
#include "puzzle/puzzlereader.h"
#include "puzzle/resourcestore.h"
#include "support/harness.h"

#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <cctype>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#ifndef QUOREL_SOURCE_DIR
#error "QUOREL_SOURCE_DIR must name the source tree"
#endif

void quorelInitResources();

namespace {

constexpr int N = 13;

std::string readBytes(const std::string &relative) {
    QFile f(QString::fromStdString(std::string(QUOREL_SOURCE_DIR) + "/" + relative));
    if (!f.open(QIODevice::ReadOnly)) return {};
    QByteArray b = f.readAll();
    return std::string(b.constData(), static_cast<size_t>(b.size()));
}

bool fileExists(const std::string &relative) {
    return QFile::exists(QString::fromStdString(std::string(QUOREL_SOURCE_DIR) + "/" + relative));
}

std::vector<std::string> splitCrLf(const std::string &s) {
    std::vector<std::string> out;
    size_t start = 0;
    for (size_t p = s.find("\r\n"); p != std::string::npos; p = s.find("\r\n", start)) {
        out.push_back(s.substr(start, p - start));
        start = p + 2;
    }
    out.push_back(s.substr(start));
    return out;
}

std::vector<std::string> split(const std::string &s, char sep) {
    std::vector<std::string> out;
    size_t start = 0;
    for (size_t p = s.find(sep); p != std::string::npos; p = s.find(sep, start)) {
        out.push_back(s.substr(start, p - start));
        start = p + 1;
    }
    out.push_back(s.substr(start));
    return out;
}

std::string lower(std::string s) {
    for (char &c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::vector<std::string> wordsOf(const std::string &text) {
    std::vector<std::string> words;
    std::string cur;
    for (char ch : text) {
        char c = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        if (c >= 'a' && c <= 'z') cur.push_back(c);
        else if (!cur.empty()) { words.push_back(cur); cur.clear(); }
    }
    if (!cur.empty()) words.push_back(cur);
    return words;
}

bool endsWith(const std::string &s, std::string_view suf) {
    return s.size() >= suf.size() && s.compare(s.size() - suf.size(), suf.size(), suf) == 0;
}

// ---- the shipped data ----

struct Clue {
    std::string label, answer, text;
};

struct ShippedPuzzle {
    std::string name;
    std::string bytes;
    std::vector<std::string> lines;  // split at CR LF
    std::array<std::string, N> rows;
    std::vector<Clue> clues;
};

struct Slot {
    bool across;
    int number, row, col, len;
};

std::vector<std::string> catalogueNames(const std::string &bytes) {
    std::vector<std::string> names;
    auto lines = splitCrLf(bytes);
    for (size_t i = 1; i < lines.size(); ++i)
        if (lines[i].size() > 4 && endsWith(lines[i], ".TXT")) names.push_back(lines[i].substr(0, lines[i].size() - 4));
    return names;
}

const std::vector<ShippedPuzzle> &puzzles() {
    static const std::vector<ShippedPuzzle> all = [] {
        std::vector<ShippedPuzzle> out;
        for (const auto &name : catalogueNames(readBytes("resources/text/PUZZLES.txt"))) {
            ShippedPuzzle p;
            p.name = name;
            p.bytes = readBytes("resources/text/" + name + ".txt");
            p.lines = splitCrLf(p.bytes);
            for (int r = 0; r < N && r + 1 < static_cast<int>(p.lines.size()); ++r) p.rows[r] = p.lines[r + 1];
            for (size_t i = 15; i + 1 < p.lines.size(); ++i) {
                auto f = split(p.lines[i], '\t');
                if (f.size() == 3) p.clues.push_back({f[0], f[1], f[2]});
            }
            out.push_back(std::move(p));
        }
        return out;
    }();
    return all;
}

std::set<std::string> blocklist() {
    std::set<std::string> words;
    for (auto line : split(readBytes("tools/puzzles/blocklist.txt"), '\n')) {
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
        if (!line.empty() && line[0] != '#') words.insert(lower(line));
    }
    return words;
}

bool white(const ShippedPuzzle &p, int r, int c) {
    return r >= 0 && r < N && c >= 0 && c < N && static_cast<int>(p.rows[r].size()) == N && p.rows[r][c] != ' ';
}

int runLength(const ShippedPuzzle &p, int r, int c, bool across) {
    int dr = across ? 0 : 1, dc = across ? 1 : 0, a = 0, b = 0;
    while (white(p, r - (a + 1) * dr, c - (a + 1) * dc)) ++a;
    while (white(p, r + (b + 1) * dr, c + (b + 1) * dc)) ++b;
    return a + b + 1;
}

// Slots in clue order (across by number, then down by number), numbered by
// scanning the rows and giving the next number to every square that starts
// an across or a down word.
std::vector<Slot> slotsOf(const ShippedPuzzle &p) {
    std::vector<Slot> across, down;
    int number = 0;
    for (int r = 0; r < N; ++r)
        for (int c = 0; c < N; ++c) {
            if (!white(p, r, c)) continue;
            bool a = !white(p, r, c - 1) && white(p, r, c + 1);
            bool d = !white(p, r - 1, c) && white(p, r + 1, c);
            if (!a && !d) continue;
            ++number;
            if (a) across.push_back({true, number, r, c, runLength(p, r, c, true)});
            if (d) down.push_back({false, number, r, c, runLength(p, r, c, false)});
        }
    across.insert(across.end(), down.begin(), down.end());
    return across;
}

std::string lettersOf(const std::string &answer) {
    std::string s;
    for (char c : answer)
        if (c != ' ') s.push_back(c);
    return s;
}

TEST(ShippedPuzzles, CatalogueListsSeventyExistingPuzzles) {
    std::string bytes = readBytes("resources/text/PUZZLES.txt");
    ASSERT_FALSE(bytes.empty());
    EXPECT_EQ(bytes.rfind("'PUZ0.TXT\r\n", 0), 0u) << "first catalogue line";
    ASSERT_GE(bytes.size(), 3u);
    EXPECT_EQ(bytes.substr(bytes.size() - 3), std::string("\r\n\0", 3)) << "catalogue must end in CR LF and NUL";
    auto names = catalogueNames(bytes);
    EXPECT_EQ(names.size(), 70u);
    std::set<std::string> unique(names.begin(), names.end());
    EXPECT_EQ(unique.size(), names.size()) << "a puzzle is listed twice";
    for (const auto &n : names) {
        EXPECT_EQ(n.size(), 7u) << n;
        EXPECT_TRUE(fileExists("resources/text/" + n + ".txt")) << n << " is listed but missing";
    }
}

TEST(ShippedPuzzles, ByteFormatHeaderAndTail) {
    ASSERT_EQ(puzzles().size(), 70u);
    for (const auto &p : puzzles()) {
        SCOPED_TRACE(p.name);
        ASSERT_FALSE(p.bytes.empty()) << p.name << " is empty";
        EXPECT_EQ(p.bytes.substr(0, 10), std::string("\xAE" "KV8,28" "\xAF" "\r\n")) << p.name << " header";
        // every CR is followed by LF and every LF preceded by CR
        for (size_t i = 0; i < p.bytes.size(); ++i) {
            if (p.bytes[i] == '\r') {
                EXPECT_TRUE(i + 1 < p.bytes.size() && p.bytes[i + 1] == '\n') << p.name << " bare CR at " << i;
            }
            if (p.bytes[i] == '\n') {
                EXPECT_TRUE(i > 0 && p.bytes[i - 1] == '\r') << p.name << " bare LF at " << i;
            }
        }
        ASSERT_GE(p.lines.size(), 17u) << p.name << " too short";
        for (int r = 0; r < N; ++r) {
            EXPECT_EQ(p.rows[r].size(), static_cast<size_t>(N)) << p.name << " grid row " << r + 1;
            for (char c : p.rows[r]) EXPECT_TRUE(c == ' ' || (c >= 'A' && c <= 'Z')) << p.name << " row " << r + 1;
        }
        EXPECT_EQ(p.lines[14], std::string(N, '=')) << p.name << " separator line";
        // clue lines, then the tail: Ctrl-Z, or one or two empty lines, then up to three NULs
        size_t clueLines = 0, last = p.lines.size() - 1;
        // up to two empty lines may stand between the last clue and the tail
        for (int k = 0; k < 2 && last > 15 && p.lines[last - 1].empty(); ++k) --last;
        for (size_t i = 15; i < last; ++i) {
            EXPECT_EQ(split(p.lines[i], '\t').size(), 3u) << p.name << " line " << i + 1 << " is not a clue line";
            ++clueLines;
        }
        std::string tail = p.lines.back();
        while (!tail.empty() && tail.back() == '\0' && p.lines.back().size() - tail.size() < 3) tail.pop_back();
        EXPECT_TRUE(tail == "\x1A" || tail.empty()) << p.name << " ends in an unexpected tail";
        EXPECT_EQ(clueLines, p.clues.size());
    }
}

TEST(ShippedPuzzles, GridShapeFollowsHouseRules) {
    for (const auto &p : puzzles()) {
        int whites = 0;
        for (int r = 0; r < N; ++r)
            for (int c = 0; c < N; ++c) {
                if (r % 2 == 1 && c % 2 == 1) {
                    EXPECT_FALSE(white(p, r, c)) << p.name << " square " << r << "," << c << " must be black";
                }
                EXPECT_EQ(white(p, r, c), white(p, N - 1 - r, N - 1 - c)) << p.name << " not symmetric at " << r << "," << c;
                if (!white(p, r, c)) continue;
                ++whites;
                int h = runLength(p, r, c, true), v = runLength(p, r, c, false);
                EXPECT_NE(h, 2) << p.name << " two-square run at " << r << "," << c;
                EXPECT_NE(v, 2) << p.name << " two-square run at " << r << "," << c;
                EXPECT_FALSE(h == 1 && v == 1) << p.name << " isolated square at " << r << "," << c;
            }
        // all white squares connected
        std::set<std::pair<int, int>> seen;
        std::vector<std::pair<int, int>> stack;
        for (int i = 0; i < N * N && stack.empty(); ++i)
            if (white(p, i / N, i % N)) stack.push_back({i / N, i % N}), seen.insert(stack.back());
        while (!stack.empty()) {
            auto [r, c] = stack.back();
            stack.pop_back();
            for (auto [dr, dc] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}})
                if (white(p, r + dr, c + dc) && seen.insert({r + dr, c + dc}).second) stack.push_back({r + dr, c + dc});
        }
        EXPECT_EQ(static_cast<int>(seen.size()), whites) << p.name << " white squares are not all connected";

        auto wordSlots = slotsOf(p);
        int threes = 0, longs = 0;
        for (const auto &s : wordSlots) {
            std::string id = p.name + " " + (s.across ? "A" : "D") + std::to_string(s.number);
            EXPECT_GE(s.len, 3) << id;
            EXPECT_LE(s.len, 13) << id;
            threes += s.len == 3;
            longs += s.len >= 12;
            int checked = 0, unchecked = 0;
            for (int i = 0; i < s.len; ++i) {
                int r = s.row + (s.across ? 0 : i), c = s.col + (s.across ? i : 0);
                bool crossed = runLength(p, r, c, !s.across) >= 3;
                checked += crossed;
                unchecked = crossed ? 0 : unchecked + 1;
                EXPECT_LT(unchecked, 2) << id << " has two uncrossed letters in a row";
            }
            EXPECT_GE(2 * checked, s.len - 1) << id << " has too few crossed letters";
        }
        EXPECT_LE(threes, 8) << p.name << " three-letter wordSlots";
        EXPECT_LE(longs, 4) << p.name << " wordSlots of 12-13 letters";
        EXPECT_GE(wordSlots.size(), 20u) << p.name;
        EXPECT_LE(wordSlots.size(), 32u) << p.name;
    }
}

TEST(ShippedPuzzles, LabelsAndAnswersMatchTheGrid) {
    for (const auto &p : puzzles()) {
        auto wordSlots = slotsOf(p);
        EXPECT_GE(p.clues.size(), 20u) << p.name;
        EXPECT_LE(p.clues.size(), 32u) << p.name;
        ASSERT_EQ(p.clues.size(), wordSlots.size()) << p.name << " clue count differs from the grid's words";
        for (size_t i = 0; i < wordSlots.size(); ++i) {
            const Slot &s = wordSlots[i];
            const Clue &c = p.clues[i];
            std::string label = (s.across ? "A" : "D") + std::to_string(s.number);
            EXPECT_EQ(c.label, label) << p.name << " clue " << i + 1 << " (" << c.answer << ")";
            std::string squares;
            for (int k = 0; k < s.len; ++k) squares.push_back(p.rows[s.row + (s.across ? 0 : k)][s.col + (s.across ? k : 0)]);
            EXPECT_EQ(lettersOf(c.answer), squares) << p.name << " " << c.label;
            auto words = split(c.answer, ' ');
            EXPECT_LE(words.size(), 4u) << p.name << " " << c.label << " " << c.answer;
            for (const auto &w : words) {
                EXPECT_FALSE(w.empty()) << p.name << " " << c.label << " answer spacing '" << c.answer << "'";
                for (char ch : w) EXPECT_TRUE(ch >= 'A' && ch <= 'Z') << p.name << " " << c.label << " " << c.answer;
            }
        }
    }
}

// Every shipped puzzle, fetched through the catalogue as the menu does, reads
// into the model, and the model numbers each square's across and down word as
// the game's square-to-clue table and number captions have them.
TEST(ShippedPuzzles, ReadIntoTheModelWithTheGamesNumbers) {
    quorelInitResources();
    QTemporaryDir dir;
    RecordingVoice voice;
    RecordingSound sound;
    ScriptedConfirm confirm;
    FixedTextMeasure measure;
    CompiledResources resources;
    RecordingPrinter printer;
    RecordingApp app;
    Environment env;
    env.stateDir = dir.filePath(QStringLiteral("state")) + QLatin1Char('/');
    env.settingsFile = dir.filePath(QStringLiteral("tamrivo3.ini"));
    Crosswords g(Services{voice, sound, confirm, measure, resources, printer, app}, env);
    g.Form_Load();
    const int count = static_cast<int>(g.puzlist().size()) - 2;  // the catalogue's placeholder and tail
    ASSERT_EQ(count, 70);

    PuzzleTextReader reader;
    for (int n = 1; n <= count; ++n) {
        const std::string name = g.puzlist()[n].toStdString();
        const std::optional<::Puzzle> puzzle = reader.read(g.fetchPuzzleText(n).value_or(QString()));
        ASSERT_TRUE(puzzle) << name << ": " << reader.errorString().toStdString();
        g.session().viewmode = 0;
        g.session().curpuz = n;
        g.loadpuzzle();
        ASSERT_EQ(puzzle->width(), g.table().gridsize) << name;
        int clues = 0;
        while (clues < 100 && !g.table().clues[clues + 1][1].isEmpty()) ++clues;
        EXPECT_EQ(puzzle->clues(Direction::Across).size() + puzzle->clues(Direction::Down).size(), clues) << name;
        for (int r = 0; r < N; ++r)
            for (int c = 0; c < N; ++c) {
                const int idx = r * N + c + 1;
                EXPECT_EQ(puzzle->wordNumber(r, c, Direction::Across), g.table().sqclue[idx][1]) << name << " square " << idx;
                EXPECT_EQ(puzzle->wordNumber(r, c, Direction::Down), g.table().sqclue[idx][2]) << name << " square " << idx;
                const int number = puzzle->cell(r, c).number;
                if (number > 0)
                    EXPECT_EQ(g.form().Dn[idx].caption, QStringLiteral(" %1").arg(number)) << name << " square " << idx;
            }
    }
}

TEST(ShippedPuzzles, AnswersAreUniqueAndUnrelated) {
    std::map<std::string, std::string> where;
    for (const auto &p : puzzles())
        for (size_t i = 0; i < p.clues.size(); ++i) {
            const Clue &c = p.clues[i];
            auto [it, fresh] = where.insert({lettersOf(c.answer), p.name + " " + c.label});
            EXPECT_TRUE(fresh) << p.name << " " << c.label << " " << c.answer << " repeats " << it->second;
            for (size_t j = 0; j < i; ++j)
                EXPECT_FALSE(qp::answersShareStem(p.clues[j].answer, c.answer))
                    << p.name << " " << c.label << " " << c.answer << " shares a stem with " << p.clues[j].label << " "
                    << p.clues[j].answer;
        }
}

TEST(ShippedPuzzles, ClueTextsAreFitToShow) {
    auto blocked = blocklist();
    ASSERT_GT(blocked.size(), 200u) << "blocklist missing";
    for (const auto &p : puzzles())
        for (const auto &c : p.clues) {
            std::string id = p.name + " " + c.label + " " + c.answer + ": " + c.text;
            EXPECT_GE(c.text.size(), 10u) << id;
            EXPECT_LE(c.text.size(), 68u) << id;
            for (unsigned char ch : c.text) {
                bool printable = (ch >= 0x20 && ch != 0x7F) && ch != 0x81 && ch != 0x8D && ch != 0x8F && ch != 0x90 && ch != 0x9D;
                EXPECT_TRUE(printable) << id << " has byte " << static_cast<int>(ch);
            }
            for (const auto &w : wordsOf(c.text + " " + c.answer)) EXPECT_FALSE(blocked.count(w)) << id << " uses '" << w << "'";
            size_t blanks = 0;
            for (size_t pos = c.text.find("___"); pos != std::string::npos; pos = c.text.find("___", pos + 3)) ++blanks;
            if (blanks) {
                EXPECT_EQ(blanks, 1u) << id << " fill-in needs exactly one ___";
                EXPECT_EQ(c.text.find("____"), std::string::npos) << id;
            }
        }
}

// ---- the rules for the ear, shared with the clue-file writer ----

const std::string kListDir = std::string(QUOREL_SOURCE_DIR) + "/tools/puzzles";
const std::string kScowlDir = "/usr/share/dict/scowl";

std::string joined(const std::vector<std::string> &faults) {
    std::string out;
    for (const auto &f : faults) out += "\n  " + f;
    return out;
}

TEST(ShippedPuzzles, CluesAreFairByEar) {
    qp::ListeningCheck check(qp::loadListeningLists(kListDir, kScowlDir));
    std::vector<std::string> faults;
    for (const auto &p : puzzles()) {
        std::vector<qp::ClueLine> lines;
        for (const auto &c : p.clues) lines.push_back({c.label, c.answer, c.text});
        for (const auto &f : check.puzzleFaults(p.name, lines)) faults.push_back(p.name + " " + f);
    }
    for (const auto &f : check.finalFaults()) faults.push_back(f);
    EXPECT_TRUE(faults.empty()) << faults.size() << " fault(s):" << joined(faults);
}

struct EarClue {
    std::string puzzle, label, answer, text;
};

// Every fault the rules find in a set of clues, the final ones included; the
// clues of one puzzle stand together.
std::vector<std::string> earFaults(const std::vector<EarClue> &clues, const qp::ListeningLists &lists) {
    qp::ListeningCheck check(lists);
    std::vector<std::string> faults;
    for (size_t i = 0; i < clues.size();) {
        std::vector<qp::ClueLine> lines;
        size_t j = i;
        for (; j < clues.size() && clues[j].puzzle == clues[i].puzzle; ++j)
            lines.push_back({clues[j].label, clues[j].answer, clues[j].text});
        for (const auto &f : check.puzzleFaults(clues[i].puzzle, lines)) faults.push_back(f);
        i = j;
    }
    for (const auto &f : check.finalFaults()) faults.push_back(f);
    return faults;
}

TEST(ListeningRules, EachRuleFailsOnACopyBrokenForIt) {
    qp::ListeningLists lists = qp::loadListeningLists(kListDir, kScowlDir);
    ASSERT_TRUE(lists.faults.empty()) << joined(lists.faults);
    ASSERT_TRUE(lists.heteronyms.count("tear") && lists.phrases.count("CARRY ON") && lists.britishWords.count("human"));
    ASSERT_TRUE(lists.soundAlikes.count("formally") && lists.refusedAnswers.count("NEWSBOY"));
    lists.heteronymAllowed.reasons = {{qp::allowKey("PUZ9002", "A1", "tears"), "the eye's tears: read as drops"}};
    lists.soundAlikeAllowed.reasons = {{qp::allowKey("PUZ9002", "A4", "sole"), "'of a shoe' decides"}};
    lists.answerHeardAllowed.reasons = {{qp::allowKey("PUZ9002", "D1", "here"), "'not here' is fair for THERE"}};
    const std::vector<EarClue> sound = {
        {"PUZ9001", "A1", "LOCATION", "(anagram) Lion coat; a place"},
        {"PUZ9001", "A5", "RATE", "(anagram) Tear; a price"},  // a heteronym in the letters is harmless
        {"PUZ9001", "A7", "CARRY ON", "Keep going"},
        {"PUZ9001", "D1", "HUMAN", "To err is ___"},
        {"PUZ9001", "D2", "PAPER", "Material for books and magazines"},
        {"PUZ9002", "A1", "WEEP", "Shed tears"},
        {"PUZ9002", "A4", "HEEL", "Back of a shoe; the sole's partner"},
        {"PUZ9002", "D1", "THERE", "In that place; not here"},
        {"PUZ9002", "D2", "TREND", "Fashion; general direction"},
    };
    ASSERT_TRUE(earFaults(sound, lists).empty()) << joined(earFaults(sound, lists));

    struct Break {
        size_t clue;
        EarClue broken;
        std::string fault;
    };
    const Break breaks[] = {
        {0, {"PUZ9001", "A1", "LOCATION", "(anagram) Lion coat"}, "needs '; definition'"},
        {0, {"PUZ9001", "A1", "LOCATION", "(anagram) Lion coat;  "}, "needs '; definition'"},
        {0, {"PUZ9001", "A1", "LOCATION", "(anagram) Lion cat; a place to go"}, "letters before ';' differ"},
        {0, {"PUZ9001", "A1", "FOREIGN", "(anagram) Reign of; not native"}, "'reign' stands unmixed"},
        {2, {"PUZ9001", "A7", "CARRY ON", "to ERR is  ___"}, "repeats PUZ9001 A7"},
        {2, {"PUZ9001", "A7", "CARRY ON", "Keep going, or lead on"}, "heteronym 'lead'"},
        {1, {"PUZ9001", "A5", "RATE", "(anagram) Tear; a wind speed"}, "heteronym 'wind'"},
        {5, {"PUZ9002", "A1", "WEEP", "Shed a tear"}, "heteronym 'tear'"},        // and its allow line is stale
        {5, {"PUZ9002", "A1", "WEEP", "Cry"}, "heteronym-allow.tsv: PUZ9002 A1 tears matches no clue"},
        {2, {"PUZ9001", "A7", "DOWN THE STAIRS", "Below"}, "not on phrases.txt"},
        {2, {"PUZ9001", "A7", "COLOR", "Hue"}, "not in the British word list"},
        {2, {"PUZ9001", "A7", "NEWSBOY", "Lad who delivers the papers"}, "refused on refused-answers.txt"},
        // the answer heard in its own clue: a word of it, its stem, a whole word at either end
        {2, {"PUZ9001", "A7", "CARRY ON", "Keep on going"}, "heard in 'on'"},
        {4, {"PUZ9001", "D2", "PAPER", "Material for books and newspapers"}, "heard in 'newspapers'"},
        {4, {"PUZ9001", "D2", "OBLONG", "Rectangle longer than it is wide"}, "heard in 'longer'"},
        {4, {"PUZ9001", "D2", "TEENAGE", "Aged between thirteen and nineteen"}, "heard in 'thirteen'"},
        {4, {"PUZ9001", "D2", "NUMEROUS", "Great in number"}, "heard in 'number'"},
        {4, {"PUZ9001", "D2", "PAPER", "(anagram) Pa rep; stuff of newspapers"}, "heard in 'newspapers'"},
        {7, {"PUZ9002", "D1", "THERE", "In that place; not hither"}, "answer-heard-allow.tsv: PUZ9002 D1 here"},
        // another answer of the grid read aloud, a definition twice
        {2, {"PUZ9001", "A7", "CARRY ON", "Keep going, as a human does"}, "holds D1 HUMAN"},
        {8, {"PUZ9002", "D2", "TREND", "Fashion; weep"}, "holds A1 WEEP"},
        {8, {"PUZ9002", "D2", "TREND", "Fashion; back of a shoe"}, "is used by A4 too"},
        {8, {"PUZ9002", "D2", "TREND", "Keep going."}, "the same definitions as PUZ9001 A7"},
        // sound-alikes, in letters and definitions alike
        {0, {"PUZ9001", "A1", "LOCATION", "(anagram) Lion coat; a place, formally"}, "'formally' sounds like formerly"},
        {1, {"PUZ9001", "A5", "ANECDOTE", "(anagram) Toe dance; short tale"}, "'toe' sounds like tow"},
        {6, {"PUZ9002", "A4", "HEEL", "Back of a shoe; a boot's partner"}, "soundalike-allow.tsv: PUZ9002 A4 sole matches"},
    };
    for (const auto &b : breaks) {
        auto copy = sound;
        copy[b.clue] = b.broken;
        const auto faults = earFaults(copy, lists);
        const bool named = std::any_of(faults.begin(), faults.end(),
                                       [&](const std::string &f) { return f.find(b.fault) != std::string::npos; });
        EXPECT_TRUE(named) << b.broken.text << " should fail with " << b.fault << joined(faults);
    }
    // The stem rule sees the letters of an anagram as well as its definition.
    EXPECT_TRUE(qp::clueLeaksAnswer("Refuse all; a no", "REFUSAL"));
    // Definitions are cut at ';' and ',' without articles, notes of register or the letters of an anagram.
    EXPECT_EQ(qp::definitionParts("A gift; or here and now"), (std::vector<std::string>{"gift", "here and now"}));
    EXPECT_EQ(qp::definitionParts("(anagram) Lion coat; a place"), (std::vector<std::string>{"place"}));
    EXPECT_EQ(qp::definitionParts("Artist's workroom, informally"), (std::vector<std::string>{"artist workroom"}));
    EXPECT_TRUE(qp::definitionParts("Many, ___ most, agreed").empty());
}

}  // namespace
