#include "rules/settings/Asetustenluku.h"

#include <algorithm>

#include "rules/settings/Aloitustavat.h"
#include "store/Asetusarvot.h"

void LueAsetukset(Pelitila& t) {
    const std::string tapa = LueAsetus("PelinAloitustapa");
    const bool tunnettu = std::ranges::find(aloitustapa::KAIKKI, tapa) != aloitustapa::KAIKKI.end();
    t.PelinAloitustapa = tunnettu ? tapa : "";
    t.LaivojenKulmatSaavatKoskettaa = LueTotuusasetus("LaivojenKulmatSaavatKoskettaa", true);
    t.LaivaSaaSijaitaReunassa = LueTotuusasetus("LaivaSaaSijaitaReunassa", true);
    t.NaytetaanLaivojenUppoaminen = LueTotuusasetus("NaytetaanLaivojenUppoaminen", false);
}
