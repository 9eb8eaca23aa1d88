#pragma once

// Driving modal windows from a test the way a player does: the window is shown
// with exec() as the game shows it, and the test acts on it once it is up. A
// window that stays open longer than it should is closed, so a failing test
// ends with a failure instead of hanging.

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>
#include <vector>

inline constexpr int MODAALINEN_AIKARAJA_MS = 5000;

// The answer of exec() when the test had to close the window itself.
inline constexpr int SULJETTU_VAKISIN = -1;

// Shows `ikkuna` with exec() and runs `toimi` once it is up. Returns what exec()
// returned, or SULJETTU_VAKISIN when the window was still open after the limit.
inline int AjaModaalisena(QDialog& ikkuna, const std::function<void()>& toimi) {
    bool vakisin = false;
    QTimer::singleShot(0, &ikkuna, [&] {
        if (QTest::qWaitForWindowActive(&ikkuna)) toimi();
    });
    QTimer vahti;
    vahti.setSingleShot(true);
    QObject::connect(&vahti, &QTimer::timeout, &ikkuna, [&] {
        vakisin = true;
        while (QWidget* auki = QApplication::activeModalWidget()) {
            auki->close();
            if (auki == &ikkuna) break;
        }
    });
    vahti.start(MODAALINEN_AIKARAJA_MS);
    const int tulos = ikkuna.exec();
    return vakisin ? SULJETTU_VAKISIN : tulos;
}

// Arranges for `toimi` to run on the next modal window that `kelpaa` accepts,
// once it has the keyboard, for code that opens it and waits in its exec().
// The watch is a timer rather than a wait of its own, so that windows opened
// and closed in between can return from their exec(). It ends with
// `konteksti`, or after the time limit; `avattiin` tells whether a window
// came. A window that `toimi` leaves open is closed after the limit, so that
// its opener returns.
inline void KunModaalinenAukeaa(QObject* konteksti, std::function<bool(QWidget*)> kelpaa,
                                std::function<void(QWidget*)> toimi, bool* avattiin) {
    *avattiin = false;
    auto* vahti = new QTimer(konteksti);
    QElapsedTimer kello;
    kello.start();
    QObject::connect(vahti, &QTimer::timeout, vahti, [=] {
        QWidget* ikkuna = QApplication::activeModalWidget();
        const bool tuli =
            ikkuna && kelpaa(ikkuna) && ikkuna->isVisible() && ikkuna->isActiveWindow();
        if (!tuli && kello.elapsed() < MODAALINEN_AIKARAJA_MS) return;
        vahti->stop();
        vahti->deleteLater();
        if (!tuli) return;
        *avattiin = true;
        QPointer<QWidget> auki(ikkuna);
        toimi(ikkuna);
        QTimer::singleShot(MODAALINEN_AIKARAJA_MS, [auki] {
            if (auki && auki->isVisible()) {
                QTest::qFail("the window was left open", __FILE__, __LINE__);
                auki->close();
            }
        });
    });
    vahti->start(2);
}

// The same for the next modal window over `emo`, which holds the watch.
inline void KunModaalinenAukeaa(QWidget* emo, std::function<void(QWidget*)> toimi, bool* avattiin) {
    KunModaalinenAukeaa(
        emo, [emo](QWidget* ikkuna) { return ikkuna != emo; }, std::move(toimi), avattiin);
}

// The same for the next dialog built from the layout table `dialogi`
// ("frmKysyNimi"), whatever opens before it.
inline void KunAukeaa(QObject* konteksti, const QString& dialogi,
                      std::function<void(QWidget*)> toimi, bool* avattiin) {
    KunModaalinenAukeaa(
        konteksti, [dialogi](QWidget* ikkuna) { return ikkuna->objectName() == dialogi; },
        std::move(toimi), avattiin);
}

struct Viesti {
    QString otsikko;
    QString teksti;
    QMessageBox::Icon ikoni;
    QStringList painikkeet;
    QString oletus;
};

// Answers every message box that opens while it lives: with the queued
// answers first, then OK where there is one and No otherwise. Keeps what each
// box showed.
class Viestivastaaja : public QObject {
  public:
    explicit Viestivastaaja(std::deque<QMessageBox::StandardButton> vastaukset = {})
        : vastaukset_(std::move(vastaukset)) {
        connect(&vahti_, &QTimer::timeout, this, &Viestivastaaja::Katso);
        vahti_.start(2);
    }

    std::vector<Viesti> nahdyt;
    // Runs while a box is up, before it is answered.
    std::function<void(QMessageBox*)> ennenVastausta;

  private:
    void Katso() {
        auto* ruutu = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!ruutu || !ruutu->isVisible() || ruutu == vastattu_) return;
        vastattu_ = ruutu;
        Viesti viesti{ruutu->windowTitle(), ruutu->text(), ruutu->icon(), {}, {}};
        for (QAbstractButton* painike : ruutu->buttons()) viesti.painikkeet << painike->text();
        viesti.painikkeet.sort();
        if (ruutu->defaultButton()) viesti.oletus = ruutu->defaultButton()->text();
        nahdyt.push_back(viesti);
        if (ennenVastausta) ennenVastausta(ruutu);
        QMessageBox::StandardButton vastaus =
            ruutu->button(QMessageBox::Ok) ? QMessageBox::Ok : QMessageBox::No;
        if (!vastaukset_.empty()) {
            vastaus = vastaukset_.front();
            vastaukset_.pop_front();
        }
        // A box without the expected button is closed, for the test to fail
        // on what it shows rather than hang.
        if (QAbstractButton* painike = ruutu->button(vastaus)) {
            QTest::mouseClick(painike, Qt::LeftButton);
        } else {
            ruutu->done(0);
        }
    }

    std::deque<QMessageBox::StandardButton> vastaukset_;
    QPointer<QMessageBox> vastattu_;
    QTimer vahti_;
};

// The widget that has the keyboard now, where a player's key goes.
inline QWidget* Nappaimisto(QWidget* ikkuna) {
    QWidget* kohde = QApplication::focusWidget();
    return kohde ? kohde : ikkuna;
}

// Types `teksti` key by key into the widget that has the keyboard, letters
// outside ASCII included.
inline void Kirjoita(QWidget* ikkuna, const QString& teksti) {
    for (const QChar merkki : teksti) {
        const auto nappain = static_cast<Qt::Key>(merkki.toUpper().unicode());
        QTest::sendKeyEvent(QTest::Click, Nappaimisto(ikkuna), nappain, QString(merkki),
                            Qt::NoModifier);
    }
}
