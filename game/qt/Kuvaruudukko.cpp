#include "qt/Kuvaruudukko.h"

#include <QAccessible>
#include <QKeyEvent>
#include <optional>

#include "qt/Kohdistuskehys.h"
#include "qt/Kuvaruutu.h"
#include "qt/RuudukonSaavutettavuus.h"
#include "qt/Twipit.h"
#include "rules/Ruudut.h"
#include "rules/access/Ruudunnimet.h"

namespace {

std::optional<Ruutunappain> Ruutunappaimeksi(const QKeyEvent& tapahtuma) {
    const Qt::KeyboardModifiers muuntimet = tapahtuma.modifiers() & ~Qt::KeypadModifier;
    const bool ilman = muuntimet == Qt::NoModifier;
    switch (tapahtuma.key()) {
        case Qt::Key_Left:
            if (ilman) return Ruutunappain::Vasemmalle;
            break;
        case Qt::Key_Right:
            if (ilman) return Ruutunappain::Oikealle;
            break;
        case Qt::Key_Up:
            if (ilman) return Ruutunappain::Ylos;
            break;
        case Qt::Key_Down:
            if (ilman) return Ruutunappain::Alas;
            break;
        case Qt::Key_Home:
            if (ilman) return Ruutunappain::RivinAlkuun;
            break;
        case Qt::Key_End:
            if (ilman) return Ruutunappain::RivinLoppuun;
            break;
        case Qt::Key_Space:
            // A held key is one press of a button, not a stream of them.
            if (tapahtuma.isAutoRepeat()) break;
            if (ilman) return Ruutunappain::Valilyonti;
            if (muuntimet == Qt::ShiftModifier) return Ruutunappain::VaihtoValilyonti;
            break;
        default:
            break;
    }
    return std::nullopt;
}

}  // namespace

Kuvaruudukko::Kuvaruudukko(Puoli puoli, frmMorvakMalli& malli, QWidget* parent)
    : QWidget(parent), puoli_(puoli), malli_(malli) {
    AsennaRuudukonSaavutettavuus();
    const bool pelaaja = puoli == Puoli::Pelaaja;
    setObjectName(pelaaja ? "ruudukkoPelaaja" : "ruudukkoKone");
    // Tab reaches the grid; a click stays with the square it hits.
    setFocusPolicy(Qt::TabFocus);
    const QRect alue(TwipeistaAlue(Ruudunpaikka(puoli, 1)).topLeft(),
                     TwipeistaAlue(Ruudunpaikka(puoli, RUUTUJA)).bottomRight());
    setGeometry(alue);
    for (int n = 1; n <= RUUTUJA; ++n) {
        auto* ruutu = new Kuvaruutu(malli_.Ruudut()(puoli, n), this);
        ruutu->setObjectName(QString(pelaaja ? "imgPelaaja(%1)" : "imgKone(%1)").arg(n));
        ruutu->move(TwipeistaAlue(Ruudunpaikka(puoli, n)).topLeft() - alue.topLeft());
        connect(ruutu, &Kuvaruutu::Painettu, this, [this](int painike, QPoint kohta, bool muita) {
            malli_.Tapahtuu(HiiriPainettu{Kohdalla(kohta), painike, muita});
        });
        connect(ruutu, &Kuvaruutu::Vapautettu, this, [this](int painike, QPoint kohta, bool muita) {
            malli_.Tapahtuu(HiiriVapautettu{Kohdalla(kohta), painike, muita});
        });
        ruudut_[static_cast<std::size_t>(n)] = ruutu;
    }
    kehys_ = new Kehysruutu(this);
    kehys_->setObjectName("kohdistuskehys");
    kehys_->hide();
}

std::optional<Ruutupaikka> Kuvaruudukko::Kohdalla(QPoint kohta) {
    return RuutuKohdassa(Twipeiksi(kohta.x()), Twipeiksi(kohta.y()));
}

int Kuvaruudukko::Numero(const QWidget* ruutu) const {
    for (int n = 1; n <= RUUTUJA; ++n)
        if (Ruutu(n) == ruutu) return n;
    return 0;
}

int Kuvaruudukko::Kohdistusruutu() const {
    return malli_.Nappaimisto().ruutu[static_cast<std::size_t>(puoli_)];
}

QString Kuvaruudukko::Nimi() const { return QString::fromUtf8(RuudukonNimi(puoli_)); }

QString Kuvaruudukko::RuudunNimi(int ruutu) const {
    return QString::fromStdString(malli_.RuudunNimi(puoli_, ruutu));
}

void Kuvaruudukko::NaytaKohdistus(std::optional<int> siirtyi) {
    if (siirtyi) {
        kehys_->move(Ruutu(*siirtyi)->pos());
        kehys_->raise();
        if (hasFocus()) KerroKohdistus();
    }
    KerroNimet();
}

void Kuvaruudukko::KerroKohdistus() {
    if (!QAccessible::isActive()) return;
    QAccessibleEvent tapahtuma(this, QAccessible::Focus);
    tapahtuma.setChild(Kohdistusruutu() - 1);
    QAccessible::updateAccessibility(&tapahtuma);
}

void Kuvaruudukko::KerroNimet() {
    for (const int n : malli_.MuuttuneetNimet(puoli_, QAccessible::isActive())) {
        QAccessibleEvent tapahtuma(Ruutu(n), QAccessible::NameChanged);
        QAccessible::updateAccessibility(&tapahtuma);
    }
}

void Kuvaruudukko::keyPressEvent(QKeyEvent* tapahtuma) {
    const auto nappain = Ruutunappaimeksi(*tapahtuma);
    // Return and every other key go on to the window.
    if (!nappain) {
        QWidget::keyPressEvent(tapahtuma);
        return;
    }
    malli_.Tapahtuu(RuudukonNappain{puoli_, *nappain});
}

void Kuvaruudukko::focusInEvent(QFocusEvent* tapahtuma) {
    QWidget::focusInEvent(tapahtuma);
    kehys_->show();
    // Qt tells of the grid itself once this returns; the square follows it,
    // so that a screen reader ends on the square.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (hasFocus()) KerroKohdistus();
        },
        Qt::QueuedConnection);
}

void Kuvaruudukko::focusOutEvent(QFocusEvent* tapahtuma) {
    QWidget::focusOutEvent(tapahtuma);
    kehys_->hide();
}
