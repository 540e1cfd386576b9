// Every legal move of the side to move, by tsshogi's rules (pawn-drop mates left out).
import { Square } from "tsshogi";

const handPieces = ["rook", "bishop", "gold", "silver", "knight", "lance", "pawn"];
export function legalMoves(position) {
  const moves = [];
  const squares = [];
  for (let f = 1; f <= 9; f++) for (let r = 1; r <= 9; r++) squares.push(new Square(f, r));
  for (const from of squares) {
    const piece = position.board.at(from);
    if (!piece || piece.color !== position.color) continue;
    for (const to of squares) {
      const move = position.createMove(from, to);
      if (move) for (const m of [move, move.withPromote()]) if (position.isValidMove(m)) moves.push(m);
    }
  }
  for (const type of handPieces)
    if (position.hand(position.color).count(type) > 0)
      for (const to of squares) {
        const move = position.createMove(type, to);
        if (move && position.isValidMove(move) && !position.isPawnDropMate(move)) moves.push(move);
      }
  return moves;
}
