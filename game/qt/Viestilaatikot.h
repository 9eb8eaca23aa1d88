#pragma once

#include <QString>

#include "rules/Nakyma.h"

class QMessageBox;
class QWidget;

// Message boxes with their buttons in Finnish, whatever translations the
// system has, made but not yet shown.
QMessageBox* Viestilaatikko(QWidget* omistaja, const QString& otsikko, const QString& teksti,
                            Kuvake kuvake);
// Yes and No, a question icon, No as the default; it finishes with
// QMessageBox::Yes for Yes.
QMessageBox* Vahvistuslaatikko(QWidget* omistaja, const QString& otsikko, const QString& teksti);
