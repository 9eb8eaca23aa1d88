#include "Peli.h"
#include "mdlMorvak2.h"

void Peli::AloitaOhjelma() {
    // The settings dialog stores its values but every run starts from these.
    t.LaivojenKulmatSaavatKoskettaa = true;
    t.LaivaSaaSijaitaReunassa = true;
    t.PelinAloitustapa.clear();
    t.NaytetaanLaivojenUppoaminen = false;
    LataaParhaatTulokset(t.Parhaat);
    t.PerakkaisetVoitot = 0;
    mUusiPeli_Click();
    n.AsetaOsoitin(Osoitin::Oletus);
}
