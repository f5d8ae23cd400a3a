// Temporary empty bodies so the program links while the command keys are written.
// Delete each definition as its real one lands; delete the file when empty.
#include "engine/crosswords.h"
void Crosswords::showanswer() {}
void Crosswords::clearpuzzle() {}
void Crosswords::playwave(const QString &) {}
void Crosswords::boundary() {}
void Crosswords::sayhelp() {}
void Crosswords::zoomKeys(int) {}
Flow Crosswords::magnifiedPhase(int, int) { return Flow::Next; }
Flow Crosswords::chooserPhase(int, int) { return Flow::Next; }
void Crosswords::readSettings() {}
void Crosswords::writeSettings() {}
void Crosswords::imgBack_Click() {}
void Crosswords::lbl1_Click(int) {}
void Crosswords::lbl4_Click(int) {}
void Crosswords::lbl5_Click(int) {}
void Crosswords::D_Click(int) {}
void Crosswords::Dn_Click(int) {}
void Crosswords::lblIn_Click(int) {}
void Crosswords::lblKey_Click(int) {}
void Crosswords::lblClue_Click(int) {}
void Crosswords::lblClue_MouseDown(int, int) {}
