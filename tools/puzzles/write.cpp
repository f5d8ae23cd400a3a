// Turns the reviewed clue files into the shipped puzzle resources, byte for
// byte: Windows-1252 text, CR LF line ends, the fixed header line, 13 grid
// rows, a row of '=', the clue lines (across then down, by number) and a
// closing Ctrl-Z.  Every puzzle is checked against the house rules and the
// listening rules first; nothing is written while any clue file has a fault.
//
// usage: quorel-write <clue-dir> <PUZZLES.txt> <list-dir> <scowl-dir> <resource-text-dir> [--check]
//   <list-dir> holds blocklist.txt, phrases.txt and the listening lists (listening.hpp)

#include <algorithm>
#include <cctype>
#include <iostream>
#include <map>
#include <set>
#include <unordered_map>
#include <unordered_set>

#include "common.hpp"
#include "listening.hpp"

using namespace qp;

namespace {

struct Clue {
    bool across;
    int number;
    std::string label, answer, text;
};

struct Puzzle {
    std::string name, status;
    Grid grid{};
    std::vector<Clue> clues;
};

std::unordered_set<std::string> gBlocked;

bool parse(const std::string &path, Puzzle &p, std::vector<std::string> &errors) {
    auto lines = readLines(path);
    if (lines.empty()) {
        errors.push_back(path + ": missing or empty");
        return false;
    }
    int rows = 0;
    for (const auto &line : lines) {
        if (line.empty() || line[0] == '#') continue;
        auto f = split(line, '\t');
        if (f[0] == "status" && f.size() == 2) {
            p.status = f[1];
        } else if (f[0] == "grid" && f.size() == 2) {
            if (rows >= N || f[1].size() != N) {
                errors.push_back(p.name + ": bad grid row '" + f[1] + "'");
                return false;
            }
            for (int c = 0; c < N; ++c) p.grid[rows][c] = f[1][c] == '#' ? ' ' : f[1][c];
            ++rows;
        } else if (f.size() == 3 && (f[0][0] == 'A' || f[0][0] == 'D')) {
            Clue c;
            c.across = f[0][0] == 'A';
            c.label = f[0];
            c.number = std::atoi(f[0].c_str() + 1);
            c.answer = f[1];
            c.text = f[2];
            p.clues.push_back(c);
        } else {
            errors.push_back(p.name + ": unreadable line '" + line + "'");
        }
    }
    if (rows != N) errors.push_back(p.name + ": needs 13 grid rows");
    return rows == N;
}

void check(Puzzle &p, ListeningCheck &listening, std::vector<std::string> &errors) {
    auto err = [&](const std::string &what) { errors.push_back(p.name + ": " + what); };
    for (int r = 0; r < N; ++r)
        for (int c = 0; c < N; ++c) {
            char ch = p.grid[r][c];
            if (ch != ' ' && (ch < 'A' || ch > 'Z')) err("grid square is not a letter or black");
        }
    if (auto why = checkPattern(p.grid); !why.empty()) err("pattern: " + why);
    std::sort(p.clues.begin(), p.clues.end(), [](const Clue &a, const Clue &b) {
        if (a.across != b.across) return a.across;
        return a.number < b.number;
    });
    auto slots = findSlots(p.grid);
    if (slots.size() != p.clues.size())
        err("grid has " + std::to_string(slots.size()) + " slots but " + std::to_string(p.clues.size()) + " clues");
    std::map<std::string, Slot> byLabel;
    for (const auto &s : slots) byLabel[(s.across ? "A" : "D") + std::to_string(s.number)] = s;
    for (size_t i = 0; i < p.clues.size(); ++i) {
        const Clue &c = p.clues[i];
        auto where = [&](const std::string &what) { err(c.label + " " + c.answer + ": " + what); };
        auto it = byLabel.find(c.label);
        if (it == byLabel.end() || c.label != (c.across ? "A" : "D") + std::to_string(c.number)) {
            where("no such slot in the grid");
            continue;
        }
        std::string letters, squares;
        for (char ch : c.answer)
            if (ch != ' ') letters.push_back(ch);
        for (int k = 0; k < it->second.len; ++k) {
            int r, col;
            it->second.cell(k, r, col);
            squares.push_back(p.grid[r][col]);
        }
        if (letters != squares) where("answer differs from the grid squares " + squares);
        auto words = split(c.answer, ' ');
        bool syntax = words.size() <= 4;
        for (const auto &w : words) {
            syntax = syntax && !w.empty();
            for (char ch : w) syntax = syntax && ch >= 'A' && ch <= 'Z';
        }
        if (!syntax) where("answer must be A-Z words separated by single spaces, at most four");
        std::string text;
        if (!utf8ToCp1252(c.text, text)) where("clue has characters outside Windows-1252");
        if (text.size() < 10 || text.size() > 68) where("clue length " + std::to_string(text.size()) + " not 10-68");
        for (unsigned char ch : text)
            if (ch < 32 || ch == 127 || ch == 0x81 || ch == 0x8D || ch == 0x8F || ch == 0x90 || ch == 0x9D)
                where("clue has an unprintable character");
        if (text.find("TODO") != std::string::npos) where("clue not written yet");
        for (const auto &w : wordsOf(c.text + " " + c.answer))
            if (gBlocked.count(w)) where("blocklisted word '" + w + "'");
        std::string rest = c.text;
        size_t blanks = 0;
        for (size_t pos = rest.find("___"); pos != std::string::npos; pos = rest.find("___", pos + 3)) ++blanks;
        if (c.text.find("___") != std::string::npos && (blanks != 1 || c.text.find("____") != std::string::npos))
            where("a fill-in clue needs exactly one ___");
        for (size_t j = 0; j < i; ++j)
            if (answersShareStem(p.clues[j].answer, c.answer))
                where("shares a stem with " + p.clues[j].label + " " + p.clues[j].answer);
    }
    std::vector<ClueLine> lines;
    for (const auto &c : p.clues) lines.push_back({c.label, c.answer, c.text});
    for (const auto &fault : listening.puzzleFaults(p.name, lines)) err(fault);
    if (p.clues.size() < 20 || p.clues.size() > 32) err("needs 20-32 clues");
}

std::string render(const Puzzle &p) {
    std::string out;
    out += '\xAE';
    out += "KV8,28";
    out += '\xAF';
    out += "\r\n";
    for (int r = 0; r < N; ++r) {
        out.append(p.grid[r].begin(), p.grid[r].end());
        out += "\r\n";
    }
    out += std::string(N, '=') + "\r\n";
    for (const auto &c : p.clues) {
        std::string text;
        utf8ToCp1252(c.text, text);
        out += c.label + "\t" + c.answer + "\t" + text + "\r\n";
    }
    out += '\x1A';
    return out;
}

}  // namespace

