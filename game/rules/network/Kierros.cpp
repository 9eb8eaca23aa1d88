#include "rules/network/Kierros.h"

#include <algorithm>
#include <ranges>

#include "platform/crypto/Salaus.h"
#include "rules/Tekstit.h"
#include "rules/firing/Osumantulkinta.h"
#include "rules/network/Yhteydenotto.h"

bool Kierros::Ehdota(bool kulmat, bool reuna, viestit::Avaaja avaaja) {
    if (!SatunnaisetTavut(omaArpa_)) return false;
    ehdot_ = {kulmat, reuna, avaaja, Sha256(omaArpa_)};
    Laheta(ehdot_);
    return true;
}

bool Kierros::Hyvaksy(const viestit::Peliehdot& ehdot) {
    if (!SatunnaisetTavut(omaArpa_)) return false;
    ehdot_ = ehdot;
    Laheta(viestit::Arpa{omaArpa_});
    return true;
}

void Kierros::Aloita() {
    vaihe_ = Vaihe::Sijoitus;
    vierasArpa_.reset();
    omaValmis_ = false;
    omaVuoroSeuraa_ = false;
    vastustajanSitoumus_.reset();
    odotettu_.reset();
    vastaukset_.clear();
    paljastus_.reset();
    ammututMinuun_ = {};
}

Kierros::Seuraus Kierros::Kasittele(const viestit::Viesti& viesti) {
    const bool isanta = yhteys_.Isanta();
    if (const auto* v = std::get_if<viestit::Arpa>(&viesti);
        v && isanta && vaihe_ == Vaihe::Sijoitus && !vierasArpa_) {
        ArpaSaatu(*v);
        return Seuraus::Kasitelty;
    }
    if (const auto* v = std::get_if<viestit::Valmis>(&viesti);
        v && vaihe_ == Vaihe::Sijoitus && !vastustajanSitoumus_) {
        ValmisSaatu(*v);
        return Seuraus::Kasitelty;
    }
    if (const auto* v = std::get_if<viestit::Aloita>(&viesti);
        v && !isanta && vaihe_ == Vaihe::Sijoitus && omaValmis_ && vastustajanSitoumus_) {
        AloitaSaatu(*v);
        return Seuraus::Kasitelty;
    }
    if (const auto* v = std::get_if<viestit::Ammu>(&viesti); v && vaihe_ == Vaihe::Ammunta) {
        AmmuttuMinuun(v->ruutu);
        return Seuraus::Kasitelty;
    }
    if ((std::holds_alternative<viestit::Ohi>(viesti) ||
         std::holds_alternative<viestit::Osui>(viesti) ||
         std::holds_alternative<viestit::Upposi>(viesti)) &&
        vaihe_ == Vaihe::Ammunta && odotettu_) {
        Vastattu(viesti);
        return Seuraus::Kasitelty;
    }
    if (const auto* v = std::get_if<viestit::Paljasta>(&viesti); v && !paljastus_) {
        if (vaihe_ == Vaihe::Loppu) return PaljastusSaatu(*v);
        if (YstavanVuoro()) {
            KeskenPaljastettu(*v);
            return Seuraus::Kasitelty;
        }
        // The answer to the reveal this side gave on catching a lie.
        if (vaihe_ == Vaihe::Paattynyt) {
            paljastus_ = *v;
            return Seuraus::Kasitelty;
        }
    }
    return Seuraus::EiOma;
}

// Firing waits for the friend's fleet too.
void Kierros::LaivastoValmis() {
    t.PelaajanVuoro = false;
    if (!SatunnaisetTavut(kertakoodi_)) return istunto_.Paata(teksti::EI_SATUNNAISUUTTA);
    laivasto_ = LaivastonTeksti(OmaLaivasto(t));
    omaValmis_ = true;
    Laheta(viestit::Valmis{Sitoumus(kertakoodi_, laivasto_)});
    if (yhteys_.Isanta() && vastustajanSitoumus_) Ammunnanalku();
}

void Kierros::ArpaSaatu(const viestit::Arpa& arpa) { vierasArpa_ = arpa.arvo; }

