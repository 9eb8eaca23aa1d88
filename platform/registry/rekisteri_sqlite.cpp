// The registry operations over the SQLite hive. A handle names an open key
// by its path; the key itself lives in the hive, so a key deleted by another
// process makes the handle's operations fail, as on Windows.

#include <cstring>
#include <map>
#include <mutex>
#include <optional>

#include "platform/registry/rekisteri.h"
#include "platform/registry/rekisteripesa.h"
#include "platform/registry/sqlitelause.h"

namespace {

std::mutex lukko;
std::map<std::uintptr_t, std::string> avoimet;
std::uintptr_t seuraavaKahva = 1;

// Every operation holds the lock throughout.
using Lukitus = std::lock_guard<std::mutex>;

// The key path a root or an open handle names ("" for HKEY_CURRENT_USER).
std::optional<std::string> Kanta(HKEY kahva) {
    if (kahva == HKEY_CURRENT_USER) return std::string{};
    const auto avoin = avoimet.find(reinterpret_cast<std::uintptr_t>(kahva));
    if (avoin == avoimet.end()) return std::nullopt;
    return avoin->second;
}

// The subkey's full path without a trailing backslash, or nothing when one
// of its names is empty.
std::optional<std::string> Alipolku(const std::string& kanta, LPCSTR aliavain) {
    std::string ali = aliavain != nullptr ? aliavain : "";
    if (!ali.empty() && ali.back() == '\\') ali.pop_back();
    if (ali.empty()) return kanta;
    if (ali.front() == '\\' || ali.find("\\\\") != std::string::npos) return std::nullopt;
    return kanta.empty() ? ali : kanta + '\\' + ali;
}

// A hive held by another process or failing to read is told apart from a
// value that is not there, so a caller does not take defaults for what is
// stored. An empty or damaged hive holds nothing.
LONG Lukuvirhe(int tulos) {
    switch (tulos & 0xff) {
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            return ERROR_LOCK_VIOLATION;
        case SQLITE_IOERR:
            return ERROR_READ_FAULT;
        default:
            return ERROR_FILE_NOT_FOUND;
    }
}

// A change that found the hive held by another process is told apart from
// one the hive refused, so that the caller can make it again later.
LONG Kirjoitusvirhe(int tulos, LONG muuten) {
    return rekisteripesa::Varattu(tulos) ? ERROR_LOCK_VIOLATION : muuten;
}

HKEY UusiKahva(const std::string& polku) {
    const std::uintptr_t tunnus = seuraavaKahva++;
    avoimet.emplace(tunnus, polku);
    return reinterpret_cast<HKEY>(tunnus);
}

// The key as the hive spells it, or nothing when it does not exist.
int HaeAvain(sqlite3* kanta, const std::string& polku, std::optional<std::string>& loydetty) {
    loydetty.reset();
    if (polku.empty()) {
        loydetty = polku;
        return SQLITE_OK;
    }
    SqliteLause haku(kanta, "SELECT path FROM keys WHERE path = ?1");
    const int tulos = haku.Sido(1, polku).Askel();
    if (tulos == SQLITE_ROW) {
        loydetty = reinterpret_cast<const char*>(sqlite3_column_text(*haku, 0));
        return SQLITE_OK;
    }
    return tulos == SQLITE_DONE ? SQLITE_OK : tulos;
}

int LuoAvain(sqlite3* kanta, const std::string& polku, std::optional<std::string>& luotu) {
    int tulos = HaeAvain(kanta, polku, luotu);
    if (tulos != SQLITE_OK || luotu) return tulos;
    for (std::size_t loppu = polku.find('\\'); tulos == SQLITE_OK;
         loppu = polku.find('\\', loppu + 1)) {
        SqliteLause lisays(kanta, "INSERT OR IGNORE INTO keys(path) VALUES(?1)");
        tulos = lisays.Sido(1, polku.substr(0, loppu)).Aja();
        if (loppu == std::string::npos) break;
    }
    return tulos == SQLITE_OK ? HaeAvain(kanta, polku, luotu) : tulos;
}

int AsetaArvo(sqlite3* kanta, const std::string& avain, const std::string& nimi, DWORD tyyppi,
              const BYTE* data, DWORD koko) {
    SqliteLause asetus(kanta,
                       "INSERT INTO vals(key, name, type, data) VALUES(?1, ?2, ?3, ?4)"
                       " ON CONFLICT(key, name) DO UPDATE SET type = excluded.type,"
                       " data = excluded.data");
    return asetus.Sido(1, avain)
        .Sido(2, nimi)
        .Sido(3, std::int64_t{tyyppi})
        .SidoData(4, data, static_cast<int>(koko))
        .Aja();
}

bool OnAliavaimia(sqlite3* kanta, const std::string& polku, int& tulos) {
    SqliteLause haku(kanta,
                     "SELECT 1 FROM keys WHERE path > ?1 || '\\' AND path < ?1 || ']' LIMIT 1");
    tulos = haku.Sido(1, polku).Askel();
    const bool on = tulos == SQLITE_ROW;
    if (tulos == SQLITE_ROW || tulos == SQLITE_DONE) tulos = SQLITE_OK;
    return on;
}

int PoistaAvain(sqlite3* kanta, const std::string& polku) {
    SqliteLause arvot(kanta, "DELETE FROM vals WHERE key = ?1");
    int tulos = arvot.Sido(1, polku).Aja();
    if (tulos != SQLITE_OK) return tulos;
    SqliteLause avain(kanta, "DELETE FROM keys WHERE path = ?1");
    return avain.Sido(1, polku).Aja();
}

LONG AvaaTaiLuo(HKEY hKey, LPCSTR lpSubKey, PHKEY phkResult, bool luo) {
    if (phkResult == nullptr) return ERROR_INVALID_PARAMETER;
    *phkResult = nullptr;
    const auto kanta = Kanta(hKey);
    if (!kanta) return ERROR_INVALID_HANDLE;
    const auto polku = Alipolku(*kanta, lpSubKey);
    if (!polku) return ERROR_BAD_PATHNAME;
    if (*polku == *kanta) {
        *phkResult = hKey;
        return ERROR_SUCCESS;
    }
    std::optional<std::string> avain;
    if (luo) {
        const int tulos = rekisteripesa::Kirjoita(
            [&](sqlite3* yhteys) { return LuoAvain(yhteys, *polku, avain); });
        if (tulos != SQLITE_OK) return Kirjoitusvirhe(tulos, ERROR_ACCESS_DENIED);
    } else if (sqlite3* yhteys = rekisteripesa::LukuYhteys()) {
        const int haku = HaeAvain(yhteys, *polku, avain);
        if (haku != SQLITE_OK) return Lukuvirhe(haku);
    }
    if (!avain) return ERROR_FILE_NOT_FOUND;
    *phkResult = UusiKahva(*avain);
    return ERROR_SUCCESS;
}

}  // namespace

