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

// The first word of each line, lower case, with the rest of the line.
std::map<std::string, std::string> wordNotes(const std::string &path, std::vector<std::string> &faults) {
    std::map<std::string, std::string> out;
    for (const auto &line : listLines(path, faults)) {
        size_t cut = line.find_first_of(" \t");
        out[lower(line.substr(0, cut))] = cut == std::string::npos ? std::string() : trim(line.substr(cut));
    }
    return out;
}

// An allow file: puzzle, label, word and reason a line; known() says which words it may name.
template <typename Known>
void loadAllow(const std::string &listDir, AllowLines &allow, Known known, std::vector<std::string> &faults) {
    for (const auto &line : listLines(listDir + "/" + allow.file, faults)) {
        auto f = split(line, '\t');
        if (f.size() != 4 || trim(f[3]).empty() || !known(lower(f[2])))
            faults.push_back(allow.file + ": needs puzzle, label, a listed word and a reason: '" + line + "'");
        else
            allow.reasons[allowKey(f[0], f[1], f[2])] = f[3];
    }
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

std::string joinWords(const std::vector<std::string> &words, size_t from) {
    std::string out;
    for (size_t i = from; i < words.size(); ++i) out += (out.empty() ? "" : " ") + words[i];
    return out;
}

// Notes on a definition's register or kind, not definitions themselves.
bool isRegisterNote(const std::string &part) {
    static const std::set<std::string> notes = {"informally", "for example", "for short", "perhaps", "briefly",
                                                "say", "for instance", "in short"};
    return notes.count(part) > 0;
}

// The word without an inflection, in each way that leaves four letters or
// more ("hearing" is "hear", never "ring"), or the word itself.
std::vector<std::string> bareForms(const std::string &word) {
    std::vector<std::string> forms;
    for (std::string_view end : {"s", "es", "ed", "ing", "er", "ers"})
        if (word.size() >= end.size() + 4 && word.compare(word.size() - end.size(), end.size(), end) == 0)
            forms.push_back(word.substr(0, word.size() - end.size()));
    if (forms.empty()) forms.push_back(word);
    return forms;
}

// Word starts and ends that join many unrelated words ("overcome", "overall";
// "homeward", "backward"): sharing one of them is not hearing the answer.
bool commonAffix(const std::string &part) {
    static const std::set<std::string> affixes = {"able", "ally", "less", "like", "ness", "ship", "some",
                                                  "ward", "wards", "hood", "over", "under", "with", "fore",
                                                  "self", "ever"};
    return affixes.count(part) > 0;
}

// A whole British word of four letters or more that opens or closes a form of
// each word, where what is left of one of them is nothing or a word as well:
// "paper" in PAPER and "newspapers", "where" in NOWHERE and "anywhere", "teen"
// in TEENAGE and "thirteen" - but not "read" in SPREAD and "bread".
bool sharesWholeWord(const std::string &a, const std::string &b, const std::set<std::string> &britishWords) {
    auto isWord = [&](const std::string &w) { return w.size() >= 2 && britishWords.count(w) > 0; };
    // what is left of the form beside the part, or nothing when the part neither opens nor closes it
    auto restOf = [](const std::string &form, const std::string &part) -> std::optional<std::string> {
        if (form.compare(0, part.size(), part) == 0) return form.substr(part.size());
        if (form.compare(form.size() - part.size(), part.size(), part) == 0) return form.substr(0, form.size() - part.size());
        return std::nullopt;
    };
    for (const auto &fa : bareForms(a))
        for (size_t n = 4; n <= fa.size(); ++n)
            for (const std::string &part : {fa.substr(0, n), fa.substr(fa.size() - n)}) {
                if (!isWord(part) || commonAffix(part)) continue;
                const std::string restA = *restOf(fa, part);
                for (const auto &fb : bareForms(b)) {
                    if (fb.size() < n) continue;
                    auto restB = restOf(fb, part);
                    if (restB && (restA.empty() || restB->empty() || isWord(restA) || isWord(*restB))) return true;
                }
            }
    return false;
}

}  // namespace