void Kierros::ValmisSaatu(const viestit::Valmis& valmis) {
    // The joining side's part of the draw comes before its fleet.
    if (yhteys_.Isanta() && !vierasArpa_) return Virhe();
    vastustajanSitoumus_ = valmis.sitoumus;
    if (yhteys_.Isanta() && omaValmis_) Ammunnanalku();
}

void Kierros::AloitaSaatu(const viestit::Aloita& aloita) {
    if (Sha256(aloita.arvo) != ehdot_.arvonnanSinetti) return Virhe();
    vierasArpa_ = aloita.arvo;
    Ammunnanalku();
}

// The draw: the host sealed its part before the joining side chose its
// own, and opened it only after, so neither could steer the result.
bool Kierros::IsantaAloittaa() const {
    switch (ehdot_.avaaja) {
        case viestit::Avaaja::Isanta:
            return true;
        case viestit::Avaaja::Vieras:
            return false;
        case viestit::Avaaja::Arvonta:
            return ((omaArpa_[0] ^ (*vierasArpa_)[0]) & 1) == 0;
    }
    return true;
}

void Kierros::Ammunnanalku() {
    if (yhteys_.Isanta()) Laheta(viestit::Aloita{omaArpa_});
    vaihe_ = Vaihe::Ammunta;
    peli_.AvaaAmmunta(IsantaAloittaa() == yhteys_.Isanta());
}

// Water this side has not shot at. A miss leaves the square water on the
// friend's grid here, so the answers tell which were shot.
bool Kierros::Ammuttava(int ruutu) const {
    return OnRuudukossa(ruutu) && t.KoneenRuudut[ruutu] == Sana::vesi &&
           std::ranges::find(vastaukset_, ruutu, &Vastaus::ruutu) == vastaukset_.end();
}

void Kierros::Ammu(int ruutu) {
    if (!t.PelaajanVuoro || !t.AmmuntaKaynnissa) return;
    if (vaihe_ != Vaihe::Ammunta || odotettu_ || !Ammuttava(ruutu)) return;
    odotettu_ = ruutu;
    t.PelaajanVuoro = false;
    Laheta(viestit::Ammu{ruutu});
}

bool Kierros::YstavanVuoro() const {
    return vaihe_ == Vaihe::Ammunta && !t.PelaajanVuoro && !odotettu_ && !omaVuoroSeuraa_;
}

// The friend sees the squares around a sunk ship as misses and has no reason
// to shoot them, but one that does shoots water.
void Kierros::AmmuttuMinuun(int ruutu) {
    if (!YstavanVuoro() || std::exchange(ammututMinuun_[ruutu], true)) return Virhe();
    omaVuoroSeuraa_ = true;
    if (!peli_.MerkitseVastustajanLaukaus(ruutu)) {
        Laheta(viestit::Ohi{});
        return peli_.UppoamisenJalkeen(Jatko::Verkko);
    }
    const auto laivat = t.Laivat(Puoli::Pelaaja);
    const auto laiva = std::ranges::find_if(laivat, [&](const Laiva& l) {
        return std::ranges::find(l.ruudut, ruutu) != l.ruudut.end();
    });
    const std::vector<int> ruudut(laiva->ruudut.begin(), laiva->ruudut.end());
    if (TulkitseOsuma(peli_, t, Puoli::Pelaaja, ruutu) == Tulkinta::Upposi) {
        Laheta(viestit::Upposi{ruudut});
    } else {
        Laheta(viestit::Osui{});
        peli_.Soita(Aani::Osuma);
    }
    if (t.KoneenOsumat == 20) PeliPaattyi();
    peli_.UppoamisenJalkeen(Jatko::Verkko);
}

