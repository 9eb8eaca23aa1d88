#include "qt/Ikkunapalvelut.h"

#include <QApplication>

#include "qt/Kuoriavaus.h"
#include "qt/NaytonOsoitin.h"
#include "qt/Viestilaatikot.h"

void Ikkunapalvelut::AsetaOsoitin(Osoitin osoitin) { AsetaNaytonOsoitin(osoitin); }

// A dialog's box and a dialog's link belong to that dialog.
QWidget* Ikkunapalvelut::Aktiivinen() const {
    QWidget* modaalinen = QApplication::activeModalWidget();
    return modaalinen ? modaalinen : paaikkuna_;
}

void Ikkunapalvelut::Ilmoita(const std::string& otsikko, const std::string& teksti, Kuvake kuvake) {
    NaytaViesti(Aktiivinen(), QString::fromStdString(otsikko), QString::fromStdString(teksti),
                kuvake);
}

bool Ikkunapalvelut::Kysy(const std::string& otsikko, const std::string& teksti) {
    return KysyVahvistus(Aktiivinen(), QString::fromStdString(otsikko),
                         QString::fromStdString(teksti));
}

void Ikkunapalvelut::AvaaKuorella(const Kuorikohde& kohde, Nayttokomento naytto) {
    ::AvaaKuorella(Aktiivinen(), kohde, naytto);
}

std::string Ikkunapalvelut::OhjelmanKansio() const {
    return QCoreApplication::applicationDirPath().toStdString();
}
