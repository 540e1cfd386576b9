// The commands of yukora-kifu: converting a record file, printing its positions as SFEN.
#pragma once
#include <iosfwd>
#include <string>
#include <vector>

namespace yukora {

// "convert IN OUT": reads IN and writes OUT, each in the format of its extension (.棋譜,
// .kif, .kifu, .ki2, .ki2u, .csa), IN by its text where that tells another. Nothing is written
// when IN cannot be read whole or OUT would not read back. Returns the exit status.
int 変換する(const std::string& in, const std::string& out, std::ostream& err);

// "sfen IN": the SFEN of the start and of the position after every move, one a line. A file
// that breaks off prints the positions up to there before the error. Returns the exit status.
int SFENを印字する(const std::string& in, std::ostream& out, std::ostream& err);

// The command line without the program's name.
int 実行する(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace yukora
