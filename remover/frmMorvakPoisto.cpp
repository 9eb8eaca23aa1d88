#include "frmMorvakPoisto.h"

#include "Viestiruutu.h"
#include "mdlMorvakPoisto.h"

void frmMorvakPoisto::Form_Load() {
    const PoistonTulos tulos = PoistaJarjestelmatiedot();
    NaytaViestiruutu(tulos.teksti, tulos.otsikko);
}
