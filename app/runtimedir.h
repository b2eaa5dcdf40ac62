#pragma once

// Qt looks into the user's runtime folder, named by XDG_RUNTIME_DIR, as it
// starts. Where the variable is unset or names no folder fit for it (a
// folder of the user's own that no one else may enter), Qt warns on
// standard error and makes a folder under /tmp that stays behind. Before
// Qt starts, this points the variable at a fit folder that is there
// already: the one it names, /run/user/UID, the /tmp folder Qt would fall
// back on, or the home folder; only if there is none, at a folder made for
// this run and removed when it ends, by a signal too.
void useFitRuntimeDir();
