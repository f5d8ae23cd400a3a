// Builds the answer lexicon from WordNet 3.0 and SCOWL (levels 10-50).
//
// Every WordNet lemma (collocations included, underscores becoming spaces) is
// kept when all of its words are in SCOWL at level 50 or below in British
// spelling, none of its senses is offensive, its commonest sense is not
// specific to the United States, and at least one sense has a usable gloss.
// Output: one line per answer (see qp::entryLine), most useful data first.
//
// usage: quorel-lexicon <wordnet-dir> <scowl-dir> <blocklist> <out.tsv>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <iostream>
#include <map>
#include <set>
#include <unordered_map>
#include <unordered_set>

#include "common.hpp"

using namespace qp;

namespace {

struct Synset {
    std::vector<std::string> words;  // as written (case kept)
    std::string gloss;
    std::set<std::string> usage;     // usage-domain synset offsets
    std::set<std::string> region;    // region-domain synset offsets
};

struct Sense {
    char pos;
    std::string offset;
    int number;
    int tags;
};

// usage domains that make a word unfit to ship at all
const std::set<std::string> kOffensiveUsage = {"07124340" /* obscenity */, "06718862" /* ethnic slur */,
                                               "06717170" /* disparagement */};
// usage domains whose senses are not used for clues
const std::set<std::string> kSkipUsage = {"07157273" /* slang */, "06845599" /* trade name */,
                                          "06851742" /* trademark */, "07073447" /* archaism */,
                                          "07075172" /* colloquialism */};
const std::string kRegionUS = "09044862";
// everyday American words whose British equivalents differ (WordNet rarely flags them)
const std::set<std::string> kAmericanWords = {
    "eggplant", "sneaker", "sidewalk", "faucet", "diaper", "zucchini", "cilantro", "gasoline",
    "mailman", "homey", "upchuck", "restroom", "washroom", "checkbook", "realtor", "candy",
    "freeway", "jello", "popsicle", "parking lot", "garbage can", "trash can",
    "flashlight", "math", "pacifier", "stroller", "windshield", "bayou", "janitor",
    "zip code", "drugstore", "dumpster", "schmuck",
    "hibachi", "gotten", "railroad", "sophomore", "freshman", "kindergarten"};

const char *kOffensiveWords[] = {"offensive", "vulgar", "slur", "obscene", "derogatory", "disparaging",
                                 "contemptuous", "insulting", "abusive", "pejorative", "profane",
                                 "genitals", "genitalia", "sexual intercourse", "copulate", "penis",
                                 "vagina", "testicle", "buttocks", "feces", "urinate", "defecate",
                                 "prostitute", "whore", "homosexual", "racist", "ethnic"};
// senses about sex are kept out of the clues (the word itself may stay)
const char *kAdultWords[] = {"sexual", "sexually", "sex", "erotic", "lover", "mistress", "flirt",
                             "drunk", "intoxicat", "kill", "die", "death", "dead", "corpse", "weapon"};
const char *kUSWords[] = {"united states", "u.s.", " us ", "american", "america", "federal",
                          "state of the", "congress", "dollar", "baseball", "football team",
                          "native american", "confederate", "civil war", "cent coin", "baseball", "inning",
                          "softball", "basketball", "touchdown", "quarterback", "pitcher", "batter",
                          "national league", "high school", "college course"};

bool containsWord(const std::string &text, const std::string &w) {
    std::string t = " " + lower(text) + " ";
    for (char &c : t)
        if (!std::isalpha(static_cast<unsigned char>(c)) && c != '.' && c != ' ') c = ' ';
    return t.find(w) != std::string::npos;
}

std::map<std::pair<char, std::string>, Synset> loadSynsets(const std::string &dir) {
    std::map<std::pair<char, std::string>, Synset> out;
    const std::pair<const char *, char> files[] = {{"data.noun", 'n'}, {"data.verb", 'v'},
                                                   {"data.adj", 'a'}, {"data.adv", 'r'}};
    for (auto [file, pos] : files) {
        for (const auto &line : readLines(dir + "/" + file)) {
            if (line.empty() || line[0] == ' ') continue;
            auto bar = line.find(" | ");
            std::string head = line.substr(0, bar);
            auto f = split(head, ' ');
            Synset s;
            s.gloss = bar == std::string::npos ? "" : trim(line.substr(bar + 3));
            int wcnt = std::stoi(f[3], nullptr, 16);
            size_t i = 4;
            for (int k = 0; k < wcnt; ++k, i += 2) {
                std::string w = f[i];
                auto paren = w.find('(');  // adjective markers like "(a)"
                if (paren != std::string::npos) w = w.substr(0, paren);
                s.words.push_back(w);
            }
            int pcnt = std::stoi(f[i++]);
            for (int k = 0; k < pcnt; ++k, i += 4) {
                if (f[i] == ";u") s.usage.insert(f[i + 1]);
                if (f[i] == ";r") s.region.insert(f[i + 1]);
            }
            out[{pos, f[0]}] = std::move(s);
        }
    }
    return out;
}

// definition part and quoted examples of a gloss
void splitGloss(const std::string &gloss, std::string &def, std::vector<std::string> &examples) {
    def.clear();
    size_t q = gloss.find('"');
    def = trim(gloss.substr(0, q));
    while (!def.empty() && (def.back() == ';' || def.back() == ':' || def.back() == ' ')) def.pop_back();
    while (q != std::string::npos) {
        size_t e = gloss.find('"', q + 1);
        if (e == std::string::npos) break;
        examples.push_back(gloss.substr(q + 1, e - q - 1));
        q = gloss.find('"', e + 1);
    }
}

}  // namespace

