#pragma once

// Kills this process at the n-th moment of its changes to the hive's files,
// counting the moment just before and the moment just after each change (a
// write, a truncation or a deletion): moment 1 is just before the first
// change, moment 2 just after it. The changes are caught through SQLite's own
// hooks for the system calls of its file layer. A kill between two changes
// leaves the files as any crash at that moment would, so stepping n over a
// save reaches every state a crash can leave it in.
void KatkaiseHetkella(long n);
