#include "qt/RuudukonSaavutettavuus.h"

#include <QAccessibleWidget>

#include "qt/Kuvaruudukko.h"
#include "qt/Kuvaruutu.h"
#include "rules/Ruudut.h"

namespace {

class Taulukko : public QAccessibleWidget, public QAccessibleTableInterface {
  public:
    explicit Taulukko(Kuvaruudukko* ruudukko) : QAccessibleWidget(ruudukko, QAccessible::Table) {}

    Kuvaruudukko* ruudukko() const { return static_cast<Kuvaruudukko*>(widget()); }

    QString text(QAccessible::Text laji) const override {
        return laji == QAccessible::Name ? ruudukko()->Nimi() : QAccessibleWidget::text(laji);
    }
    int childCount() const override { return RUUTUJA; }
    QAccessibleInterface* child(int i) const override {
        if (i < 0 || i >= RUUTUJA) return nullptr;
        return QAccessible::queryAccessibleInterface(ruudukko()->Ruutu(i + 1));
    }
    int indexOfChild(const QAccessibleInterface* lapsi) const override {
        return lapsi ? ruudukko()->Numero(qobject_cast<QWidget*>(lapsi->object())) - 1 : -1;
    }
    QAccessibleInterface* focusChild() const override {
        return ruudukko()->hasFocus() ? child(ruudukko()->Kohdistusruutu() - 1) : nullptr;
    }
    void* interface_cast(QAccessible::InterfaceType laji) override {
        if (laji == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(laji);
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int rivi, int sarake) const override {
        if (rivi < 0 || rivi >= 10 || sarake < 0 || sarake >= 10) return nullptr;
        return child(rivi * 10 + sarake);
    }
    int columnCount() const override { return 10; }
    int rowCount() const override { return 10; }
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    // Nothing on a grid is ever selected.
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}
};

class Solu : public QAccessibleWidget, public QAccessibleTableCellInterface {
  public:
    explicit Solu(Kuvaruutu* ruutu) : QAccessibleWidget(ruutu, QAccessible::Cell) {}

    Kuvaruudukko* ruudukko() const { return static_cast<Kuvaruudukko*>(widget()->parentWidget()); }
    int numero() const { return ruudukko()->Numero(widget()); }

    QString text(QAccessible::Text laji) const override {
        return laji == QAccessible::Name ? ruudukko()->RuudunNimi(numero()) : QString();
    }
    QAccessible::State state() const override {
        QAccessible::State tila = QAccessibleWidget::state();
        tila.focusable = true;
        tila.focused = ruudukko()->hasFocus() && ruudukko()->Kohdistusruutu() == numero();
        return tila;
    }
    void* interface_cast(QAccessible::InterfaceType laji) override {
        if (laji == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface*>(this);
        return QAccessibleWidget::interface_cast(laji);
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return Sarake(numero()) - 1; }
    int rowIndex() const override { return Rivi(numero()) - 1; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }
};

QAccessibleInterface* Tehdas(const QString& luokka, QObject* olio) {
    if (luokka == QLatin1String("Kuvaruudukko"))
        return new Taulukko(static_cast<Kuvaruudukko*>(olio));
    if (luokka == QLatin1String("Kuvaruutu")) {
        auto* ruutu = static_cast<Kuvaruutu*>(olio);
        if (qobject_cast<Kuvaruudukko*>(ruutu->parentWidget())) return new Solu(ruutu);
    }
    return nullptr;
}

}  // namespace

void AsennaRuudukonSaavutettavuus() {
    static const bool asennettu = [] {
        QAccessible::installFactory(Tehdas);
        return true;
    }();
    (void)asennettu;
}
