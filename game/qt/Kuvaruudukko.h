#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <optional>

#include "rules/window/frmMorvakMalli.h"

class Kehysruutu;
class Kuvaruutu;

// One grid of the main window: its hundred squares, and one stop of the
// keyboard's focus. Its keys, its focus square and what it tells assistive
// technology all come from the rules; it only shows them.
class Kuvaruudukko : public QWidget {
    Q_OBJECT

  public:
    Kuvaruudukko(Puoli puoli, frmMorvakMalli& malli, QWidget* parent);

    Kuvaruutu* Ruutu(int ruutu) const { return ruudut_[static_cast<std::size_t>(ruutu)]; }
    // The square of this grid; 0 for any other widget.
    int Numero(const QWidget* ruutu) const;
    int Kohdistusruutu() const;
    QString Nimi() const;
    QString RuudunNimi(int ruutu) const;

    // Moves the frame to the focus square where the rules moved it, and
    // tells assistive technology of the focus and of every square whose
    // name has changed.
    void NaytaKohdistus(std::optional<int> siirtyi);

  protected:
    void keyPressEvent(QKeyEvent* tapahtuma) override;
    void focusInEvent(QFocusEvent* tapahtuma) override;
    void focusOutEvent(QFocusEvent* tapahtuma) override;

  private:
    // The square under a point of the client area, as the rules place them.
    static std::optional<Ruutupaikka> Kohdalla(QPoint kohta);
    void KerroKohdistus();
    void KerroNimet();

    Puoli puoli_;
    frmMorvakMalli& malli_;
    std::array<Kuvaruutu*, 101> ruudut_{};
    Kehysruutu* kehys_;
};
