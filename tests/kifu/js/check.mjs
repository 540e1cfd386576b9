// Checks the KIF and CSA files of yukora-kifu against tsshogi, an independent implementation.
//   node check.mjs YUKORA_KIFU DIR
// 1. Every .kif, .kifu, .ki2, .ki2u and .csa in DIR was written by the program. tsshogi reads each; every
//    move must be legal by tsshogi's rules (the last one excepted in a record won by a foul:
//    it left the king to be taken), and the position after every move must be the one
//    `yukora-kifu sfen` prints.
// 2. tsshogi writes those games again as KIF (UTF-8 and Shift-JIS) and CSA, and random games
//    of its own with comments and variations; yukora-kifu must read them with the positions
//    tsshogi has.
import { execFileSync } from "node:child_process";
import fs from "node:fs";
import path from "node:path";
import {
  Color,
  InitialPositionSFEN,
  Move,
  Piece,
  Position,
  Record,
  SpecialMoveType,
  Square,
  exportCSA,
  exportKIF,
  importCSA,
  importKI2,
  importKIF,
} from "tsshogi";
import { legalMoves } from "./moves.mjs";

const [kifu, dir] = process.argv.slice(2);
if (!kifu || !dir) {
  console.error("usage: node check.mjs YUKORA_KIFU DIR");
  process.exit(2);
}

let failures = 0;
const fail = (file, what) => {
  failures++;
  console.error(`FAIL ${file}: ${what}`);
};

// Board, side to move and hands: the move number is not compared.
const sfen3 = (sfen) => sfen.split(" ").slice(0, 3).join(" ");

function decode(file) {
  const bytes = fs.readFileSync(file);
  return /\.(kifu|ki2u)$/.test(file) ? bytes.toString("utf-8") : new TextDecoder("shift_jis").decode(bytes);
}

function importAny(file, text) {
  return file.endsWith(".csa") ? importCSA(text) : /\.ki2u?$/.test(file) ? importKI2(text) : importKIF(text);
}

// The main line as tsshogi plays it: positions, moves, and how it ends.
function mainLine(record) {
  record.resetAllBranchSelection();
  record.goto(0);
  const sfens = [sfen3(record.position.sfen)];
  const moves = [];
  const invalid = [];
  let end = null;
  for (;;) {
    const before = record.position.clone();
    if (!record.goForward()) break;
    const move = record.current.move;
    if (!(move instanceof Move)) {
      end = move.type;
      break;
    }
    if (!before.isValidMove(move)) invalid.push(moves.length + 1);
    moves.push({ move, before });
    sfens.push(sfen3(record.position.sfen));
  }
  return { sfens, moves, invalid, end };
}

function oursOf(file) {
  try {
    const out = execFileSync(kifu, ["sfen", file], { encoding: "utf-8", stdio: ["ignore", "pipe", "pipe"] });
    return out.trim().split("\n").map(sfen3);
  } catch (e) {
    return { error: (e.stderr || e.message).toString().trim() };
  }
}

function compare(file, expected) {
  const ours = oursOf(file);
  if (ours.error) return fail(file, `yukora-kifu: ${ours.error}`);
  if (ours.length !== expected.length)
    return fail(file, `${ours.length} positions here, ${expected.length} in tsshogi`);
  const i = ours.findIndex((s, k) => s !== expected[k]);
  if (i >= 0) fail(file, `position after move ${i}: here ${ours[i]}, tsshogi ${expected[i]}`);
}

const promotionZone = (color, rank) => (color === Color.BLACK ? rank <= 3 : rank >= 7);

function countFeatures(line, counts) {
  for (const { move } of line.moves) {
    if (move.capturedPieceType) counts.captures++;
    if (!(move.from instanceof Square)) counts.drops++;
    else if (move.promote) counts.promotions++;
    else if (
      new Piece(move.color, move.pieceType).isPromotable() &&
      (promotionZone(move.color, move.from.rank) || promotionZone(move.color, move.to.rank))
    )
      counts.declined++;
  }
}

// 1. The files the program wrote.
const written = fs
  .readdirSync(dir)
  .filter((f) => /\.(kif|kifu|ki2|ki2u|csa)$/.test(f))
  .sort();
