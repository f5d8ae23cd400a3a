// Definition clues drafted from WordNet glosses, and the blocklist.
#pragma once

#include <string>
#include <unordered_set>

#include "common.hpp"

namespace qp {

std::unordered_set<std::string> &blocked();
void loadBlocklist(const std::string &path);
// printable ASCII without blocklisted words
bool clean(const std::string &text);
std::string capitalise(std::string s);
std::string stripParens(const std::string &s);
// a gloss shortened to at most 68 characters at a natural break, or ""
std::string fitDefinition(std::string def);
// the drafted definition clue, or a line starting "TODO" when none fits
std::string definitionClue(const Entry &e);

}  // namespace qp
