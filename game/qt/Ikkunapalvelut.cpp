#include "qt/Ikkunapalvelut.h"

#include <QApplication>
#include <QMessageBox>
#include <memory>

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
    Jonoon([this, otsikko, teksti, kuvake] {
        const std::unique_ptr<QMessageBox> viesti(
            Viestilaatikko(Aktiivinen(), QString::fromStdString(otsikko),
                           QString::fromStdString(teksti), Ilmoitus(kuvake)));
        viesti->exec();
        return true;
    });
}

void Ikkunapalvelut::Kysy(const std::string& otsikko, const std::string& teksti) {
    Jonoon([this, otsikko, teksti] {
        const std::unique_ptr<QMessageBox> kysymys(
            Viestilaatikko(Aktiivinen(), QString::fromStdString(otsikko),
                           QString::fromStdString(teksti), Vahvistus()));
        return kysymys->exec() == QMessageBox::Yes;
    });
}

// The box runs its own modal loop from the event loop, never inside the
// rules' call; its answer comes back as an event like any other.
void Ikkunapalvelut::Jonoon(std::function<bool()> nayta) {
    jono_.Jonoon(std::move(nayta));
    QObject* kuulija = paaikkuna_ != nullptr ? static_cast<QObject*>(paaikkuna_) : qApp;
    QMetaObject::invokeMethod(
        kuulija, [this] { jono_.NaytaSeuraava(); }, Qt::QueuedConnection);
}

void Ikkunapalvelut::AvaaKuorella(const Kuorikohde& kohde, Nayttokomento naytto) {
    ::AvaaKuorella(Aktiivinen(), kohde, naytto);
}

std::chrono::milliseconds Ikkunapalvelut::Nyt() const {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
}

std::string Ikkunapalvelut::OhjelmanKansio() const {
    return QCoreApplication::applicationDirPath().toStdString();
}
