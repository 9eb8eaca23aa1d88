#include "tests/monkey/Apina.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <utility>

#include "qt/Kuvaruutu.h"
#include "rules/Ruudut.h"
#include "rules/results/ParhaidenLista.h"
#include "store/mdlMorvak2.h"
#include "tests/monkey/Invariantit.h"
#include "tests/qt/Ikkunatesti.h"
#include "tests/support/Listaoraakkeli.h"

namespace {

constexpr std::size_t LOKIN_PITUUS = 40;
// Nested modal windows deeper than this are only closed, never opened more.
constexpr int SYVYYS_ENINTAAN = 4;

// Names typed into the name dialog: plain, Finnish, multibyte to the limit,
// longer than the limit, blank and the default name in other letter case.
const QString NIMET[] = {
    "Matti",
    "Ääkkönen",
    "ÅÄÖåäöÉéÜüÆæØøÞþ",
    QString::fromUtf8("語語語語語語語語語語語語語語語語"),
    "12345678901234567890",
    "   ",
    "relvano",
    "Relvano",
};

Satunnaisluvut Pelinarpa(std::uint64_t siemen) {
    return Satunnaisluvut(siemen, [kello = siemen]() mutable { return ++kello; });
}

bool Yhtenevat(const ParhaatTulokset& a, const ParhaatTulokset& b) {
    return a.ParasPelaaja == b.ParasPelaaja && a.ParasTulos == b.ParasTulos;
}

Listaoraakkeli Oraakkelille(const ParhaatTulokset& lista) {
    Listaoraakkeli rivit;
    for (std::size_t i = 0; i < rivit.size(); ++i)
        rivit[i] = {lista.ParasPelaaja[i], lista.ParasTulos[i]};
    return rivit;
}

std::string Teksti(const ParhaatTulokset& lista) {
    std::string teksti;
    for (std::size_t i = 0; i < 10; ++i)
        teksti += lista.ParasPelaaja[i] + ":" + std::to_string(lista.ParasTulos[i]) + " ";
    return teksti;
}

bool Viimeksi(Kuva kuva) { return kuva == Kuva::OsumaViimeksi || kuva == Kuva::OhiViimeksi; }
bool Osuma(Kuva kuva) { return kuva == Kuva::Osuma || kuva == Kuva::OsumaViimeksi; }
bool Ohi(Kuva kuva) { return kuva == Kuva::Ohi || kuva == Kuva::OhiViimeksi; }

}  // namespace

Apina::Apina(std::uint64_t siemen) : siemen_(siemen), arpa_(siemen), ikkuna_(Pelinarpa(siemen)) {
    // The computer's pause and a sinking still last one turn of the event
    // loop each, for the player's events to land in.
    ikkuna_.Malli().Saannot().TauonPituus = std::chrono::milliseconds(0);
    ikkuna_.Malli().Saannot().UppoamisenKesto = std::chrono::milliseconds(0);
    ikkuna_.show();
    ikkuna_.activateWindow();
    if (!QTest::qWaitForWindowActive(&ikkuna_)) Riko("the window never took the keyboard");
    lista_ = ikkuna_.Tila().Parhaat;
    vaihe_ = Vaihe(ikkuna_.Tila());
    connect(&vahti_, &QTimer::timeout, this, &Apina::Vahdi);
    vahti_.start(1);
}

void Apina::Aja(long tapahtumia, int peleja) {
    // A run that cannot finish its games is itself a fault. Most games the
    // monkey begins it leaves for a new one before they end, the more so as
    // the new-game commands are back the moment the state says so: about
    // 1,800 events a game.
    const long enintaan = tapahtumia * 10 + 20000;
    while (virhe_.empty() && (tapahtumia_ < tapahtumia || Paattyneita() < peleja)) {
        if (tapahtumia_ > enintaan) {
            Riko("only " + std::to_string(Paattyneita()) + " games ended in " +
                 std::to_string(tapahtumia_) + " events");
            break;
        }
        Tapahtuma();
    }
    vahti_.stop();
}

void Apina::Kirjaa(const std::string& tapahtuma) {
    ++tapahtumia_;
    loki_.push_back(std::to_string(tapahtumia_) + " [" + Vaihe(ikkuna_.Tila()) + "] " + tapahtuma);
    if (loki_.size() > LOKIN_PITUUS) loki_.pop_front();
}

