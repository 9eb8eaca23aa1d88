#include "Linkit.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "Kuoriavaus.h"

QString EtsiReadme(const QString& ohjelmanKansio) {
    const QDir kansio(ohjelmanKansio);
    for (const QString& paikka :
         {QStringLiteral("readme.txt"), QStringLiteral("../share/morvak/readme.txt")}) {
        const QString polku = QDir::cleanPath(kansio.absoluteFilePath(paikka));
        if (QFileInfo(polku).isFile()) {
            return polku;
        }
    }
    return QDir::cleanPath(kansio.absoluteFilePath("readme.txt"));
}

QUrl ReadmeOhje() {
    return QUrl::fromLocalFile(EtsiReadme(QCoreApplication::applicationDirPath()));
}

QUrl Kotisivu() {
    QUrl osoite(KOTISIVU);
    osoite.setQuery(KOTISIVUN_KYSELY);
    return osoite;
}

QUrl Palautelinkki() { return QUrl(QString("mailto:") + PALAUTEOSOITE); }

void AvaaReadmeOhje(QWidget* omistaja) {
    AvaaKuorella(omistaja, ReadmeOhje(), Nayttokomento::Normaali);
}

// The shell is asked to keep these hidden; the browser and the mail program
// show their own windows anyway.
void AvaaKotisivu(QWidget* omistaja) {
    AvaaKuorella(omistaja, Kotisivu(), Nayttokomento::Piilotettu);
}

void AvaaPalautelinkki(QWidget* omistaja) {
    AvaaKuorella(omistaja, Palautelinkki(), Nayttokomento::Piilotettu);
}
