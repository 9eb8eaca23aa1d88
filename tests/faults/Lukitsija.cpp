// Another process holding the hive: takes a lock on the file given, says so
// with one line, and holds the lock until its standard input closes. The lock
// is exclusive; or with "tallentaa" that of a copy of the game in the middle
// of a save, which still lets others read, and which ends the save by storing
// ParasPelaaja0 "Tallennettu" under the game's key before it lets go.

#include <sqlite3.h>

#include <cstdio>
#include <cstring>

namespace {

constexpr const char* TALLENNUS =
    "INSERT OR IGNORE INTO keys(path) VALUES('Software'), ('Software\\Relvano'),"
    " ('Software\\Relvano\\Morvak 1.2 Freeware');"
    "INSERT OR REPLACE INTO vals(key, name, type, data) VALUES("
    "'Software\\Relvano\\Morvak 1.2 Freeware', 'ParasPelaaja0', 1, X'54616C6C656E6E6574747500');";

}  // namespace

int main(int argc, char* argv[]) {
    const bool tallentaa = argc == 3 && std::strcmp(argv[2], "tallentaa") == 0;
    if (argc != 2 && !tallentaa) {
        std::fprintf(stderr, "usage: %s HIVE [tallentaa]\n", argv[0]);
        return 2;
    }
    sqlite3* kanta = nullptr;
    if (sqlite3_open_v2(argv[1], &kanta, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK ||
        sqlite3_exec(kanta, tallentaa ? "BEGIN IMMEDIATE" : "BEGIN EXCLUSIVE", nullptr, nullptr,
                     nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "%s\n", sqlite3_errmsg(kanta));
        return 1;
    }
    std::puts("lukittu");
    std::fflush(stdout);
    while (std::fgetc(stdin) != EOF) {
    }
    const int tulos =
        tallentaa ? sqlite3_exec(kanta, TALLENNUS, nullptr, nullptr, nullptr) : SQLITE_OK;
    sqlite3_exec(kanta, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(kanta);
    return tulos == SQLITE_OK ? 0 : 1;
}