void Apina::Riko(const std::string& syy) {
    if (!virhe_.empty()) return;
    virhe_ = "seed " + std::to_string(siemen_) + ", event " + std::to_string(tapahtumia_) + ": " +
             syy + "\nlatest events:\n";
    for (const std::string& rivi : loki_) virhe_ += "  " + rivi + "\n";
}

Kuvaruutu* Apina::Ruutu(Puoli ruudukko, int ruutu) const {
    const QString nimi = ruudukko == Puoli::Pelaaja ? "imgPelaaja(%1)" : "imgKone(%1)";
    return ikkuna_.findChild<Kuvaruutu*>(nimi.arg(ruutu));
}

Qt::MouseButton Apina::Hiirenpainike() {
    static constexpr Qt::MouseButton PAINIKKEET[] = {
        Qt::LeftButton,   Qt::LeftButton,   Qt::LeftButton, Qt::RightButton,  Qt::RightButton,
        Qt::MiddleButton, Qt::MiddleButton, Qt::BackButton, Qt::ForwardButton};
    return PAINIKKEET[Arvo(std::size(PAINIKKEET))];
}

// ---- events -----------------------------------------------------------------

void Apina::Tapahtuma() {
    // The offscreen platform hands the keyboard back to no one when a dialog
    // closes; a window manager would give it to the main window.
    if (!QApplication::activeWindow()) {
        ikkuna_.activateWindow();
        QCoreApplication::processEvents();
    }
    const std::string vaihe = Vaihe(ikkuna_.Tila());
    if ((vaihe == "won" || vaihe == "lost") && Kolikko(0.5)) {
        // The new-game commands come back on the timer's next tick.
        if (!Komento(ikkuna_, "mUusiPeli")->isEnabled()) QTest::qWait(12);
        Kirjaa("F2 after the game");
        Nappain(Qt::Key_F2);
    } else if (vaihe == "player placing" && Kolikko(0.02)) {
        Kirjaa("F3 while placing");
        Nappain(Qt::Key_F3);
    } else if ((vaihe == "player placing" || vaihe == "player to shoot") && Kolikko(0.15)) {
        Ruudukolle();
    } else if (vaihe == "player placing" && Kolikko(0.6)) {
        const int ruutu = Arvo(RUUTUJA) + 1;
        const Qt::MouseButton painike = Hiirenpainike();
        Kirjaa("placing click " + std::to_string(ruutu) + " button " + std::to_string(painike));
        Napsauta(Ruutu(Puoli::Pelaaja, ruutu), painike);
    } else if (vaihe == "player to shoot" && Kolikko(0.6)) {
        Ammu();
    } else {
        PaaikkunanTapahtuma();
    }
    QCoreApplication::processEvents();
    Tarkista(true);
}

void Apina::Ammu() {
    Pelitila& t = ikkuna_.Tila();
    int ruutu = Arvo(RUUTUJA) + 1;
    if (Kolikko(0.1)) {
        // A good guess now and then, so that the player also wins.
        std::vector<int> laivat;
        for (int n = 1; n <= RUUTUJA; ++n)
            if (t.KoneenRuudut[n] == Sana::laiva) laivat.push_back(n);
        if (!laivat.empty()) ruutu = laivat[static_cast<std::size_t>(Arvo(laivat.size()))];
    } else if (Kolikko(0.7)) {
        std::vector<int> vapaat;
        for (int n = 1; n <= RUUTUJA; ++n)
            if (Ruutu(Puoli::Kone, n)->isEnabled()) vapaat.push_back(n);
        if (!vapaat.empty()) ruutu = vapaat[static_cast<std::size_t>(Arvo(vapaat.size()))];
    }
    const Qt::MouseButton painike = Kolikko(0.85) ? Qt::LeftButton : Hiirenpainike();
    Kirjaa("shot " + std::to_string(ruutu) + " button " + std::to_string(painike));
    Napsauta(Ruutu(Puoli::Kone, ruutu), painike);
}

