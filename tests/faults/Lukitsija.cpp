// Another process holding the hive: takes an exclusive lock on the file given,
// says so with one line, and holds the lock until its standard input closes.

#include <sqlite3.h>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s HIVE\n", argv[0]);
        return 2;
    }
    sqlite3* kanta = nullptr;
    if (sqlite3_open_v2(argv[1], &kanta, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK ||
        sqlite3_exec(kanta, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "%s\n", sqlite3_errmsg(kanta));
        return 1;
    }
    std::puts("lukittu");
    std::fflush(stdout);
    while (std::fgetc(stdin) != EOF) {
    }
    sqlite3_exec(kanta, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(kanta);
    return 0;
}
