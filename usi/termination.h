// SIGTERM ends the engine: the handler only writes one byte into a pipe, which the input loop
// watches together with standard input.
#pragma once

namespace yukora {

// Installs the handler (also where the parent left SIGTERM ignored or blocked) and returns
// the pipe's reading end, which becomes readable once the signal has come; -1 on failure.
int 終了シグナルを受ける();

}  // namespace yukora
