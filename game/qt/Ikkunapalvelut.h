#pragma once

#include "rules/Nakyma.h"

class QWidget;

// What the windows' models ask of the screen, realised with Qt: the
// screen-wide pointer, message boxes over the window that is active, the
// desktop's opener and the program's folder.
class Ikkunapalvelut : public Palvelut {
  public:
    // `paaikkuna` owns boxes and opens while no dialog is up; may be nullptr.
    explicit Ikkunapalvelut(QWidget* paaikkuna) : paaikkuna_(paaikkuna) {}

    void AsetaOsoitin(Osoitin osoitin) override;
    void Ilmoita(const std::string& otsikko, const std::string& teksti, Kuvake kuvake) override;
    bool Kysy(const std::string& otsikko, const std::string& teksti) override;
    void AvaaKuorella(const Kuorikohde& kohde, Nayttokomento naytto) override;
    std::string OhjelmanKansio() const override;

  private:
    QWidget* Aktiivinen() const;

    QWidget* paaikkuna_;
};
