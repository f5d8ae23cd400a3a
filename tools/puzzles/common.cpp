#include "common.hpp"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>

namespace qp {

std::vector<std::string> split(std::string_view s, char sep) {
    std::vector<std::string> out;
    size_t start = 0;
    for (;;) {
        size_t p = s.find(sep, start);
        if (p == std::string_view::npos) {
            out.emplace_back(s.substr(start));
            return out;
        }
        out.emplace_back(s.substr(start, p - start));
        start = p + 1;
    }
}

std::string trim(std::string_view s) {
    size_t a = 0, b = s.size();
    while (a < b && std::isspace(static_cast<unsigned char>(s[a]))) ++a;
    while (b > a && std::isspace(static_cast<unsigned char>(s[b - 1]))) --b;
    return std::string(s.substr(a, b - a));
}

std::string upper(std::string_view s) {
    std::string r(s);
    for (char &c : r) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return r;
}

std::string lower(std::string_view s) {
    std::string r(s);
    for (char &c : r) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return r;
}

std::vector<std::string> readLines(const std::string &path) {
    std::vector<std::string> lines;
    std::ifstream in(path, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

bool writeFile(const std::string &path, const std::string &bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

bool utf8ToCp1252(std::string_view in, std::string &out) {
    // The code points 0x80-0x9F of Windows-1252 hold typographic characters.
    static const char32_t high[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
    out.clear();
    for (size_t i = 0; i < in.size();) {
        unsigned char c = static_cast<unsigned char>(in[i]);
        char32_t cp;
        int extra;
        if (c < 0x80) { cp = c; extra = 0; }
        else if ((c & 0xE0) == 0xC0) { cp = c & 0x1F; extra = 1; }
        else if ((c & 0xF0) == 0xE0) { cp = c & 0x0F; extra = 2; }
        else if ((c & 0xF8) == 0xF0) { cp = c & 0x07; extra = 3; }
        else return false;
        for (int k = 1; k <= extra; ++k) {
            if (i + k >= in.size()) return false;
            unsigned char d = static_cast<unsigned char>(in[i + k]);
            if ((d & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (d & 0x3F);
        }
        i += 1 + extra;
        if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
            out.push_back(static_cast<char>(cp));
            continue;
        }
        bool found = false;
        for (int k = 0; k < 32; ++k)
            if (high[k] && high[k] == cp) {
                out.push_back(static_cast<char>(0x80 + k));
                found = true;
                break;
            }
        if (!found) return false;
    }
    return true;
}

std::vector<std::string> wordsOf(std::string_view text) {
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

// ---- stems ----

static bool endsWith(const std::string &s, std::string_view suf) {
    return s.size() >= suf.size() && s.compare(s.size() - suf.size(), suf.size(), suf) == 0;
}

std::string stem(std::string_view word) {
    std::string w = lower(word);
    // longest suffixes first; each maps to a replacement
    static const std::pair<std::string_view, std::string_view> rules[] = {
        {"isations", "is"}, {"izations", "iz"}, {"isation", "is"}, {"ization", "iz"},
        {"fulness", ""},  {"ousness", ""},   {"iveness", ""},  {"ational", "at"},
        {"ations", "at"}, {"nesses", ""},    {"ments", ""},    {"ities", ""},
        {"ation", "at"},  {"ingly", ""},     {"ively", ""},    {"fully", ""},
        {"lessly", ""},   {"tions", "t"},    {"sions", "s"},   {"ness", ""},
        {"ment", ""},     {"tion", "t"},     {"sion", "s"},    {"ings", ""},
        {"able", ""},     {"ible", ""},      {"less", ""},     {"ists", ""},
        {"isms", ""},     {"ally", ""},      {"ying", "i"},    {"ity", ""},
        {"ing", ""},      {"ies", "i"},      {"ied", "i"},     {"ily", "i"},
        {"ers", ""},      {"ful", ""},       {"ive", ""},      {"ous", ""},
        {"ism", ""},      {"ist", ""},       {"ise", ""},      {"ize", ""},
        {"est", ""},      {"ed", ""},        {"er", ""},       {"ly", ""},
        {"al", ""},       {"es", ""},        {"s", ""},
    };
    for (const auto &[suf, rep] : rules) {
        if (endsWith(w, suf) && w.size() - suf.size() + rep.size() >= 3) {
            if (suf == "s" && (endsWith(w, "ss") || endsWith(w, "us") || endsWith(w, "is"))) continue;
            w = w.substr(0, w.size() - suf.size()) + std::string(rep);
            break;
        }
    }
    // undouble a final consonant pair ("runn" -> "run")
    if (w.size() >= 4) {
        char a = w[w.size() - 1], b = w[w.size() - 2];
        if (a == b && std::string_view("aeiouylsz").find(a) == std::string_view::npos) w.pop_back();
    }
    if (w.size() >= 4 && w.back() == 'e') w.pop_back();
    if (w.size() >= 3 && w.back() == 'y') w.back() = 'i';
    return w;
}

bool isStopWord(std::string_view w) {
    static const std::string_view stops[] = {"the", "and", "for", "with", "from", "off", "out", "into",
                                             "one", "not", "all", "its", "but", "are", "was", "has"};
    if (w.size() < 3) return true;
    for (auto s : stops)
        if (w == s) return true;
    return false;
}

// b is a plus an ending ("use"/"user", "art"/"arts", "hope"/"hoping")
static bool inflectionOf(const std::string &a, const std::string &b) {
    static const std::string_view endings[] = {"s", "es", "r", "er", "ers", "d", "ed", "ing", "ings", "ly",
                                               "y", "ful", "ness", "less", "ment", "al", "ist", "ism", "able",
                                               "en", "est", "ish"};
    std::string base = a;
    for (int pass = 0; pass < 2; ++pass) {
        for (auto e : endings)
            if (b.size() == base.size() + e.size() && b.compare(0, base.size(), base) == 0 &&
                b.compare(base.size(), e.size(), e) == 0)
                return true;
        if (base.size() > 3 && base.back() == 'e') base.pop_back();
        else break;
    }
    return false;
}

// b is a with a prefix ("new"/"renew", "able"/"unable")
static bool prefixedForm(const std::string &a, const std::string &b) {
    static const std::string_view prefixes[] = {"re", "un", "dis", "in", "im", "pre", "mis", "over",
                                                "under", "out", "non", "de", "sub", "super", "inter"};
    if (a.size() < 3) return false;
    for (auto p : prefixes)
        if (b.size() == a.size() + p.size() && b.compare(0, p.size(), p) == 0 && b.compare(p.size(), a.size(), a) == 0)
            return true;
    return false;
}

// Word families whose stems differ in spelling ("strong"/"strength").
static bool sameFamily(const std::string &a, const std::string &b) {
    static const char *families[][4] = {
        {"strong", "strength", "strengthen", nullptr}, {"long", "length", "lengthen", "lengthy"},
        {"wide", "width", "widen", nullptr},           {"deep", "depth", "deepen", nullptr},
        {"high", "height", "heighten", nullptr},       {"broad", "breadth", "broaden", nullptr},
        {"die", "death", "dead", "deadly"},            {"true", "truth", "truly", nullptr},
        {"young", "youth", "youthful", nullptr},       {"hot", "heat", nullptr, nullptr},
        {"speak", "speech", "spoke", "spoken"},        {"choose", "choice", "chose", "chosen"},
        {"lose", "loss", "lost", nullptr},             {"sell", "sale", "sold", nullptr},
        {"think", "thought", nullptr, nullptr},        {"buy", "bought", nullptr, nullptr},
        {"bring", "brought", nullptr, nullptr},        {"teach", "taught", nullptr, nullptr},
        {"give", "gift", nullptr, nullptr},            {"see", "sight", "seen", nullptr},
        {"grow", "growth", "grown", nullptr},          {"fly", "flight", nullptr, nullptr},
        {"weigh", "weight", nullptr, nullptr},         {"proud", "pride", nullptr, nullptr},
        {"wise", "wisdom", nullptr, nullptr},          {"heal", "health", "healthy", nullptr},
        {"feed", "food", "fed", nullptr},              {"bleed", "blood", "bloody", nullptr},
        {"full", "fill", nullptr, nullptr},            {"hear", "heard", nullptr, nullptr},
        {"mouse", "mice", nullptr, nullptr},           {"man", "men", nullptr, nullptr},
        {"woman", "women", nullptr, nullptr},          {"child", "children", nullptr, nullptr},
        {"able", "ability", nullptr, nullptr},         {"poor", "poverty", nullptr, nullptr},
        {"able", "ability", nullptr, nullptr},         {"clear", "clarity", nullptr, nullptr},
        {"number", "numerous", "numeral", "numerical"},
    };
    for (const auto &f : families) {
        bool ha = false, hb = false;
        for (const char *w : f)
            if (w) { ha = ha || a == w; hb = hb || b == w; }
        if (ha && hb) return true;
    }
    return false;
}

bool shareStem(std::string_view a, std::string_view b) {
    std::string la = lower(a), lb = lower(b);
    if (la == lb) return true;
    if (sameFamily(la, lb) || prefixedForm(la, lb) || prefixedForm(lb, la)) return true;
    if (inflectionOf(la, lb) || inflectionOf(lb, la)) return true;
    std::string sa = stem(la), sb = stem(lb);
    if (sa == sb) return true;
    // a whole word of four letters or more opening the other ("news"/"newspaper")
    if (la.size() >= 4 && lb.compare(0, la.size(), la) == 0) return true;
    if (lb.size() >= 4 && la.compare(0, lb.size(), lb) == 0) return true;
    if (sa.size() >= 4 && lb.compare(0, sa.size(), sa) == 0) return true;
    if (sb.size() >= 4 && la.compare(0, sb.size(), sb) == 0) return true;
    return false;
}

bool answersShareStem(std::string_view a, std::string_view b) {
    for (const auto &x : wordsOf(a)) {
        if (isStopWord(x)) continue;
        for (const auto &y : wordsOf(b)) {
            if (isStopWord(y)) continue;
            if (shareStem(x, y)) return true;
        }
    }
    return false;
}

bool clueLeaksAnswer(std::string_view clue, std::string_view answer) {
    auto cw = wordsOf(clue);
    std::string joined;
    for (const auto &w : wordsOf(answer)) joined += w;
    for (const auto &c : cw)
        if (c == joined) return true;
    for (const auto &a : wordsOf(answer)) {
        if (isStopWord(a)) continue;
        for (const auto &c : cw) {
            if (isStopWord(c)) continue;
            if (shareStem(a, c)) return true;
        }
    }
    return false;
}

// ---- grids ----

static bool white(const Grid &g, int r, int c) {
    return r >= 0 && r < N && c >= 0 && c < N && g[r][c] != ' ';
}

std::vector<Slot> findSlots(const Grid &g) {
    std::vector<Slot> across, down;
    int number = 0;
    for (int r = 0; r < N; ++r)
        for (int c = 0; c < N; ++c) {
            if (!white(g, r, c)) continue;
            bool a = !white(g, r, c - 1) && white(g, r, c + 1);
            bool d = !white(g, r - 1, c) && white(g, r + 1, c);
            if (!a && !d) continue;
            ++number;
            if (a) {
                Slot s{r, c, 0, true, number};
                while (white(g, r, c + s.len)) ++s.len;
                across.push_back(s);
            }
            if (d) {
                Slot s{r, c, 0, false, number};
                while (white(g, r + s.len, c)) ++s.len;
                down.push_back(s);
            }
        }
    across.insert(across.end(), down.begin(), down.end());
    return across;
}

namespace {
struct Runs {
    int h[N][N]{}, v[N][N]{};
};
Runs runs(const Grid &g) {
    Runs R;
    for (int r = 0; r < N; ++r)
        for (int c = 0; c < N; ++c) {
            if (!white(g, r, c)) continue;
            int a = c, b = c;
            while (white(g, r, a - 1)) --a;
            while (white(g, r, b + 1)) ++b;
            R.h[r][c] = b - a + 1;
            a = r, b = r;
            while (white(g, a - 1, c)) --a;
            while (white(g, b + 1, c)) ++b;
            R.v[r][c] = b - a + 1;
        }
    return R;
}
int whiteComponents(const Grid &g) {
    bool seen[N][N]{};
    int comps = 0;
    for (int r = 0; r < N; ++r)
        for (int c = 0; c < N; ++c) {
            if (!white(g, r, c) || seen[r][c]) continue;
            ++comps;
            std::vector<std::pair<int, int>> stack{{r, c}};
            seen[r][c] = true;
            while (!stack.empty()) {
                auto [y, x] = stack.back();
                stack.pop_back();
                const int dy[4] = {1, -1, 0, 0}, dx[4] = {0, 0, 1, -1};
                for (int k = 0; k < 4; ++k) {
                    int ny = y + dy[k], nx = x + dx[k];
                    if (white(g, ny, nx) && !seen[ny][nx]) {
                        seen[ny][nx] = true;
                        stack.push_back({ny, nx});
                    }
                }
            }
        }
    return comps;
}
}  // namespace

std::string checkPattern(const Grid &g) {
    for (int r = 0; r < N; ++r)
        for (int c = 0; c < N; ++c) {
            if (r % 2 == 1 && c % 2 == 1 && white(g, r, c)) return "lattice square is white";
            if (white(g, r, c) != white(g, N - 1 - r, N - 1 - c)) return "not symmetric";
        }
    Runs R = runs(g);
    for (int r = 0; r < N; ++r)
        for (int c = 0; c < N; ++c) {
            if (!white(g, r, c)) continue;
            if (R.h[r][c] == 2 || R.v[r][c] == 2) return "run of two squares";
            if (R.h[r][c] == 1 && R.v[r][c] == 1) return "isolated square";
        }
    if (whiteComponents(g) != 1) return "white squares not connected";
    auto slots = findSlots(g);
    int threes = 0, longs = 0;
    for (const auto &s : slots) {
        int checked = 0, run = 0;
        for (int i = 0; i < s.len; ++i) {
            int r, c;
            s.cell(i, r, c);
            bool chk = R.h[r][c] >= 3 && R.v[r][c] >= 3;
            checked += chk;
            run = chk ? 0 : run + 1;
            if (run >= 2) return "two unchecked letters in a row";
        }
        if (2 * checked < s.len - 1) return "too few checked letters";
        threes += s.len == 3;
        longs += s.len >= 12;
    }
    if (slots.size() < 20 || slots.size() > 32) return "slot count out of range";
    if (threes > 8) return "too many three-letter slots";
    if (longs > 4) return "too many long slots";
    return {};
}

int patternCost(const Grid &g, int maxLong, int minSlots, int maxSlots) {
    int cost = 0;
    Runs R = runs(g);
    int blacks = 0;
    for (int r = 0; r < N; ++r)
        for (int c = 0; c < N; ++c) {
            if (!white(g, r, c)) { ++blacks; continue; }
            cost += (R.h[r][c] == 2) + (R.v[r][c] == 2);
            cost += (R.h[r][c] == 1 && R.v[r][c] == 1) * 2;
        }
    cost += 2 * (whiteComponents(g) - 1);
    auto slots = findSlots(g);
    int threes = 0, longs = 0;
    for (const auto &s : slots) {
        int checked = 0, run = 0;
        for (int i = 0; i < s.len; ++i) {
            int r, c;
            s.cell(i, r, c);
            bool chk = R.h[r][c] >= 3 && R.v[r][c] >= 3;
            checked += chk;
            run = chk ? 0 : run + 1;
            if (run >= 2) ++cost;
        }
        if (2 * checked < s.len - 1) ++cost;
        threes += s.len == 3;
        longs += s.len >= 12;
    }
    int n = static_cast<int>(slots.size());
    if (n < minSlots) cost += minSlots - n;
    if (n > maxSlots) cost += n - maxSlots;
    if (threes > 6) cost += threes - 6;
    if (longs > maxLong) cost += longs - maxLong;
    if (blacks > 60) cost += (blacks - 60);
    // long bars of black squares look ragged; keep runs to three at most
    for (int r = 0; r < N; ++r) {
        int hr = 0, vr = 0;
        for (int c = 0; c < N; ++c) {
            hr = white(g, r, c) ? 0 : hr + 1;
            vr = white(g, c, r) ? 0 : vr + 1;
            cost += (hr == 4) + (vr == 4);
        }
    }
    return cost;
}

// ---- lexicon ----

static std::string joinBar(const std::vector<std::string> &v) {
    std::string s;
    for (size_t i = 0; i < v.size(); ++i) {
        if (i) s += '|';
        s += v[i];
    }
    return s;
}

std::string entryLine(const Entry &e) {
    std::ostringstream o;
    o << e.answer << '\t' << e.level << '\t' << e.freq << '\t' << e.senses << '\t' << joinBar(e.glosses)
      << '\t' << joinBar(e.examples) << '\t' << joinBar(e.synonyms);
    return o.str();
}

std::vector<Entry> loadLexicon(const std::string &path) {
    std::vector<Entry> out;
    for (const auto &line : readLines(path)) {
        if (line.empty() || line[0] == '#') continue;
        auto f = split(line, '\t');
        if (f.size() < 7) continue;
        Entry e;
        e.answer = f[0];
        for (char c : e.answer)
            if (c != ' ') e.letters.push_back(c);
        e.level = std::stoi(f[1]);
        e.freq = std::stoi(f[2]);
        e.senses = std::stoi(f[3]);
        auto nonEmpty = [](const std::string &s) {
            std::vector<std::string> v;
            for (auto &x : split(s, '|'))
                if (!x.empty()) v.push_back(x);
            return v;
        };
        e.glosses = nonEmpty(f[4]);
        e.examples = nonEmpty(f[5]);
        e.synonyms = nonEmpty(f[6]);
        out.push_back(std::move(e));
    }
    return out;
}

std::map<std::string, int> scowlBritishLevels(const std::string &scowlDir) {
    std::map<std::string, int> level;
    for (int lv : {10, 20, 35, 40, 50})
        for (const char *kind : {"english-words", "british-words"})
            for (const auto &w : readLines(scowlDir + "/" + kind + "." + std::to_string(lv))) {
                bool ok = !w.empty();
                for (char c : w) ok = ok && c >= 'a' && c <= 'z';
                if (ok) level.emplace(w, lv);  // keeps the first, lowest level
            }
    return level;
}

std::vector<std::string> loadCatalogue(const std::string &path) {
    std::vector<std::string> names;
    for (auto line : readLines(path)) {
        line = trim(line);
        if (line.empty() || line[0] == '\'' || line[0] == '\0') continue;
        auto dot = line.find('.');
        if (dot != std::string::npos) line = line.substr(0, dot);
        if (line.rfind("PUZ", 0) == 0) names.push_back(line);
    }
    return names;
}

}  // namespace qp
