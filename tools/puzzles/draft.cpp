// Drafts clue files from filled grids.  Most clues are definitions cut from
// the commonest sense's gloss; a few per puzzle are fill-ins made from
// WordNet's example sentences ("___" for the answer) and one or two are
// anagrams of common words.  The drafts are a starting point for review:
// every clue is then read and rewritten by hand in the clue file.
//
// usage: quorel-draft <lexicon.tsv> <PUZZLES.txt> <blocklist> <fill-dir> <out-dir> [seed]
// Writes <out-dir>/PUZnnnn.tsv in the clue-file format read by quorel-write.
// An existing file whose "status" line says "reviewed" is never overwritten.

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <iostream>
#include <map>
#include <set>
#include <unordered_map>
#include <unordered_set>

#include "clues.hpp"

using namespace qp;

namespace {

// A fill-in clue: the example sentence with the answer blanked out once.
std::string fillInClue(const Entry &e) {
    std::string best;
    std::string target = lower(e.answer);
    for (const auto &ex : e.examples) {
        std::string lx = lower(ex);
        size_t p = lx.find(target), count = 0, at = std::string::npos;
        while (p != std::string::npos) {
            bool startOk = p == 0 || !std::isalpha(static_cast<unsigned char>(lx[p - 1]));
            bool endOk = p + target.size() >= lx.size() || !std::isalpha(static_cast<unsigned char>(lx[p + target.size()]));
            if (startOk && endOk) { ++count; at = p; }
            p = lx.find(target, p + 1);
        }
        if (count != 1) continue;
        std::string clue = ex.substr(0, at) + "___" + ex.substr(at + target.size());
        clue = capitalise(trim(clue));
        if (clue.size() < 10 || clue.size() > 68) continue;
        std::string rest = clue;
        rest.erase(rest.find("___"), 3);
        if (clueLeaksAnswer(rest, e.answer) || !clean(clue)) continue;
        if (wordsOf(rest).size() < 2) continue;
        if (best.empty() || clue.size() < best.size()) best = clue;
    }
    return best;
}

struct Anagrams {
    std::unordered_map<std::string, std::vector<std::pair<int, std::string>>> bySorted;  // sorted letters -> (freq, word)
    std::vector<std::pair<std::string, int>> words;                                     // word, freq

    void add(const std::string &w, int freq) {
        std::string k = w;
        std::sort(k.begin(), k.end());
        bySorted[k].push_back({freq, w});
        words.push_back({w, freq});
    }

    // Best fodder of one or two common words for the letters of answer.
    std::string find(const std::string &answer, Rng &rng) const {
        std::string letters;
        for (char c : lower(answer))
            if (c != ' ') letters.push_back(c);
        std::string key = letters;
        std::sort(key.begin(), key.end());
        double bestScore = -1;
        std::string best;
        auto ok = [&](const std::string &w) { return !clueLeaksAnswer(w, answer) && !blocked().count(w); };
        auto consider = [&](const std::string &phrase, double score) {
            score += rng.unit() * 0.5;
            if (score > bestScore) { bestScore = score; best = phrase; }
        };
        if (auto it = bySorted.find(key); it != bySorted.end())
            for (const auto &[f, w] : it->second)
                if (ok(w)) consider(w, 3.0 + std::min(f, 20) / 10.0);
        for (const auto &[w, f] : words) {
            if (w.size() < 2 || w.size() >= letters.size() - 1) continue;
            std::string rest = key;
            bool fits = true;
            for (char c : w) {
                auto p = rest.find(c);
                if (p == std::string::npos) { fits = false; break; }
                rest.erase(p, 1);
            }
            if (!fits || !ok(w)) continue;
            auto it = bySorted.find(rest);
            if (it == bySorted.end()) continue;
            for (const auto &[f2, w2] : it->second) {
                if (!ok(w2) || w2 == w || w + w2 == letters || w2 + w == letters) continue;
                double balance = 1.0 - std::abs(static_cast<double>(w.size()) - w2.size()) / letters.size();
                consider(w + " " + w2, std::min(f, 20) / 20.0 + std::min(f2, 20) / 20.0 + balance);
            }
        }
        return best;
    }
};

}  // namespace

