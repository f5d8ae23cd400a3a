// Shared helpers for the puzzle authoring tools: random numbers, word stems,
// text handling, the grid rules and the lexicon file.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace qp {

constexpr int N = 13;  // squares per side of every puzzle

// xorshift64* generator: small, fast and identical on every platform, so a
// seed always reproduces the same grids and fills.
class Rng {
public:
    explicit Rng(uint64_t seed) : s_(seed ? seed * 0x9E3779B97F4A7C15ull : 0x2545F4914F6CDD1Dull) { next(); }
    uint64_t next() {
        s_ ^= s_ >> 12;
        s_ ^= s_ << 25;
        s_ ^= s_ >> 27;
        return s_ * 0x2545F4914F6CDD1Dull;
    }
    // uniform in [0, n)
    uint32_t below(uint32_t n) { return n ? static_cast<uint32_t>((next() >> 32) % n) : 0; }
    double unit() { return (next() >> 11) * (1.0 / 9007199254740992.0); }

private:
    uint64_t s_;
};

// ---- text ----
std::vector<std::string> split(std::string_view s, char sep);
std::string trim(std::string_view s);
std::string upper(std::string_view s);
std::string lower(std::string_view s);
std::vector<std::string> readLines(const std::string &path);  // strips CR/LF
bool writeFile(const std::string &path, const std::string &bytes);
// UTF-8 text to Windows-1252; returns false if a character has no mapping.
bool utf8ToCp1252(std::string_view in, std::string &out);
// letters of a phrase as lower-case words (anything but a-z separates words)
std::vector<std::string> wordsOf(std::string_view text);

// ---- stems ----
// Reduces a word to a crude stem by stripping one common English suffix and
// normalising the ending, so that "refusal"/"refuse" or "happy"/"happiness"
// meet at the same stem.
std::string stem(std::string_view word);
// Words too small or too common to count as giving an answer away.
bool isStopWord(std::string_view w);
// True when two words share a stem (equal stems, or one word starting with the
// other's stem of at least four letters).
bool shareStem(std::string_view a, std::string_view b);
// True when any significant word of answer a shares a stem with any
// significant word of answer b.
bool answersShareStem(std::string_view a, std::string_view b);
// True when the clue text gives away the answer or a stem of one of its words.
bool clueLeaksAnswer(std::string_view clue, std::string_view answer);

// ---- grids ----
using Grid = std::array<std::array<char, N>, N>;  // ' ' black, '.' empty white, 'A'..'Z'

struct Slot {
    int row = 0, col = 0, len = 0;
    bool across = true;
    int number = 0;
    int cell(int i, int &r, int &c) const {
        r = across ? row : row + i;
        c = across ? col + i : col;
        return r * N + c;
    }
};

// Slots of a grid, numbered by the reading-order rule (a square that starts
// an across or down word of two or more squares takes the next number).
std::vector<Slot> findSlots(const Grid &g);
// Checks the house rules for a blocked 13 x 13 pattern; returns an empty
// string when the pattern is fine, or a description of the first fault.
std::string checkPattern(const Grid &g);
// Number of rule violations (0 = valid); used to steer the pattern search.
int patternCost(const Grid &g, int maxLong, int minSlots, int maxSlots);

// ---- lexicon ----
struct Entry {
    std::string answer;   // upper case, words separated by single spaces
    std::string letters;  // answer without spaces
    int level = 0;        // SCOWL level (largest over the words)
    int freq = 0;         // tagged sense count summed over all senses
    int senses = 0;       // number of senses kept
    std::vector<std::string> glosses;   // definitions, most frequent sense first
    std::vector<std::string> examples;  // quoted example sentences
    std::vector<std::string> synonyms;  // other lemmas of the first senses
};
std::vector<Entry> loadLexicon(const std::string &path);
std::string entryLine(const Entry &e);

// SCOWL words in British and common spelling up to level 50, each with the
// lowest level that lists it; only words of the letters a-z.
std::map<std::string, int> scowlBritishLevels(const std::string &scowlDir);

// catalogue: resource names in menu order (index 0 = menu number 1)
std::vector<std::string> loadCatalogue(const std::string &path);

}  // namespace qp
