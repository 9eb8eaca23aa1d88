#pragma once

#include <array>

#include "rules/Nakyma.h"

// The main window as the rules drew it: every request goes on to the face
// unchanged, and the picture and the enabled state of each square are kept
// on the way, so that the keyboard and the squares' names go by what the
// player sees rather than by what the rules know.
class NakyvatRuudut : public Nakyma {
  public:
    explicit NakyvatRuudut(Nakyma& nakyma) : n(nakyma) {}

    Kuva Kuvassa(Puoli ruudukko, int ruutu) const { return Ruutu(ruudukko, ruutu).kuva; }
    // Whether a click on the square would reach the rules.
    bool Kaytossa(Puoli ruudukko, int ruutu) const { return Ruutu(ruudukko, ruutu).kaytossa; }

    void NaytaKuva(Puoli ruudukko, int ruutu, Kuva kuva) override {
        Ruutu(ruudukko, ruutu).kuva = kuva;
        n.NaytaKuva(ruudukko, ruutu, kuva);
    }
    void AsetaRuutuKaytossa(Puoli ruudukko, int ruutu, bool kaytossa) override {
        Ruutu(ruudukko, ruutu).kaytossa = kaytossa;
        n.AsetaRuutuKaytossa(ruudukko, ruutu, kaytossa);
    }

    void AsetaSormiosoitin(Puoli ruudukko, int ruutu, bool sormi) override {
        n.AsetaSormiosoitin(ruudukko, ruutu, sormi);
    }
    void AsetaIkkunaKaytossa(bool kaytossa) override { n.AsetaIkkunaKaytossa(kaytossa); }
    void NaytaTilanne(const Tilanne& tilanne) override { n.NaytaTilanne(tilanne); }
    void TilanneMuuttui() override { n.TilanneMuuttui(); }
    void AsetaPainikkeetKaytossa(bool kaytossa) override { n.AsetaPainikkeetKaytossa(kaytossa); }
    void AsetaKorkeus(int twipit) override { n.AsetaKorkeus(twipit); }
    void NaytaDialogi(Valintaikkunamalli& malli) override { n.NaytaDialogi(malli); }
    void NaytaVedenpinta(Puoli ruudukko, int ruutu, std::optional<double> pinta) override {
        n.NaytaVedenpinta(ruudukko, ruutu, pinta);
    }
    void SoitaAani(Aani aani) override { n.SoitaAani(aani); }
    void PyydaAjastin(std::chrono::milliseconds kesto) override { n.PyydaAjastin(kesto); }
    void PeruAjastin() override { n.PeruAjastin(); }
    std::chrono::milliseconds Nyt() const override { return n.Nyt(); }
    void Lopeta() override { n.Lopeta(); }
    void AsetaOsoitin(Osoitin osoitin) override { n.AsetaOsoitin(osoitin); }
    void Ilmoita(const std::string& otsikko, const std::string& teksti, Kuvake kuvake) override {
        n.Ilmoita(otsikko, teksti, kuvake);
    }
    void Kysy(const std::string& otsikko, const std::string& teksti) override {
        n.Kysy(otsikko, teksti);
    }
    void AvaaKuorella(const Kuorikohde& kohde, Nayttokomento naytto) override {
        n.AvaaKuorella(kohde, naytto);
    }
    std::string OhjelmanKansio() const override { return n.OhjelmanKansio(); }

  private:
    // A face starts every square on water and enabled.
    struct Nakyva {
        Kuva kuva = Kuva::Vesi;
        bool kaytossa = true;
    };
    const Nakyva& Ruutu(Puoli ruudukko, int ruutu) const {
        return ruudut_[static_cast<std::size_t>(ruudukko)][static_cast<std::size_t>(ruutu)];
    }
    Nakyva& Ruutu(Puoli ruudukko, int ruutu) {
        return ruudut_[static_cast<std::size_t>(ruudukko)][static_cast<std::size_t>(ruutu)];
    }

    Nakyma& n;
    std::array<std::array<Nakyva, 101>, 2> ruudut_{};
};