LONG RegCreateKeyA(HKEY hKey, LPCSTR lpSubKey, PHKEY phkResult) {
    const Lukitus lukitus(lukko);
    return AvaaTaiLuo(hKey, lpSubKey, phkResult, true);
}

LONG RegOpenKeyA(HKEY hKey, LPCSTR lpSubKey, PHKEY phkResult) {
    const Lukitus lukitus(lukko);
    return AvaaTaiLuo(hKey, lpSubKey, phkResult, false);
}

LONG RegSetValueExA(HKEY hKey, LPCSTR lpValueName, DWORD, DWORD dwType, const BYTE* lpData,
                    DWORD cbData) {
    const Lukitus lukitus(lukko);
    const auto avain = Kanta(hKey);
    if (!avain) return ERROR_INVALID_HANDLE;
    if (lpData == nullptr && cbData != 0) return ERROR_INVALID_PARAMETER;
    const std::string nimi = lpValueName != nullptr ? lpValueName : "";
    LONG vastaus = ERROR_SUCCESS;
    // A set is committed durably at once, or with the batch it joins, so a
    // flush has nothing of its own to write and never ends a batch early.
    const int tulos = rekisteripesa::Kirjoita([&](sqlite3* kanta) {
        std::optional<std::string> olemassa;
        const int haku = HaeAvain(kanta, *avain, olemassa);
        if (haku != SQLITE_OK) return haku;
        if (!olemassa) {
            vastaus = ERROR_KEY_DELETED;
            return SQLITE_OK;
        }
        return AsetaArvo(kanta, *avain, nimi, dwType, lpData, cbData);
    });
    return tulos == SQLITE_OK ? vastaus : Kirjoitusvirhe(tulos, ERROR_ACCESS_DENIED);
}

