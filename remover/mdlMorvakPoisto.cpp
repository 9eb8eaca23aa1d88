#include "remover/mdlMorvakPoisto.h"

#include "platform/registry/rekisteri.h"

PoistonTulos PoistaJarjestelmatiedot() {
    return RegDeleteKeyA(HKEY_CURRENT_USER, MORVAKIN_AVAIN) == ERROR_SUCCESS ? POISTETTU
                                                                             : EI_POISTETTU;
}
