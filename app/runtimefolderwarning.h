#pragma once

namespace palmora {

// Without a runtime folder (XDG_RUNTIME_DIR unset, as under su, ssh or some
// session managers) Qt warns on the terminal, as the application object is
// made, that it falls back to one in the temporary folder: it looks there for a
// Wayland display. Palmora keeps nothing in a runtime folder it was not given
// (its lock then goes to the cache folder), so the warning tells the user of
// nothing to mend. This drops that one warning; every other message is passed
// on. Called before the application object is made; does nothing when the
// runtime folder is set.
void dropMissingRuntimeFolderWarning();

} // namespace palmora