void Apina::PaaikkunanTapahtuma() {
    const int valinta = Arvo(24);
    switch (valinta) {
        case 0:
        case 1:
        case 2: {
            const Puoli ruudukko = Kolikko(0.5) ? Puoli::Pelaaja : Puoli::Kone;
            const int ruutu = Arvo(RUUTUJA) + 1;
            const Qt::MouseButton painike = Hiirenpainike();
            Kirjaa(std::string("click ") + (ruudukko == Puoli::Pelaaja ? "left" : "right") +
                   " grid " + std::to_string(ruutu) + " button " + std::to_string(painike));
            Napsauta(Ruutu(ruudukko, ruutu), painike);
            break;
        }
        case 3: {
            const Puoli ruudukko = Kolikko(0.5) ? Puoli::Pelaaja : Puoli::Kone;
            const int alku = Arvo(RUUTUJA) + 1, loppu = Arvo(RUUTUJA) + 1;
            const Qt::MouseButton painike = Hiirenpainike();
            Kirjaa("drag " + std::to_string(alku) + " to " + std::to_string(loppu));
            QTest::mousePress(Ruutu(ruudukko, alku), painike);
            QTest::mouseRelease(Ruutu(ruudukko, loppu), painike);
            break;
        }
        case 4: {
            const Puoli ruudukko = Kolikko(0.5) ? Puoli::Pelaaja : Puoli::Kone;
            const int ruutu = Arvo(RUUTUJA) + 1;
            Kirjaa("double click " + std::to_string(ruutu));
            QTest::mouseDClick(Ruutu(ruudukko, ruutu), Hiirenpainike());
            break;
        }
        case 5:
            Kirjaa("F2");
            Nappain(Qt::Key_F2);
            break;
        case 6:
            Kirjaa("Enter");
            Nappain(Qt::Key_Return);
            break;
        case 7:
            Kirjaa("Alt+U");
            Nappain(Qt::Key_U, Qt::AltModifier);
            break;
        case 8:
            Kirjaa("Alt+L");
            Nappain(Qt::Key_L, Qt::AltModifier);
            break;
        case 9: {
            auto* painike = ikkuna_.findChild<QPushButton*>(QString("cmdPainike(%1)").arg(Arvo(2)));
            // Hidden below the cut edge of the window, a button cannot be hit.
            if (!Komento(ikkuna_, "mNaytaPainikkeet")->isChecked()) break;
            Kirjaa("button " + painike->objectName().toStdString());
            Napsauta(painike, Qt::LeftButton);
            break;
        }
        case 10:
            Valikosta(Qt::Key_T, Qt::Key_U);
            break;
        case 11:
            Valikosta(Qt::Key_T, Qt::Key_L);
            break;
        case 12:
            Valikosta(Qt::Key_N, Qt::Key_I);
            break;
        case 13:
            Valikosta(Qt::Key_N, Qt::Key_E);
            break;
        case 14:
            Valikosta(Qt::Key_N, Qt::Key_P);
            break;
        case 15:
            Valikosta(Qt::Key_N, Qt::Key_A);
            break;
        case 16: {
            static constexpr Qt::Key KOHDAT[] = {Qt::Key_R, Qt::Key_P, Qt::Key_A, Qt::Key_V,
                                                 Qt::Key_T};
            Valikosta(Qt::Key_O, KOHDAT[Arvo(std::size(KOHDAT))]);
            break;
        }
        case 17:
            Kirjaa("close box");
            ikkuna_.close();
            break;
        case 18:
            Kirjaa("F1");
            Nappain(Qt::Key_F1);
            break;
        case 20:
            Kirjaa("F3");
            Nappain(Qt::Key_F3);
            break;
        case 21:
            Ruudukolle();
            break;
        case 19: {
            static constexpr Qt::Key NAPPAIMET[] = {Qt::Key_Tab, Qt::Key_Space, Qt::Key_Escape,
                                                    Qt::Key_A,   Qt::Key_F10,   Qt::Key_Alt};
            const Qt::Key nappain = NAPPAIMET[Arvo(std::size(NAPPAIMET))];
            Kirjaa("key " + std::to_string(nappain));
            Nappain(nappain);
            break;
        }
        default:
            Kirjaa("wait");
            QTest::qWait(Arvo(15));
            break;
    }
}