void Kierros::Vastattu(const viestit::Viesti& vastaus) {
    const int ruutu = *std::exchange(odotettu_, std::nullopt);
    omaVuoroSeuraa_ = false;
    if (std::holds_alternative<viestit::Ohi>(vastaus)) {
        vastaukset_.push_back({ruutu, Vastaus::Tulos::Ohi, {}});
        peli_.MerkitseOmaLaukaus(ruutu, false);
        return peli_.UppoamisenJalkeen(Jatko::Verkko);
    }
    const auto* upposi = std::get_if<viestit::Upposi>(&vastaus);
    if (upposi && !Upotettavissa(ruutu, upposi->ruudut)) return Valhe();
    peli_.MerkitseOmaLaukaus(ruutu, true);
    if (upposi) {
        vastaukset_.push_back({ruutu, Vastaus::Tulos::Upposi, upposi->ruudut});
        Upota(ruutu, upposi->ruudut);
    } else {
        vastaukset_.push_back({ruutu, Vastaus::Tulos::Osui, {}});
        peli_.Soita(Aani::Osuma);
    }
    if (t.PelaajanOsumat == 20) PeliPaattyi();
    peli_.UppoamisenJalkeen(Jatko::Verkko);
}

// A sunk ship is a straight run in laying order through the square just
// shot and squares already hit, touches no other hit square as no two ships
// touch, and a record of its length is still free on this side's view of the
// friend's fleet.
bool Kierros::Upotettavissa(int ruutu, const std::vector<int>& ruudut) const {
    if (!Jonossa(ruudut) || std::ranges::find(ruudut, ruutu) == ruudut.end()) return false;
    const auto muuOsuma = [&](int m) {
        return t.KoneenRuudut[m] == Sana::uponnut && std::ranges::find(ruudut, m) == ruudut.end();
    };
    for (int r : ruudut) {
        if (r != ruutu && t.KoneenRuudut[r] != Sana::uponnut) return false;
        if (std::ranges::any_of(Naapurit(r, t.LaivojenKulmatSaavatKoskettaa), muuOsuma))
            return false;
    }
    const auto laivat = t.Laivat(Puoli::Kone);
    return std::ranges::any_of(
        laivat, [&](const Laiva& l) { return !l.sijoitettu && l.ruudut.size() == ruudut.size(); });
}

// The friend's ship enters its record, and the squares around it are
// blocked as they were for the friend, so the sinking shows them.
void Kierros::Upota(int ruutu, const std::vector<int>& ruudut) {
    auto laivat = t.Laivat(Puoli::Kone);
    const auto laiva = std::ranges::find_if(
        laivat, [&](const Laiva& l) { return !l.sijoitettu && l.ruudut.size() == ruudut.size(); });
    std::ranges::copy(ruudut, laiva->ruudut.begin());
    laiva->sijoitettu = true;
    for (int r : ruudut) {
        for (int m : Naapurit(r, t.LaivojenKulmatSaavatKoskettaa)) {
            if (t.KoneenRuudut[m] == Sana::vesi) t.KoneenRuudut[m] = Sana::varattu;
        }
    }
    TulkitseOsuma(peli_, t, Puoli::Kone, ruutu);
}

// With a fleet laid under the rules the squares shown as misses around a
// sunk ship are water, so every ship square can still be shot: a grid with
// none left while ships float was answered from no such fleet.
bool Kierros::UppoaminenEsitetty() {
    if (vaihe_ == Vaihe::Ammunta && std::exchange(omaVuoroSeuraa_, false)) {
        t.PelaajanVuoro = true;
        const auto ruudut = std::views::iota(1, RUUTUJA + 1);
        if (std::ranges::none_of(ruudut, [this](int r) { return Ammuttava(r); })) Valhe();
    }
    return vaihe_ == Vaihe::Loppu && paljastus_;
}

void Kierros::LopetaAmmunta() {
    omaVuoroSeuraa_ = false;
    t.PeliKaynnissa = false;
    t.AmmuntaKaynnissa = false;
    t.PelaajanVuoro = false;
    for (int ruutu = 1; ruutu <= RUUTUJA; ++ruutu)
        peli_.Ruudut().AsetaSormiosoitin(Puoli::Kone, ruutu, false);
    Laheta(viestit::Paljasta{kertakoodi_, laivasto_});
}

void Kierros::PeliPaattyi() {
    vaihe_ = Vaihe::Loppu;
    LopetaAmmunta();
}

// The game ends here for nobody. This side's fleet is revealed in place of
// a shot, so that the friend's program can check it too.
void Kierros::Valhe() {
    vaihe_ = Vaihe::Paattynyt;
    LopetaAmmunta();
    peli_.Ilmoita(teksti::VERKKOPELI_OTSIKKO, teksti::EI_TASMAA, Kuvake::Huutomerkki);
}