std::optional<AnagramClue> splitAnagram(std::string_view text) {
    if (text.substr(0, kAnagramTag.size()) != kAnagramTag) return std::nullopt;
    std::string_view body = text.substr(kAnagramTag.size());
    size_t cut = body.find(';');
    if (cut == std::string_view::npos) return AnagramClue{trim(body), {}};
    return AnagramClue{trim(body.substr(0, cut)), trim(body.substr(cut + 1))};
}

std::vector<std::string> definitionParts(std::string_view text) {
    if (text.find("___") != std::string_view::npos) return {};
    std::string body(text);
    if (auto anagram = splitAnagram(text)) body = anagram->definition;
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t i = 0; i <= body.size(); ++i) {
        if (i < body.size() && body[i] != ';' && body[i] != ',') continue;
        auto words = wordsOf(std::string_view(body).substr(start, i - start));
        // "Artist's" is heard as one word: drop the possessive's lone "s"
        words.erase(std::remove(words.begin(), words.end(), "s"), words.end());
        size_t from = 0;
        while (from < words.size() && (words[from] == "a" || words[from] == "an" || words[from] == "the" || words[from] == "or"))
            ++from;
        const std::string part = joinWords(words, from);
        if (!part.empty() && !isRegisterNote(part)) parts.push_back(part);
        start = i + 1;
    }
    return parts;
}

std::string answerHeardIn(std::string_view text, std::string_view answer, const std::set<std::string> &britishWords) {
    const auto answerWords = wordsOf(answer);
    std::string letters;
    for (const auto &w : answerWords) letters += w;
    for (const auto &c : wordsOf(text)) {
        if (c == letters) return c;
        if (answerWords.size() > 1 && c != "a" && c != "an" && c != "the" &&
            std::find(answerWords.begin(), answerWords.end(), c) != answerWords.end())
            return c;
        if (isStopWord(c)) continue;
        for (const auto &a : answerWords)
            if (!isStopWord(a) && (shareStem(a, c) || sharesWholeWord(a, c, britishWords))) return c;
    }
    return {};
}

std::string allowKey(std::string_view puzzle, std::string_view label, std::string_view word) {
    return std::string(puzzle) + '\t' + std::string(label) + '\t' + lower(word);
}

ListeningLists loadListeningLists(const std::string &listDir, const std::string &scowlDir) {
    ListeningLists lists;
    // heteronyms.txt: the word, then a note on its two readings
    for (const auto &[word, note] : wordNotes(listDir + "/heteronyms.txt", lists.faults)) lists.heteronyms.insert(word);
    loadAllow(listDir, lists.heteronymAllowed, [&](const std::string &w) { return lists.heteronyms.count(w) > 0; },
              lists.faults);
    // soundalikes.txt: the word, then the words the voice says alike with it
    lists.soundAlikes = wordNotes(listDir + "/soundalikes.txt", lists.faults);
    loadAllow(listDir, lists.soundAlikeAllowed, [&](const std::string &w) { return lists.soundAlikes.count(w) > 0; },
              lists.faults);
    for (const auto &line : listLines(listDir + "/phrases.txt", lists.faults)) lists.phrases.insert(line);
    for (const auto &[word, level] : scowlBritishLevels(scowlDir)) lists.britishWords.insert(word);
    if (lists.britishWords.empty()) lists.faults.push_back(scowlDir + ": no SCOWL word lists (Debian package scowl)");
    loadAllow(listDir, lists.answerHeardAllowed, [&](const std::string &w) { return !w.empty(); }, lists.faults);
    // refused-answers.txt: the answer, a TAB, and why a British solver trips on it
    for (const auto &line : listLines(listDir + "/refused-answers.txt", lists.faults)) {
        auto f = split(line, '\t');
        if (f.size() != 2 || trim(f[1]).empty())
            lists.faults.push_back("refused-answers.txt: needs an answer, a TAB and the reason: '" + line + "'");
        else
            lists.refusedAnswers[f[0]] = f[1];
    }
    return lists;
}

ListeningCheck::ListeningCheck(ListeningLists lists) : m_lists(std::move(lists)) {}

bool ListeningCheck::allowed(const AllowLines &allow, const std::string &puzzle, const std::string &label,
                             const std::string &word) {
    const std::string key = allowKey(puzzle, label, word);
    if (!allow.reasons.count(key)) return false;
    m_allowUsed.insert(allow.file + '\t' + key);
    return true;
}

