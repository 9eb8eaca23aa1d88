#pragma once

// Kills this process at the n-th moment of its changes to the store, as a
// crash at that moment would.
//
// On the SQLite hive the moments are the one just before and the one just
// after each change to the hive's files (a write, a truncation or a
// deletion): moment 1 is just before the first change, moment 2 just after
// it, caught through SQLite's own hooks for the system calls of its file
// layer. So stepping n over a save reaches every state a crash can leave the
// files in.
//
// On Windows the moment is just after the n-th registry write (a value set or
// deleted), and the process ends through TerminateProcess with KATKAISTU.
// Each write is whole in the registry, so stepping n over a save reaches
// every state a kill can leave the key in.
void KatkaiseHetkella(long n);

inline constexpr unsigned KATKAISTU = 137;
