// Loading then saving keeps what a record holds. tsshogi writes records with headers, comments,
// a bookmark, branches and an ending in KIF, KIFU, KI2, KI2U and CSA; yukora-kifu reads each
// (the same positions as both readers where they agree) and converts it into every format;
// tsshogi and json-kifu-format then read the source and the copy, which must agree in all that
// the copy's format holds.
//   node keep.mjs YUKORA_KIFU DIR
import { execFileSync } from "node:child_process";
import fs from "node:fs";
import path from "node:path";
import jkf from "json-kifu-format";
import { legalMoves } from "./moves.mjs";
import {
  Move,
  Position,
  Record,
  RecordMetadataKey,
  SpecialMoveType,
  exportCSA,
  exportKI2,
  exportKIF,
  importCSA,
  importKI2,
  importKIF,
} from "tsshogi";

const { JKFPlayer } = jkf;
const [kifu, dir] = process.argv.slice(2);
let failures = 0;
const fail = (what) => {
  failures++;
  console.error(`FAIL ${what}`);
};
const sfen3 = (sfen) => sfen.split(" ").slice(0, 3).join(" ");
const formats = {
  kif: { sjis: true, kind: "kif", branches: true },
  kifu: { sjis: false, kind: "kif", branches: true },
  ki2: { sjis: true, kind: "ki2", branches: true },
  ki2u: { sjis: false, kind: "ki2", branches: true },
  csa: { sjis: true, kind: "csa", branches: false },
};
// The headers CSA has a place for.
const csaHeaders = new Set(["先手", "後手", "棋戦", "場所", "開始日時", "終了日時", "持ち時間", "戦型", "備考"]);

const text = (file) => {
  const bytes = fs.readFileSync(file);
  return formats[path.extname(file).slice(1)].sjis ? new TextDecoder("shift_jis").decode(bytes) : bytes.toString();
};
const clean = (comment) => (comment || "").replace(/\r/g, "").trim();
// The readers name a few headers by the format they came from (CSA's $EVENT, KIF's 下手 of a
// handicap game); one name each, so that readings of two formats compare.
const aliases = { title: "tournament", shitateName: "blackName", uwateName: "whiteName", 下手: "先手", 上手: "後手" };
const headerMap = (entries) => Object.fromEntries(entries.map(([k, v]) => [aliases[k] ?? k, v.trim()]));

// tsshogi's reading: every line of play with positions, comments and endings; the headers.
function byTsshogi(file) {
  const kind = formats[path.extname(file).slice(1)].kind;
  const record = { kif: importKIF, ki2: importKI2, csa: importCSA }[kind](text(file));
  if (record instanceof Error) throw record;
  const line = (node, siblings) => {
    const out = [];
    for (let n = node, first = true; n; n = n.next, first = false) {
      const branches = [];
      if (!first || siblings) for (let b = n.branch; b; b = b.branch) branches.push(line(b, false));
      const end = n.move instanceof Move ? "" : n.move.type;
      out.push({ sfen: sfen3(n.sfen), end, comment: clean(n.comment), branches });
    }
    return out;
  };
  const m = record.metadata;
  const headers = headerMap([
    ...[...m.standardMetadataKeys].map((k) => [k, m.getStandardMetadata(k)]),
    ...[...m.customMetadataKeys].map((k) => [k, m.getCustomMetadata(k)]),
  ]);
  return { start: sfen3(record.first.sfen), comment: clean(record.first.comment), moves: line(record.first.next, true), headers };
}

