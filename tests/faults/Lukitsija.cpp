// Another process holding the hive: takes an exclusive lock on the file given,
// says so with one line, holds the lock for the seconds given and lets go.

#include <sqlite3.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s HIVE SECONDS\n", argv[0]);
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
    sleep(static_cast<unsigned>(std::atoi(argv[2])));
    sqlite3_exec(kanta, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(kanta);
    return 0;
}
