#include "remover/mdlMorvakPoisto.h"

#include "platform/registry/kirjoitusera.h"

PoistonTulos PoistaJarjestelmatiedot() {
    return PoistaAvainLukittuna(HKEY_CURRENT_USER, MORVAKIN_AVAIN) == ERROR_SUCCESS ? POISTETTU
                                                                                    : EI_POISTETTU;
}