// A key of the grids, to whatever has the keyboard: mostly Space, so that
// the focus square walks the grid and ships and shots come of it.
void Apina::Ruudukolle() {
    struct Nappaily {
        Qt::Key nappain;
        Qt::KeyboardModifiers muunnin;
        const char* nimi;
    };
    static constexpr Nappaily NAPPAIMET[] = {{Qt::Key_Left, Qt::NoModifier, "Left"},
                                             {Qt::Key_Right, Qt::NoModifier, "Right"},
                                             {Qt::Key_Up, Qt::NoModifier, "Up"},
                                             {Qt::Key_Down, Qt::NoModifier, "Down"},
                                             {Qt::Key_Home, Qt::NoModifier, "Home"},
                                             {Qt::Key_End, Qt::NoModifier, "End"},
                                             {Qt::Key_Space, Qt::NoModifier, "Space"},
                                             {Qt::Key_Space, Qt::NoModifier, "Space"},
                                             {Qt::Key_Space, Qt::NoModifier, "Space"},
                                             {Qt::Key_Space, Qt::ShiftModifier, "Shift+Space"},
                                             {Qt::Key_Backtab, Qt::NoModifier, "Backtab"}};
    const Nappaily& n = NAPPAIMET[Arvo(std::size(NAPPAIMET))];
    QWidget* kohde = QApplication::focusWidget();
    Kirjaa(std::string("grid key ") + n.nimi + " to " +
           (kohde ? kohde->objectName().toStdString() : "nothing"));
    Nappain(n.nappain, n.muunnin);
}

void Apina::Napsauta(QWidget* kohde, Qt::MouseButton painike) { QTest::mouseClick(kohde, painike); }

// Keys go where a player's keys go: to an open menu, else to the widget with
// the keyboard in the active window.
void Apina::Nappain(Qt::Key nappain, Qt::KeyboardModifiers muunnin) {
    QWidget* kohde = QApplication::activePopupWidget();
    if (!kohde) kohde = QApplication::focusWidget();
    if (!kohde) kohde = QApplication::activeWindow();
    if (!kohde) kohde = &ikkuna_;
    QTest::keyClick(kohde, nappain, muunnin);
}

void Apina::Valikosta(Qt::Key valikko, Qt::Key kohta) {
    Kirjaa("menu Alt+" + QKeySequence(valikko).toString().toStdString() + " " +
           QKeySequence(kohta).toString().toStdString());
    Nappain(valikko, Qt::AltModifier);
    auto* auki = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!auki) return;
    QTest::keyClick(auki, Kolikko(0.9) ? kohta : Qt::Key_Escape);
    // Esc may leave the menu bar itself in keyboard mode; a second one leaves it.
    if (QApplication::activePopupWidget())
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
}

// ---- the watch ----------------------------------------------------------------

void Apina::Vahdi() {
    // A timer never fires again while its own slot runs, so the action that
    // may open a modal window runs from a timer of its own: the watch stays
    // free to answer what that action opens.
    if (toimintaJonossa_) return;
    const bool tauolla = ikkuna_.Odottaa();
    if (!QApplication::activeModalWidget() && !tauolla) return;
    toimintaJonossa_ = true;
    QTimer::singleShot(0, this, [this] {
        toimintaJonossa_ = false;
        Toimi();
    });
}

void Apina::Toimi() {
    QWidget* modaalinen = QApplication::activeModalWidget();
    const bool tauolla = ikkuna_.Odottaa();
    if (modaalinen && !modaalinen->isVisible()) return;
    ++syvyys_;
    if (auto* ruutu = qobject_cast<QMessageBox*>(modaalinen)) {
        VastaaViestiin(ruutu);
    } else if (auto* dialogi = qobject_cast<QDialog*>(modaalinen)) {
        KaytaDialogia(dialogi);
    } else if (!modaalinen && tauolla && virhe_.empty() && syvyys_ <= SYVYYS_ENINTAAN &&
               Kolikko(0.3)) {
        // The player's events while the computer's pause or a sinking is
        // under way.
        PaaikkunanTapahtuma();
    }
    --syvyys_;
    Tarkista(false);
}

void Apina::VastaaViestiin(QMessageBox* ruutu) {
    // Quitting must never be answered Yes: the run would end here.
    const bool lopetus = ruutu->windowTitle() == "Lopeta";
    const std::string otsikko = ruutu->windowTitle().toStdString();
    if (ruutu != laskettuLaatikko_) {
        laskettuLaatikko_ = ruutu;
        if (otsikko == "Voitit") ++voittolaatikoita_;
        if (otsikko == "Hävisit") ++haviolaatikoita_;
    }
    switch (Arvo(5)) {
        case 0:
            Kirjaa("box " + otsikko + ": Esc");
            QTest::keyClick(ruutu, Qt::Key_Escape);
            break;
        case 1:
            Kirjaa("box " + otsikko + ": Enter");
            QTest::keyClick(ruutu, Qt::Key_Return);
            break;
        case 2:
            Kirjaa("box " + otsikko + ": close box");
            ruutu->close();
            break;
        default: {
            QList<QAbstractButton*> painikkeet = ruutu->buttons();
            if (lopetus) painikkeet.removeAll(ruutu->button(QMessageBox::Yes));
            QAbstractButton* painike = painikkeet[Arvo(painikkeet.size())];
            Kirjaa("box " + otsikko + ": " + painike->text().toStdString());
            QTest::mouseClick(painike, Qt::LeftButton);
            break;
        }
    }
}

