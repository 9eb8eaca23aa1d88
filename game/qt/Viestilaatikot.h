#pragma once

#include <QString>

#include "rules/Nakyma.h"

class QWidget;

// Message boxes with their buttons in Finnish, whatever translations the
// system has.
void NaytaViesti(QWidget* omistaja, const QString& otsikko, const QString& teksti, Kuvake kuvake);
// Yes and No, a question icon, No as the default; true for Yes.
bool KysyVahvistus(QWidget* omistaja, const QString& otsikko, const QString& teksti);