int main(int argc, char **argv) {
    if (argc != 5) {
        std::cerr << "usage: quorel-lexicon <wordnet-dir> <scowl-dir> <blocklist> <out.tsv>\n";
        return 2;
    }
    const std::string wn = argv[1], scowl = argv[2];

    // SCOWL: British and common spellings up to level 50; American-only
    // spellings are remembered so that they can be dropped or converted.
    std::map<std::string, int> level = scowlBritishLevels(scowl);
    std::unordered_set<std::string> american;
    for (int lv : {10, 20, 35, 40, 50})
        for (const auto &w : readLines(scowl + "/american-words." + std::to_string(lv))) american.insert(w);
    std::unordered_set<std::string> blocked;
    for (const auto &l : readLines(argv[3])) {
        std::string w = lower(trim(l));
        if (!w.empty() && w[0] != '#') blocked.insert(w);
    }
    std::cerr << "scowl words " << level.size() << ", blocklist " << blocked.size() << "\n";

    auto synsets = loadSynsets(wn);
    std::cerr << "synsets " << synsets.size() << "\n";

    // senses per lemma with their tag counts, from index.sense
    std::map<std::string, std::vector<Sense>> lemmas;
    for (const auto &line : readLines(wn + "/index.sense")) {
        auto f = split(line, ' ');
        if (f.size() < 4) continue;
        auto pct = f[0].find('%');
        std::string lemma = f[0].substr(0, pct);
        char t = f[0][pct + 1];
        char pos = t == '1' ? 'n' : t == '2' ? 'v' : t == '4' ? 'r' : 'a';
        lemmas[lemma].push_back({pos, f[1], std::stoi(f[2]), std::stoi(f[3])});
    }

    // British spelling of an American-only word, when SCOWL knows it
    auto britishOf = [&](const std::string &w) -> std::string {
        const std::pair<const char *, const char *> swaps[] = {
            {"ization", "isation"}, {"izing", "ising"}, {"ize", "ise"}, {"yze", "yse"},
            {"or", "our"}, {"er", "re"}, {"og", "ogue"}, {"ense", "ence"}, {"eled", "elled"},
            {"eling", "elling"}, {"eler", "eller"}, {"izes", "ises"}, {"ized", "ised"},
            {"ors", "ours"}, {"ored", "oured"}, {"oring", "ouring"}, {"ers", "res"},
            {"izations", "isations"}, {"yzed", "ysed"}, {"yzes", "yses"}, {"ful", "full"},
            {"ment", "ement"}, {"eled", "elled"}, {"ense", "ence"}};
        for (auto [a, b] : swaps) {
            std::string sa = a;
            if (w.size() > sa.size() && w.compare(w.size() - sa.size(), sa.size(), sa) == 0) {
                std::string cand = w.substr(0, w.size() - sa.size()) + b;
                if (level.count(cand) && !american.count(cand)) return cand;
            }
        }
        return {};
    };

    // WordNet writes American spellings; clues use the British ones.
    auto britishText = [&](const std::string &text) {
        std::string out, word;
        auto flush = [&]() {
            if (word.empty()) return;
            std::string lw = lower(word);
            std::string b = american.count(lw) ? britishOf(lw) : std::string();
            if (!b.empty() && lw == word) out += b;
            else out += word;
            word.clear();
        };
        for (char c : text) {
            if (std::isalpha(static_cast<unsigned char>(c))) word.push_back(c);
            else { flush(); out.push_back(c); }
        }
        flush();
        return out;
    };

    std::map<std::string, Entry> byLetters;
    int dropOffensive = 0, dropUS = 0, dropSpelling = 0;
    for (auto &[lemma, senses] : lemmas) {
        auto parts = split(lemma, '_');
        if (parts.size() > 4) continue;
        int lv = 0;
        bool ok = true;
        std::vector<std::string> answerWords;
        for (auto w : parts) {
            for (char c : w) ok = ok && c >= 'a' && c <= 'z';
            if (!ok || w.empty()) { ok = false; break; }
            if (american.count(w) || !level.count(w)) {
                std::string b = american.count(w) ? britishOf(w) : std::string();
                if (b.empty()) { ok = false; ++dropSpelling; break; }
                w = b;
            }
            if (blocked.count(w)) { ok = false; break; }
            lv = std::max(lv, level[w]);
            answerWords.push_back(w);
        }
        if (!ok) continue;
        std::string answer, letters;
        for (const auto &w : answerWords) {
            if (!answer.empty()) answer += ' ';
            answer += upper(w);
            letters += upper(w);
        }
        if (letters.size() < 3 || letters.size() > 13) continue;
        {
            std::string spaced = lemma;
            for (char &c : spaced)
                if (c == '_') c = ' ';
            if (kAmericanWords.count(spaced)) continue;
        }
        if (letters.size() == 3 && lv > 35) continue;

        std::stable_sort(senses.begin(), senses.end(), [](const Sense &a, const Sense &b) {
            if (a.tags != b.tags) return a.tags > b.tags;
            return a.number < b.number;
        });
        bool offensive = false, topUS = false;
        int freq = 0;
        Entry e;
        e.answer = answer;
        e.letters = letters;
        e.level = lv;
        std::set<std::string> seenDefs;
        bool first = true;
        for (const auto &s : senses) {
            freq += s.tags;
            auto it = synsets.find({s.pos, s.offset});
            if (it == synsets.end()) continue;
            const Synset &syn = it->second;
            for (const auto &u : syn.usage)
                if (kOffensiveUsage.count(u)) offensive = true;
            std::string def;
            std::vector<std::string> ex;
            splitGloss(britishText(syn.gloss), def, ex);
            for (const char *k : kOffensiveWords)
                if (containsWord(" " + def + " ", k)) offensive = true;
            // a proper-noun sense (lemma written with a capital) is not clued
            bool proper = false;
            for (const auto &w : syn.words)
                if (lower(w) == lemma && w != lower(w)) proper = true;
            bool us = syn.region.count(kRegionUS) > 0;
            for (const char *k : kUSWords)
                if (containsWord(" " + def + " ", k)) us = true;
            if (first && (us || proper)) topUS = topUS || us;
            bool skip = proper || us;
            for (const char *k : kAdultWords)
                if (containsWord(" " + def + " ", std::string(" ") + k)) skip = true;
            for (const auto &u : syn.usage)
                if (kSkipUsage.count(u)) skip = true;
            for (const auto &w : wordsOf(def))
                if (blocked.count(w)) skip = true;
            if (first && proper) { skip = true; }
            first = false;
            if (skip || def.empty() || seenDefs.count(def)) continue;
            seenDefs.insert(def);
            e.glosses.push_back(def);
            for (auto &x : ex) {
                bool clean = true;
                for (const auto &w : wordsOf(x))
                    if (blocked.count(w)) clean = false;
                if (clean && x.find('|') == std::string::npos && x.find('\t') == std::string::npos)
                    e.examples.push_back(x);
            }
            if (e.synonyms.size() < 6 && e.glosses.size() <= 2)
                for (const auto &w : syn.words) {
                    std::string lw = lower(w);
                    if (lw == lemma || w != lw) continue;
                    for (char &c : lw)
                        if (c == '_') c = ' ';
                    if (std::find(e.synonyms.begin(), e.synonyms.end(), lw) == e.synonyms.end())
                        e.synonyms.push_back(lw);
                }
        }
        if (offensive) { ++dropOffensive; continue; }
        if (topUS) { ++dropUS; continue; }
        if (e.glosses.empty()) continue;
        if (answerWords.size() > 1 && freq < 1) continue;  // untagged collocations are mostly jargon
        e.freq = freq;
        e.senses = static_cast<int>(e.glosses.size());
        if (e.glosses.size() > 6) e.glosses.resize(6);
        if (e.examples.size() > 8) e.examples.resize(8);
        auto old = byLetters.find(letters);
        if (old != byLetters.end() && old->second.freq >= e.freq) continue;
        byLetters[letters] = std::move(e);
    }
    std::string out = "# answer\tscowl level\ttag count\tsenses\tglosses\texamples\tsynonyms\n";
    size_t multi = 0;
    for (const auto &[k, e] : byLetters) {
        out += entryLine(e) + "\n";
        multi += e.answer.find(' ') != std::string::npos;
    }
    if (!writeFile(argv[4], out)) {
        std::cerr << "cannot write " << argv[4] << "\n";
        return 1;
    }
    std::cerr << "entries " << byLetters.size() << " (multi-word " << multi << "), dropped offensive "
              << dropOffensive << ", US " << dropUS << ", spelling " << dropSpelling << "\n";
    return 0;
}