void Apina::KaytaDialogia(QDialog* dialogi) {
    // The monkey plays the computer. A match against a friend is played on
    // the loopback by tests of its own; waiting for one here would listen on
    // the machine's network.
    if (dialogi->objectName() == "frmVerkkopeli") {
        Kirjaa("dialog Verkkopeli: Esc");
        QTest::keyClick(dialogi, Qt::Key_Escape);
        return;
    }
    const bool nimikysely = dialogi->objectName() == "frmKysyNimi";
    if (nimikysely && !nimiAuki_) {
        nimiAuki_ = true;
        ++nimikyselyja_;
        nimenPutki_ = ikkuna_.Tila().PerakkaisetVoitot;
        if (nimenPutki_ <= ikkuna_.Tila().Parhaat.ParasTulos[9])
            Riko("name asked for a streak that earns no place");
        // Mostly a name of its own, so that the list's order shows.
        if (Kolikko(0.7)) KirjoitaNimi(dialogi);
    }
    if (auto* nimi = dialogi->findChild<QLineEdit*>()) nimi_ = nimi->text().toStdString();
    const std::string otsikko = dialogi->windowTitle().toStdString();
    // Deep in nested windows only the ways out are taken.
    const int valinta = syvyys_ > SYVYYS_ENINTAAN ? Arvo(3) : Arvo(12);
    switch (valinta) {
        case 0:
            Kirjaa("dialog " + otsikko + ": Esc");
            QTest::keyClick(dialogi, Qt::Key_Escape);
            break;
        case 1:
            Kirjaa("dialog " + otsikko + ": close box");
            if (nimikysely) ruksillaSuljettu_ = true;
            dialogi->close();
            break;
        case 2:
            Kirjaa("dialog " + otsikko + ": Enter");
            Nappain(Qt::Key_Return);
            break;
        case 3:
        case 4:
        case 5:
        case 6: {
            const QList<QAbstractButton*> painikkeet = dialogi->findChildren<QAbstractButton*>();
            QAbstractButton* painike = painikkeet[Arvo(painikkeet.size())];
            const Qt::MouseButton hiiri = Kolikko(0.8) ? Qt::LeftButton : Hiirenpainike();
            Kirjaa("dialog " + otsikko + ": " + painike->text().toStdString() + " button " +
                   std::to_string(hiiri));
            QTest::mouseClick(painike, hiiri);
            break;
        }
        case 7:
        case 8:
            KirjoitaNimi(dialogi);
            break;
        case 9: {
            const QList<QLabel*> nimiot = dialogi->findChildren<QLabel*>();
            if (nimiot.isEmpty()) break;
            QLabel* nimio = nimiot[Arvo(nimiot.size())];
            Kirjaa("dialog " + otsikko + ": label " + nimio->objectName().toStdString());
            QTest::mouseClick(nimio, Hiirenpainike());
            break;
        }
        default: {
            static constexpr Qt::Key NAPPAIMET[] = {Qt::Key_Tab, Qt::Key_Space, Qt::Key_Backspace,
                                                    Qt::Key_Backtab};
            const Qt::Key nappain = NAPPAIMET[Arvo(std::size(NAPPAIMET))];
            Kirjaa("dialog " + otsikko + ": key " + std::to_string(nappain));
            Nappain(nappain);
            break;
        }
    }
    if (nimikysely && !dialogi->isVisible()) {
        if (dialogi->result() == QDialog::Accepted) ++nimia_;
        nimiAuki_ = false;
    }
}

