// The letters of the pieces in SFEN and in drops: P L N S G B R K, upper case for sente.
#pragma once

namespace yukora {

// Top-side code of an upper-case piece letter (P -> 歩 ... K -> 王); 0 for any other char.
int 駒文字の駒(char c);

// Upper-case letter of a code of either side, promoted or not ('P' for と); 0 when unknown.
char 駒の文字(int code);

// Hand kind 1..7 of an upper-case letter PLNSGBR; 0 for any other char (the king included).
int 駒文字の持駒種類(char c);

}  // namespace yukora
