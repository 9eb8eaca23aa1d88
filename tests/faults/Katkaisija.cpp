#include "tests/faults/Katkaisija.h"

#include <signal.h>
#include <sqlite3.h>
#include <sys/types.h>

namespace {

long jaljella = 0;

void Hetki() {
    if (--jaljella == 0) raise(SIGKILL);
}

// Makes the change between its two moments.
template <typename Kutsu, typename... Argumentit>
auto Muuta(Kutsu kutsu, Argumentit... argumentit) {
    Hetki();
    const auto tulos = kutsu(argumentit...);
    Hetki();
    return tulos;
}

using Kirjoitus = ssize_t (*)(int, const void*, size_t);
using Sijoitettu = ssize_t (*)(int, const void*, size_t, off_t);
using Katkaisu = int (*)(int, off_t);
using Poisto = int (*)(const char*);

Kirjoitus kirjoita = nullptr;
Sijoitettu kirjoitaKohtaan = nullptr;
Katkaisu katkaise = nullptr;
Poisto poista = nullptr;

ssize_t Kirjoita(int tiedosto, const void* data, size_t koko) {
    return Muuta(kirjoita, tiedosto, data, koko);
}

ssize_t KirjoitaKohtaan(int tiedosto, const void* data, size_t koko, off_t kohta) {
    return Muuta(kirjoitaKohtaan, tiedosto, data, koko, kohta);
}

int Katkaise(int tiedosto, off_t koko) { return Muuta(katkaise, tiedosto, koko); }

int Poista(const char* polku) { return Muuta(poista, polku); }

template <typename Kutsu>
void Korvaa(sqlite3_vfs* vfs, const char* nimi, Kutsu& alkuperainen, Kutsu korvaava) {
    alkuperainen = reinterpret_cast<Kutsu>(vfs->xGetSystemCall(vfs, nimi));
    if (alkuperainen != nullptr) {
        vfs->xSetSystemCall(vfs, nimi, reinterpret_cast<sqlite3_syscall_ptr>(korvaava));
    }
}

}  // namespace

void KatkaiseHetkella(long n) {
    jaljella = n;
    sqlite3_vfs* vfs = sqlite3_vfs_find(nullptr);
    Korvaa(vfs, "write", kirjoita, Kirjoita);
    Korvaa(vfs, "pwrite64", kirjoitaKohtaan, KirjoitaKohtaan);
    Korvaa(vfs, "ftruncate", katkaise, Katkaise);
    Korvaa(vfs, "unlink", poista, Poista);
}
