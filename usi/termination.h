// SIGTERM ends the engine at once in every state: waiting for input, in the middle of a long
// perft, or blocked writing to a GUI that no longer reads.
#pragma once

namespace yukora {

// Installs the handler, also where the parent left SIGTERM ignored or blocked. The handler
// ends the process on the spot with status 0: the engine keeps nothing that needs saving, and
// a write blocked on a full pipe would otherwise be issued again. false on failure.
bool 終了シグナルで終わる();

}  // namespace yukora
