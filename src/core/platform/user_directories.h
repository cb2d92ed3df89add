// The per-user directories the program keeps its own files in.
#pragma once

#include <filesystem>

// Where per-user state that outlives a run belongs: $XDG_STATE_HOME, else ~/.local/state, else
// (no usable home) the temporary directory. Relative values of the variables are ignored, as
// the XDG rules ask.
std::filesystem::path UserStateDirectory();