std::vector<std::string> ListeningCheck::clueFaults(const std::string &puzzle, const ClueLine &clue) {
    const std::string &answer = clue.answer, &text = clue.text;
    std::vector<std::string> faults;
    auto [seen, fresh] = m_textSeenAt.emplace(repeatKey(text), puzzle + " " + clue.label);
    if (!fresh) faults.push_back("clue text repeats " + seen->second);
    const auto parts = definitionParts(text);
    if (!parts.empty()) {
        auto [same, freshParts] =
            m_partsSeenAt.emplace(std::set<std::string>(parts.begin(), parts.end()), puzzle + " " + clue.label);
        if (!freshParts) faults.push_back("the same definitions as " + same->second);
    }

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
    for (const auto &w : wordsOf(heard))
        if (m_lists.heteronyms.count(w) && reported.insert(w).second &&
            !allowed(m_lists.heteronymAllowed, puzzle, clue.label, w))
            faults.push_back("heteronym '" + w + "' not on heteronym-allow.tsv");
    // A sound-alike misleads in anagram letters too: the solver writes what he hears.
    for (const auto &w : wordsOf(text)) {
        auto alike = m_lists.soundAlikes.find(w);
        if (alike != m_lists.soundAlikes.end() && reported.insert(w).second &&
            !allowed(m_lists.soundAlikeAllowed, puzzle, clue.label, w))
            faults.push_back("'" + w + "' sounds like " + alike->second + ": not on soundalike-allow.tsv");
    }
    const std::string echo = answerHeardIn(text, answer, m_lists.britishWords);
    if (!echo.empty() && !allowed(m_lists.answerHeardAllowed, puzzle, clue.label, echo))
        faults.push_back("the answer is heard in '" + echo + "': not on answer-heard-allow.tsv");

    const bool oneWord = answer.find(' ') == std::string::npos;
    if (auto refused = m_lists.refusedAnswers.find(answer); refused != m_lists.refusedAnswers.end())
        faults.push_back("answer refused on refused-answers.txt: " + refused->second);
    else if (!m_lists.phrases.count(answer) && !(oneWord && m_lists.britishWords.count(lower(answer))))
        faults.push_back(oneWord ? "answer not in the British word list nor phrases.txt"
                                 : "answer of several words not on phrases.txt");
    return faults;
}

std::vector<std::string> ListeningCheck::puzzleFaults(const std::string &puzzle, const std::vector<ClueLine> &clues) {
    std::vector<std::string> faults;
    auto add = [&](const ClueLine &c, const std::string &what) { faults.push_back(c.label + " " + c.answer + ": " + what); };
    std::map<std::string, std::string> partUsedBy;  // definition part -> label
    for (const auto &c : clues) {
        for (const auto &f : clueFaults(puzzle, c)) add(c, f);
        for (const auto &part : definitionParts(c.text)) {
            auto [first, fresh] = partUsedBy.emplace(part, c.label);
            if (!fresh && first->second != c.label) add(c, "definition '" + part + "' is used by " + first->second + " too");
            // The listener hears another answer of the grid read aloud.
            const auto words = split(part, ' ');
            for (const auto &other : clues) {
                if (&other == &c) continue;
                const auto answerWords = wordsOf(other.answer);
                for (size_t i = 0; i + answerWords.size() <= words.size(); ++i)
                    if (std::equal(answerWords.begin(), answerWords.end(), words.begin() + i)) {
                        add(c, "definition '" + part + "' holds " + other.label + " " + other.answer);
                        break;
                    }
            }
        }
    }
    return faults;
}

std::vector<std::string> ListeningCheck::finalFaults() const {
    std::vector<std::string> faults = m_lists.faults;
    for (const AllowLines *allow : {&m_lists.heteronymAllowed, &m_lists.soundAlikeAllowed, &m_lists.answerHeardAllowed})
        for (const auto &[key, reason] : allow->reasons)
            if (!m_allowUsed.count(allow->file + '\t' + key)) {
                std::string shown = key;
                std::replace(shown.begin(), shown.end(), '\t', ' ');
                faults.push_back(allow->file + ": " + shown + " matches no clue that holds the word");
            }
    return faults;
}

}  // namespace qp
