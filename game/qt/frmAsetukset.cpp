#include "frmAsetukset.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include "mdlMorvak2.h"

namespace {

// The stored start modes; the third is shorter than its option's caption.
const std::array<std::string, 3> ALOITUSTAVAT = {"Vuoroaloitus", "Aloittaja arvotaan",
                                                 "Edellisen pelin voittanut"};

std::string Totuusarvo(bool arvo) { return arvo ? "True" : "False"; }

template <class Saadin>
Saadin* Luo(QWidget* isanta, const QString& nimi, const QString& teksti) {
    auto* saadin = new Saadin(teksti, isanta);
    saadin->setObjectName(nimi);
    return saadin;
}

void Kirjoita(const char* nimi, const std::string& arvo) {
    KirjoitaRekisteriin(HKEY_CURRENT_USER, AVAIN_KIRJOITUS, nimi, REG_SZ, arvo);
}

}  // namespace

frmAsetukset::frmAsetukset(Pelitila& tila, QWidget* parent)
    : Valintaikkuna(parent, "Asetukset", 5175, 3990), t(tila) {
    cmdPainike[0] = Luo<QPushButton>(this, "cmdPainike0", "OK");
    cmdPainike[1] = Luo<QPushButton>(this, "cmdPainike1", "Peruuta");
    Sijoita(cmdPainike[0], 3840, 120, 1215, 375);
    Sijoita(cmdPainike[1], 3840, 600, 1215, 375);
    AsetaPainikkeet(cmdPainike[0], cmdPainike[1]);

    fraAloitustapa = Luo<QGroupBox>(this, "fraAloitustapa", "Pelin aloitustapa");
    Sijoita(fraAloitustapa, 120, 120, 3495, 1335);
    optAloitustapa[0] = Luo<QRadioButton>(fraAloitustapa, "optAloitustapa0", "&Vuoroaloitus");
    optAloitustapa[1] = Luo<QRadioButton>(fraAloitustapa, "optAloitustapa1", "&Aloittaja arvotaan");
    optAloitustapa[2] =
        Luo<QRadioButton>(fraAloitustapa, "optAloitustapa2", "&Edellisen pelin voittanut aloittaa");
    Sijoita(optAloitustapa[0], 240, 360, 1215, 255);
    Sijoita(optAloitustapa[1], 240, 600, 1575, 255);
    Sijoita(optAloitustapa[2], 240, 840, 2655, 255);
    optAloitustapa[0]->setChecked(true);

    fraLaivojenSijainti = Luo<QGroupBox>(this, "fraLaivojenSijainti", "Laivojen sijainti");
    Sijoita(fraLaivojenSijainti, 120, 1560, 3495, 1095);
    chkSijainti[0] =
        Luo<QCheckBox>(fraLaivojenSijainti, "chkSijainti0", "Laivojen &kulmat saavat koskettaa");
    chkSijainti[1] =
        Luo<QCheckBox>(fraLaivojenSijainti, "chkSijainti1", "Laiva saa sijaita &ruudukon reunassa");
    Sijoita(chkSijainti[0], 240, 360, 2775, 255);
    Sijoita(chkSijainti[1], 240, 600, 2895, 255);
    chkSijainti[0]->setChecked(true);
    chkSijainti[1]->setChecked(true);

    fraLaivojenUppoaminen = Luo<QGroupBox>(this, "fraLaivojenUppoaminen", "Laivojen uppoaminen");
    Sijoita(fraLaivojenUppoaminen, 120, 2760, 3495, 1095);
    optUppoaminen[0] =
        Luo<QRadioButton>(fraLaivojenUppoaminen, "optUppoaminen0", "&Näytetään animaationa");
    optUppoaminen[1] = Luo<QRadioButton>(fraLaivojenUppoaminen, "optUppoaminen1",
                                         "&Uppoamisanimaatiota ei näytetä");
    Sijoita(optUppoaminen[0], 240, 360, 2055, 255);
    Sijoita(optUppoaminen[1], 240, 600, 2655, 255);
    optUppoaminen[0]->setChecked(true);

    AsetaSarkainjarjestys({cmdPainike[0], cmdPainike[1], optAloitustapa[0], optAloitustapa[1],
                           optAloitustapa[2], chkSijainti[0], chkSijainti[1], optUppoaminen[0],
                           optUppoaminen[1]});

    connect(cmdPainike[0], &QPushButton::clicked, this, [this] { cmdPainike_Click(0); });
    connect(cmdPainike[1], &QPushButton::clicked, this, [this] { cmdPainike_Click(1); });

    Form_Load();
}

void frmAsetukset::Form_Load() {
    for (std::size_t i = 0; i < ALOITUSTAVAT.size(); ++i) {
        if (t.PelinAloitustapa == ALOITUSTAVAT[i]) {
            optAloitustapa[i]->setChecked(true);
        }
    }
    chkSijainti[0]->setChecked(t.LaivojenKulmatSaavatKoskettaa);
    chkSijainti[1]->setChecked(t.LaivaSaaSijaitaReunassa);
    optUppoaminen[t.NaytetaanLaivojenUppoaminen ? 0 : 1]->setChecked(true);

    // The placement rules may change only between games and outside a streak,
    // so that no game and no streak is played under two sets of rules.
    const bool lukittu = t.PeliKaynnissa || t.PerakkaisetVoitot > 0;
    fraLaivojenSijainti->setEnabled(!lukittu);
    chkSijainti[0]->setEnabled(!lukittu);
    chkSijainti[1]->setEnabled(!lukittu);
}

void frmAsetukset::cmdPainike_Click(int Index) {
    AsetaNaytonOsoitin(Osoitin::Tiimalasi);
    if (Index == 0) {
        for (std::size_t i = 0; i < ALOITUSTAVAT.size(); ++i) {
            if (optAloitustapa[i]->isChecked()) {
                t.PelinAloitustapa = ALOITUSTAVAT[i];
            }
        }
        t.LaivojenKulmatSaavatKoskettaa = chkSijainti[0]->isChecked();
        t.LaivaSaaSijaitaReunassa = chkSijainti[1]->isChecked();
        t.NaytetaanLaivojenUppoaminen = optUppoaminen[0]->isChecked();

        Kirjoita("PelinAloitustapa", t.PelinAloitustapa);
        Kirjoita("LaivojenKulmatSaavatKoskettaa", Totuusarvo(t.LaivojenKulmatSaavatKoskettaa));
        Kirjoita("LaivaSaaSijaitaReunassa", Totuusarvo(t.LaivaSaaSijaitaReunassa));
        Kirjoita("NaytetaanLaivojenUppoaminen", Totuusarvo(t.NaytetaanLaivojenUppoaminen));
        accept();
    } else {
        reject();
    }
    AsetaNaytonOsoitin(Osoitin::Oletus);
}
