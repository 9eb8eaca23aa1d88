#pragma once

// Another copy of the game in the middle of a save, for as long as a test
// wants: its lock on the game's key is taken when the constructor returns,
// and Vapauta() ends the save, storing ParasPelaaja0 "Tallennettu", and lets
// the lock go. On Linux the copy is a process holding the hive's write lock
// (the program LUKITSIJA), which lets others read; on Windows a thread
// holding the key's unit, since the mutex belongs to a thread.

#include <chrono>
#include <thread>

#include "platform/registry/lukonodotus.h"
#include "tests/store/Testipesa.h"

#ifdef _WIN32
#include <future>

#include "platform/registry/kirjoitusera.h"
#include "store/mdlMorvak2.h"
#else
#include "tests/support/Lukitsija.h"
#endif

class Tallennuslukko {
  public:
#ifdef _WIN32
    explicit Tallennuslukko(const Testipesa&)
        : saie_([this] {
              KirjoitusEra era(HKEY_CURRENT_USER, AVAIN_KIRJOITUS);
              lukittu_.set_value(era.Auki());
              vapautus_.get_future().wait();
              KirjoitaRekisteriin(HKEY_CURRENT_USER, AVAIN_KIRJOITUS, "ParasPelaaja0", REG_SZ,
                                  "Tallennettu");
          }) {
        pidetaan_ = lukittu_.get_future().get();
    }
    bool Lukittu() const { return pidetaan_; }
    void Vapauta() {
        if (!saie_.joinable()) return;
        vapautus_.set_value();
        saie_.join();
    }
#else
    explicit Tallennuslukko(const Testipesa& pesa)
        : lukitsija_(LUKITSIJA, pesa.Tiedosto(), "tallentaa") {}
    bool Lukittu() const { return lukitsija_.Lukittu(); }
    void Vapauta() { lukitsija_.Vapauta(); }
#endif
    ~Tallennuslukko() {
        if (odottava_ == this) lukonodotus::AsetaTorkku(nullptr);
        odottava_ = nullptr;
        Vapauta();
    }
    Tallennuslukko(const Tallennuslukko&) = delete;
    Tallennuslukko& operator=(const Tallennuslukko&) = delete;

    // From now on the save ends the first time this thread naps waiting for
    // a lock; Odotettiin() tells whether it has, so a test knows the store
    // waited for the save.
    void PaattyyKunOdotetaan() {
        odottava_ = this;
        lukonodotus::AsetaTorkku(Torkku);
    }
    bool Odotettiin() const { return odotettiin_; }

  private:
    static void Torkku(std::chrono::milliseconds kesto) {
        if (!odottava_->odotettiin_) {
            odottava_->odotettiin_ = true;
            odottava_->Vapauta();
        }
        std::this_thread::sleep_for(kesto);
    }

    static inline Tallennuslukko* odottava_ = nullptr;
    bool odotettiin_ = false;
#ifdef _WIN32
    std::promise<bool> lukittu_;
    std::promise<void> vapautus_;
    bool pidetaan_ = false;
    std::thread saie_;
#else
    Lukitsija lukitsija_;
#endif
};
