#pragma once

#include <QCursor>
#include <QMainWindow>
#include <QTimer>
#include <array>
#include <chrono>
#include <string>

#include "Nakyma.h"
#include "Peli.h"
#include "Pelitila.h"
#include "Satunnaisluvut.h"

class Kuvaruutu;
class QAction;
class QEventLoop;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;

// The main window: both grids, the instruction frame, the two buttons and the
// menus. It owns the one game state and realises on screen what the rules
// decide. Creating it runs the window's load, first new game included.
class frmMorvak : public QMainWindow, public Nakyma {
    Q_OBJECT

  public:
    explicit frmMorvak(Satunnaisluvut arpa = Satunnaisluvut(), QWidget* parent = nullptr);

    Pelitila& Tila() { return tila_; }
    // The computer's pause is one second; tests shorten it.
    void AsetaTauonPituus(std::chrono::milliseconds pituus) { tauonPituus_ = pituus; }

    void NaytaKuva(Puoli ruudukko, int ruutu, Kuva kuva) override;
    void AsetaSormiosoitin(Puoli ruudukko, int ruutu, bool sormi) override;
    void AsetaRuutuKaytossa(Puoli ruudukko, int ruutu, bool kaytossa) override;
    void AsetaOsoitin(Osoitin osoitin) override;
    void AsetaIkkunaKaytossa(bool kaytossa) override;
    bool EpakelvotRuudutNakyvissa() const override;
    void Ilmoita(const std::string& otsikko, const std::string& teksti, Kuvake kuvake) override;
    bool Kysy(const std::string& otsikko, const std::string& teksti) override;
    void NaytaKysyNimi() override;
    void KasitteleTapahtumat() override;
    bool Tauko() override;

    void mUusiPeli_Click();
    void mLopeta_Click();
    void mNaytaPainikkeet_Click();
    void mNaytaMahdottomatLaivaruudut_Click();
    void mNaytaParhaatTulokset_Click();
    void mNaytaAsetukset_Click();
    void mReadmeOhje_Click();
    void mOhjelmapaivitykset_Click();
    void mPalautettaOhjelmasta_Click();
    void mVirheilmoitukset_Click();
    void mTietojaOhjelmasta_Click();
    void cmdPainike_Click(int Index);
    void tmrAjastin_Timer();

  protected:
    void closeEvent(QCloseEvent* tapahtuma) override;
    void keyPressEvent(QKeyEvent* tapahtuma) override;

  private:
    void LuoRuudukot(QWidget* alue);
    void LuoAlalaita(QWidget* alue);
    void LuoValikot();
    void Form_Load();
    void LueNakymavalinta(const char* nimi, QAction* valinta);
    void NaytaAlalaita(bool nayta);
    void NaytaOhje(const std::string& ohje);
    void AsetaKaytossa(bool kaytossa);
    Kuvaruutu* Ruutu(Puoli ruudukko, int ruutu) const;
    // After the quit question was answered Yes.
    void Lopeta();
    void PaataTaukoJosValmis();

    Pelitila tila_;
    Satunnaisluvut arpa_;
    Peli peli_;

    std::array<Kuvaruutu*, 101> imgPelaaja{};
    std::array<Kuvaruutu*, 101> imgKone{};
    QFrame* fraKehysviiva = nullptr;
    QGroupBox* fraOhje = nullptr;
    QLabel* lblOhje = nullptr;
    std::array<QPushButton*, 2> cmdPainike{};
    QTimer tmrAjastin;

    QAction* mUusiPeli = nullptr;
    QAction* mLopeta = nullptr;
    QAction* mNaytaPainikkeet = nullptr;
    QAction* mNaytaMahdottomatLaivaruudut = nullptr;
    QAction* mNaytaParhaatTulokset = nullptr;
    QAction* mNaytaAsetukset = nullptr;
    QAction* mReadmeOhje = nullptr;
    QAction* mOhjelmapaivitykset = nullptr;
    QAction* mPalautettaOhjelmasta = nullptr;
    QAction* mVirheilmoitukset = nullptr;
    QAction* mTietojaOhjelmasta = nullptr;

    QCursor sormikursori_;
    std::string ohje_;  // what lblOhje shows, to skip ticks that change nothing
    std::chrono::milliseconds tauonPituus_{1000};
    QEventLoop* tauko_ = nullptr;
    bool tauonAikaKulunut_ = false;
    bool tikkiTauonAikana_ = false;
    bool lopetetaan_ = false;
};
