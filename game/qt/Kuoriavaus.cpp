#include "Kuoriavaus.h"

#include <QDesktopServices>

#include "Valintaikkuna.h"

namespace {

// The desktop starts the associated program on its own and does not wait
// for it, so the game never blocks on a slow browser.
class Tyopoytaavaaja : public Kuoriavaaja {
  public:
    void Avaa(QWidget*, const QUrl& kohde, Nayttokomento) override {
        QDesktopServices::openUrl(kohde);
    }
};

Tyopoytaavaaja tyopoyta;
Kuoriavaaja* kaytossa = &tyopoyta;

}  // namespace

void VaihdaKuoriavaaja(Kuoriavaaja* avaaja) { kaytossa = avaaja ? avaaja : &tyopoyta; }

void AvaaKuorella(QWidget* omistaja, const QUrl& kohde, Nayttokomento naytto) {
    AsetaNaytonOsoitin(Osoitin::Tiimalasi);
    kaytossa->Avaa(omistaja, kohde, naytto);
    AsetaNaytonOsoitin(Osoitin::Oletus);
}
