#include "rules/Peli.h"
#include "rules/settings/Asetustenluku.h"
#include "store/mdlMorvak2.h"

void Peli::AloitaOhjelma() {
    LueAsetukset(t);
    LataaParhaatTulokset(t.Parhaat);
    t.PerakkaisetVoitot = 0;
    mUusiPeli_Click();
    n.AsetaOsoitin(Osoitin::Oletus);
}
