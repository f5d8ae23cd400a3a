// Temporary empty bodies so the program links while printing is written.
#include "engine/crosswords.h"
void Crosswords::askprint(int) {}
void Crosswords::printit() {}
void Crosswords::printit1() {}
