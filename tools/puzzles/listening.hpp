// The rules that make a clue fair to a solver who hears it: anagram clues
// carry a definition after their letters, no clue text is used twice, words
// the voice may read in the wrong sense need a reviewed reason, and every
// answer is a British word or a reviewed phrase.  The clue-file writer and the
// test suite of the shipped puzzles both check through here.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace qp {

inline constexpr std::string_view kAnagramTag = "(anagram) ";

// "(anagram) Lion coat; a place": the fodder ends at the first ';'.
struct AnagramClue {
    std::string fodder;
    std::string definition;  // empty when there is no ';' or nothing after it
};
// The parts of an anagram clue, or nothing for any other clue.
std::optional<AnagramClue> splitAnagram(std::string_view text);

// The reviewed lists, read from the folder that holds heteronyms.txt,
// heteronym-allow.tsv and phrases.txt, and the British word list from SCOWL.
struct ListeningLists {
    std::set<std::string> heteronyms;             // lower-case word forms
    std::map<std::string, std::string> allowed;   // allowKey(...) -> reason
    std::set<std::string> phrases;                // reviewed answers, as written
    std::set<std::string> britishWords;           // lower case
    std::vector<std::string> faults;              // missing or unreadable lists
};
ListeningLists loadListeningLists(const std::string &listDir, const std::string &scowlDir);
std::string allowKey(std::string_view puzzle, std::string_view label, std::string_view word);

// Checks the clues of all puzzles one by one; a fault is a short sentence.
class ListeningCheck {
public:
    explicit ListeningCheck(ListeningLists lists);
    std::vector<std::string> clueFaults(const std::string &puzzle, const std::string &label,
                                        const std::string &answer, const std::string &text);
    // Faults that show only once every clue is seen: allow lines that match no clue.
    std::vector<std::string> finalFaults() const;

private:
    ListeningLists m_lists;
    std::map<std::string, std::string> m_textSeenAt;  // normalised text -> "PUZ0101 A1"
    std::set<std::string> m_allowUsed;
};

}  // namespace qp
