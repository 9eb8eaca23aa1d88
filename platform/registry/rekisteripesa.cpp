#include "platform/registry/rekisteripesa.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <optional>

namespace rekisteripesa {
namespace {

// The batch that changes and reads join while it is open, and the first
// failure of a change made in it.
struct Era {
    sqlite3* kanta;
    int tulos;
};
std::optional<Era> era;

// A read waits for another process's commit to end, as a commit holds the
// hive only for the few milliseconds its syncs take; a read that fell back to
// the defaults instead could have them saved over what is stored. A hive held
// for longer is read as unknown after a quarter of a second, so that the
// twenty values of the list cost no more than the five seconds a start could
// always wait. A write never waits: it says the hive is held, and the game
// makes it again later.
constexpr int LUKU_ODOTTAA_MS = 250;

constexpr const char* KAAVA =
    "CREATE TABLE IF NOT EXISTS keys(path TEXT PRIMARY KEY COLLATE NOCASE);"
    "CREATE TABLE IF NOT EXISTS vals(key TEXT COLLATE NOCASE, name TEXT COLLATE NOCASE,"
    " type INTEGER, data BLOB, PRIMARY KEY(key, name));";

// The cached connection and the file it was opened on. Another process may
// rename or replace the file, so every call checks that it is still the same.
struct Yhteys {
    sqlite3* kanta = nullptr;
    std::string polku;
    dev_t laite{};
    ino_t inode{};

    Yhteys() = default;
    Yhteys(const Yhteys&) = delete;
    Yhteys& operator=(const Yhteys&) = delete;
    ~Yhteys() { sqlite3_close(kanta); }
};

Yhteys& Avoin() {
    static Yhteys yhteys;
    return yhteys;
}

void Unohda() {
    Yhteys& avoin = Avoin();
    sqlite3_close(avoin.kanta);
    avoin.kanta = nullptr;
    avoin.polku.clear();
}

std::string Asetuskansio() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg != nullptr && xdg[0] == '/') return xdg;
    const char* koti = std::getenv("HOME");
    if (koti == nullptr || koti[0] == '\0') {
        const passwd* kayttaja = getpwuid(getuid());
        koti = kayttaja != nullptr ? kayttaja->pw_dir : "";
    }
    return std::string(koti) + "/.config";
}

std::string Kansio(const std::string& polku) { return polku.substr(0, polku.rfind('/')); }

// Creates each missing folder of the path, private to the user.
bool LuoKansiot(const std::string& kansio) {
    for (std::size_t loppu = 1; loppu != std::string::npos;) {
        loppu = kansio.find('/', loppu + 1);
        const std::string osa = kansio.substr(0, loppu);
        if (mkdir(osa.c_str(), 0700) != 0 && errno != EEXIST) return false;
    }
    struct stat tiedot {};
    return stat(kansio.c_str(), &tiedot) == 0 && S_ISDIR(tiedot.st_mode);
}

