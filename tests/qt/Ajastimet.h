#pragma once

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QSet>
#include <QStringList>
#include <QWidget>

// Every timer the main thread's event dispatcher holds, named by the class of
// the object it wakes and its interval: those of the windows and everything
// they own, of the application, and the single shots the dispatcher owns.
inline QStringList AktiivisetAjastimet() {
    QAbstractEventDispatcher* jakaja = QAbstractEventDispatcher::instance();
    QSet<QObject*> nahdyt;
    QStringList ajastimet;
    const auto kay = [&](auto& itse, QObject* olio) -> void {
        if (nahdyt.contains(olio)) return;
        nahdyt.insert(olio);
        for (const auto& ajastin : jakaja->registeredTimers(olio))
            ajastimet
                << QString("%1 %2 ms").arg(olio->metaObject()->className()).arg(ajastin.interval);
        for (QObject* lapsi : olio->children()) itse(itse, lapsi);
    };
    kay(kay, qApp);
    kay(kay, jakaja);
    for (QWidget* ikkuna : QApplication::topLevelWidgets()) kay(kay, ikkuna);
    return ajastimet;
}
