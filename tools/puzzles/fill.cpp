// Fills one grid per catalogue entry, in menu order, so that the early menu
// numbers take the commonest words and the later ones the harder words.
//
// The search fills the most constrained slot first, finds the candidates of
// a slot by intersecting letter-position bitsets, and restarts with fresh
// random tie-breaks (and, after several failures, a fresh pattern) when a
// node budget runs out.  No answer is used twice in the whole collection and
// no two answers of one puzzle share a stem.
//
// usage: quorel-fill <lexicon.tsv> <PUZZLES.txt> <blocklist> <seed> <out-dir> [first-menu last-menu]
// Writes <out-dir>/PUZnnnn.fill: 13 grid rows ('#' black) then "label TAB answer".
// Answers already used by menu numbers before first-menu are read back from
// their .fill files, so a range can be refilled without touching the rest.

#include <algorithm>
#include <bit>
#include <cmath>
#include <filesystem>
#include <iostream>
#include <set>
#include <unordered_set>

#include "clues.hpp"
#include "grids.hpp"

using namespace qp;

namespace {

using Bits = std::vector<uint64_t>;

struct Pool {
    // words[len] = entry indices of that length; bits[len][pos*26+letter]
    std::vector<int> words[N + 1];
    std::vector<Bits> bits[N + 1];
    std::vector<double> score[N + 1];
};

// SCOWL level allowed for a slot of this length at difficulty d (0 = first
// menu number, 1 = last): short slots always take common words.
int levelCap(int len, double d) {
    if (len <= 5) return d < 0.4 ? 20 : 35;
    if (len <= 9) return d < 0.3 ? 20 : d < 0.65 ? 35 : 50;
    return d < 0.3 ? 35 : 50;
}

// Smallest tag count for early puzzles, so their words are familiar ones.
int freqFloor(int len, double d) {
    if (d < 0.15) return len <= 9 ? 3 : 1;
    if (d < 0.4) return len <= 9 ? 1 : 0;
    return 0;
}

struct Filler {
    const std::vector<Entry> &lex;
    const Pool &pool;
    Grid grid;
    std::vector<Slot> slots;
    std::vector<int> chosen;  // entry index per slot, -1 = open
    long nodes = 0, budget = 0;
    Rng &rng;

    Filler(const std::vector<Entry> &l, const Pool &p, Rng &r) : lex(l), pool(p), rng(r) {}

    Bits candidates(const Slot &s) const {
        const auto &wb = pool.bits[s.len];
        size_t nw = (pool.words[s.len].size() + 63) / 64;
        Bits b(nw, ~0ull);
        if (!pool.words[s.len].empty() && pool.words[s.len].size() % 64)
            b.back() = (1ull << (pool.words[s.len].size() % 64)) - 1;
        if (pool.words[s.len].empty()) b.clear();
        for (int i = 0; i < s.len; ++i) {
            int r, c;
            s.cell(i, r, c);
            char ch = grid[r][c];
            if (ch < 'A' || ch > 'Z') continue;
            const Bits &m = wb[i * 26 + (ch - 'A')];
            for (size_t k = 0; k < b.size(); ++k) b[k] &= m[k];
        }
        return b;
    }

    bool conflicts(int e) const {
        for (size_t i = 0; i < slots.size(); ++i) {
            if (chosen[i] < 0) continue;
            if (lex[chosen[i]].letters == lex[e].letters) return true;
            if (answersShareStem(lex[chosen[i]].answer, lex[e].answer)) return true;
            // phrases opening with the same short verb ("GO UP", "GO TO BED") read as repeats
            const std::string &a = lex[chosen[i]].answer, &b = lex[e].answer;
            auto sa = a.find(' '), sb = b.find(' ');
            if (sa != std::string::npos && sb != std::string::npos && a.compare(0, sa + 1, b, 0, sb + 1) == 0)
                return true;
        }
        return false;
    }