int main(int argc, char **argv) {
    if (argc != 6 && argc != 7) {
        std::cerr << "usage: quorel-draft <lexicon.tsv> <PUZZLES.txt> <blocklist> <fill-dir> <out-dir> [seed]\n";
        return 2;
    }
    auto lex = loadLexicon(argv[1]);
    auto names = loadCatalogue(argv[2]);
    loadBlocklist(argv[3]);
    std::string fillDir = argv[4], outDir = argv[5];
    uint64_t seed = argc == 7 ? std::stoull(argv[6]) : 1;
    std::filesystem::create_directories(outDir);

    std::unordered_map<std::string, const Entry *> byAnswer;
    Anagrams anagrams;
    for (const auto &e : lex) {
        byAnswer[e.answer] = &e;
        if (e.answer.find(' ') == std::string::npos && e.level <= 20 && e.freq >= 2 && e.letters.size() >= 3)
            anagrams.add(lower(e.letters), e.freq);
    }
    for (const char *w : {"a", "an", "the", "in", "on", "at", "to", "of", "is", "it", "me", "my", "we", "us",
                          "he", "she", "so", "no", "do", "go", "up", "or", "as", "by", "if", "be", "her", "his"})
        anagrams.add(w, 20);

    int files = 0;
    for (size_t m = 0; m < names.size(); ++m) {
        const std::string &name = names[m];
        std::string outPath = outDir + "/" + name + ".tsv";
        bool reviewed = false;
        for (const auto &l : readLines(outPath))
            if (l.rfind("status\treviewed", 0) == 0) reviewed = true;
        if (reviewed) continue;
        Rng rng(seed * 1000003ull + m + 1);  // per puzzle, so one redraft leaves the others alone
        auto lines = readLines(fillDir + "/" + name + ".fill");
        if (lines.size() < N) {
            std::cerr << name << ": no fill\n";
            return 1;
        }
        std::vector<std::pair<std::string, std::string>> answers;  // label, answer
        for (size_t i = N; i < lines.size(); ++i) {
            auto f = split(lines[i], '\t');
            if (f.size() == 2) answers.push_back({f[0], f[1]});
        }
        std::vector<std::string> clues(answers.size());
        std::vector<std::string> kind(answers.size(), "def");
        // candidate fill-ins and anagrams, spread over the puzzle
        std::vector<std::pair<size_t, std::string>> fillIns, anas;
        for (size_t i = 0; i < answers.size(); ++i) {
            auto it = byAnswer.find(answers[i].second);
            if (it == byAnswer.end()) continue;
            std::string f = fillInClue(*it->second);
            if (!f.empty()) fillIns.push_back({i, f});
            size_t len = it->second->letters.size();
            if (len >= 5 && len <= 9 && answers[i].second.find(' ') == std::string::npos) {
                std::string a = anagrams.find(answers[i].second, rng);
                if (!a.empty()) anas.push_back({i, "(anagram) " + capitalise(a)});
            }
        }
        for (size_t k = 0; k < fillIns.size() && k < 3; ++k) {
            size_t pick = rng.below(static_cast<uint32_t>(fillIns.size()));
            std::swap(fillIns[k], fillIns[pick]);
        }
        int nFill = 0, nAna = 0;
        for (const auto &[i, c] : fillIns) {
            if (nFill >= 3) break;
            clues[i] = c;
            kind[i] = "fill";
            ++nFill;
        }
        for (const auto &[i, c] : anas) {
            if (nAna >= 2) break;
            if (!clues[i].empty()) continue;
            clues[i] = c;
            kind[i] = "anagram";
            ++nAna;
        }
        std::string out = "# " + name + "  menu number " + std::to_string(m + 1) +
                          "\n# grid rows use # for black squares; clue lines are label TAB answer TAB clue\n";
        out += "status\tdraft\n";
        for (int r = 0; r < N; ++r) out += "grid\t" + lines[r] + "\n";
        for (size_t i = 0; i < answers.size(); ++i) {
            if (clues[i].empty()) {
                auto it = byAnswer.find(answers[i].second);
                clues[i] = it == byAnswer.end() ? "TODO " + answers[i].second : definitionClue(*it->second);
            }
            out += answers[i].first + "\t" + answers[i].second + "\t" + clues[i] + "\n";
        }
        writeFile(outPath, out);
        ++files;
    }
    std::cerr << "drafted " << files << " clue files\n";
    return 0;
}
