#include "remover/frmMorvakPoisto.h"

#include "remover/Viestiruutu.h"
#include "remover/mdlMorvakPoisto.h"

void frmMorvakPoisto::Form_Load() {
    const PoistonTulos tulos = PoistaJarjestelmatiedot();
    NaytaViestiruutu(tulos.teksti, tulos.otsikko);
}
