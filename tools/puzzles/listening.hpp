// The rules that make a clue fair to a solver who hears it: anagram clues
// carry a definition after their letters, no clue text is used twice, no clue
// lets the answer be heard in its own words or reads another answer of its
// grid aloud, no definition serves twice, words the voice may read in the
// wrong sense or as a sound-alike need a reviewed reason, and every answer is a
// British word or a reviewed phrase that no reviewer has refused.  The
// clue-file writer and the test suite of the shipped puzzles both check
// through here.
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

// The definitions a clue offers, each lower case with single spaces and
// without a leading article or "or": "A gift; or here and now" gives "gift"
// and "here and now".  The text is cut at ';' and ','; an anagram clue offers
// only what follows its letters, and a fill-in clue offers none.
std::vector<std::string> definitionParts(std::string_view text);

// A clue word in which the listener hears the answer: a word of a several-word
// answer, a word sharing a stem with an answer word, or a word holding the
// same whole word of four letters or more at its start or end ("newspapers"
// and PAPER, "anywhere" and NOWHERE).  Empty when there is none.
std::string answerHeardIn(std::string_view text, std::string_view answer,
                          const std::set<std::string> &britishWords);

// Lines that let one clue keep a word a rule would refuse, each with the
// reviewer's reason: puzzle, label, word (lower case), reason.
struct AllowLines {
    std::string file;                             // the list's file name, for faults
    std::map<std::string, std::string> reasons;   // allowKey(...) -> reason
};

// The reviewed lists, read from the folder that holds them, and the British
// word list from SCOWL.
struct ListeningLists {
    std::set<std::string> heteronyms;             // lower-case word forms
    AllowLines heteronymAllowed{"heteronym-allow.tsv", {}};
    std::map<std::string, std::string> soundAlikes;  // word -> the words the voice says the same
    AllowLines soundAlikeAllowed{"soundalike-allow.tsv", {}};
    AllowLines answerHeardAllowed{"answer-heard-allow.tsv", {}};
    std::map<std::string, std::string> refusedAnswers;  // answer -> why a solver would trip on it
    std::set<std::string> phrases;                // reviewed answers, as written
    std::set<std::string> britishWords;           // lower case
    std::vector<std::string> faults;              // missing or unreadable lists
};
ListeningLists loadListeningLists(const std::string &listDir, const std::string &scowlDir);
std::string allowKey(std::string_view puzzle, std::string_view label, std::string_view word);

struct ClueLine {
    std::string label, answer, text;
};

// Checks the puzzles one by one; a fault is "A1 ANSWER: " and a short sentence.
class ListeningCheck {
public:
    explicit ListeningCheck(ListeningLists lists);
    std::vector<std::string> puzzleFaults(const std::string &puzzle, const std::vector<ClueLine> &clues);
    // Faults that show only once every puzzle is seen: allow lines that match no clue.
    std::vector<std::string> finalFaults() const;

private:
    std::vector<std::string> clueFaults(const std::string &puzzle, const ClueLine &clue);
    // True when the allow list has the line; the line then counts as used.
    bool allowed(const AllowLines &allow, const std::string &puzzle, const std::string &label, const std::string &word);

    ListeningLists m_lists;
    std::map<std::string, std::string> m_textSeenAt;         // normalised text -> "PUZ0101 A1"
    std::map<std::set<std::string>, std::string> m_partsSeenAt;  // definition parts -> "PUZ0101 A1"
    std::set<std::string> m_allowUsed;                       // file name + allow key
};

}  // namespace qp