// json-kifu-format's reading of the same.
function byJkf(file) {
  const kind = formats[path.extname(file).slice(1)].kind;
  const player = { kif: JKFPlayer.parseKIF, ki2: JKFPlayer.parseKI2, csa: JKFPlayer.parseCSA }[kind](text(file));
  const shogi = player.shogi;
  // json-kifu-format keeps the "*" of CSA's "'*" comment lines.
  const comment = (m) => clean((m.comments || []).map((c) => (kind === "csa" ? c.replace(/^\*/, "") : c)).join("\n"));
  const line = (moves, from) => {
    const out = [];
    let made = 0;
    for (let i = from; i < moves.length; i++) {
      const m = moves[i];
      const branches = (m.forks || []).map((f) => line(f, 0));
      if (m.move) JKFPlayer.doMove(shogi, m.move), made++;
      out.push({ sfen: sfen3(shogi.toSFENString()), end: m.special || "", comment: comment(m), branches });
    }
    for (let i = moves.length - 1; i >= from && made > 0; i--) if (moves[i].move) JKFPlayer.undoMove(shogi, moves[i].move), made--;
    return out;
  };
  player.goto(0);
  const start = sfen3(shogi.toSFENString());
  const moves = player.kifu.moves;
  return { start, comment: comment(moves[0]), moves: line(moves, 1), headers: headerMap(Object.entries(player.kifu.header)) };
}

function positions(file) {
  try {
    return execFileSync(kifu, ["sfen", file], { encoding: "utf-8", stdio: ["ignore", "pipe", "pipe"] }).trim().split("\n").map(sfen3);
  } catch (e) {
    return [`error: ${(e.stderr || e.message).toString().trim()}`];
  }
}

// What a format of `ext` holds of a reading.
function held(reading, ext, readerName) {
  const cut = (moves) => moves.map((m) => ({ ...m, branches: formats[ext].branches ? m.branches.map(cut) : [] }));
  const headers = Object.entries(reading.headers).filter(([k]) => {
    if (ext !== "csa") return true;
    const jkfKey = readerName === "jkf" ? k : { blackName: "先手", whiteName: "後手", tournament: "棋戦", place: "場所", startDatetime: "開始日時", endDatetime: "終了日時", timeLimit: "持ち時間", strategy: "戦型", note: "備考" }[k];
    // json-kifu-format reads no CSA "$NOTE".
    return csaHeaders.has(jkfKey) && !(readerName === "jkf" && k === "備考");
  });
  return JSON.stringify({ ...reading, moves: cut(reading.moves), headers: Object.fromEntries(headers.sort()) });
}

// Where two readings first differ, with both values; empty when they agree.
function firstDifference(a, b, at = "") {
  if (typeof a !== "object" || a === null || typeof b !== "object" || b === null)
    return a === b ? "" : `${at}: source ${JSON.stringify(a)}, copy ${JSON.stringify(b)}`;
  for (const key of new Set([...Object.keys(a), ...Object.keys(b)])) {
    const d = firstDifference(a[key], b[key], `${at}/${key}`);
    if (d) return d;
  }
  return "";
}

// Records of tsshogi's own.
function makeRecord(sfen, plies, seed, end) {
  let state = seed;
  const rand = () => ((state = (state * 1103515245 + 12345) % 2147483648) / 2147483648);
  const record = new Record(Position.newBySFEN(sfen));
  record.metadata.setStandardMetadata(RecordMetadataKey.TOURNAMENT, "研究会");
  record.metadata.setStandardMetadata(RecordMetadataKey.PLACE, "東京");
  record.metadata.setStandardMetadata(RecordMetadataKey.START_DATETIME, "2024/01/02 10:00:00");
  record.metadata.setStandardMetadata(RecordMetadataKey.BLACK_NAME, "先手太郎");
  record.metadata.setStandardMetadata(RecordMetadataKey.WHITE_NAME, "後手花子");
  record.metadata.setStandardMetadata(RecordMetadataKey.NOTE, "備考の一行");
  record.first.comment = "開始局面の感想\n二行目";
  for (let ply = 1; ply <= plies; ply++) {
    const moves = legalMoves(record.position);
    if (moves.length === 0) break;
    record.append(moves[Math.floor(rand() * moves.length)]);
    record.current.setElapsedMs(Math.floor(rand() * 90) * 1000);
    if (ply % 5 === 0) record.current.comment = `${ply}手目の感想\n二行目`;
    if (ply === 8 || ply === 9) {
      // A branch of two moves, one with a comment, and back to the main line.
      record.goBack();
      const others = legalMoves(record.position).filter((m) => !m.equals(record.current.next.move));
      if (others.length > 0) {
        record.append(others[Math.floor(rand() * others.length)]);
        record.current.comment = "変化の感想";
        const more = legalMoves(record.position);
        if (more.length > 0) record.append(more[0]);
        record.goto(ply - 1);
      }
      record.switchBranchByIndex(0);
      record.goForward();
    }
  }
  record.append(end);
  return record;
}

