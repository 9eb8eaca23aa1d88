#pragma once

#include <QObject>
#include <QString>

class QWidget;

// What the rules want a screen reader to say once: a shot's result and the
// new instruction line. Orca speaks a notification as it is shown, and
// ignores a label whose text changes, so each utterance is a notification
// shown anew. It draws nothing.
class Kuulutus : public QObject {
    Q_OBJECT

  public:
    explicit Kuulutus(QWidget* ikkuna);

    const QString& Teksti() const { return teksti_; }
    void Kuuluta(const QString& teksti);

  private:
    QString teksti_;
};
