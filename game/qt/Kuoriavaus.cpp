#include "qt/Kuoriavaus.h"

#include <QDesktopServices>

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

QUrl Osoitteeksi(const Kuorikohde& kohde) {
    const QString polku = QString::fromStdString(kohde.polku);
    return kohde.tiedosto ? QUrl::fromLocalFile(polku) : QUrl(polku);
}

void AvaaKuorella(QWidget* omistaja, const Kuorikohde& kohde, Nayttokomento naytto) {
    kaytossa->Avaa(omistaja, Osoitteeksi(kohde), naytto);
}
