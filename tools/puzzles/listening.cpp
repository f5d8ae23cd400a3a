#include "listening.hpp"

#include "common.hpp"

#include <algorithm>
#include <cctype>

namespace qp {

namespace {

// Lines of a list file that are neither empty nor a '#' comment, trimmed.
std::vector<std::string> listLines(const std::string &path, std::vector<std::string> &faults) {
    std::vector<std::string> out;
    auto lines = readLines(path);
    if (lines.empty()) faults.push_back(path + ": missing or empty");
    for (const auto &line : lines) {
        std::string t = trim(line);
        if (!t.empty() && t[0] != '#') out.push_back(t);
    }
    return out;
}

std::string sortedLetters(std::string_view text) {
    std::string s;
    for (char c : text)
        if (std::isalpha(static_cast<unsigned char>(c))) s.push_back(static_cast<char>(std::toupper(c)));
    std::sort(s.begin(), s.end());
    return s;
}

// Clue texts count as the same when they differ only in letter case or spacing.
std::string repeatKey(std::string_view text) {
    std::string key;
    for (char c : text) {
        if (std::isspace(static_cast<unsigned char>(c))) {
            if (!key.empty() && key.back() != ' ') key.push_back(' ');
        } else {
            key.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
        }
    }
    if (!key.empty() && key.back() == ' ') key.pop_back();
    return key;
}

}  // namespace

std::optional<AnagramClue> splitAnagram(std::string_view text) {
    if (text.substr(0, kAnagramTag.size()) != kAnagramTag) return std::nullopt;
    std::string_view body = text.substr(kAnagramTag.size());
    size_t cut = body.find(';');
    if (cut == std::string_view::npos) return AnagramClue{trim(body), {}};
    return AnagramClue{trim(body.substr(0, cut)), trim(body.substr(cut + 1))};
}

std::string allowKey(std::string_view puzzle, std::string_view label, std::string_view word) {
    return std::string(puzzle) + '\t' + std::string(label) + '\t' + lower(word);
}

ListeningLists loadListeningLists(const std::string &listDir, const std::string &scowlDir) {
    ListeningLists lists;
    // heteronyms.txt: the word, then a note on its two readings
    for (const auto &line : listLines(listDir + "/heteronyms.txt", lists.faults))
        lists.heteronyms.insert(lower(line.substr(0, line.find_first_of(" \t"))));
    // heteronym-allow.tsv: puzzle, label, word, reason
    for (const auto &line : listLines(listDir + "/heteronym-allow.tsv", lists.faults)) {
        auto f = split(line, '\t');
        if (f.size() != 4 || trim(f[3]).empty() || !lists.heteronyms.count(lower(f[2])))
            lists.faults.push_back("heteronym-allow.tsv: needs puzzle, label, a listed word and a reason: '" + line + "'");
        else
            lists.allowed[allowKey(f[0], f[1], f[2])] = f[3];
    }
    for (const auto &line : listLines(listDir + "/phrases.txt", lists.faults)) lists.phrases.insert(line);
    for (const auto &[word, level] : scowlBritishLevels(scowlDir)) lists.britishWords.insert(word);
    if (lists.britishWords.empty()) lists.faults.push_back(scowlDir + ": no SCOWL word lists (Debian package scowl)");
    return lists;
}

ListeningCheck::ListeningCheck(ListeningLists lists) : m_lists(std::move(lists)) {}

std::vector<std::string> ListeningCheck::clueFaults(const std::string &puzzle, const std::string &label,
                                                    const std::string &answer, const std::string &text) {
    std::vector<std::string> faults;
    auto [seen, fresh] = m_textSeenAt.emplace(repeatKey(text), puzzle + " " + label);
    if (!fresh) faults.push_back("clue text repeats " + seen->second);

    // A heteronym in anagram fodder is harmless: its letters are the same
    // whichever way it is read.  Everywhere else it may mislead.
    std::string heard = text;
    if (auto anagram = splitAnagram(text)) {
        heard = anagram->definition;
        if (wordsOf(anagram->definition).empty())
            faults.push_back("anagram clue needs '; definition' after the letters");
        if (sortedLetters(anagram->fodder) != sortedLetters(answer))
            faults.push_back("anagram letters before ';' differ from the answer");
        // "Reign of" for FOREIGN hands the listener half the answer unmixed.
        std::string letters;
        for (const auto &w : wordsOf(answer)) letters += w;
        for (const auto &w : wordsOf(anagram->fodder))
            if (w.size() >= 4 && letters.find(w) != std::string::npos)
                faults.push_back("anagram word '" + w + "' stands unmixed in the answer");
    }
    std::set<std::string> reported;
    for (const auto &w : wordsOf(heard)) {
        if (!m_lists.heteronyms.count(w) || !reported.insert(w).second) continue;
        const std::string key = allowKey(puzzle, label, w);
        if (m_lists.allowed.count(key))
            m_allowUsed.insert(key);
        else
            faults.push_back("heteronym '" + w + "' not on heteronym-allow.tsv");
    }

    const bool oneWord = answer.find(' ') == std::string::npos;
    if (!m_lists.phrases.count(answer) && !(oneWord && m_lists.britishWords.count(lower(answer))))
        faults.push_back(oneWord ? "answer not in the British word list nor phrases.txt"
                                 : "answer of several words not on phrases.txt");
    return faults;
}

std::vector<std::string> ListeningCheck::finalFaults() const {
    std::vector<std::string> faults = m_lists.faults;
    for (const auto &[key, reason] : m_lists.allowed)
        if (!m_allowUsed.count(key)) {
            std::string shown = key;
            std::replace(shown.begin(), shown.end(), '\t', ' ');
            faults.push_back("heteronym-allow.tsv: " + shown + " matches no clue that holds the word");
        }
    return faults;
}

}  // namespace qp
