// Lists lexicon answers that fit a pattern, to help a reviewer swap a weak
// answer for another with the same crossing letters.
// usage: quorel-match <lexicon.tsv> <pattern>   e.g. "S?X??T" ('?' = any letter)
#include <iostream>

#include "common.hpp"

int main(int argc, char **argv) {
    if (argc != 3) {
        std::cerr << "usage: quorel-match <lexicon.tsv> <pattern>\n";
        return 2;
    }
    std::string pat = qp::upper(argv[2]);
    for (const auto &e : qp::loadLexicon(argv[1])) {
        if (e.letters.size() != pat.size()) continue;
        bool ok = true;
        for (size_t i = 0; i < pat.size(); ++i) ok = ok && (pat[i] == '?' || pat[i] == e.letters[i]);
        if (ok)
            std::cout << e.answer << "\tlevel " << e.level << "\tcount " << e.freq << "\t"
                      << (e.glosses.empty() ? "" : e.glosses[0]) << "\n";
    }
    return 0;
}
