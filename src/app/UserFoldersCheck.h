#pragma once

// Installed, at start-up: when the user's settings or data folder cannot be made or written (a read-only home,
// a full disk), tells the learner once, in one message, that nothing can be saved; the program goes on, reading
// what was saved before. Portable, or with both folders writable: says nothing.
void WarnOfUnwritableUserFolders();
