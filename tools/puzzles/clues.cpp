#include "clues.hpp"

#include <algorithm>
#include <cctype>

namespace qp {

std::unordered_set<std::string> &blocked() {
    static std::unordered_set<std::string> words;
    return words;
}

void loadBlocklist(const std::string &path) {
    for (const auto &l : readLines(path)) {
        std::string w = lower(trim(l));
        if (!w.empty() && w[0] != '#') blocked().insert(w);
    }
}

bool clean(const std::string &text) {
    for (const auto &w : wordsOf(text))
        if (blocked().count(w)) return false;
    for (char c : text)
        if (c == '\t' || c == '|' || static_cast<unsigned char>(c) < 32 || static_cast<unsigned char>(c) > 126)
            return false;
    return true;
}

std::string capitalise(std::string s) {
    if (!s.empty()) s[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(s[0])));
    return s;
}

std::string stripParens(const std::string &s) {
    std::string out;
    int depth = 0;
    for (char c : s) {
        if (c == '(') ++depth;
        else if (c == ')') depth = std::max(0, depth - 1);
        else if (!depth) out.push_back(c);
    }
    // tidy doubled spaces and spaces before punctuation
    std::string t;
    for (char c : out) {
        if (c == ' ' && (t.empty() || t.back() == ' ')) continue;
        if ((c == ',' || c == ';') && !t.empty() && t.back() == ' ') t.pop_back();
        t.push_back(c);
    }
    return trim(t);
}

// Shortens a definition to at most 68 characters at a natural break.
std::string fitDefinition(std::string def) {
    def = stripParens(def);
    auto semi = def.find("; ");
    if (semi != std::string::npos && semi >= 10) def = def.substr(0, semi);
    if (def.size() <= 68) return def;
    static const char *breaks[] = {", ", " or ", " and ", " that ", " which ", " especially ", " as "};
    size_t best = 0;
    for (const char *b : breaks) {
        size_t p = def.rfind(b, 68);
        if (p != std::string::npos && p > best && p >= 12) best = p;
    }
    if (best) return trim(def.substr(0, best));
    return {};
}

std::string definitionClue(const Entry &e) {
    for (const auto &g : e.glosses) {
        std::string d = capitalise(fitDefinition(g));
        if (d.size() >= 10 && d.size() <= 68 && !clueLeaksAnswer(d, e.answer) && clean(d)) return d;
    }
    // a short gloss joined with a synonym
    for (const auto &g : e.glosses) {
        std::string d = capitalise(stripParens(g));
        for (const auto &s : e.synonyms) {
            std::string t = d + "; " + s;
            if (t.size() >= 10 && t.size() <= 68 && !clueLeaksAnswer(t, e.answer) && clean(t)) return t;
        }
    }
    std::string syn;
    for (const auto &s : e.synonyms) {
        if (clueLeaksAnswer(s, e.answer) || !clean(s)) continue;
        std::string t = syn.empty() ? capitalise(s) : syn + " or " + s;
        if (t.size() > 68) break;
        syn = t;
    }
    if (syn.size() >= 10) return syn;
    return "TODO define " + e.answer;
}

}  // namespace qp
