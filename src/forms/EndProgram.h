#pragma once

// Closes every loaded window, running its unload handler, then ends the process
// at once. Unload handlers may call it again; the first pass that gets through
// the windows ends the process.
void EndProgram();
