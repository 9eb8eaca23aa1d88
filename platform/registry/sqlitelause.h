#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <string>

// One prepared SQLite statement. A statement that failed to prepare keeps the
// failure, and every step answers it, so callers check once at the end.
class SqliteLause {
  public:
    SqliteLause(sqlite3* yhteys, const char* sql) {
        tulos_ = sqlite3_prepare_v2(yhteys, sql, -1, &lause_, nullptr);
    }
    ~SqliteLause() { sqlite3_finalize(lause_); }
    SqliteLause(const SqliteLause&) = delete;
    SqliteLause& operator=(const SqliteLause&) = delete;

    SqliteLause& Sido(int paikka, const std::string& teksti) {
        if (tulos_ == SQLITE_OK) {
            tulos_ = sqlite3_bind_text(lause_, paikka, teksti.data(),
                                       static_cast<int>(teksti.size()), SQLITE_TRANSIENT);
        }
        return *this;
    }

    SqliteLause& Sido(int paikka, std::int64_t luku) {
        if (tulos_ == SQLITE_OK) tulos_ = sqlite3_bind_int64(lause_, paikka, luku);
        return *this;
    }

    // A zero-length blob stays a blob: the stored data of an empty value.
    SqliteLause& SidoData(int paikka, const void* data, int koko) {
        if (tulos_ == SQLITE_OK) {
            tulos_ = koko == 0 ? sqlite3_bind_zeroblob(lause_, paikka, 0)
                               : sqlite3_bind_blob(lause_, paikka, data, koko, SQLITE_TRANSIENT);
        }
        return *this;
    }

    // SQLITE_ROW or SQLITE_DONE, or the first failure met.
    int Askel() {
        if (tulos_ == SQLITE_OK || tulos_ == SQLITE_ROW) tulos_ = sqlite3_step(lause_);
        return tulos_;
    }

    // SQLITE_OK when the statement ran to its end, else the failure.
    int Aja() { return Askel() == SQLITE_DONE ? SQLITE_OK : tulos_; }

    sqlite3_stmt* operator*() const { return lause_; }

  private:
    sqlite3_stmt* lause_ = nullptr;
    int tulos_;
};