const counts = { files: 0, moves: 0, captures: 0, drops: 0, promotions: 0, declined: 0, handicap: 0, diagram: 0 };
const lines = new Map();
for (const name of written) {
  const file = path.join(dir, name);
  const text = decode(file);
  const record = importAny(file, text);
  if (record instanceof Error) {
    fail(file, `tsshogi cannot read it: ${record.message}`);
    continue;
  }
  const line = mainLine(record);
  // A win by the other side's foul. tsshogi 2.2.0 reads CSA's "%+ILLEGAL_ACTION" the other
  // way round from the CSA 2.2 text ("+" names the side that fouled), so it calls it a loss.
  const foul = line.end === SpecialMoveType.FOUL_WIN || (name.endsWith(".csa") && line.end === SpecialMoveType.FOUL_LOSE);
  const expectedInvalid = foul ? [line.moves.length] : [];
  if (JSON.stringify(line.invalid) !== JSON.stringify(expectedInvalid))
    fail(file, `moves tsshogi finds illegal: [${line.invalid}], expected [${expectedInvalid}]`);
  compare(file, line.sfens);
  counts.files++;
  counts.moves += line.moves.length;
  if (name.endsWith(".csa")) {
    countFeatures(line, counts);
    if (line.sfens[0] !== sfen3(InitialPositionSFEN.STANDARD)) counts.handicap++;
  }
  if (name.endsWith(".kifu") && /^(後|上)手の持駒/m.test(text)) counts.diagram++;
  lines.set(name, { record, line });
}
console.log(
  `program's files: ${counts.files} read by tsshogi, ${counts.moves} moves compared; ` +
    `games with other starts ${counts.handicap}, board diagrams ${counts.diagram}; ` +
    `captures ${counts.captures}, drops ${counts.drops}, promotions ${counts.promotions}, ` +
    `declined ${counts.declined}`,
);
for (const key of ["captures", "drops", "promotions", "declined", "handicap", "diagram"])
  if (counts[key] === 0) fail(dir, `no ${key} among the program's files`);

// 2. Files tsshogi writes.
const out = path.join(dir, "tsshogi");
fs.mkdirSync(out, { recursive: true });
let tsshogiFiles = 0;
function writeAndCompare(base, record, expected) {
  const kif = exportKIF(record, { returnCode: "\r\n" });
  const csa = exportCSA(record, { returnCode: "\r\n" });
  const files = [
    [`${base}.kifu`, Buffer.from(kif, "utf-8")],
    [`${base}.kif`, execFileSync("iconv", ["-f", "UTF-8", "-t", "CP932"], { input: kif })],
    [`${base}.csa`, execFileSync("iconv", ["-f", "UTF-8", "-t", "CP932"], { input: csa })],
  ];
  for (const [name, bytes] of files) {
    const file = path.join(out, name);
    fs.writeFileSync(file, bytes);
    compare(file, expected);
    tsshogiFiles++;
  }
}

for (const [name, { record, line }] of lines)
  if (name.endsWith(".kifu")) writeAndCompare(name.replace(/\.kifu$/, ""), record, line.sfens);

// Random games of tsshogi's own, from several starts, with comments and a variation.
function random(seed) {
  return () => {
    seed = (seed + 0x6d2b79f5) | 0;
    let t = Math.imul(seed ^ (seed >>> 15), 1 | seed);
    t = (t + Math.imul(t ^ (t >>> 7), 61 | t)) ^ t;
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
}

const starts = [
  InitialPositionSFEN.STANDARD,
  InitialPositionSFEN.HANDICAP_LANCE,
  InitialPositionSFEN.HANDICAP_8PIECES,
  "ln1g1g1nl/1r1s1k3/p1ppppsp1/1p4p1p/9/2P1P4/PP1P1PPPP/1BS1GS1R1/LN2KG1NL w B 1",
];
starts.forEach((sfen, g) => {
  const rand = random(1000 + g);
  const record = new Record(Position.newBySFEN(sfen));
  const plies = 60 + g * 25;
  for (let ply = 1; ply <= plies; ply++) {
    const moves = legalMoves(record.position);
    if (moves.length === 0) {
      record.append(SpecialMoveType.MATE);
      break;
    }
    const captures = moves.filter((m) => m.capturedPieceType);
    const pool = captures.length > 0 && rand() < 0.4 ? captures : moves;
    record.append(pool[Math.floor(rand() * pool.length)]);
    record.current.setElapsedMs(Math.floor(rand() * 120) * 1000);
    if (ply % 7 === 0) record.current.comment = `${ply}手目の感想\n二行目`;
    if (ply === 12) {
      // A variation: another move at ply 12, then back to the main line.
      record.goBack();
      const others = legalMoves(record.position).filter((m) => !m.equals(record.current.next.move));
      if (others.length > 0) record.append(others[0]);
      record.goBack();
      record.switchBranchByIndex(0);
      record.goForward();
    }
  }
  if (!(record.current.move instanceof Object && record.current.move.type))
    record.append(g % 2 === 0 ? SpecialMoveType.RESIGN : SpecialMoveType.INTERRUPT);
  const line = mainLine(record);
  if (line.invalid.length > 0) fail(`random game ${g}`, "tsshogi's own move is illegal");
  writeAndCompare(`random-${g}`, record, line.sfens);
});

console.log(`tsshogi's files: ${tsshogiFiles} read here, each position compared`);
if (failures > 0) {
  console.error(`${failures} failures`);
  process.exit(1);
}
console.log("all positions agree");