    bool search() {
        if (++nodes > budget) return false;
        int best = -1;
        size_t bestCount = SIZE_MAX;
        Bits bestBits;
        for (size_t i = 0; i < slots.size(); ++i) {
            if (chosen[i] >= 0) continue;
            Bits b = candidates(slots[i]);
            size_t cnt = 0;
            for (auto w : b) cnt += std::popcount(w);
            if (cnt == 0) return false;
            if (cnt < bestCount) {
                bestCount = cnt;
                best = static_cast<int>(i);
                bestBits = std::move(b);
            }
        }
        if (best < 0) return true;
        const Slot &s = slots[best];
        // rank the candidates by the puzzle's preference plus a random jitter
        std::vector<std::pair<double, int>> ranked;
        const auto &sc = pool.score[s.len];
        for (size_t k = 0; k < bestBits.size(); ++k)
            for (uint64_t w = bestBits[k]; w; w &= w - 1) {
                int j = static_cast<int>(k * 64 + std::countr_zero(w));
                ranked.push_back({sc[j] + rng.unit() * 1.5, j});
            }
        size_t keep = std::min<size_t>(ranked.size(), 12);
        std::partial_sort(ranked.begin(), ranked.begin() + keep, ranked.end(), std::greater<>());
        Grid saved = grid;
        for (size_t t = 0; t < keep; ++t) {
            int e = pool.words[s.len][ranked[t].second];
            if (conflicts(e)) continue;
            for (int i = 0; i < s.len; ++i) {
                int r, c;
                s.cell(i, r, c);
                grid[r][c] = lex[e].letters[i];
            }
            chosen[best] = e;
            if (search()) return true;
            chosen[best] = -1;
            grid = saved;
            if (nodes > budget) return false;
        }
        return false;
    }
};

Pool buildPool(const std::vector<Entry> &lex, const std::unordered_set<std::string> &used, double d,
               Rng &rng) {
    Pool p;
    for (size_t i = 0; i < lex.size(); ++i) {
        const Entry &e = lex[i];
        int len = static_cast<int>(e.letters.size());
        if (len < 3 || len > N) continue;
        if (used.count(e.letters)) continue;
        if (e.level > levelCap(len, d) || e.freq < freqFloor(len, d)) continue;
        // rare words and phrases only when at least one sense is in common use
        if (e.level >= 50 && e.freq < 1) continue;
        if (e.answer.find(' ') != std::string::npos && e.freq < 2) continue;
        p.words[len].push_back(static_cast<int>(i));
    }
    for (int len = 3; len <= N; ++len) {
        size_t n = p.words[len].size(), nw = (n + 63) / 64;
        p.bits[len].assign(len * 26, Bits(nw, 0));
        p.score[len].resize(n);
        for (size_t j = 0; j < n; ++j) {
            const Entry &e = lex[p.words[len][j]];
            for (int i = 0; i < len; ++i) p.bits[len][i * 26 + (e.letters[i] - 'A')][j / 64] |= 1ull << (j % 64);
            // early puzzles lean hard on familiar words, late ones hardly
            double familiar = std::log2(1.0 + e.freq) - e.level / 15.0;
            double weight = 1.0 - 0.8 * d;
            double multi = e.answer.find(' ') != std::string::npos ? 0.8 : 0.0;
            p.score[len][j] = weight * familiar + multi + rng.unit() * (1.0 + 4.0 * d);
        }
    }
    return p;
}

}  // namespace

int main(int argc, char **argv) {
    if (argc != 6 && argc != 8) {
        std::cerr << "usage: quorel-fill <lexicon.tsv> <PUZZLES.txt> <blocklist> <seed> <out-dir> [first last]\n";
        return 2;
    }
    auto all = loadLexicon(argv[1]);
    auto names = loadCatalogue(argv[2]);
    loadBlocklist(argv[3]);
    uint64_t seed = std::stoull(argv[4]);
    std::string outDir = argv[5];
    std::filesystem::create_directories(outDir);
    int first = argc == 8 ? std::stoi(argv[6]) : 1;
    int last = argc == 8 ? std::stoi(argv[7]) : static_cast<int>(names.size());
    // only answers that can be drafted a definition clue take part
    std::vector<Entry> lex;
    for (auto &e : all)
        if (definitionClue(e).rfind("TODO", 0) != 0) lex.push_back(std::move(e));
    std::cerr << "lexicon " << lex.size() << ", puzzles " << names.size() << "\n";

    std::unordered_set<std::string> used;
    auto remember = [&](const std::string &path) {
        auto lines = readLines(path);
        for (size_t i = N; i < lines.size(); ++i) {
            auto f = split(lines[i], '\t');
            if (f.size() < 2) continue;
            std::string letters;
            for (char c : f[1])
                if (c != ' ') letters.push_back(c);
            used.insert(letters);
        }
    };
    // every other puzzle's answers are taken, not only the earlier ones
    for (int m = 1; m <= static_cast<int>(names.size()); ++m)
        if (m < first || m > last) remember(outDir + "/" + names[m - 1] + ".fill");

    for (int menu = first; menu <= last; ++menu) {
        const std::string &name = names[menu - 1];
        double d = (menu - 1) / 69.0;
        Rng rng(seed * 1000003ull + static_cast<uint64_t>(menu));
        Pool pool = buildPool(lex, used, d, rng);
        bool done = false;
        for (int pat = 0; pat < 60 && !done; ++pat) {
            Grid g;
            int maxLong = static_cast<int>(rng.below(3));
            if (!makePattern(rng, maxLong, g)) continue;
            Filler f(lex, pool, rng);
            f.grid = g;
            f.slots = findSlots(g);
            for (int attempt = 0; attempt < 6 && !done; ++attempt) {
                f.grid = g;
                f.chosen.assign(f.slots.size(), -1);
                f.nodes = 0;
                f.budget = 4000;
                done = f.search();
            }
            if (!done) continue;
            std::string out;
            for (int r = 0; r < N; ++r) {
                for (int c = 0; c < N; ++c) out += f.grid[r][c] == ' ' ? '#' : f.grid[r][c];
                out += '\n';
            }
            for (size_t i = 0; i < f.slots.size(); ++i) {
                const Slot &s = f.slots[i];
                out += (s.across ? "A" : "D") + std::to_string(s.number) + "\t" + lex[f.chosen[i]].answer + "\n";
                used.insert(lex[f.chosen[i]].letters);
            }
            writeFile(outDir + "/" + name + ".fill", out);
            std::cerr << "menu " << menu << " " << name << ": " << f.slots.size() << " answers, pattern "
                      << pat + 1 << "\n";
        }
        if (!done) {
            std::cerr << "menu " << menu << " " << name << ": no fill found\n";
            return 1;
        }
    }
    return 0;
}
