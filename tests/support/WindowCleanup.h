#pragma once

// Closes every loaded window through EndProgram (a FakeSystem must be installed,
// so the process does not end) and lets Qt delete them, so that the next test
// starts with no window loaded.
void CloseAllWindows();
