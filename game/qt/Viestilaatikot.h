#pragma once

#include <QString>

#include "rules/Laatikot.h"

class QMessageBox;
class QWidget;

// A message box with its buttons in Finnish, whatever translations the
// system has, made but not yet shown; it finishes with QMessageBox::Yes for
// Yes.
QMessageBox* Viestilaatikko(QWidget* omistaja, const QString& otsikko, const QString& teksti,
                            const Laatikonmalli& malli);