int main(int argc, char **argv) {
    if (argc != 6 && argc != 7) {
        std::cerr << "usage: quorel-write <clue-dir> <PUZZLES.txt> <list-dir> <scowl-dir> <resource-text-dir> [--check]\n";
        return 2;
    }
    bool checkOnly = argc == 7 && std::string(argv[6]) == "--check";
    auto names = loadCatalogue(argv[2]);
    const std::string listDir = argv[3];
    ListeningCheck listening(loadListeningLists(listDir, argv[4]));
    for (const auto &l : readLines(listDir + "/blocklist.txt")) {
        std::string w = lower(trim(l));
        if (!w.empty() && w[0] != '#') gBlocked.insert(w);
    }
    std::vector<std::string> errors;
    std::vector<Puzzle> puzzles;
    std::unordered_map<std::string, std::string> seen;  // answer letters -> puzzle
    int reviewed = 0;
    for (const auto &name : names) {
        Puzzle p;
        p.name = name;
        if (!parse(std::string(argv[1]) + "/" + name + ".tsv", p, errors)) continue;
        check(p, listening, errors);
        for (const auto &c : p.clues) {
            std::string letters;
            for (char ch : c.answer)
                if (ch != ' ') letters.push_back(ch);
            auto [it, fresh] = seen.insert({letters, name});
            if (!fresh) errors.push_back(name + ": " + c.label + " " + c.answer + " already used in " + it->second);
        }
        reviewed += p.status == "reviewed";
        puzzles.push_back(std::move(p));
    }
    for (const auto &e : listening.finalFaults()) errors.push_back(e);
    for (const auto &e : errors) std::cerr << e << "\n";
    if (!errors.empty()) {
        std::cerr << errors.size() << " fault(s); nothing written\n";
        return 1;
    }
    if (!checkOnly)
        for (const auto &p : puzzles)
            if (!writeFile(std::string(argv[5]) + "/" + p.name + ".txt", render(p))) {
                std::cerr << "cannot write " << p.name << "\n";
                return 1;
            }
    std::cerr << puzzles.size() << " puzzles " << (checkOnly ? "checked" : "written") << ", " << reviewed
              << " marked reviewed\n";
    return 0;
}
