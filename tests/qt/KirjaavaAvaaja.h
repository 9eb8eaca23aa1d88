#pragma once

#include <QApplication>
#include <QUrl>
#include <vector>

#include "qt/Kuoriavaus.h"

// Stands in for the desktop while a test runs: remembers every open it was
// asked for, and whether the hourglass was up meanwhile, and opens nothing.
class KirjaavaAvaaja : public Kuoriavaaja {
  public:
    // The owner is kept as an address only: a dialog that owned an open may
    // be gone by the time the test looks.
    struct Avaus {
        const QWidget* omistaja;
        QUrl kohde;
        Nayttokomento naytto;
        bool tiimalasi;
    };
    std::vector<Avaus> avaukset;

    KirjaavaAvaaja() { VaihdaKuoriavaaja(this); }
    ~KirjaavaAvaaja() override { VaihdaKuoriavaaja(nullptr); }
    KirjaavaAvaaja(const KirjaavaAvaaja&) = delete;
    KirjaavaAvaaja& operator=(const KirjaavaAvaaja&) = delete;

    void Avaa(QWidget* omistaja, const QUrl& kohde, Nayttokomento naytto) override {
        const QCursor* osoitin = QApplication::overrideCursor();
        avaukset.push_back(
            {omistaja, kohde, naytto, osoitin && osoitin->shape() == Qt::WaitCursor});
    }
};
