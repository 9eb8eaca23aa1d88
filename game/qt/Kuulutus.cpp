#include "qt/Kuulutus.h"

#include <QAccessibleObject>
#include <QWidget>

namespace {

class Ilmoitus : public QAccessibleObject {
  public:
    explicit Ilmoitus(Kuulutus* kuulutus) : QAccessibleObject(kuulutus) {}

    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(object()->parent());
    }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text laji) const override {
        return laji == QAccessible::Name ? static_cast<Kuulutus*>(object())->Teksti() : QString();
    }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return {}; }
};

QAccessibleInterface* Tehdas(const QString& luokka, QObject* olio) {
    if (luokka == QLatin1String("Kuulutus")) return new Ilmoitus(static_cast<Kuulutus*>(olio));
    return nullptr;
}

}  // namespace

Kuulutus::Kuulutus(QWidget* ikkuna) : QObject(ikkuna) {
    setObjectName("kuulutus");
    static const bool asennettu = [] {
        QAccessible::installFactory(Tehdas);
        return true;
    }();
    (void)asennettu;
}

// After what the same handing told of the focus, which is queued too: a
// screen reader cuts short what it was saying for what comes next.
void Kuulutus::Kuuluta(const QString& teksti) {
    if (!QAccessible::isActive()) return;
    QMetaObject::invokeMethod(
        this,
        [this, teksti] {
            teksti_ = teksti;
            QAccessibleEvent tapahtuma(this, QAccessible::ObjectShow);
            QAccessible::updateAccessibility(&tapahtuma);
        },
        Qt::QueuedConnection);
}