// SQLite would create the file readable by everyone; the hive is the user's own.
bool LuoTiedosto(const std::string& polku) {
    if (!LuoKansiot(Kansio(polku))) return false;
    const int tiedosto = open(polku.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (tiedosto >= 0) return close(tiedosto) == 0;
    return errno == EEXIST;
}

sqlite3* Yhdista(const std::string& polku) {
    Yhteys& avoin = Avoin();
    struct stat tiedot {};
    if (stat(polku.c_str(), &tiedot) != 0) {
        Unohda();
        return nullptr;
    }
    if (avoin.kanta != nullptr && avoin.polku == polku && avoin.laite == tiedot.st_dev &&
        avoin.inode == tiedot.st_ino) {
        return avoin.kanta;
    }
    Unohda();
    sqlite3* kanta = nullptr;
    if (sqlite3_open_v2(polku.c_str(), &kanta, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        sqlite3_close(kanta);
        return nullptr;
    }
    sqlite3_busy_timeout(kanta, LUKU_ODOTTAA_MS);
    // EXTRA also syncs the folder after the journal is deleted, so a commit
    // survives a power cut that follows it at once.
    sqlite3_exec(kanta, "PRAGMA synchronous = EXTRA", nullptr, nullptr, nullptr);
    avoin.kanta = kanta;
    avoin.polku = polku;
    avoin.laite = tiedot.st_dev;
    avoin.inode = tiedot.st_ino;
    return kanta;
}

bool Vaurioitunut(int tulos) {
    const int laji = tulos & 0xff;
    return laji == SQLITE_NOTADB || laji == SQLITE_CORRUPT;
}

std::string Aikaleima() {
    const std::time_t nyt = std::time(nullptr);
    std::tm aika{};
    localtime_r(&nyt, &aika);
    char teksti[32];
    std::strftime(teksti, sizeof teksti, "%Y%m%d-%H%M%S", &aika);
    return teksti;
}

// Keeps the damaged file, and any journal of it, beside the hive under a name
// of its own. Only the file this process found damaged is moved: another
// process may already have put it aside and started a fresh hive.
void SiirraSivuun() {
    const Yhteys& avoin = Avoin();
    const std::string polku = avoin.polku;
    struct stat tiedot {};
    const bool sama = avoin.kanta != nullptr && stat(polku.c_str(), &tiedot) == 0 &&
                      tiedot.st_dev == avoin.laite && tiedot.st_ino == avoin.inode;
    Unohda();
    if (!sama) return;
    const std::string perusnimi = polku + ".damaged-" + Aikaleima();
    std::string uusi = perusnimi;
    for (int n = 2; access(uusi.c_str(), F_OK) == 0; ++n)
        uusi = perusnimi + "-" + std::to_string(n);
    if (std::rename(polku.c_str(), uusi.c_str()) == 0) {
        std::rename((polku + "-journal").c_str(), (uusi + "-journal").c_str());
    }
}

int Aloita(sqlite3* kanta, const char* valmistelu) {
    sqlite3_busy_timeout(kanta, 0);
    const int tulos = sqlite3_exec(kanta, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    if (tulos != SQLITE_OK) return tulos;
    return sqlite3_exec(kanta, valmistelu, nullptr, nullptr, nullptr);
}

// Commits the transaction when its work succeeded, and rolls it back when
// anything failed.
int Paata(sqlite3* kanta, int tulos) {
    if (tulos == SQLITE_OK) tulos = sqlite3_exec(kanta, "COMMIT", nullptr, nullptr, nullptr);
    if (tulos != SQLITE_OK && !sqlite3_get_autocommit(kanta))
        sqlite3_exec(kanta, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_busy_timeout(kanta, LUKU_ODOTTAA_MS);
    // A connection that could not write (read-only file, lost lock) is
    // opened anew next time rather than trusted; one that only found the
    // hive held by another process is sound.
    if (tulos != SQLITE_OK && !Vaurioitunut(tulos) && !Varattu(tulos)) Unohda();
    return tulos;
}

int Transaktio(sqlite3* kanta, const char* valmistelu, const Muutos& muutos) {
    int tulos = Aloita(kanta, valmistelu);
    if (tulos == SQLITE_OK) tulos = muutos(kanta);
    return Paata(kanta, tulos);
}

// Runs a transaction on the hive, creating the hive when missing. A file that
// is not a database is put aside and the transaction is tried again on a
// fresh hive.
int KirjoitaHiveen(const std::function<int(sqlite3*)>& transaktio) {
    const auto kerran = [&] {
        const std::string polku = Polku();
        if (!LuoTiedosto(polku)) return SQLITE_CANTOPEN;
        sqlite3* kanta = Yhdista(polku);
        return kanta != nullptr ? transaktio(kanta) : SQLITE_CANTOPEN;
    };
    const int tulos = kerran();
    if (!Vaurioitunut(tulos)) return tulos;
    SiirraSivuun();
    return kerran();
}

// Makes a change inside the batch. After a failure nothing more is made, nor
// once SQLite has rolled the transaction back by itself: the change would
// then be committed on its own.
int Liity(const Muutos& muutos) {
    if (era->tulos == SQLITE_OK && sqlite3_get_autocommit(era->kanta)) era->tulos = SQLITE_ABORT;
    if (era->tulos == SQLITE_OK) era->tulos = muutos(era->kanta);
    return era->tulos;
}

}  // namespace

bool Varattu(int tulos) {
    const int laji = tulos & 0xff;
    return laji == SQLITE_BUSY || laji == SQLITE_LOCKED;
}

std::string Polku() { return Asetuskansio() + "/morvak/registry.db"; }

sqlite3* LukuYhteys() { return era ? era->kanta : Yhdista(Polku()); }

int Muuta(const Muutos& muutos) {
    if (era) return Liity(muutos);
    sqlite3* kanta = LukuYhteys();
    if (kanta == nullptr) return SQLITE_CANTOPEN;
    return Transaktio(kanta, "", muutos);
}

int Kirjoita(const Muutos& muutos) {
    if (era) return Liity(muutos);
    return KirjoitaHiveen([&](sqlite3* kanta) { return Transaktio(kanta, KAAVA, muutos); });
}

int AloitaEra() {
    if (era) return SQLITE_MISUSE;
    return KirjoitaHiveen([](sqlite3* kanta) {
        const int tulos = Aloita(kanta, KAAVA);
        if (tulos != SQLITE_OK) return Paata(kanta, tulos);
        era = Era{kanta, SQLITE_OK};
        return SQLITE_OK;
    });
}

int VahvistaEra() {
    if (!era) return SQLITE_MISUSE;
    const Era paattyva = *era;
    era.reset();
    return Paata(paattyva.kanta, paattyva.tulos);
}

void PeruEra() {
    if (!era) return;
    const Era paattyva = *era;
    era.reset();
    if (!sqlite3_get_autocommit(paattyva.kanta)) {
        sqlite3_exec(paattyva.kanta, "ROLLBACK", nullptr, nullptr, nullptr);
    }
}

}  // namespace rekisteripesa
