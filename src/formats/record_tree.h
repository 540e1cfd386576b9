// The tree of a record as a KIF or KI2 file gives it: the main line first, then each branch
// ("変化：N手") after the line it leaves, the latest branch point first.
#pragma once
#include <string>
#include <vector>

#include "formats/record_model.h"

namespace yukora {

class 変化の組み立て {
public:
    // Moves go into `r`'s main line from its start; 開始 must be settled before the first.
    explicit 変化の組み立て(対局記録& r);

    // Starts the main line from the record's start; its first move has the number given.
    void 始める(int 最初の手数 = 1);
    // A branch is being read (the main line is complete).
    bool 変化の中か() const { return 積み_.size() > 1; }

    // The line moves are added to now, and the number of its next move.
    手の列& 今の列() { return *積み_.back().列; }
    int 次の手数() const;
    // The position before the next move.
    const 記録局面& 局面() const { return 局面_; }
    // The move before the next one along this line of play, or nullptr at the start.
    const 記録の手* 前の手() const;

    // Checks the move for the side to move and adds it; empty, else why it cannot be made.
    std::string 手を足す(記録の手 m);

    // The comment lines and bookmark of what came last: the start, a move or an end.
    std::vector<std::string>& コメント先();
    std::string& 栞先();

    // The line ended, after its last move; comments that follow belong to the end.
    void 終える(終局理由 how, int 秒);
    bool 終わった() const { return 終わった_; }

    // A branch: moves played instead of move N of the latest line that holds a move N.
    // Empty, else why there is no such move.
    std::string 変化を始める(int N);

private:
    struct 段 {
        手の列* 列;
        int 始め;             // the number of the line's first move
        記録局面 始めの局面;  // the position before it
        const 記録の手* 前;   // the move before it, or nullptr
    };
    対局記録& r_;
    std::vector<段> 積み_;
    記録局面 局面_;
    bool 終わった_ = false;
};

}  // namespace yukora