LONG RegQueryValueExA(HKEY hKey, LPCSTR lpValueName, LPDWORD lpReserved, LPDWORD lpType,
                      LPBYTE lpData, LPDWORD lpcbData) {
    const Lukitus lukitus(lukko);
    const auto avain = Kanta(hKey);
    if (!avain) return ERROR_INVALID_HANDLE;
    if (lpReserved != nullptr || (lpData != nullptr && lpcbData == nullptr)) {
        return ERROR_INVALID_PARAMETER;
    }
    sqlite3* kanta = rekisteripesa::LukuYhteys();
    if (kanta == nullptr) return ERROR_FILE_NOT_FOUND;
    SqliteLause haku(kanta, "SELECT type, data FROM vals WHERE key = ?1 AND name = ?2");
    const int tulos =
        haku.Sido(1, *avain).Sido(2, lpValueName != nullptr ? lpValueName : "").Askel();
    if (tulos != SQLITE_ROW) return Lukuvirhe(tulos);
    if (lpType != nullptr) *lpType = static_cast<DWORD>(sqlite3_column_int64(*haku, 0));
    const void* data = sqlite3_column_blob(*haku, 1);
    const auto koko = static_cast<DWORD>(sqlite3_column_bytes(*haku, 1));
    if (lpcbData == nullptr) return ERROR_SUCCESS;
    const DWORD tila = *lpcbData;
    *lpcbData = koko;
    if (lpData == nullptr) return ERROR_SUCCESS;
    if (koko > tila) return ERROR_MORE_DATA;
    if (koko > 0) std::memcpy(lpData, data, koko);
    return ERROR_SUCCESS;
}

LONG RegFlushKey(HKEY hKey) {
    const Lukitus lukitus(lukko);
    return Kanta(hKey) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

LONG RegCloseKey(HKEY hKey) {
    const Lukitus lukitus(lukko);
    if (hKey == HKEY_CURRENT_USER) return ERROR_SUCCESS;
    return avoimet.erase(reinterpret_cast<std::uintptr_t>(hKey)) == 1 ? ERROR_SUCCESS
                                                                      : ERROR_INVALID_HANDLE;
}

LONG RegDeleteKeyA(HKEY hKey, LPCSTR lpSubKey) {
    const Lukitus lukitus(lukko);
    const auto kanta = Kanta(hKey);
    if (!kanta) return ERROR_INVALID_HANDLE;
    const auto polku = Alipolku(*kanta, lpSubKey);
    if (!polku) return ERROR_BAD_PATHNAME;
    if (polku->empty()) return ERROR_ACCESS_DENIED;
    LONG vastaus = ERROR_SUCCESS;
    const int tulos = rekisteripesa::Muuta([&](sqlite3* yhteys) {
        std::optional<std::string> avain;
        int haku = HaeAvain(yhteys, *polku, avain);
        if (haku == SQLITE_OK && !avain) vastaus = ERROR_FILE_NOT_FOUND;
        if (haku != SQLITE_OK || !avain) return haku;
        if (OnAliavaimia(yhteys, *avain, haku)) vastaus = ERROR_ACCESS_DENIED;
        if (haku != SQLITE_OK || vastaus != ERROR_SUCCESS) return haku;
        return PoistaAvain(yhteys, *avain);
    });
    return tulos == SQLITE_OK ? vastaus : Kirjoitusvirhe(tulos, ERROR_FILE_NOT_FOUND);
}

LONG RegDeleteValueA(HKEY hKey, LPCSTR lpValueName) {
    const Lukitus lukitus(lukko);
    const auto avain = Kanta(hKey);
    if (!avain) return ERROR_INVALID_HANDLE;
    LONG vastaus = ERROR_SUCCESS;
    const int tulos = rekisteripesa::Muuta([&](sqlite3* kanta) {
        SqliteLause poisto(kanta, "DELETE FROM vals WHERE key = ?1 AND name = ?2");
        const int poistettu =
            poisto.Sido(1, *avain).Sido(2, lpValueName != nullptr ? lpValueName : "").Aja();
        if (poistettu == SQLITE_OK && sqlite3_changes(kanta) == 0) vastaus = ERROR_FILE_NOT_FOUND;
        return poistettu;
    });
    return tulos == SQLITE_OK ? vastaus : Kirjoitusvirhe(tulos, ERROR_ACCESS_DENIED);
}