// A sinking still playing counts the game once it has played.
Kierros::Seuraus Kierros::PaljastusSaatu(const viestit::Paljasta& paljastus) {
    paljastus_ = paljastus;
    return t.Uppoamassa ? Seuraus::Kasitelty : Seuraus::Ratkaistava;
}

// The friend ended the game in its turn, as a side that caught a lie does.
// This side's answers were true, so the friend's fleet must be the liar, or
// its program is at fault.
void Kierros::KeskenPaljastettu(const viestit::Paljasta& paljastus) {
    paljastus_ = paljastus;
    vaihe_ = Vaihe::Paattynyt;
    LopetaAmmunta();
    if (Paljastettu()) return Virhe();
    peli_.Ilmoita(teksti::VERKKOPELI_OTSIKKO, teksti::EI_TASMAA, Kuvake::Huutomerkki);
}

std::optional<Laivasto> Kierros::Paljastettu() const {
    auto laivasto =
        LueLaivasto(paljastus_->laivasto, ehdot_.kulmatSaavatKoskettaa, ehdot_.reunaSallittu);
    if (!laivasto ||
        Sitoumus(paljastus_->kertakoodi, paljastus_->laivasto) != *vastustajanSitoumus_ ||
        !VastauksetTasmaavat(*laivasto, vastaukset_))
        return std::nullopt;
    return laivasto;
}

std::optional<Laivasto> Kierros::Ratkaise() {
    vaihe_ = Vaihe::Paattynyt;
    return Paljastettu();
}

void Kierros::NaytaUppoamattomat(const Laivasto& laivasto) {
    for (const auto& laiva : laivasto) {
        for (int ruutu : laiva) {
            if (t.KoneenRuudut[ruutu] != Sana::uponnut)
                peli_.Ruudut().NaytaKuva(Puoli::Kone, ruutu, Kuva::Laiva);
        }
    }
}

Odotus Kierros::Odotettava() const {
    switch (vaihe_) {
        case Vaihe::Sijoitus:
            if (!omaValmis_) return Odotus::Ei;
            return vastustajanSitoumus_ ? Odotus::Aloitus : Odotus::Laivat;
        case Vaihe::Ammunta:
            if (odotettu_) return Odotus::Vastaus;
            return YstavanVuoro() ? Odotus::Laukaus : Odotus::Ei;
        case Vaihe::Loppu:
            return paljastus_ ? Odotus::Ei : Odotus::Paljastus;
        case Vaihe::Ei:
        case Vaihe::Paattynyt:
            return Odotus::Ei;
    }
    return Odotus::Ei;
}

std::optional<std::string> Kierros::Ohje(const std::string& vastustaja) const {
    switch (Odotettava()) {
        case Odotus::Laivat:
            return teksti::VastustajaSijoittaa(vastustaja);
        case Odotus::Aloitus:
            return teksti::VastustajaAloittaa(vastustaja);
        case Odotus::Vastaus:
            return teksti::VastustajaVastaa(vastustaja);
        case Odotus::Laukaus:
            return teksti::VastustajaAmpuu(vastustaja);
        case Odotus::Paljastus:
            return teksti::VastustajaPaljastaa(vastustaja);
        case Odotus::Ei:
        case Odotus::Tervehdys:
        case Odotus::Ehdot:
        case Odotus::Uusinta:
            break;
    }
    switch (vaihe_) {
        case Vaihe::Ammunta:
            // The friend's shot is still sinking one of this side's ships.
            if (t.PelaajanVuoro) return std::nullopt;
            return teksti::VastustajaAmpuu(vastustaja);
        case Vaihe::Sijoitus:
            return std::nullopt;
        case Vaihe::Loppu:
        case Vaihe::Paattynyt:
            return teksti::HAVITTY;
        case Vaihe::Ei:
            break;
    }
    return teksti::YHDISTETAAN;
}

void Kierros::Virhe() { istunto_.Paata(teksti::VIRHEELLINEN_VIESTI); }
