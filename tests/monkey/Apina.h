#pragma once

#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <cstdint>
#include <deque>
#include <optional>
#include <random>
#include <string>

#include "store/ParhaatTulokset.h"
#include "tests/monkey/Seurattuikkuna.h"

class QDialog;
class QMessageBox;
class Kuvaruutu;

// A player without a plan: throws random mouse clicks, keys, menu commands
// and answers at the real main window and at every box and dialog it opens,
// and checks the game after each of them. The first broken rule stops it.
class Apina : public QObject {
  public:
    explicit Apina(std::uint64_t siemen);

    // Plays until both counts are reached, or until something breaks.
    void Aja(long tapahtumia, int peleja);

    // Empty while nothing broke; else the rule, the event and the latest events.
    const std::string& Virhe() const { return virhe_; }
    long Tapahtumia() const { return tapahtumia_; }
    int Paattyneita() const { return voittoja_ + haviota_; }
    int Voittoja() const { return voittoja_; }
    int Haviota() const { return haviota_; }
    int NimiaListalle() const { return nimia_; }

  private:
    // One event of the player between two others: nothing else runs.
    void Tapahtuma();
    // The watch that runs inside every modal loop and the computer's pause.
    void Vahdi();
    void Toimi();
    void PaaikkunanTapahtuma();
    void Ammu();
    void Valikosta(Qt::Key valikko, Qt::Key kohta);
    void Nappain(Qt::Key nappain, Qt::KeyboardModifiers muunnin = Qt::NoModifier);
    void Ruudukolle();
    void Napsauta(QWidget* kohde, Qt::MouseButton painike);
    void VastaaViestiin(QMessageBox* ruutu);
    void KaytaDialogia(QDialog* dialogi);
    void KirjoitaNimi(QDialog* dialogi);

    // Checks after each event: `rajalla` when no handler is running.
    void Tarkista(bool rajalla);
    void TarkistaRajalla();
    void HuomaaVaihe(const std::string& vaihe, std::optional<int> putki);
    void TarkistaNakyma();
    void TarkistaNimikysely();
    void TarkistaLista();
    void TarkistaPutki();
    void Riko(const std::string& syy);
    void Kirjaa(const std::string& tapahtuma);

    int Arvo(std::size_t n) {
        return static_cast<int>(std::uniform_int_distribution<std::size_t>(0, n - 1)(arpa_));
    }
    bool Kolikko(double p) { return std::bernoulli_distribution(p)(arpa_); }
    Qt::MouseButton Hiirenpainike();
    Kuvaruutu* Ruutu(Puoli ruudukko, int ruutu) const;

    std::uint64_t siemen_;
    std::mt19937_64 arpa_;
    Seurattuikkuna ikkuna_;
    QTimer vahti_;
    int syvyys_ = 0;
    bool toimintaJonossa_ = false;

    long tapahtumia_ = 0;
    int voittoja_ = 0;
    int haviota_ = 0;
    int nimia_ = 0;
    std::string virhe_;
    std::deque<std::string> loki_;

    std::string vaihe_;
    ParhaatTulokset lista_;
    int putki_ = 0;
    // The name dialog as last seen: the streak it was shown for, the name
    // it held when a button was pressed, and whether its close box shut it.
    bool nimiAuki_ = false;
    int nimenPutki_ = 0;
    std::string nimi_;
    bool ruksillaSuljettu_ = false;
    // The boxes that told of a win or a loss, the name dialogs that opened,
    // and the streak and tenth score as they stood after the last event.
    QPointer<QMessageBox> laskettuLaatikko_;
    int voittolaatikoita_ = 0;
    int haviolaatikoita_ = 0;
    int nimikyselyja_ = 0;
    int putkiRajalla_ = 0;
    int kymmenesRajalla_ = 0;
    int nimikyselyjaRajalla_ = 0;
    int kirjoitettujaNimia_ = 0;
};