const starts = [
  ["lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1", SpecialMoveType.RESIGN],
  ["lnsgkgsn1/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 1", SpecialMoveType.INTERRUPT],
  ["8k/9/8P/9/9/9/9/9/9 b G2r2b3g4s4n4l17p 1", SpecialMoveType.INTERRUPT],
];
const sources = path.join(dir, "keep");
fs.rmSync(sources, { recursive: true, force: true });
fs.mkdirSync(sources, { recursive: true });
const sjis = (s) => execFileSync("iconv", ["-f", "UTF-8", "-t", "CP932"], { input: s });
const files = [];
starts.forEach(([sfen, end], g) => {
  const record = makeRecord(sfen, g === 2 ? 12 : 40, 7 + g, end);
  const kif = exportKIF(record, { returnCode: "\r\n" });
  const ki2 = exportKI2(record, { returnCode: "\r\n" });
  const out = { kifu: kif, kif: sjis(kif), ki2u: ki2, ki2: sjis(ki2), csa: sjis(exportCSA(record, { returnCode: "\r\n" })) };
  for (const [ext, bytes] of Object.entries(out)) {
    const file = path.join(sources, `game-${g}.${ext}`);
    fs.writeFileSync(file, bytes);
    files.push(file);
  }
});

const readers = { tsshogi: byTsshogi, jkf: byJkf };
let agreed = 0;
let copies = 0;
const held_ = { comments: 0, branches: 0, headers: 0 };
const tally = (moves) => {
  for (const m of moves) {
    held_.comments += m.comment ? 1 : 0;
    held_.branches += m.branches.length;
    m.branches.forEach(tally);
  }
};
for (const file of files) {
  let readings;
  try {
    readings = Object.fromEntries(Object.entries(readers).map(([n, read]) => [n, read(file)]));
  } catch (e) {
    fail(`${file}: a reader refuses it: ${e.message}`);
    continue;
  }
  tally(readings.jkf.moves);
  held_.headers += Object.keys(readings.jkf.headers).length;
  const mainLine = (r) => [r.start, ...r.moves.filter((m) => !m.end).map((m) => m.sfen)];
  if (JSON.stringify(mainLine(readings.tsshogi)) === JSON.stringify(mainLine(readings.jkf))) {
    agreed++;
    const ours = positions(file);
    if (JSON.stringify(ours) !== JSON.stringify(mainLine(readings.tsshogi)))
      fail(`${file}: positions here ${ours.slice(0, 2).join(" | ")}… differ from both readers`);
  }
  for (const ext of Object.keys(formats)) {
    const copy = path.join(dir, "keep", `${path.basename(file).replace(".", "-")}.${ext}`);
    try {
      execFileSync(kifu, ["convert", file, copy], { stdio: ["ignore", "pipe", "pipe"] });
    } catch (e) {
      fail(`${file} → ${ext}: ${(e.stderr || e.message).toString().trim()}`);
      continue;
    }
    copies++;
    for (const [name, read] of Object.entries(readers)) {
      const keepsIn = formats[path.extname(file).slice(1)].branches ? ext : "csa";
      let again;
      try {
        again = read(copy);
      } catch (e) {
        fail(`${copy}: ${name} refuses it: ${e.message}`);
        continue;
      }
      const where = firstDifference(JSON.parse(held(readings[name], keepsIn, name)), JSON.parse(held(again, keepsIn, name)));
      if (where) fail(`${copy} read by ${name}: ${where}`);
    }
  }
}
console.log(
  `${files.length} records of tsshogi (${held_.comments} comments, ${held_.branches} branches, ${held_.headers} headers): ` +
    `${agreed} read alike by both readers and here; ${copies} copies compared by both readers`,
);
if (agreed === 0 || Object.values(held_).includes(0)) fail("nothing to compare");
if (failures > 0) {
  console.error(`${failures} failures`);
  process.exit(1);
}
console.log("comments, branches, headers and positions kept");
