#pragma once

#include <QCursor>
#include <QMainWindow>
#include <QTimer>
#include <array>
#include <chrono>
#include <string>
#include <utility>
#include <vector>

#include "net/Verkkoyhteys.h"
#include "qt/Ikkunapalvelut.h"
#include "qt/Kuulutus.h"
#include "qt/Soketinvalvonta.h"
#include "qt/Valintaikkuna.h"
#include "rules/Nakyma.h"
#include "rules/Pelitila.h"
#include "rules/Satunnaisluvut.h"
#include "rules/window/frmMorvakMalli.h"
#include "sound/Tiedostoaanet.h"

class Kuvanimio;
class Kuvaruutu;
class Kuvaruudukko;
class QAction;
class QLabel;
class QPushButton;

// The main window: both grids, the instruction frame, the two buttons and the
// menus, built from the rules' tables. It owns the one game state, passes
// every event to the rules and shows what they decide. Creating it runs the
// window's load, first new game included. Nothing ticks while nothing happens:
// its one timer runs only while the rules ask for it. The boxes, the pointer
// and the desktop's opener are the services its dialogs use too.
class frmMorvak : public QMainWindow, public Ikkunapalvelut, public Nakyma {
    Q_OBJECT

  public:
    explicit frmMorvak(Satunnaisluvut arpa = Satunnaisluvut(), QWidget* parent = nullptr);

    Pelitila& Tila() { return tila_; }
    frmMorvakMalli& Malli() { return malli_; }
    // The desktop session is ending: the quit question and, on Yes, the
    // streak settled and the program ended. False keeps the session going.
    bool IstuntoPaattyy();
    Tiedostoaanet& Aanet() { return aanet_; }
    Verkkoyhteys& Verkko() { return verkko_; }

    void NaytaRuudut(const std::vector<Ruutumuutos>& muutokset) override;
    void AsetaIkkunaKaytossa(bool kaytossa) override;
    void NaytaTilanne(const Tilannemuutos& muutos) override;
    void AsetaKorkeus(int twipit) override;
    void NaytaDialogi(Valintaikkunamalli& malli) override;
    void SoitaAani(Aani aani) override;
    void PyydaAjastin(std::optional<std::chrono::milliseconds> kesto) override;
    void Lopeta() override;

  protected:
    void closeEvent(QCloseEvent* tapahtuma) override;
    void keyPressEvent(QKeyEvent* tapahtuma) override;

  private:
    void LuoRuudukot(QWidget* alue);
    void LuoAlalaita(QWidget* alue);
    void LuoValikot();
    void NaytaOhje(const std::string& ohje);
    // The bottom band where the band of the fleets leaves it, and the
    // fleets' pictures shown or not.
    void NaytaLaivastot(bool nayta);
    Kuvaruutu* Ruutu(Puoli ruudukko, int ruutu) const;
    // The focus squares that moved, and the keyboard's focus moved to the
    // grid the rules handed it to.
    void NaytaNappaimisto(const Tilannemuutos& muutos);

    Pelitila tila_;
    Satunnaisluvut arpa_;
    Tiedostoaanet aanet_{OhjelmanKansio()};
    frmMorvakMalli malli_;
    // The transport goes first: it speaks to the model and asks the watch.
    Soketinvalvonta valvonta_{*this, [this](const Tapahtuma& t) { malli_.Tapahtuu(t); }};
    Verkkoyhteys verkko_{valvonta_, [this](const Tapahtuma& t) { malli_.Tapahtuu(t); }};

    std::array<Kuvaruudukko*, 2> ruudukot_{};  // indexed by Puoli
    Saatimet alalaita_;
    std::array<Kuvanimio*, 2> laivastot_{};  // indexed by Puoli
    QLabel* lblOhje = nullptr;
    std::array<QPushButton*, 2> cmdPainike{};
    std::vector<std::pair<QAction*, Komento>> komennot_;

    QCursor sormikursori_;
    QTimer ajastin_{this};
    Kuulutus kuulutus_{this};
};