void Apina::KirjoitaNimi(QDialog* dialogi) {
    auto* kentta = dialogi->findChild<QLineEdit*>();
    if (!kentta) return;
    QTest::mouseClick(kentta, Qt::LeftButton);
    if (Kolikko(0.2)) {
        Kirjaa("dialog: name emptied");
        kentta->selectAll();
        QTest::keyClick(kentta, Qt::Key_Backspace);
        return;
    }
    // Short names get a number of their own, so that two entries of equal
    // score can be told apart in the list and their order checked.
    QString nimi = NIMET[Arvo(std::size(NIMET))];
    if (nimi.size() < 12) nimi += " " + QString::number(++kirjoitettujaNimia_);
    Kirjaa("dialog: name typed " + nimi.toStdString());
    kentta->selectAll();
    for (const QChar merkki : nimi) {
        QTest::sendKeyEvent(QTest::Click, kentta, static_cast<Qt::Key>(merkki.toUpper().unicode()),
                            QString(merkki), Qt::NoModifier);
    }
}

// ---- checks -------------------------------------------------------------------

void Apina::Tarkista(bool rajalla) {
    for (const std::string& havainto : ikkuna_.havainnot) Riko(havainto);
    ikkuna_.havainnot.clear();
    TarkistaLista();
    TarkistaPutki();
    if (rajalla) TarkistaRajalla();
}

void Apina::TarkistaPutki() {
    const Pelitila& t = ikkuna_.Tila();
    const int putki = t.PerakkaisetVoitot;
    if (putki > putki_ && (putki != putki_ + 1 || t.PelaajanOsumat != 20 || t.PeliKaynnissa))
        Riko("streak rose from " + std::to_string(putki_) + " to " + std::to_string(putki) +
             " without a win");
    if (putki < putki_ && putki != 0)
        Riko("streak fell from " + std::to_string(putki_) + " to " + std::to_string(putki));
    putki_ = putki;
}

void Apina::TarkistaLista() {
    ParhaatTulokset& lista = ikkuna_.Tila().Parhaat;
    if (Yhtenevat(lista, lista_)) return;
    if (ListallaTuloksia(lista)) {
        const Listaoraakkeli ennen = Oraakkelille(lista_);
        const Listaoraakkeli odotettu = ListaLisayksenJalkeen(ennen, nimi_, nimenPutki_);
        if (odotettu == ennen) {
            Riko("the list changed with no place to earn: " + Teksti(lista));
            return;
        }
        if (odotettu != Oraakkelille(lista)) {
            Riko("list after entering " + nimi_ + " with " + std::to_string(nimenPutki_) + " is " +
                 Teksti(lista));
        }
    }
    if (!std::ranges::is_sorted(lista.ParasTulos, std::greater<>()))
        Riko("list out of order: " + Teksti(lista));
    ParhaatTulokset tallessa;
    LataaParhaatTulokset(tallessa);
    if (!Yhtenevat(tallessa, lista))
        Riko("stored list " + Teksti(tallessa) + "differs from " + Teksti(lista));
    lista_ = lista;
}

void Apina::TarkistaRajalla() {
    Pelitila& t = ikkuna_.Tila();
    for (const std::string& rike : Tilarikkeet(t)) Riko(rike);

    for (const std::string& paattynyt : std::exchange(ikkuna_.paattyneetVaiheet, {}))
        HuomaaVaihe(paattynyt, std::nullopt);
    // The last ship sinks before the word of the win: the game is won only
    // once it is down.
    const std::string vaihe = Vaihe(t);
    // A game's end is judged once its boxes have been answered.
    if (!ikkuna_.Malli().Vastaamassa()) {
        if (!t.Uppoamassa) HuomaaVaihe(vaihe, t.PerakkaisetVoitot);
        ruksillaSuljettu_ = false;
        TarkistaNimikysely();
    }

    const auto pelaajan = ikkuna_.Laukaukset(Puoli::Kone).size();
    const auto koneen = ikkuna_.Laukaukset(Puoli::Pelaaja).size();
    // Once firing has opened, a computer that started is one shot ahead;
    // after a win, and while the computer's answer is on its way, the player
    // is one ahead.
    const std::size_t edella =
        vaihe != "player placing" && t.EdellinenAloittaja == Puoli::Kone ? 1 : 0;
    const bool koneenLaivaUppoaa = t.Uppoamassa && t.Uppoamassa->jatko == Jatko::KoneenOsuma;
    const bool pelaajaEdella =
        vaihe == "won" || (vaihe == "computer shooting" && !koneenLaivaUppoaa);
    const bool oikein =
        pelaajaEdella ? pelaajan + edella == koneen + 1
                      : pelaajan + edella == koneen && (vaihe != "player placing" || pelaajan == 0);
    if (!oikein)
        Riko("player shot " + std::to_string(pelaajan) + " times, computer " +
             std::to_string(koneen) + " times in phase " + vaihe);
    if (!ikkuna_.Malli().Vastaamassa()) TarkistaNakyma();
}

