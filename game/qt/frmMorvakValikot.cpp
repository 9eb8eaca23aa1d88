#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "qt/frmMorvak.h"

namespace {

QKeySequence Pikanappain(Nappain nappain) {
    switch (nappain) {
        case Nappain::F1:
            return Qt::Key_F1;
        case Nappain::F2:
            return Qt::Key_F2;
        case Nappain::F3:
            return Qt::Key_F3;
        case Nappain::Ei:
        case Nappain::Enter:
            break;
    }
    return {};
}

}  // namespace

void frmMorvak::LuoValikot() {
    for (const Valikko& valikko : Valikot()) {
        QMenu* menu = menuBar()->addMenu(QString::fromUtf8(valikko.teksti));
        menu->setObjectName(valikko.nimi);
        for (const Valikkokohta& kohta : valikko.kohdat) {
            if (!kohta.komento) {
                menu->addSeparator()->setObjectName(kohta.nimi);
                continue;
            }
            QAction* toiminto = menu->addAction(QString::fromUtf8(kohta.teksti));
            toiminto->setObjectName(kohta.nimi);
            toiminto->setCheckable(kohta.valinta);
            toiminto->setShortcut(Pikanappain(kohta.pikanappain));
            const Komento komento = *kohta.komento;
            // A check item toggles its own mark; the mark is the rules' to
            // set, also while the command waits behind an open box.
            connect(toiminto, &QAction::triggered, this, [this, toiminto, komento] {
                if (toiminto->isCheckable()) toiminto->setChecked(!toiminto->isChecked());
                malli_.Tapahtuu(KomentoValittu{komento});
            });
            komennot_.emplace_back(toiminto, komento);
        }
        // The captions' trailing spaces only keep the menu wide; a screen
        // reader would read them out.
        menu->setMinimumWidth(menu->sizeHint().width());
        for (QAction* toiminto : menu->actions()) toiminto->setText(toiminto->text().trimmed());
    }
}
