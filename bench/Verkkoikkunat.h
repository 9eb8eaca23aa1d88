#pragma once

// The game's main window in a network game, driven as its player drives it:
// the "Verkkopeli" dialog answered while it is open, the fleet laid at
// random and shots at the friend's grid. Every game stays on the loopback.

#include <stdlib.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <optional>
#include <string>

#include "bench/Ikkunamittaus.h"
#include "platform/net/soketti.h"
#include "platform/net/tcp.h"

// Windows made after this listen on a port nobody holds, and search for games
// only on the loopback.
inline void VerkkoSilmukkaan() {
    setenv("MORVAK_VERKKO_LAHETYS", "127.0.0.1", 1);
    const std::intptr_t vapaa = KuunteleTcp(0);
    setenv("MORVAK_VERKKO_PORTTI", std::to_string(SoketinPortti(vapaa)).c_str(), 1);
    SuljeSoketti(vapaa);
}

// Answers each message box as it shows with its default button, or OK, as a
// player pressing Enter, so that a game goes on without anything polling for boxes.
class Kuittaaja : public QObject {
  protected:
    bool eventFilter(QObject* kohde, QEvent* tapahtuma) override {
        auto* laatikko = qobject_cast<QMessageBox*>(kohde);
        if (laatikko != nullptr && tapahtuma->type() == QEvent::Show) {
            QTimer::singleShot(0, laatikko, [laatikko] {
                QAbstractButton* oletus = laatikko->defaultButton();
                if (oletus == nullptr) oletus = laatikko->button(QMessageBox::Ok);
                if (oletus != nullptr) oletus->click();
            });
        }
        return QObject::eventFilter(kohde, tapahtuma);
    }
};

inline void KuittaaIlmoitukset() {
    static Kuittaaja kuittaaja;
    qApp->installEventFilter(&kuittaaja);
}

// Opens the dialog from the menu and runs `toimi` on it once its loop runs;
// returns when the dialog has closed.
inline void Verkkodialogissa(frmMorvak& ikkuna, const std::function<void(QWidget&)>& toimi) {
    std::function<void()> katso = [&] {
        QWidget* dialogi = QApplication::activeModalWidget();
        if (dialogi != nullptr && dialogi->objectName() == "frmVerkkopeli") {
            toimi(*dialogi);
        } else {
            QTimer::singleShot(1, &ikkuna, katso);
        }
    };
    QTimer::singleShot(0, &ikkuna, katso);
    ikkuna.Malli().Tapahtuu(KomentoValittu{Komento::Verkkopeli});
    OdotaKunnes([&] { return !ikkuna.Malli().Vastaamassa(); });
}

// As a click on the button itself, wherever its label ends.
inline void Napsauta(QWidget& dialogi, const char* painike) {
    dialogi.findChild<QAbstractButton*>(painike)->click();
}

// "Odota vastustajaa", as the dialog offers it.
inline void Odottamaan(frmMorvak& ikkuna) {
    Verkkodialogissa(ikkuna, [](QWidget& dialogi) { Napsauta(dialogi, "cmdAloita"); });
}

inline void Liittymaan(frmMorvak& ikkuna, const char* osoite) {
    Verkkodialogissa(ikkuna, [osoite](QWidget& dialogi) {
        Napsauta(dialogi, "optLiity");
        QTest::keyClicks(dialogi.findChild<QLineEdit*>("txtOsoite"), osoite);
        Napsauta(dialogi, "cmdAloita");
    });
}

// Once both programs have agreed on the rules.
inline void SijoitaKunVoi(frmMorvak& ikkuna) {
    OdotaKunnes([&] { return ikkuna.Tila().SijoitusKaynnissa; });
    ikkuna.Malli().Tapahtuu(KomentoValittu{Komento::SijoitaLaivatSatunnaisesti});
}

inline bool Ampuu(frmMorvak& ikkuna) {
    const Pelitila& t = ikkuna.Tila();
    return t.AmmuntaKaynnissa && t.PelaajanVuoro && !t.Uppoamassa;
}

// A square of the friend's grid not yet shot at; with `kohde`, the friend's
// own window, never the hit that would end the game.
inline std::optional<int> Maali(frmMorvak& ampuja, frmMorvak* kohde = nullptr) {
    for (int n = 1; n <= 100; ++n) {
        if (ampuja.Tila().KoneenRuudut[n] != Sana::vesi ||
            !Ruutu(ampuja, "imgKone", n)->isEnabled())
            continue;
        const bool ratkaisisi = kohde != nullptr && ampuja.Tila().PelaajanOsumat == 19 &&
                                kohde->Tila().PelaajanRuudut[n] == Sana::laiva;
        if (!ratkaisisi) return n;
    }
    return std::nullopt;
}