// A streak is known only at a check; a game that ended and gave way to the
// next one inside one event has none to show.
void Apina::HuomaaVaihe(const std::string& vaihe, std::optional<int> putki) {
    if (vaihe == vaihe_) return;
    if (vaihe == "won" && ++voittoja_ != voittolaatikoita_) Riko("a game won without its box");
    if (vaihe == "lost") {
        if (++haviota_ != haviolaatikoita_) Riko("a game lost without its box");
        if (putki.value_or(0) != 0 && !ruksillaSuljettu_) Riko("streak outlived a loss");
    }
    vaihe_ = vaihe;
}

// A streak that ended while it beat the tenth place, by a loss or an
// abandoned game, must have been offered the name entry on its way out.
void Apina::TarkistaNimikysely() {
    const Pelitila& t = ikkuna_.Tila();
    if (putkiRajalla_ > 0 && t.PerakkaisetVoitot == 0 && putkiRajalla_ > kymmenesRajalla_ &&
        nimikyselyja_ == nimikyselyjaRajalla_) {
        Riko("a streak of " + std::to_string(putkiRajalla_) + " above the tenth place's " +
             std::to_string(kymmenesRajalla_) + " ended without the name entry");
    }
    putkiRajalla_ = t.PerakkaisetVoitot;
    kymmenesRajalla_ = t.Parhaat.ParasTulos[9];
    nimikyselyjaRajalla_ = nimikyselyja_;
}

void Apina::TarkistaNakyma() {
    Pelitila& t = ikkuna_.Tila();
    const std::string vaihe = Vaihe(t);
    // The pictures follow the rules' option; its check mark follows within a
    // turn of the event loop.
    const bool epakelvot = t.NaytaMahdottomatLaivaruudut;
    for (Puoli puoli : {Puoli::Pelaaja, Puoli::Kone}) {
        const std::vector<int>& laukaukset = ikkuna_.Laukaukset(puoli);
        int viimeksi = 0;
        for (int n = 1; n <= RUUTUJA; ++n) {
            const Kuva kuva = Ruutu(puoli, n)->kuva();
            const Sana sana = t.Ruudut(puoli)[n];
            const bool ammuttu = std::ranges::find(laukaukset, n) != laukaukset.end();
            bool oikein = true;
            if (Viimeksi(kuva)) {
                ++viimeksi;
                oikein = !laukaukset.empty() && laukaukset.back() == n;
            }
            if (sana == Sana::uponnut) oikein = oikein && Osuma(kuva);
            if (sana == Sana::ohi || ((sana == Sana::vesi || sana == Sana::varattu) && ammuttu))
                oikein = oikein && Ohi(kuva);
            if (puoli == Puoli::Pelaaja) {
                if (sana == Sana::laiva) oikein = kuva == Kuva::Laiva;
                if (sana == Sana::vesi) oikein = kuva == Kuva::Vesi;
                if (sana == Sana::varattu)
                    oikein =
                        kuva == (vaihe == "player placing" && epakelvot ? Kuva::Ohi : Kuva::Vesi);
            } else {
                if (sana == Sana::laiva)
                    oikein = kuva == (vaihe == "lost" ? Kuva::Laiva : Kuva::Vesi);
                if ((sana == Sana::vesi || sana == Sana::varattu) && !ammuttu)
                    oikein = kuva == Kuva::Vesi;
                const bool kaytossa = Ruutu(puoli, n)->isEnabled();
                if (vaihe == "player to shoot" && kaytossa != (!ammuttu && sana != Sana::ohi))
                    Riko("computer's square " + std::to_string(n) + (kaytossa ? " " : " not ") +
                         "clickable");
            }
            if (!oikein)
                Riko(std::string(puoli == Puoli::Pelaaja ? "player's" : "computer's") + " square " +
                     std::to_string(n) + " shows picture " +
                     std::to_string(static_cast<int>(kuva)) + " for word " +
                     std::to_string(static_cast<int>(sana)));
        }
        if (viimeksi != (laukaukset.empty() ? 0 : 1))
            Riko(std::to_string(viimeksi) + " latest-shot pictures on one grid");
    }
}
